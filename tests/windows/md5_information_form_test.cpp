// The MD5 key window on the simulator: keys added, edited and deleted on the agent, the dialog's
// checks refused before anything is sent, and a Delete that always means the selected key.
#include "table_editor_test_support.h"
#include "window_fixture.h"

#include "binding/ui/message_box.h"
#include "engine/descriptor.h"
#include "windows/md5_information_form.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace window_test {
namespace {

// The key of an ID on the agent, "missing" without its row.
std::string Key(const std::string &id) {
    if (AgentCell("1.3.6.1.4.1.171.11.69.4.3.4.1.3." + id, syntax::Integer) == "missing") return "missing";
    return AgentCell("1.3.6.1.4.1.171.11.69.4.3.4.1.2." + id, syntax::DisplayString);
}

// Runs the key dialog from open() with these texts; whether it stayed open.
bool KeyDialog(const std::function<void()> &open, const char *id, const char *key, QString *caption = nullptr) {
    return RunDialog(
        "Md5EditForm", open,
        [&](QDialog *d) {
            auto *dialog = static_cast<TMd5EditForm *>(d);
            if (caption) *caption = dialog->windowTitle();
            if (id) Named<QLineEdit>(dialog, "KeyIDEdit")->setText(id);
            if (key) Named<QLineEdit>(dialog, "KeyEdit")->setText(key);
        },
        [](QDialog *d) { return Named<QPushButton>(d, "SetButton"); });
}

class Md5WindowTest : public WindowTest {};

TEST_F(Md5WindowTest, AKeyIsAddedEditedAndDeletedOnTheAgent) {
    TMd5InformationForm form(Context(), nullptr);
    form.setWindowTitle(QStringLiteral("MD5 Information Table: 127.0.0.1"));  // as its menu entry captions it
    form.show();
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 3));
    EXPECT_TRUE(WaitUntil([&] { return Named<QLabel>(&form, "StaticText1")->text() == "3"; }));
    EXPECT_FALSE(Named<QPushButton>(&form, "EditButton")->isEnabled());

    QString caption;
    EXPECT_FALSE(KeyDialog([&] { Click(&form, "AddButton"); }, "7", "newkey7", &caption)) << MessageBox::lastText().toStdString();
    EXPECT_EQ(caption.toStdString(), "MD5 Information Table: 127.0.0.1(Add)");
    EXPECT_EQ(Key("7"), "newkey7");
    EXPECT_EQ(AgentCell("1.3.6.1.4.1.171.11.69.4.3.4.1.3.7", syntax::Integer), "1") << "created active";
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 4));

    ASSERT_TRUE(SelectRow(Named<QTreeWidget>(&form, "ListView1"), {"7"}));
    EXPECT_TRUE(Named<QPushButton>(&form, "EditButton")->isEnabled());
    QString shownId;
    EXPECT_FALSE(RunDialog(
        "Md5EditForm", [&] { Click(&form, "EditButton"); },
        [&](QDialog *d) {
            auto *dialog = static_cast<TMd5EditForm *>(d);
            shownId = Named<QLineEdit>(dialog, "KeyIDEdit")->text();
            EXPECT_FALSE(Named<QLineEdit>(dialog, "KeyIDEdit")->isEnabled());
            EXPECT_EQ(Named<QComboBox>(dialog, "ComboBox1")->currentText(), "active");
            Named<QLineEdit>(dialog, "KeyEdit")->setText("changed7");
        },
        [](QDialog *d) { return Named<QPushButton>(d, "SetButton"); }));
    EXPECT_EQ(shownId, "7");
    EXPECT_EQ(Key("7"), "changed7");
    EXPECT_FALSE(Named<QPushButton>(&form, "EditButton")->isEnabled()) << "disabled after every action";

    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 4));
    ASSERT_TRUE(SelectRow(Named<QTreeWidget>(&form, "ListView1"), {"7"}));
    Click(&form, "DeleteButton");
    EXPECT_EQ(Key("7"), "missing");
    EXPECT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 3));
    EXPECT_EQ(Key("5"), "backbone5");
    EXPECT_TRUE(Named<QPlainTextEdit>(&form, "Memo1")->toPlainText().contains("Set: Ok!")) << Named<QPlainTextEdit>(&form, "Memo1")->toPlainText().toStdString();
    SaveScreen(&form, QStringLiteral("md5_information"));
}

TEST_F(Md5WindowTest, TheDialogsChecksRefuseWithTheirMessageAndSendNothing) {
    TMd5InformationForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 3));
    const unsigned sets = AgentSetCount();
    struct Case {
        const char *id, *key, *message;
    };
    const Case adds[] = {
        {"", "abc", "KeyID is needed."},
        {"5", "abc", "KeyID must be different."},
        {"9", "", "Key is needed."},
        {"9", "two words", "Invalid key."},
    };
    for (const Case &c : adds) {
        SCOPED_TRACE(c.message);
        EXPECT_TRUE(KeyDialog([&] { Click(&form, "AddButton"); }, c.id, c.key));
        EXPECT_EQ(MessageBox::lastText().toStdString(), c.message);
    }
    ASSERT_TRUE(SelectRow(Named<QTreeWidget>(&form, "ListView1"), {"1"}));
    EXPECT_TRUE(KeyDialog([&] { Click(&form, "EditButton"); }, nullptr, "a b"));
    EXPECT_EQ(MessageBox::lastText().toStdString(), "Invalid key.");

    Named<QTreeWidget>(&form, "ListView1")->clearSelection();
    Click(&form, "DeleteButton");
    EXPECT_EQ(MessageBox::lastText().toStdString(), "Choose the item first.");
    EXPECT_EQ(AgentSetCount(), sets);
    EXPECT_EQ(Key("1"), "area0key");
}

TEST_F(Md5WindowTest, DeleteAfterACancelledAddDeletesTheSelectedKey) {
    TMd5InformationForm form(Context(), nullptr);
    form.show();
    ASSERT_TRUE(Listed(Named<QTreeWidget>(&form, "ListView1"), 3));
    ASSERT_TRUE(SelectRow(Named<QTreeWidget>(&form, "ListView1"), {"2"}));
    // The Add dialog is left holding key 9, then cancelled.
    RunDialog(
        "Md5EditForm", [&] { Click(&form, "AddButton"); },
        [](QDialog *d) {
            Named<QLineEdit>(d, "KeyIDEdit")->setText("9");
            Named<QLineEdit>(d, "KeyEdit")->setText("other9");
        },
        [](QDialog *) { return nullptr; });
    ASSERT_TRUE(SelectRow(Named<QTreeWidget>(&form, "ListView1"), {"2"}));
    Click(&form, "DeleteButton");
    EXPECT_EQ(Key("2"), "missing");
    EXPECT_EQ(Key("9"), "missing") << "nothing was made of the cancelled Add";
    EXPECT_EQ(Key("1"), "area0key");
}

}  // namespace
}  // namespace window_test
