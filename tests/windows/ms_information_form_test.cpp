// The member switch window on the simulator: a member added through its dialog's own binding and
// deleted by its ID, and the dialog's checks refused before anything is sent.
#include "table_editor_test_support.h"
#include "window_fixture.h"

#include "binding/ui/message_box.h"
#include "engine/descriptor.h"
#include "windows/ms_information_form.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace window_test {
namespace {

std::string Member(int column, const char *id, std::uint32_t syntax = syntax::Integer) {
    return AgentCell("1.3.6.1.4.1.171.12.8.1.3.1." + std::to_string(column) + "." + id, syntax);
}

bool AddMember(TMSInformationForm &form, const char *id, const char *candidate, const char *password) {
    return RunDialog(
        "MSEditForm", [&] { Click(&form, "AddButton"); },
        [&](QDialog *d) {
            auto *dialog = static_cast<TMSEditForm *>(d);
            EXPECT_EQ(Named<QComboBox>(dialog, "Row_Status")->currentText(), "createAndGo");
            EXPECT_FALSE(Named<QComboBox>(dialog, "Row_Status")->isEnabled());
            Named<QLineEdit>(dialog, "MSIDEdit")->setText(id);
            Named<QLineEdit>(dialog, "KeyIDEdit")->setText(candidate);
            Named<QLineEdit>(dialog, "MS_Password")->setText(password);
        },
        [](QDialog *d) { return Named<QPushButton>(d, "SetButton"); });
}

class MemberSwitchWindowTest : public WindowTest {};

TEST_F(MemberSwitchWindowTest, AMemberIsAddedAndDeletedOnTheAgent) {
    TMSInformationForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 2));
    EXPECT_TRUE(WaitUntil([&] { return Named<QLabel>(&form, "StaticText1")->text().endsWith("2"); }));
    EXPECT_FALSE(Named<QPushButton>(&form, "DeleteButton")->isEnabled());

    EXPECT_FALSE(AddMember(form, "3", "4", "pw3")) << MessageBox::lastText().toStdString();
    EXPECT_EQ(Member(8, "3"), "4");
    EXPECT_EQ(Member(9, "3", syntax::DisplayString), "pw3");
    EXPECT_EQ(Member(10, "3"), "1") << "created active";
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 3));
    SaveScreen(&form, QStringLiteral("member_switches"));

    ASSERT_TRUE(SelectRow(Named<QTreeWidget>(&form, "ListView1"), {"3"}));
    EXPECT_TRUE(Named<QPushButton>(&form, "DeleteButton")->isEnabled());
    Click(&form, "DeleteButton");
    EXPECT_EQ(Member(10, "3"), "missing");
    EXPECT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 2));
    EXPECT_EQ(Member(10, "2"), "1");
}

TEST_F(MemberSwitchWindowTest, TheDialogsChecksRefuseWithTheirMessageAndSendNothing) {
    TMSInformationForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 2));
    const unsigned sets = AgentSetCount();
    struct Case {
        const char *id, *candidate;
        std::string password;
        const char *message;
    };
    const Case cases[] = {
        {"2", "", "", "There is already a record with the same Member Siwitch ID. Please modified it."},
        {"", "5", "", "Member Siwitch ID is needed."},
        {"6", "", "", "Member Candidate ID is needed."},
        {"6", "5", std::string(300, 'p'), "Member Password: The text is 300 octets long; at most 255 fit"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        // Each dialog reads the table again when it closes; a write waits for no read.
        ASSERT_TRUE(WaitUntil([&] { return !form.table()->busy; }));
        EXPECT_TRUE(AddMember(form, c.id, c.candidate, c.password.c_str()));
        EXPECT_EQ(MessageBox::lastText().toStdString(), c.message);
    }
    // Without a chosen row there is nothing to delete: the button is off.
    Named<QTreeWidget>(&form, "ListView1")->clearSelection();
    EXPECT_FALSE(Named<QPushButton>(&form, "DeleteButton")->isEnabled());
    EXPECT_EQ(AgentSetCount(), sets);
}

}  // namespace
}  // namespace window_test
