// A port setting and a trunk edited through their catalogue windows reach the agent: what the
// user set is read back with net-snmp's own snmpget, not through the module.
#include "catalogue_fixture.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "catalogue/entry_recipe.h"
#include "catalogue/model/catalogue_model.h"
#include "editor/config_form.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"
#include "editor/snmp_list_view_panel.h"
#include "support/list_view_rows.h"
#include "support/widget_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>

namespace {

const std::string kPortControl = "1.3.6.1.4.1.171.11.69.4.2.4.5.1";
const std::string kTrunk = "1.3.6.1.4.1.171.11.69.4.2.8.3.1";
const std::string kTrunkCount = "1.3.6.1.4.1.171.11.69.4.2.8.2.0";

class PortAndTrunkWindows : public CatalogueSuite, public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartSimulator(); }
    static void TearDownTestSuite() { StopSimulator(); }

    // Opens a Layer2 Management table entry and waits for its first walk.
    void Open(const std::vector<std::string> &path) {
        std::vector<std::string> full{"Layer2 Management"};
        full.insert(full.end(), path.begin(), path.end());
        const MenuEntry *entry = MenuCatalogue::Instance().Find(full);
        ASSERT_NE(entry, nullptr);
        MessageBox::reset();
        form = BuildEntryWindow(*entry, LocalContext());
        form->show();
        panel = form->findChild<TSNMPListViewPanel *>();
        list = form->findChild<QTreeView *>("listView");
        ASSERT_TRUE(panel && list);
        ASSERT_TRUE(WaitForWalk());
    }

    bool WaitForWalk() {
        return WaitUntil([&] { return LastLine(form.get()).startsWith("Get:") && !form->Binding(0)->busy; });
    }

    // The first row whose leading columns read as given; -1 for none.
    int Row(const QStringList &leading) const {
        for (int k = 0; k < ListRowCount(list); ++k)
            if (ListRowTexts(list, k).mid(0, leading.size()) == leading) return k;
        return -1;
    }

    QLineEdit *Edit(int row) const { return qobject_cast<QLineEdit *>(panel->editsPanel->Row(row).editor); }
    QComboBox *Combo(int row) const { return qobject_cast<QComboBox *>(panel->editsPanel->Row(row).editor); }

    // Checks a row's box as the user does, which also enables Set Checked in the Edit dialog.
    void Tick(int row) const {
        QCheckBox *box = panel->editsPanel->Row(row).checkBox;
        if (!box->isChecked()) QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
    }

    // Presses Set Checked; a refused set leaves the dialog open, which fails the test and closes it.
    static void Send(QWidget *dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton *>("SetCheckedButton"), Qt::LeftButton);
        if (!WaitUntil([&] { return !dialog->isVisible(); }, 5000)) {
            ADD_FAILURE() << "the dialog stayed open: " << MessageBox::lastText().toStdString();
            dialog->close();
        }
    }

    // Opens the Edit dialog on a row, lets change fill it, sends it and waits for the reread.
    bool EditRow(const QStringList &leading, const std::function<void()> &change) {
        SelectListRow(list, Row(leading));
        const auto edit = WhenModal("EditDialog", [&](QWidget *dialog) {
            change();
            Send(dialog);
        });
        QTest::mouseClick(panel->buttons()->EditButton, Qt::LeftButton);
        return WaitForWalk();
    }

    // The value part of snmpget's answer, e.g. "INTEGER: 2" or "No Such Instance ...".
    static std::string AgentValue(const std::string &oid) {
        const ProcessOutcome got =
            runProcess("snmpget", {"-M", "/dev/null", "-On", "-v2c", "-c", "public", sim->agent(),
                                   QString::fromStdString(oid)});
        EXPECT_EQ(got.exitCode, 0) << got.err.toStdString();
        return got.out.section(" = ", 1).trimmed().toStdString();
    }

    std::unique_ptr<TConfigForm> form;
    TSNMPListViewPanel *panel = nullptr;
    QTreeView *list = nullptr;
};

TEST_F(PortAndTrunkWindows, APortDisabledInPortControlTableIsDisabledOnTheAgent) {
    Open({"Port Management", "Port Control Table"});
    EXPECT_EQ(ListRowCount(list), 56) << "52 copper rows and the fibre side of the 4 combo ports";
    ASSERT_EQ(AgentValue(kPortControl + ".4.5.1"), "INTEGER: 3");

    ASSERT_TRUE(EditRow({"5", "copper"}, [&] {
        Combo(3)->setCurrentText("disabled");
        Tick(3);
    }));
    EXPECT_TRUE(LastLine(form.get()).startsWith("Get: Ok!")) << LastLine(form.get()).toStdString();

    EXPECT_EQ(AgentValue(kPortControl + ".4.5.1"), "INTEGER: 2");
    EXPECT_EQ(AgentValue(kPortControl + ".4.6.1"), "INTEGER: 3") << "only the chosen port changes";
    ASSERT_GE(Row({"5", "copper"}), 0);
    EXPECT_EQ(ListCell(list, Row({"5", "copper"}), 3), "disabled");
}

TEST_F(PortAndTrunkWindows, TrunkMembersEditedAndATrunkAddedAndDeletedOnTheAgent) {
    Open({"Port Management", "Port Trunk Table"});
    ASSERT_EQ(AgentValue(kTrunk + ".4.2"), "Hex-STRING: 00 00 F0 00 00 00 00");

    // Port 21 joins the server trunk of ports 17 to 20.
    ASSERT_TRUE(EditRow({"2"}, [&] {
        Edit(3)->setText("0000F800000000");
        Tick(3);
    }));
    EXPECT_EQ(AgentValue(kTrunk + ".4.2"), "Hex-STRING: 00 00 F8 00 00 00 00");
    EXPECT_EQ(AgentValue(kTrunk + ".2.2"), "STRING: \"server-bond\"") << "the name was not checked, so not sent";

    // A new trunk is addressed by the index typed into the Add dialog.
    const int before = ListRowCount(list);
    const auto add = WhenModal("AddDialog", [&](QWidget *dialog) {
        Edit(0)->setText("7");
        Edit(1)->setText("backup");
        Edit(2)->setText("33");
        Edit(3)->setText("00000000C00000");
        for (int row : {1, 2, 3}) Tick(row);
        Send(dialog);
    });
    QTest::mouseClick(panel->buttons()->AddButton, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return ListRowCount(list) == before + 1 && !form->Binding(0)->busy; }))
        << LastLine(form.get()).toStdString() << " / " << MessageBox::lastText().toStdString();
    EXPECT_EQ(AgentValue(kTrunk + ".2.7"), "STRING: \"backup\"");
    EXPECT_EQ(AgentValue(kTrunk + ".3.7"), "INTEGER: 33");
    EXPECT_EQ(AgentValue(kTrunk + ".4.7"), "Hex-STRING: 00 00 00 00 C0 00 00");
    EXPECT_EQ(AgentValue(kTrunk + ".7.7"), "INTEGER: 1") << "createAndGo leaves the trunk active";
    EXPECT_EQ(AgentValue(kTrunkCount), "INTEGER: 3");

    SelectListRow(list, Row({"7"}));
    MessageBox::setNextAnswer(QMessageBox::Yes);
    QTest::mouseClick(panel->buttons()->DeleteButton, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return ListRowCount(list) == before && !form->Binding(0)->busy; }));
    EXPECT_EQ(AgentValue(kTrunk + ".2.7").rfind("No Such Instance", 0), 0u);
    EXPECT_EQ(AgentValue(kTrunkCount), "INTEGER: 2");
}

}  // namespace
