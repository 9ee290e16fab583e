// The IP control window on the simulator: interfaces added, edited and deleted on the agent through
// the dialog, and every interface rule refused with its message before anything is sent.
#include "table_editor_test_support.h"
#include "window_fixture.h"

#include "binding/ui/message_box.h"
#include "engine/descriptor.h"
#include "engine/session.h"
#include "windows/ip_ctrl_edit_form.h"
#include "windows/ip_ctrl_form.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace window_test {
namespace {

const std::string kColumn = "1.3.6.1.4.1.171.11.69.4.3.2.1.1.1.";

std::string InterfaceCell(int column, const std::string &address, std::uint32_t syntax = syntax::Integer) {
    return AgentCell(kColumn + std::to_string(column) + "." + address, syntax);
}

void Select(QTreeWidget *list, const QString &address) { ASSERT_TRUE(SelectRow(list, {address})) << address.toStdString(); }

struct Typed {
    const char *ip, *index, *name, *mask, *vlan, *mode, *secondary, *oper;
};

void Fill(TIPCtrlEdtForm *d, const Typed &t) {
    Named<QLineEdit>(d, "edtIPAddr")->setText(t.ip);
    Named<QLineEdit>(d, "edtIndex")->setText(t.index);
    Named<QLineEdit>(d, "edtInterface")->setText(t.name);
    Named<QLineEdit>(d, "edtMask")->setText(t.mask);
    Named<QLineEdit>(d, "edtVlan")->setText(t.vlan);
    Named<QComboBox>(d, "cbxMode")->setCurrentText(t.mode);
    Named<QComboBox>(d, "cbxSecondary")->setCurrentIndex(Named<QComboBox>(d, "cbxSecondary")->findText(t.secondary));
    Named<QComboBox>(d, "cbxOper")->setCurrentText(t.oper);
}

// Opens the Add dialog, fills it and presses its Set; returns whether the dialog stayed open (it
// is closed then) and what it showed meanwhile.
struct AddOutcome {
    bool stayedOpen = false;
    QString caption;
    QString typedName;
};

AddOutcome Add(TIpCtrlForm &form, const Typed &typed) {
    AddOutcome outcome;
    const auto run = WhenModal("IPCtrlEdtForm", [&](QWidget *w) {
        auto *dialog = static_cast<TIPCtrlEdtForm *>(w);
        outcome.caption = dialog->windowTitle();
        EXPECT_EQ(Named<QComboBox>(dialog, "cbxState")->currentText(), "createAndGo");
        EXPECT_FALSE(Named<QComboBox>(dialog, "cbxState")->isEnabled());
        EXPECT_EQ(Named<QPushButton>(dialog, "btnSet")->text(), "Add");
        EXPECT_FALSE(Named<QLineEdit>(dialog, "edtIndex")->isEnabled()) << "the device gives the IF index";
        EXPECT_FALSE(Named<QComboBox>(dialog, "cbxOper")->isEnabled()) << "the device reports the link state";
        Fill(dialog, typed);
        Click(dialog, "btnSet");
        outcome.stayedOpen = dialog->isVisible();
        outcome.typedName = Named<QLineEdit>(dialog, "edtInterface")->text();
        if (outcome.stayedOpen) dialog->reject();
    });
    Click(&form, "btnAdd");
    return outcome;
}

class IpCtrlWindowTest : public WindowTest {};

TEST_F(IpCtrlWindowTest, AnInterfaceIsAddedEditedAndDeletedOnTheAgent) {
    TIpCtrlForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 4));
    EXPECT_TRUE(WaitUntil([&] { return StatusPanel(&form)->text().startsWith("Get: Ok!"); }));
    EXPECT_TRUE(Named<QPushButton>(&form, "btnAdd")->isEnabled());
    EXPECT_FALSE(Named<QPushButton>(&form, "btnEdit")->isEnabled());
    EXPECT_FALSE(Named<QPushButton>(&form, "btnDel")->isEnabled());

    const AddOutcome added = Add(form, {"172.20.0.1", "", "lab2", "255.255.0.0", "v30", "manual", "false", ""});
    EXPECT_FALSE(added.stayedOpen) << MessageBox::lastText().toStdString();
    EXPECT_EQ(added.caption.toStdString(), "IP Control Table(Add): 127.0.0.1");
    EXPECT_EQ(InterfaceCell(3, "172.20.0.1", syntax::DisplayString), "lab2");
    EXPECT_EQ(InterfaceCell(4, "172.20.0.1", syntax::IpAddress), "255.255.0.0");
    EXPECT_EQ(InterfaceCell(5, "172.20.0.1", syntax::DisplayString), "v30");
    EXPECT_EQ(InterfaceCell(7, "172.20.0.1"), "2") << "a primary";
    EXPECT_EQ(InterfaceCell(8, "172.20.0.1"), "1") << "created and active";
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 5));

    Select(Named<QTreeWidget>(&form, "ListView1"), "172.20.0.1");
    EXPECT_TRUE(Named<QPushButton>(&form, "btnEdit")->isEnabled());
    EXPECT_TRUE(Named<QPushButton>(&form, "btnDel")->isEnabled());
    EXPECT_FALSE(Named<QPushButton>(&form, "btnAdd")->isEnabled());
    QStringList states;
    const auto edit = WhenModal("IPCtrlEdtForm", [&](QWidget *w) {
        auto *dialog = static_cast<TIPCtrlEdtForm *>(w);
        for (int i = 0; i < Named<QComboBox>(dialog, "cbxState")->count(); ++i) states << Named<QComboBox>(dialog, "cbxState")->itemText(i);
        EXPECT_EQ(Named<QLineEdit>(dialog, "edtInterface")->text(), "lab2") << "the row is shown";
        EXPECT_FALSE(Named<QLineEdit>(dialog, "edtIPAddr")->isEnabled());
        EXPECT_FALSE(Named<QComboBox>(dialog, "cbxSecondary")->isEnabled());
        EXPECT_EQ(dialog->windowTitle().toStdString(), "IP Control Table(Edit): 127.0.0.1");
        SaveScreen(dialog, QStringLiteral("ip_ctrl_edit_dialog"));
        Named<QComboBox>(dialog, "cbxMode")->setCurrentText("bootp");
        Named<QComboBox>(dialog, "cbxState")->setCurrentText("notInService");
        Named<QComboBox>(dialog, "cbxARP")->setCurrentText("enabled");
        Click(dialog, "btnSet");
        EXPECT_FALSE(dialog->isVisible()) << MessageBox::lastText().toStdString();
    });
    Click(&form, "btnEdit");
    EXPECT_EQ(states.join(',').toStdString(), "active,notInService");
    EXPECT_EQ(InterfaceCell(6, "172.20.0.1"), "3");
    EXPECT_EQ(InterfaceCell(8, "172.20.0.1"), "2");
    EXPECT_EQ(InterfaceCell(10, "172.20.0.1"), "3");
    EXPECT_EQ(InterfaceCell(3, "172.20.0.1", syntax::DisplayString), "lab2");
    EXPECT_FALSE(Named<QPushButton>(&form, "btnEdit")->isEnabled()) << "the selection is cleared after an edit";

    // An Add after the Edit starts from createAndGo again (checked inside Add) and refuses this one.
    Add(form, {"127.0.0.1", "", "", "", "", "", "", ""});
    EXPECT_EQ(MessageBox::lastText().toStdString(), "Please input valid IP Address.");

    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 5));
    Select(Named<QTreeWidget>(&form, "ListView1"), "172.20.0.1");
    Click(&form, "btnDel");
    EXPECT_EQ(InterfaceCell(8, "172.20.0.1"), "missing");
    EXPECT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 4));
    EXPECT_EQ(InterfaceCell(8, "192.168.11.1"), "1") << "nothing else deleted";
}

