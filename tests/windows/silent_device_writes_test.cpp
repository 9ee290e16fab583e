// Every window of the module, opened while the device is silent, then Set with nothing touched once
// the device answers again: nothing at all is written. The outcome of each window is one row of a
// table printed with the test.
#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "catalogue/entry_recipe.h"
#include "catalogue/model/catalogue_model.h"
#include "catalogue/window_registry.h"
#include "editor/config_form.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/bit_list_dialog.h"
#include "editor/edits_panel.h"
#include "editor/snmp_list_view_panel.h"
#include "engine/session.h"
#include "table_editor_test_support.h"
#include "window_fixture.h"
#include "windows/window_list.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using window_test::AgentSetCount;
using window_test::EntryBusy;
using window_test::RowOf;

struct Row {
    std::string window;
    int pressed = 0;  // Set buttons clicked
    unsigned sets = 0;
};

void PrintTable(const char *title, const std::vector<Row> &rows) {
    std::printf("\n%s\n%-72s %7s %5s\n", title, "window", "pressed", "SETs");
    for (const Row &r : rows) std::printf("%-72s %7d %5u\n", r.window.c_str(), r.pressed, r.sets);
    std::fflush(stdout);
}

// The SETs the agent took since before go into the row, which must show none, kept for the table.
void KeepSetFree(std::vector<Row> &rows, Row row, unsigned before) {
    row.sets = AgentSetCount() - before;
    EXPECT_EQ(row.sets, 0u) << row.window;
    rows.push_back(row);
}

// Buttons that write what the window shows.
bool Writes(const QPushButton *button) {
    const QString caption = button->text().remove(QLatin1Char('&')).trimmed();
    return caption == QLatin1String("Set") || caption == QLatin1String("Set Checked") ||
           caption == QLatin1String("Apply") || button->objectName() == QLatin1String("SetCheckedButton");
}

class SilentThenAnswering : public window_test::WindowTest {
protected:
    static void SetUpTestSuite() {
        Start({});
        SessionTimeout = 20;  // 0.2 s a try: reads of a stopped device fail quickly
    }
    static void TearDownTestSuite() {
        SessionTimeout = 100;
        WindowTest::TearDownTestSuite();
    }
    static void Silence(bool silent) { ::kill(static_cast<pid_t>(sim->processId()), silent ? SIGSTOP : SIGCONT); }
};

TEST_F(SilentThenAnswering, NoCatalogueWindowWritesWhatItNeverRead) {
    std::vector<Row> rows;
    window_test::EveryMenuEntry([&](const MenuEntry &entry, const std::string &path) {
        if (entry.kind != EntryKind::Editor && entry.kind != EntryKind::Pages && entry.kind != EntryKind::Table) return;
        MessageBox::reset();
        Silence(true);
        std::unique_ptr<TConfigForm> form = BuildEntryWindow(entry, window_test::Context());
        form->show();
        const int pages = form->pageControl() ? form->pageControl()->count() : 1;
        for (int k = 0; k < pages; ++k) {
            if (form->pageControl()) form->pageControl()->setCurrentIndex(k);
            QTest::qWait(50);
            EXPECT_TRUE(WaitUntil([&] { return !EntryBusy(*form); }, 10000)) << path;
        }
        Silence(false);
        const unsigned before = AgentSetCount();
        Row row{path};
        for (int k = 0; k < pages; ++k) {
            if (form->pageControl()) form->pageControl()->setCurrentIndex(k);
            for (auto *buttons : form->findChildren<TCtrlBtnPanel *>()) {
                // Table pages write only through their Add and Edit dialogs.
                if (qobject_cast<TSNMPListViewPanel *>(buttons->parentWidget()) != nullptr || !buttons->isVisible()) continue;
                if (buttons->CheckAllButton->isVisible()) buttons->CheckAllButton->click();
                if (buttons->SetCheckedButton->isVisible() && buttons->SetCheckedButton->isEnabled()) {
                    buttons->SetCheckedButton->click();
                    ++row.pressed;
                }
            }
            WaitUntil([&] { return !EntryBusy(*form); }, 10000);
        }
        KeepSetFree(rows, row, before);
        form->close();
    });
    PrintTable("Catalogue windows: Set Checked (after Check All) once a silent device answers", rows);
    EXPECT_GT(rows.size(), 100u);
}

