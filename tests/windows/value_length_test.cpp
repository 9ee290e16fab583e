// Every field is held to its syntax's length before anything is sent, through the real windows: a
// DisplayString takes at most 255 octets, a MAC address exactly 6, an octet string what its input
// format gives. A refused field is named, keeps what was typed and is selected for correction.
#include "binding/ui/message_box.h"
#include "editor/config_form.h"
#include "editor/edits_panel.h"
#include "editor/snmp_list_view_panel.h"
#include "engine/descriptor.h"
#include "table_editor_test_support.h"
#include "window_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using window_test::AgentCell;
using window_test::AgentSetCount;
using window_test::EntryBusy;
using window_test::RowOf;

struct LengthCase {
    const char *what;
    std::vector<std::string> path;
    const char *field;     // the row typed into
    const char *index;     // the Profile ID of a row added through the Add dialog; nullptr: the editor grid
    std::string typed;
    const char *message;   // the refusal, empty when the value is sent
    unsigned sets;
    QString kept;          // the field's text afterwards
    const char *oid;       // the value on the agent afterwards (for a value sent)
    std::uint32_t syntax;
    std::string sent;
};

const std::vector<std::string> kInformation = {"Basic Configuration", "MIB II", "Information"};
const std::vector<std::string> kEthernet = {"Basic Configuration", "ACL Management", "Access Profile", "Ethernet Table"};
const std::vector<std::string> kPackets = {"Basic Configuration", "ACL Management", "Access Profile", "Packet Content Table"};
const std::string kLongText(300, 'c');
const std::string kLongestText(255, 'd');
const std::string kTwentyOctets = "00112233445566778899AABBCCDDEEFF00112233";

void Type(QLineEdit *edit, const std::string &text) {
    QApplication::setActiveWindow(edit->window());
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromStdString(text));
}

// The panel of the form that shows a row captioned label; on a form of pages, the first such page.
TSNMPEditorPanel *PanelWith(TConfigForm &form, const char *label) {
    QWidget *pages = form.pageControl();
    for (int k = 0; k < (pages ? form.pageControl()->count() : 1); ++k) {
        QWidget *page = pages ? form.pageControl()->widget(k) : &form;
        for (auto *panel : page->findChildren<TSNMPEditorPanel *>())
            if (RowOf(*panel->editsPanel, label) >= 0) return panel;
    }
    return nullptr;
}

class ValueLength : public window_test::WindowTest {};

TEST_F(ValueLength, EveryFieldIsHeldToItsSyntaxsLengthBeforeAnythingIsSent) {
    const LengthCase cases[] = {
        {"a 300-octet contact is refused by the DisplayString limit", kInformation, "Contact", nullptr, kLongText,
         "Contact: The text is 300 octets long; at most 255 fit", 0, QString::fromStdString(kLongText), nullptr, 0, ""},
        {"255 octets fit", kInformation, "Contact", nullptr, kLongestText, "", 1, QString::fromStdString(kLongestText),
         "1.3.6.1.2.1.1.4.0", syntax::DisplayString, kLongestText},
        {"a MAC address of 8 octets is refused", kEthernet, "Src MAC Addr Mask", "9", "00112233445566AA",
         "Src MAC Addr Mask: A MAC address is 6 octets (12 hex digits); this one has 8", 0, "00112233445566AA", nullptr, 0, ""},
        {"a MAC address of 5 octets is refused", kEthernet, "Src MAC Addr Mask", "9", "00:11:22:33:44",
         "Src MAC Addr Mask: A MAC address is 6 octets (12 hex digits); this one has 5", 0, "00:11:22:33:44", nullptr, 0, ""},
        {"a MAC address of 6 octets is sent", kEthernet, "Src MAC Addr Mask", "9", "00:50:BA:00:00:09", "", 1, "",
         "1.3.6.1.4.1.171.12.9.2.1.1.4.9", syntax::MacAddress, "0050BA000009"},
        {"20 octets typed into Offset 0 to 15: the field takes 16", kPackets, "Offset 0 to 15", "12", kTwentyOctets, "", 1,
         "", "1.3.6.1.4.1.171.12.9.2.3.1.2.12", syntax::OctetString, kTwentyOctets.substr(0, 32)},
    };
    for (const LengthCase &c : cases) {
        SCOPED_TRACE(c.what);
        MessageBox::reset();
        std::unique_ptr<TConfigForm> form = window_test::OpenEntryWindow(c.path);
        ASSERT_NE(form, nullptr);
        TSNMPEditorPanel *panel = PanelWith(*form, c.field);
        ASSERT_NE(panel, nullptr);
        TEditsPanel &rows = *panel->editsPanel;
        auto *edit = qobject_cast<QLineEdit *>(rows.Row(RowOf(rows, c.field)).editor);
        const unsigned before = AgentSetCount();
        QString kept;
        bool selected = false;
        const auto typeAndSet = [&] {
            if (c.index != nullptr) qobject_cast<QLineEdit *>(rows.Row(0).editor)->setText(QString::fromLatin1(c.index));
            Type(edit, c.typed);
            edit->window()->findChild<QPushButton *>("SetCheckedButton")->click();
            AwaitIdle(edit->window());
            WaitUntil([&] { return !EntryBusy(*form); });
            kept = edit->window()->isVisible() ? edit->text() : QString();
            selected = edit->hasFocus() && edit->selectedText() == edit->text();
            SaveScreen(edit->window(), QStringLiteral("length_") + QString::number(&c - cases));
            if (c.index != nullptr && edit->window()->isVisible()) static_cast<QDialog *>(edit->window())->reject();
        };
        if (c.index == nullptr) {
            typeAndSet();
        } else {
            QTimer::singleShot(0, typeAndSet);
            auto *list = qobject_cast<TSNMPListViewPanel *>(panel);
            ASSERT_NE(list, nullptr);
            list->findChild<QPushButton *>("AddButton")->click();
        }
        EXPECT_EQ(AgentSetCount() - before, c.sets);
        EXPECT_EQ(kept, c.kept);
        if (*c.message != '\0') {
            EXPECT_TRUE(selected) << "the refused field is selected for correction";
            const QString shown = c.index != nullptr ? MessageBox::lastText()
                                                     : form->findChild<QPlainTextEdit *>()->toPlainText();
            EXPECT_TRUE(shown.contains(QString::fromLatin1(c.message))) << shown.toStdString();
        }
        if (c.oid != nullptr) {
            EXPECT_EQ(AgentCell(c.oid, c.syntax), c.sent);
        }
        form->close();
    }
}

}  // namespace
