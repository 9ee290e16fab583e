// The Add dialog of a table whose rows are created by writing "valid" (IP Static Routing): the row
// the typed index names is read first, through the event loop; one that exists is written over only
// when the user says so, a new one is created without a question, and a read that fails sends
// nothing.
#include "binding/ui/message_box.h"
#include "editor/config_form.h"
#include "editor/edits_panel.h"
#include "engine/descriptor.h"
#include "table_editor_test_support.h"
#include "window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <string>

namespace {

using window_test::AgentCell;
using window_test::AgentSetCount;

constexpr char kNextHop[] = "1.3.6.1.4.1.171.11.69.4.3.2.5.1.4.";
enum Row { kDestination = 0, kMask = 1, kBackup = 2, kHop = 3 };

struct AddCase {
    const char *what;
    const char *destination;
    std::optional<QMessageBox::StandardButton> answer;  // to the question, when one is expected
    bool silent;                                        // the device stops answering first
    const char *message;                                // the question or error, empty for none
    unsigned sets;
    const char *hopAfter;  // the agent's next hop of the row afterwards
    bool stays;            // the dialog stays open with what was typed
};

class AddOverExistingRow : public window_test::WindowTest {};

TEST_F(AddOverExistingRow, AnExistingRowIsReadFirstAndReplacedOnlyWhenTheUserSaysSo) {
    const AddCase cases[] = {
        {"an existing row, No (the default): nothing is sent, the typed values stay", "172.20.0.0", std::nullopt, false,
         "The row 172.20.0.0, 255.255.0.0, primary exists already. Write over its values?", 0, "10.1.2.254", true},
        {"an existing row, Yes: written over", "172.20.0.0", QMessageBox::Yes, false,
         "The row 172.20.0.0, 255.255.0.0, primary exists already. Write over its values?", 1, "10.1.2.99", false},
        {"a new row: created without a question", "172.21.0.0", std::nullopt, false, "", 1, "10.1.2.99", false},
        {"a device that does not answer: nothing is sent", "172.22.0.0", std::nullopt, true,
         "Whether the row exists could not be read; nothing was written: SNMP request timed out!", 0, "missing", true},
    };
    for (const AddCase &c : cases) {
        SCOPED_TRACE(c.what);
        MessageBox::reset();
        std::unique_ptr<TConfigForm> form =
            window_test::OpenEntryWindow({"Layer 3 Management", "IP Management", "IP Static Routing Table"});
        ASSERT_NE(form, nullptr);
        const unsigned before = AgentSetCount();
        if (c.silent) ::kill(static_cast<pid_t>(sim->processId()), SIGSTOP);
        bool waited = false;
        bool stays = false;
        QString hopTyped;
        const auto run = WhenModal(QStringLiteral("AddDialog"), [&](QWidget *w) {
            auto *dialog = static_cast<QDialog *>(w);
            TEditsPanel *rows = dialog->findChild<TEditsPanel *>();
            qobject_cast<QLineEdit *>(rows->Row(kDestination).editor)->setText(QString::fromLatin1(c.destination));
            qobject_cast<QLineEdit *>(rows->Row(kMask).editor)->setText(QStringLiteral("255.255.0.0"));
            TypeChoice(dialog, "RowEditor2", QStringLiteral("primary"));
            auto *hop = qobject_cast<QLineEdit *>(rows->Row(kHop).editor);
            QApplication::setActiveWindow(dialog);
            hop->setFocus();
            QTest::keyClicks(hop, "10.1.2.99");
            if (c.answer) MessageBox::setNextAnswer(*c.answer);
            auto *set = dialog->findChild<QPushButton *>("SetCheckedButton");
            set->click();
            // The click returns at once: the fields wait, disabled, for the answer of the read.
            waited = !set->isEnabled() && !rows->isEnabled();
            SaveScreen(dialog, QStringLiteral("static_route_add_reading_the_row"));
            WaitUntil([&] { return !dialog->isVisible() || set->isEnabled(); }, 10000);
            stays = dialog->isVisible();
            hopTyped = hop->text();
            if (stays) dialog->reject();
        });
        form->findChild<QPushButton *>("AddButton")->click();
        if (c.silent) ::kill(static_cast<pid_t>(sim->processId()), SIGCONT);
        QTest::qWait(300);
        EXPECT_TRUE(waited);
        EXPECT_EQ(MessageBox::lastText().toStdString(), c.message);
        EXPECT_EQ(AgentSetCount() - before, c.sets);
        EXPECT_EQ(stays, c.stays);
        if (c.stays) {
            EXPECT_EQ(hopTyped, QStringLiteral("10.1.2.99"));
        }
        const std::string row = std::string(c.destination) + ".255.255.0.0.1";
        EXPECT_EQ(AgentCell(kNextHop + row, syntax::IpAddress), c.hopAfter);
        form->close();
    }
}

}  // namespace
