// Menu items whose state follows the session or the device: the SNMPv3 items, and the RMON modules
// after the "RMON State" window closes.
#include "main_form_fixture.h"

#include "binding/ui/message_box.h"
#include "editor/config_form.h"
#include "editor/edits_panel.h"
#include "support/widget_support.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const char *const kV3Items[] = {"Engine", "MPD", "TARGET", "USM", "VACM", "Notification1", "CommunityMIB"};
const char *const kRmonModules[] = {"RmonStatistics1", "RmonHistory1", "RmonAlarmEvent1"};

QAction *Item(TMainForm &form, const char *name) { return form.menuBar()->findChild<QAction *>(name); }

QString LastMemoLine(QWidget *window) {
    const auto *memo = window->findChild<QPlainTextEdit *>("memo");
    const QStringList lines = memo ? memo->toPlainText().split('\n', Qt::SkipEmptyParts) : QStringList();
    return lines.isEmpty() ? QString() : lines.last();
}

}  // namespace

struct SessionCase {
    const char *name;
    const char *configuration;  // the device's configuration file; null: none, the switches say all
    QStringList parameters;
    bool v3ItemsEnabled;
};

class V3Items : public MainFormTest, public ::testing::WithParamInterface<SessionCase> {};

TEST_P(V3Items, AreUsableOnlyOnV3Sessions) {
    const SessionCase &c = GetParam();
    QStringList parameters = QStringList{"/Ilocalhost"} + c.parameters;
    if (c.configuration == nullptr) parameters << "/t" + QString::number(sim_.port());
    auto form = Start(parameters, c.configuration ? LocalLayout(c.configuration) : PlainDirectory());
    ASSERT_TRUE(form->isReady());
    for (const char *name : kV3Items) {
        QAction *item = Item(*form, name);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->isEnabled(), c.v3ItemsEnabled) << name;
        // A greyed item says why.
        EXPECT_EQ(item->toolTip() == "needs an SNMPv3 session", !c.v3ItemsEnabled) << name;
    }
    // The session really is up: the front panel's first poll is answered.
    EXPECT_TRUE(WaitFor([&] { return form->statusPanel()->text().startsWith("Get: Ok!"); }))
        << form->statusPanel()->text().toStdString();
    if (c.v3ItemsEnabled) return;
    // The mouse over a greyed item puts the reason on the status line too.
    auto *menu = form->menuBar()->findChild<QMenu *>("SNMPV31");
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->toolTipsVisible());
    menu->popup(form->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(WaitFor([&] { return menu->isVisible(); }));
    const QPoint at = menu->actionGeometry(Item(*form, "USM")).center();
    QMouseEvent move(QEvent::MouseMove, at, menu->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(menu, &move);
    EXPECT_EQ(form->statusPanel()->text().toStdString(), "needs an SNMPv3 session");
    menu->close();
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, V3Items,
    ::testing::Values(
        SessionCase{"v1", "Version=0\n", {"/Rpublic", "/Wprivate"}, false},
        SessionCase{"v2c", "Version=1\n", {"/Rpublic", "/Wprivate"}, false},
        SessionCase{"v3", nullptr, {"/v3", "/m3", "/l3", "/nmd5des", "/a2", "/p2", "/Amd5despass", "/Pmd5desprivpass"}, true}),
    [](const ::testing::TestParamInfo<SessionCase> &info) { return std::string(info.param.name); });

TEST_F(MainFormTest, ClosingTheRmonStateWindowEnablesTheRmonModulesAtOnce) {
    auto form = StartOnSimulator();
    ASSERT_TRUE(form->isReady());
    WriteInteger("1.3.6.1.4.1.171.11.69.4.2.1.2.3", "2");
    form->CheckRmonState();
    ASSERT_TRUE(WaitFor([&] { return form->rmonStateText()->text() == "disabled"; }));
    for (const char *name : kRmonModules) ASSERT_FALSE(Item(*form, name)->isEnabled()) << name;

    bool written = false;
    const auto window = WhenModal("ConfigForm", [&](QWidget *dialog) {
        auto *grid = dialog->findChild<TEditsPanel *>();
        if (WaitUntil([&] { return LastMemoLine(dialog).startsWith("Get:"); })) {
            EXPECT_EQ(grid->RowText(0), "disabled");
            grid->SetRowValue(0, "enabled");
            grid->CheckRow(0);
            QTest::mouseClick(dialog->findChild<QPushButton *>("SetCheckedButton"), Qt::LeftButton);
            written = WaitUntil([&] { return LastMemoLine(dialog).startsWith("Set: Ok!"); });
        }
        dialog->close();
    });
    Item(*form, "RMONState1")->trigger();
    EXPECT_TRUE(written) << MessageBox::lastText().toStdString();
    EXPECT_TRUE(WaitFor([&] { return form->rmonStateText()->text() == "enabled"; }));
    for (const char *name : kRmonModules) EXPECT_TRUE(Item(*form, name)->isEnabled()) << name;
}
