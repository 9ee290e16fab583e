// Entries whose Add dialog comes preset, and spin-lock pages, against the simulator.
#include "catalogue_fixture.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "catalogue/entry_recipe.h"
#include "editor/config_form.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"
#include "editor/snmp_list_view_panel.h"
#include "support/widget_support.h"

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class CataloguePresets : public CatalogueSuite, public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartSimulator(); }
    static void TearDownTestSuite() { StopSimulator(); }

    // The entry's window, shown on page and read.
    std::unique_ptr<TConfigForm> OpenRead(const std::vector<std::string> &path, int page) {
        const MenuEntry *entry = MenuCatalogue::Instance().Find(path);
        EXPECT_NE(entry, nullptr);
        if (entry == nullptr) return nullptr;
        auto form = BuildEntryWindow(*entry, {nullptr, "127.0.0.1", {}});
        form->show();
        pageWidget = form.get();
        if (QTabWidget *tabs = form->pageControl()) {
            tabs->setCurrentIndex(page);
            pageWidget = tabs->widget(page);
        }
        VdSNMPRequest2Edits *binding = form->Binding(page);
        EXPECT_TRUE(WaitUntil([&] { return LastLine(pageWidget).startsWith("Get:") && !binding->busy; }));
        return form;
    }

    static std::string AgentValue(const QString &oid) {
        const ProcessOutcome get =
            runProcess("snmpget", {"-M", "/dev/null", "-On", "-Oqv", "-v2c", "-c", "public", sim->agent(), oid});
        return get.out.trimmed().toStdString();
    }

    QWidget *pageWidget = nullptr;
};

TEST_F(CataloguePresets, AddDialogsOpenWithTheirRowsPresetAndUnlockAfterwards) {
    const struct {
        std::vector<std::string> path;
        int page;
        std::vector<int> lockedChecked;
        std::vector<std::pair<int, QString>> values;
    } cases[] = {
        {{"SNMP V3", "Community", "Community String Table"}, 0, {1, 2}, {{6, "nonVolatile"}}},
        {{"VLAN", "802.1Q", "802.1Q VLAN"}, 0, {1}, {}},
        {{"SNMP V3", "View-based Access Control Model", "View MIB Tree Family Table"}, 1, {}, {{3, "included"}, {4, "nonVolatile"}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.back());
        auto form = OpenRead(c.path, c.page);
        ASSERT_TRUE(form);
        auto *panel = pageWidget->findChild<TSNMPListViewPanel *>();
        ASSERT_NE(panel, nullptr);
        TEditsPanel &grid = *panel->editsPanel;
        bool seen = false;
        const auto add = WhenModal("AddDialog", [&](QWidget *dialog) {
            seen = true;
            for (int row : c.lockedChecked) {
                EXPECT_TRUE(grid.Row(row).checkBox->isChecked()) << "row " << row;
                EXPECT_FALSE(grid.Row(row).checkBox->isEnabled()) << "row " << row;
                EXPECT_EQ(grid.RowText(row), "") << "row " << row << " starts empty";
            }
            for (const auto &[row, text] : c.values) EXPECT_EQ(grid.RowText(row), text.toStdString()) << "row " << row;
            qobject_cast<QDialog *>(dialog)->reject();
        });
        QTest::mouseClick(panel->buttons()->AddButton, Qt::LeftButton);
        EXPECT_TRUE(seen);
        for (int row : c.lockedChecked) EXPECT_TRUE(grid.Row(row).checkBox->isEnabled()) << "row " << row;
        form->close();
    }
}

TEST_F(CataloguePresets, SpinLockPagesSendTheValueReadAndTheAgentMovesItOn) {
    const struct {
        std::vector<std::string> path;
        QString oid;
    } cases[] = {
        {{"SNMP V3", "User-based Security Model", "User Table"}, "1.3.6.1.6.3.15.1.2.1.0"},
        {{"SNMP V3", "View-based Access Control Model", "View MIB Tree Family Table"}, "1.3.6.1.6.3.16.1.5.1.0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.back());
        const std::string before = AgentValue(c.oid);
        auto form = OpenRead(c.path, 0);
        ASSERT_TRUE(form);
        auto *panel = pageWidget->findChild<TEditsPanel *>();
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->RowText(0), before);
        EXPECT_TRUE(panel->Row(0).checkBox->isHidden());
        EXPECT_TRUE(panel->Row(0).checkBox->isChecked());

        MessageBox::reset();
        QTest::mouseClick(pageWidget->findChild<QPushButton *>("SetCheckedButton"), Qt::LeftButton);
        ASSERT_TRUE(WaitUntil([&] { return LastLine(pageWidget).startsWith("Set:") && !form->Binding(0)->busy; }));
        EXPECT_TRUE(LastLine(pageWidget).startsWith("Set: Ok!")) << LastLine(pageWidget).toStdString();
        // The agent took the value it had handed out and advanced its lock.
        EXPECT_EQ(AgentValue(c.oid), std::to_string(std::stoll(before) + 1));
        form->close();
    }
}

}  // namespace
