// The read-only windows on the simulator: the route table, the equipment facts and the about box.
#include "window_fixture.h"

#include "windows/about_form.h"
#include "windows/equipment_basic_info_form.h"
#include "windows/ip_routing_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

namespace window_test {
namespace {

class InfoWindowsTest : public WindowTest {};

std::vector<std::string> Row(const QTreeWidgetItem *item) {
    std::vector<std::string> cells;
    for (int c = 0; c < item->columnCount(); ++c) cells.push_back(item->text(c).toStdString());
    return cells;
}

TEST_F(InfoWindowsTest, TheRoutingWindowListsEveryRouteOfTheDevice) {
    TIP_Routing form(Context(), nullptr);
    form.show();
    auto *panel = Named<QLabel>(&form, "StatusPanel0");
    // Twice: a second walk starts with an empty list.
    for (int pass = 0; pass < 2; ++pass) {
        // Once the opening walk is over: a press while one runs is ignored.
        ASSERT_TRUE(WaitUntil([&] { return !panel->text().isEmpty(); }));
        panel->clear();
        Click(&form, "BT_Get");
        ASSERT_TRUE(WaitUntil([&] { return !panel->text().isEmpty(); }));
        EXPECT_TRUE(panel->text().startsWith("Get: Ok!")) << panel->text().toStdString();
    }
    QTreeWidget *list = Named<QTreeWidget>(&form, "LV_IP_Routing");
    QStringList captions;
    for (int c = 0; c < list->columnCount(); ++c) captions << list->headerItem()->text(c).trimmed();
    EXPECT_EQ(captions.join('|').toStdString(),
              "Dest|IF Index|Metric1|Metric2|Metric3|Metric4|Next Hop|Type|Proto|Age|Mask|Metric5|Info");
    const std::vector<std::vector<std::string>> routes = {
        {"0.0.0.0", "1", "1", "-1", "-1", "-1", "10.90.90.254", "indirect", "netmgmt", "3600", "0.0.0.0", "-1", "0.0"},
        {"10.90.90.0", "1", "0", "-1", "-1", "-1", "10.90.90.90", "direct", "local", "0", "255.255.255.0", "-1", "0.0"},
        {"172.16.0.0", "2", "2", "-1", "-1", "-1", "10.90.90.1", "indirect", "rip", "25", "255.255.0.0", "-1", "0.0"},
        {"192.168.10.0", "3", "20", "5", "-1", "-1", "10.90.90.2", "indirect", "ospf", "120", "255.255.255.0", "-1",
         "1.3.6.1.2.1.14"},
        // A protocol without a label shows its number.
        {"192.168.30.0", "1", "5", "-1", "-1", "-1", "10.90.90.3", "indirect", "1", "600", "255.255.255.0", "-1", "0.0"},
    };
    ASSERT_EQ(list->topLevelItemCount(), static_cast<int>(routes.size()));
    for (int r = 0; r < list->topLevelItemCount(); ++r) EXPECT_EQ(Row(list->topLevelItem(r)), routes[r]);
    form.activateWindow();
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(3));
    SaveScreen(&form, QStringLiteral("ip_routing"));
}

TEST_F(InfoWindowsTest, TheEquipmentWindowShowsItsFactsAndKeepsAHistoryOfReads) {
    TEquipmentBasicInfoForm form(Context(), nullptr);
    form.show();
    auto *memo = Named<QPlainTextEdit>(&form, "Memo1");
    auto field = [&form](const char *name) { return Named<QLineEdit>(&form, name)->text().toStdString(); };
    EXPECT_EQ(field("Edit1"), "Redundant Power and Stacking") << "until the first answer";
    ASSERT_TRUE(WaitUntil([&] { return memo->toPlainText().count("Get: Ok!") == 1; })) << "the first read";
    for (int lines = 2; lines <= 4; ++lines) {
        Click(&form, "BitBtn1");
        ASSERT_TRUE(WaitUntil([&] { return memo->toPlainText().count("Get: Ok!") >= lines; }));
    }
    EXPECT_EQ(memo->toPlainText().count("Get: Ok!"), 4) << "one line per read";
    EXPECT_EQ(field("Edit1"), "Redundant Power");
    EXPECT_EQ(field("Edit2"), "8");
    EXPECT_EQ(field("Edit3"), "3") << "the rows of the unit table";
    EXPECT_EQ(field("Edit4"), "2");
    SaveScreen(&form, QStringLiteral("equipment"));
}

TEST_F(InfoWindowsTest, TheAboutBoxNamesTheModuleAndClosesWithOk) {
    TAboutForm form(Context(), nullptr);
    form.show();
    EXPECT_EQ(Named<QLabel>(&form, "Label2")->text().toStdString(), "Version 4.50V10");
    EXPECT_EQ(form.size(), QSize(354, 105));
    SaveScreen(&form, QStringLiteral("about"));
    Click(&form, "BT_Ok");
    EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace window_test
