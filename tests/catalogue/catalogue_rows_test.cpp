// Every table of the catalogue with a row-status column adds a row through its Add dialog and
// deletes it again; both are checked on the agent with net-snmp's snmpwalk, not only in the list.
#include "catalogue_fixture.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "catalogue/entry_recipe.h"
#include "editor/config_form.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"
#include "editor/snmp_list_view_panel.h"
#include "engine/descriptor.h"
#include "support/list_view_rows.h"
#include "support/widget_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

// One case per table page whose rows are created and destroyed through a status column.
std::vector<EntryCase> StatusRowTables() {
    std::vector<EntryCase> cases;
    for (const EntryCase &c : WindowEntries()) {
        for (std::size_t k = 0; k < c.entry->panels.size(); ++k) {
            const auto &recipe = c.entry->panels[k];
            if (recipe.panel == PanelKind::Table && recipe.statusRow >= 0)
                cases.push_back({c.path, c.entry, static_cast<int>(k)});
        }
    }
    return cases;
}

// The instances of a column on the agent, as snmpwalk lists them.
QSet<QString> Instances(const SimRunner &agent, const std::string &column) {
    const QString oid = QString::fromStdString(column);
    const ProcessOutcome walk = runProcess(
        "snmpwalk", {"-M", "/dev/null", "-On", "-v2c", "-c", "public", agent.agent(), oid});
    EXPECT_EQ(walk.exitCode, 0) << walk.err.toStdString();
    QSet<QString> instances;
    const QString prefix = "." + oid + ".";
    for (const QString &line : walk.out.split('\n', Qt::SkipEmptyParts))
        if (line.startsWith(prefix)) instances.insert(line.section(' ', 0, 0).mid(prefix.size()));
    return instances;
}

// A value for an index component that the simulator's rows do not use, by syntax; n tells the
// components of one index apart.
QString FreshIndexText(std::uint32_t syntax, int n) {
    const QString k = QString::number(77 + n);
    switch (syntax) {
    case syntax::IpAddress: return "10.77.0." + k;
    case syntax::MacAddress: return "00:0A:77:00:00:" + k;
    case syntax::DisplayString: return "row" + k;
    case syntax::OctetString:
    case syntax::BitString:
    case syntax::Opaque: return "7" + k;
    default: return k;
    }
}

// Fills the index rows of the Add dialog's grid with fresh values, and any other row the dialog
// checked by itself (a table with a single value row sends it) that is still empty.
void FillIndex(TEditsPanel &grid, const std::vector<CatalogueRecord> &records) {
    int n = 0;
    for (int i = 0; i < static_cast<int>(records.size()); ++i) {
        QWidget *editor = grid.Row(i).editor;
        if (!grid.IsIndexRow(i)) {
            auto *edit = qobject_cast<QLineEdit *>(editor);
            if (edit && edit->text().isEmpty() && !edit->isReadOnly() && grid.Row(i).checkBox->isChecked())
                edit->setText(FreshIndexText(records[static_cast<std::size_t>(i)].syntax, n++));
            continue;
        }
        if (auto *box = qobject_cast<QComboBox *>(editor)) {
            box->setCurrentIndex(box->count() - 1);
        } else if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
            edit->setText(FreshIndexText(records[static_cast<std::size_t>(i)].syntax, n));
        } else {
            ADD_FAILURE() << "index row " << i << " has no editor a test can fill";
        }
        ++n;
    }
}

// The list's row that was not there before; -1 for none.
int NewRow(const QTreeView *list, const QSet<QStringList> &before) {
    for (int r = 0; r < ListRowCount(list); ++r)
        if (!before.contains(ListRowTexts(list, r))) return r;
    return -1;
}

class CatalogueRows : public CatalogueSuite, public ::testing::TestWithParam<EntryCase> {
protected:
    static void SetUpTestSuite() { StartSimulator(); }
    static void TearDownTestSuite() { StopSimulator(); }
};

TEST_P(CatalogueRows, AddsAndDeletesARowOnTheAgent) {
    const MenuEntry &entry = *GetParam().entry;
    const int page = GetParam().page;
    const auto &recipe = entry.panels[static_cast<std::size_t>(page)];
    const std::string statusColumn = recipe.records[static_cast<std::size_t>(recipe.statusRow)].oid;
    MessageBox::reset();

    std::unique_ptr<TConfigForm> form = BuildEntryWindow(entry, LocalContext());
    form->show();
    QWidget *pageWidget = form.get();
    if (QTabWidget *tabs = form->pageControl()) {
        tabs->setCurrentIndex(page);
        pageWidget = tabs->widget(page);
    }
    auto *panel = pageWidget->findChild<TSNMPListViewPanel *>();
    auto *list = pageWidget->findChild<QTreeView *>("listView");
    ASSERT_TRUE(panel && list);
    VdSNMPRequest2Edits *binding = form->Binding(page);
    ASSERT_TRUE(WaitUntil([&] { return LastLine(pageWidget).startsWith("Get:") && !binding->busy; }));
    EXPECT_EQ(panel->buttons()->EditButton->isHidden(), recipe.HasAdjustment(Adjustment::Type::NoEdit));

    const QSet<QString> agentBefore = Instances(*sim, statusColumn);
    QSet<QStringList> listBefore;
    for (int r = 0; r < ListRowCount(list); ++r) listBefore.insert(ListRowTexts(list, r));

    const auto add = WhenModal("AddDialog", [&](QWidget *dialog) {
        FillIndex(*panel->editsPanel, recipe.records);
        QTest::mouseClick(dialog->findChild<QPushButton *>("SetCheckedButton"), Qt::LeftButton);
        // A refused set leaves the dialog open; the test must not wait on it for ever.
        if (!WaitUntil([&] { return !dialog->isVisible(); }, 5000)) {
            ADD_FAILURE() << "the Add dialog stayed open: " << MessageBox::lastText().toStdString();
            dialog->close();
        }
    });
    QTest::mouseClick(panel->buttons()->AddButton, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return ListRowCount(list) == listBefore.size() + 1 && !binding->busy; }))
        << LastLine(pageWidget).toStdString() << " / " << MessageBox::lastText().toStdString();
    const QSet<QString> agentAdded = Instances(*sim, statusColumn);
    EXPECT_EQ(agentAdded.size(), agentBefore.size() + 1) << "the row exists on the agent";

    const int added = NewRow(list, listBefore);
    ASSERT_GE(added, 0);
    SelectListRow(list, added);
    MessageBox::setNextAnswer(QMessageBox::Yes);
    QTest::mouseClick(panel->buttons()->DeleteButton, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return ListRowCount(list) == listBefore.size() && !binding->busy; }))
        << LastLine(pageWidget).toStdString();
    EXPECT_EQ(Instances(*sim, statusColumn), agentBefore) << "the row is gone from the agent";
    form->close();
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueRows, ::testing::ValuesIn(StatusRowTables()), CaseName);

}  // namespace