TEST_F(SilentThenAnswering, NoDedicatedWindowWritesWhatItNeverRead) {
    std::vector<Row> rows;
    const WindowRegistry &registry = DedicatedWindows();
    window_test::EveryMenuEntry([&](const MenuEntry &entry, const std::string &path) {
        // The SNMP settings window writes a file, never the device.
        if (entry.kind != EntryKind::Window || entry.windowClass == "TfrmConfigSNMP") return;
        const WindowCreator *create = registry.Find(entry.windowClass);
        if (create == nullptr) return;
        MessageBox::reset();
        Silence(true);
        std::unique_ptr<QDialog> window = (*create)(entry, window_test::Context());
        window->show();
        QTest::qWait(2500);
        // Reads run on completions now: the device answers only once every one has failed.
        EXPECT_TRUE(WaitUntil([&] { return window->cursor().shape() != Qt::BusyCursor; }, 20000)) << path;
        SaveScreen(window.get(), QString::fromStdString("silent_" + entry.windowClass));
        Silence(false);
        QTest::qWait(300);
        const unsigned before = AgentSetCount();
        Row row{path + " (" + entry.windowClass + ")"};
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            if (!Writes(button) || !button->isVisible() || !button->isEnabled()) continue;
            button->click();
            ++row.pressed;
            QTest::qWait(600);
        }
        KeepSetFree(rows, row, before);
        window->close();
    });
    PrintTable("Dedicated windows: every Set button once a silent device answers", rows);
    EXPECT_GE(rows.size(), 15u);
}

// The same windows on a device that answers: what the user did, and the SETs it took.
class AnsweringDevice : public window_test::WindowTest {};

TEST_F(AnsweringDevice, WriteCasesThroughTheRealWindows) {
    struct Case {
        const char *what;
        std::vector<std::string> path;
        std::function<void(TEditsPanel &)> act;
        unsigned sets;
        const char *question;  // the question Set asked, nullptr for none
    };
    const Case cases[] = {
        {"a value typed in an unticked row is ticked and sent", {"Basic Configuration", "MIB II", "Information"},
         [](TEditsPanel &rows) {
             const int contact = RowOf(rows, "Contact");
             ASSERT_GE(contact, 0);
             ASSERT_FALSE(rows.Row(contact).checkBox->isChecked());
             auto *edit = qobject_cast<QLineEdit *>(rows.Row(contact).editor);
             QApplication::setActiveWindow(edit->window());
             edit->setFocus();
             edit->selectAll();
             QTest::keyClicks(edit, "noc desk 7");
             EXPECT_TRUE(rows.Row(contact).checkBox->isChecked());
         },
         1, nullptr},
        {"Set with nothing ticked sends nothing", {"Basic Configuration", "MIB II", "Information"},
         [](TEditsPanel &) {}, 0, nullptr},
        {"Reset asks first, and No sends nothing", {"Basic Configuration", "Reset"},
         [](TEditsPanel &rows) {
             auto *box = qobject_cast<QComboBox *>(rows.Row(0).editor);
             box->setCurrentIndex(box->findText("none"));
         },
         0, "The switch acts on this at once. Are you sure?"},
        {"Reset sends once the user says Yes", {"Basic Configuration", "Reset"},
         [](TEditsPanel &rows) {
             auto *box = qobject_cast<QComboBox *>(rows.Row(0).editor);
             box->setCurrentIndex(box->findText("none"));
             MessageBox::setNextAnswer(QMessageBox::Yes);
         },
         1, "The switch acts on this at once. Are you sure?"},
    };
    std::vector<Row> rows;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        MessageBox::reset();
        std::unique_ptr<TConfigForm> form = window_test::OpenEntryWindow(c.path);
        ASSERT_NE(form, nullptr);
        TEditsPanel *editor = form->findChild<TEditsPanel *>();
        ASSERT_NE(editor, nullptr);
        c.act(*editor);
        const unsigned before = AgentSetCount();
        auto *set = form->findChild<QPushButton *>("SetCheckedButton");
        if (set->isEnabled()) set->click();
        WaitUntil([&] { return !EntryBusy(*form); });
        Row row{c.what, set->isEnabled() ? 1 : 0, AgentSetCount() - before};
        EXPECT_EQ(row.sets, c.sets);
        if (c.question != nullptr) EXPECT_EQ(MessageBox::lastText(), QString::fromLatin1(c.question));
        rows.push_back(row);
        form->close();
    }
    PrintTable("Write cases on an answering device", rows);
    EXPECT_EQ(window_test::AgentValue("1.3.6.1.2.1.1.4.0", syntax::DisplayString), "noc desk 7");
}