TEST_F(IpCtrlWindowTest, EveryInterfaceRuleIsRefusedWithItsMessageAndNothingSent) {
    TIpCtrlForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 4));
    const unsigned sets = AgentSetCount();

    struct AddCase {
        const char *what;
        Typed typed;
        const char *message;
    };
    const AddCase adds[] = {
        {"a third interface on a VLAN", {"172.21.0.1", "8", "third", "255.255.0.0", "v10", "manual", "true", "up"},
         "A VLAN can just create two interface."},
        {"a secondary before its primary", {"172.21.0.1", "8", "orphan", "255.255.0.0", "v99", "manual", "true", "up"},
         "You should create primary interface at first."},
        {"a repeated name", {"172.21.0.1", "8", "mgmt", "255.255.0.0", "v99", "manual", "false", "up"},
         "Please input different Interface Name."},
        {"a repeated network", {"192.168.10.77", "8", "again", "255.255.255.0", "v99", "manual", "false", "up"},
         "There is an same interface, please modify IP or Subnet Mask!"},
        {"a mask of 25 bits", {"172.21.0.1", "8", "narrow", "255.255.255.128", "v99", "manual", "false", "up"},
         "Please input valid Subnet Mask."},
        {"the subnet's broadcast address", {"172.21.255.255", "", "bcast", "255.255.0.0", "v99", "manual", "false", ""},
         "The address is its subnet's own or its broadcast address: please input a host address."},
        {"a subnet inside a listed one", {"10.91.0.1", "", "inner", "255.255.0.0", "v99", "manual", "false", ""},
         "There is an same interface, please modify IP or Subnet Mask!"},
    };
    for (const AddCase &c : adds) {
        SCOPED_TRACE(c.what);
        const AddOutcome outcome = Add(form, c.typed);
        EXPECT_TRUE(outcome.stayedOpen);
        EXPECT_EQ(outcome.typedName.toStdString(), c.typed.name) << "typed values stay";
        EXPECT_EQ(MessageBox::lastText().toStdString(), c.message);
    }

    struct DeleteCase {
        const char *what;
        const char *address;
        const char *message;
    };
    const DeleteCase deletes[] = {
        {"the system interface", "10.90.90.90", nullptr},  // its Delete is off: a click does nothing
        {"a primary before its secondary", "192.168.10.1", "The secondary interface must be deleted first!"},
    };
    for (const DeleteCase &c : deletes) {
        SCOPED_TRACE(c.what);
        Select(Named<QTreeWidget>(&form, "ListView1"), c.address);
        if (std::string(c.address) == "10.90.90.90") EXPECT_FALSE(Named<QPushButton>(&form, "btnDel")->isEnabled());
        MessageBox::reset();
        Click(&form, "btnDel");
        EXPECT_EQ(MessageBox::lastText().toStdString(), c.message ? c.message : "");
    }
    EXPECT_EQ(AgentSetCount(), sets) << "nothing was sent";
    EXPECT_EQ(InterfaceCell(8, "192.168.10.1"), "1");
    SaveScreen(&form, QStringLiteral("ip_ctrl_table"));
}

