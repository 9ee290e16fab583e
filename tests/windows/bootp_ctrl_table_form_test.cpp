// The BOOTP relay window on the simulator: servers added and deleted on the agent, at most four per
// interface, a Delete that always means the selected server, and an Add the agent refuses keeping
// its dialog open.
#include "table_editor_test_support.h"
#include "window_fixture.h"

#include "binding/ui/message_box.h"
#include "engine/descriptor.h"
#include "engine/request.h"
#include "windows/bootp_ctrl_table_form.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace window_test {
namespace {

// The state of a relay row by its index: the interface name's length and octets, then the server.
std::string ServerState(const std::string &index) {
    return AgentCell("1.3.6.1.4.1.171.11.69.4.3.3.1.7.1.3." + index, syntax::Integer);
}
const char kLab[] = "3.108.97.98.";
const char kSystem[] = "6.83.121.115.116.101.109.";

// Runs the Add dialog with these texts pressing its Set (or nothing); whether it stayed open.
bool AddServer(TBOOTCtrlTableForm &form, const char *interfaceName, const char *server, bool press = true,
               QString *caption = nullptr) {
    return RunDialog(
        "NewBootpCtrlForm", [&] { Click(&form, "AddBtn"); },
        [&](QDialog *d) {
            auto *dialog = static_cast<TNewBootpCtrlForm *>(d);
            if (caption) *caption = dialog->windowTitle();
            Named<QLineEdit>(dialog, "Edit1")->setText(interfaceName);
            Named<QLineEdit>(dialog, "Edit2")->setText(server);
        },
        [press](QDialog *d) { return press ? Named<QPushButton>(d, "DeleteBtn") : nullptr; });
}

class BootpWindowTest : public WindowTest {};

TEST_F(BootpWindowTest, AServerIsAddedAndDeletedOnTheAgent) {
    TBOOTCtrlTableForm form(Context(), nullptr);
    form.setWindowTitle(QStringLiteral("BOOTP Ctrl Table: 127.0.0.1"));  // as its menu entry captions it
    form.show();
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 5));
    QString caption;
    EXPECT_FALSE(AddServer(form, "lab", "10.1.2.253", true, &caption)) << MessageBox::lastText().toStdString();
    EXPECT_EQ(caption.toStdString(), "BOOTP Ctrl Table: 127.0.0.1 (Add)");
    EXPECT_EQ(ServerState(std::string(kLab) + "10.1.2.253"), "3");
    EXPECT_TRUE(Named<QLineEdit>(Named<QDialog>(&form, "NewBootpCtrlForm"), "Edit1")->text().isEmpty()) << "emptied after the write";
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 6));

    ASSERT_TRUE(SelectRow(Named<QTreeWidget>(&form, "ListView1"), {"lab", "10.1.2.253"}));
    Click(&form, "DeleteBtn");
    EXPECT_EQ(ServerState(std::string(kLab) + "10.1.2.253"), "missing");
    EXPECT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 5));
    EXPECT_EQ(ServerState(std::string(kLab) + "10.1.2.254"), "3");
    SaveScreen(&form, QStringLiteral("bootp_ctrl_table"));
}

TEST_F(BootpWindowTest, TheChecksRefuseWithTheirMessageAndSendNothing) {
    TBOOTCtrlTableForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 5));
    const unsigned sets = AgentSetCount();
    struct Case {
        const char *interfaceName, *server, *message;
    };
    const Case cases[] = {
        {"lab", "127.0.0.1", "Invalid Bootp Server IP Address."},
        {"lab", "10.1.2", "Invalid Bootp Server IP Address."},
        {"System", "10.90.90.5", "One Interface Can Only With Four Bootp Servers"},
        {"", "10.1.2.7", "Interface Name is needed."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_TRUE(AddServer(form, c.interfaceName, c.server));
        EXPECT_EQ(MessageBox::lastText().toStdString(), c.message);
        EXPECT_EQ(Named<QLineEdit>(Named<QDialog>(&form, "NewBootpCtrlForm"), "Edit2")->text().toStdString(), c.server) << "typed values stay";
    }
    Named<QTreeWidget>(&form, "ListView1")->clearSelection();
    Click(&form, "DeleteBtn");
    EXPECT_EQ(MessageBox::lastText().toStdString(), "Choose the item first.");
    EXPECT_EQ(AgentSetCount(), sets);
}

TEST_F(BootpWindowTest, DeleteAfterACancelledAddDeletesTheSelectedServer) {
    TBOOTCtrlTableForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 5));
    ASSERT_TRUE(SelectRow(Named<QTreeWidget>(&form, "ListView1"), {"System", "10.90.90.4"}));
    AddServer(form, "lab", "10.1.2.200", false);
    Click(&form, "DeleteBtn");
    EXPECT_EQ(ServerState(std::string(kSystem) + "10.90.90.4"), "missing");
    EXPECT_EQ(ServerState(std::string(kLab) + "10.1.2.200"), "missing");
    EXPECT_EQ(ServerState(std::string(kSystem) + "10.90.90.3"), "3");
}

// An agent that takes no write from the module's community.
class BootpRefusingAgentTest : public WindowTest {
protected:
    static void SetUpTestSuite() { Start({"--write-community", "other"}); }
};

TEST_F(BootpRefusingAgentTest, AFailedAddKeepsTheDialogOpenWithTheError) {
    TBOOTCtrlTableForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 5));
    EXPECT_TRUE(AddServer(form, "lab", "10.1.2.9"));
    EXPECT_EQ(MessageBox::lastText().toStdString(), std::string("SNMP request timed out!") + kUnansweredWriteText);
    EXPECT_EQ(Named<QLineEdit>(Named<QDialog>(&form, "NewBootpCtrlForm"), "Edit1")->text(), "lab");
    EXPECT_EQ(Named<QLineEdit>(Named<QDialog>(&form, "NewBootpCtrlForm"), "Edit2")->text(), "10.1.2.9");
    EXPECT_TRUE(Named<QPlainTextEdit>(&form, "Memo1")->toPlainText().contains("SNMP request timed out!")) << Named<QPlainTextEdit>(&form, "Memo1")->toPlainText().toStdString();
}

}  // namespace
}  // namespace window_test
