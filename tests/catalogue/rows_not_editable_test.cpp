// Layer 3 tables whose rows are added and deleted but never opened for editing.
#include "catalogue_fixture.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "catalogue/entry_recipe.h"
#include "editor/config_form.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/snmp_list_view_panel.h"
#include "support/list_view_rows.h"
#include "support/widget_support.h"

#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

class RowsNotEditable : public CatalogueSuite, public ::testing::TestWithParam<std::vector<std::string>> {
protected:
    static void SetUpTestSuite() { StartSimulator(); }
    static void TearDownTestSuite() { StopSimulator(); }
};

TEST_P(RowsNotEditable, NeverOpenForEditingWhileEditStaysInSight) {
    MessageBox::reset();
    const MenuEntry *entry = MenuCatalogue::Instance().Find(GetParam());
    ASSERT_NE(entry, nullptr);
    std::unique_ptr<TConfigForm> form = BuildEntryWindow(*entry, {nullptr, "127.0.0.1", {}});
    form->show();
    auto *panel = form->findChild<TSNMPListViewPanel *>();
    auto *list = form->findChild<QTreeView *>("listView");
    ASSERT_TRUE(panel && list);
    ASSERT_TRUE(WaitUntil([&] { return LastLine(form.get()).startsWith("Get:") && !form->Binding(0)->busy; }));
    QPushButton *edit = panel->buttons()->EditButton;
    ASSERT_GT(ListRowCount(list), 0);
    EXPECT_FALSE(edit->isHidden());
    EXPECT_FALSE(panel->buttons()->AddButton->isHidden());

    const QPoint centre = ListRowRect(list, 0).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    ASSERT_TRUE(list->selectionModel()->isRowSelected(0, {}));
    EXPECT_FALSE(edit->isEnabled()) << "selecting a row leaves Edit disabled";
    EXPECT_TRUE(panel->buttons()->DeleteButton->isEnabled());

    bool opened = false;
    const auto watch = WhenModal("EditDialog", [&](QWidget *dialog) {
        opened = true;
        dialog->close();
    });
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::qWait(100);
    EXPECT_FALSE(opened) << "double-clicking a row opens nothing";
    EXPECT_FALSE(edit->isEnabled());
    form->close();
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, RowsNotEditable,
    ::testing::Values(std::vector<std::string>{"Layer 3 Management", "IP Management", "IP Static Routing Table"},
                      std::vector<std::string>{"Layer 3 Management", "DNS Ctrl Table"},
                      std::vector<std::string>{"Layer 3 Management", "OSPF", "Host Table"}),
    [](const ::testing::TestParamInfo<std::vector<std::string>> &info) {
        std::string name;
        for (char c : info.param.back())
            if (std::isalnum(static_cast<unsigned char>(c))) name += c;
        return name;
    });

}  // namespace