TEST_F(IpCtrlWindowTest, AnAddTheAgentRefusesKeepsTheDialogOpenWithTheError) {
    TIpCtrlForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 4));
    // Another manager creates the interface after the window listed its rows: the window's own checks
    // pass, and the agent refuses createAndGo on its live row.
    AgentWrite(kColumn + "8.172.22.0.1", syntax::Integer, "4");
    AgentWrite(kColumn + "3.172.22.0.1", syntax::DisplayString, "other");
    const AddOutcome outcome = Add(form, {"172.22.0.1", "9", "dup", "255.255.0.0", "v40", "manual", "false", "up"});
    EXPECT_TRUE(outcome.stayedOpen);
    EXPECT_EQ(outcome.typedName, "dup");
    EXPECT_NE(MessageBox::lastText().toStdString().find("nconsistent"), std::string::npos)
        << MessageBox::lastText().toStdString();
    EXPECT_TRUE(StatusPanel(&form)->text().startsWith("Set:")) << StatusPanel(&form)->text().toStdString();
    EXPECT_EQ(InterfaceCell(3, "172.22.0.1", syntax::DisplayString), "other");
    AgentWrite(kColumn + "8.172.22.0.1", syntax::Integer, "6");
}

// An agent that answers late: a walk is still running when Stop is pressed.
class SlowIpCtrlWindowTest : public WindowTest {
protected:
    static void SetUpTestSuite() {
        Start({"--delay", "300"});
        // One request per row, so that Stop lands between two rows of this small table.
        SessionDevice.useGetBulk = false;
    }
    static void TearDownTestSuite() {
        SessionDevice.useGetBulk = true;
        WindowTest::TearDownTestSuite();
    }
};

TEST_F(SlowIpCtrlWindowTest, StopEndsTheWalkAndRefreshReadsTheWholeTable) {
    TIpCtrlForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(WaitUntil([&] { return Named<QTreeWidget>(&form, "ListView1")->topLevelItemCount() >= 1; }));
    Click(&form, "btnStop");
    ASSERT_TRUE(WaitUntil([&] { return StatusPanel(&form)->text().startsWith("Get: Ok!"); }));
    EXPECT_LT(Named<QTreeWidget>(&form, "ListView1")->topLevelItemCount(), 4);
    Click(&form, "btnRefresh");
    EXPECT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 4));
}

}  // namespace
}  // namespace window_test