TEST_F(AnsweringDevice, NoAddDialogOkdWithNothingTouchedWrites) {
    std::vector<Row> rows;
    window_test::EveryMenuEntry([&](const MenuEntry &entry, const std::string &path) {
        if (entry.kind != EntryKind::Pages && entry.kind != EntryKind::Table) return;
        std::unique_ptr<TConfigForm> form = BuildEntryWindow(entry, window_test::Context());
        form->show();
        EXPECT_TRUE(WaitUntil([&] { return !EntryBusy(*form); })) << path;
        for (auto *table : form->findChildren<TSNMPListViewPanel *>()) {
            auto *add = table->findChild<QPushButton *>("AddButton");
            if (add == nullptr || add->isHidden()) continue;
            MessageBox::reset();
            Row row{path};
            const unsigned before = AgentSetCount();
            QTimer::singleShot(0, [&] {
                auto *dialog = form->findChild<QDialog *>("AddDialog");
                ASSERT_NE(dialog, nullptr);
                row.window = path + " (" + dialog->windowTitle().toStdString() + ")";
                auto *set = dialog->findChild<QPushButton *>("SetCheckedButton");
                if (set->isEnabled()) {
                    set->click();
                    ++row.pressed;
                }
                WaitUntil([&] { return !dialog->isVisible() || set->isEnabled(); });
                if (dialog->isVisible()) dialog->reject();
            });
            add->click();
            WaitUntil([&] { return !EntryBusy(*form); });
            KeepSetFree(rows, row, before);
        }
        form->close();
    });
    PrintTable("Add dialogs: Set Checked with nothing touched", rows);
    EXPECT_GT(rows.size(), 40u);
}

TEST_F(AnsweringDevice, APortListPickedInTheAddDialogTicksItsRowAndIsSent) {
    std::unique_ptr<TConfigForm> form = window_test::OpenEntryWindow({"VLAN", "802.1Q", "802.1Q VLAN"});
    ASSERT_NE(form, nullptr);
    TSNMPListViewPanel *table = nullptr;
    for (auto *panel : form->findChildren<TSNMPListViewPanel *>())
        if (RowOf(*panel->editsPanel, "Static Egress Ports") >= 0) table = panel;
    ASSERT_NE(table, nullptr);
    TEditsPanel &rows = *table->editsPanel;
    const int egress = RowOf(rows, "Static Egress Ports");
    const unsigned before = AgentSetCount();
    bool egressTicked = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = form->findChild<QDialog *>("AddDialog");
        ASSERT_NE(dialog, nullptr);
        qobject_cast<QLineEdit *>(rows.Row(0).editor)->setText("120");
        qobject_cast<QLineEdit *>(rows.Row(1).editor)->setText("cameras");
        QTimer::singleShot(0, [&] {
            auto *ports = QApplication::activeModalWidget();
            auto *bits = qobject_cast<TBitListDialog *>(ports);
            ASSERT_NE(bits, nullptr);
            bits->boxes()[0]->setChecked(true);
            bits->boxes()[3]->setChecked(true);
            bits->accept();
        });
        rows.EditBitList(egress);
        egressTicked = rows.Row(egress).checkBox->isChecked();
        SaveScreen(dialog, QStringLiteral("vlan_add_port_list_ticked"));
        dialog->findChild<QPushButton *>("SetCheckedButton")->click();
    });
    table->findChild<QPushButton *>("AddButton")->click();
    EXPECT_TRUE(egressTicked) << "a port list picked in its dialog is sent with the row";
    EXPECT_EQ(AgentSetCount() - before, 1u);
    EXPECT_EQ(window_test::AgentCell("1.3.6.1.2.1.17.7.1.4.3.1.2.120", syntax::OctetString).substr(0, 2), "90");
    form->close();
}

}  // namespace
