// Every window of the module facing a device that has stopped answering (the simulator is
// SIGSTOPped): its opening read, its Refresh and its Set, and the writes of the catalogue windows
// (Set Checked, a row's Edit and Delete) never hold the event loop while they are outstanding,
// and Close answers at once. A heartbeat timer measures the longest gap between its
// ticks. A window over a limit is measured once more: a load spike of the machine passes, an
// exchange waited for does not. Each window is one row of a table printed with the test.
#include "binding/ui/message_box.h"
#include "catalogue/entry_recipe.h"
#include "catalogue/model/catalogue_model.h"
#include "catalogue/window_registry.h"
#include "editor/config_form.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"
#include "editor/list_view_panel.h"
#include "editor/snmp_list_view_panel.h"
#include "engine/session.h"
#include "forms/settings_form.h"
#include "support/list_view_rows.h"
#include "table_editor_test_support.h"
#include "window_fixture.h"
#include "windows/window_list.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kBlockLimitMs = 100;
constexpr int kCloseLimitMs = 500;
// Building and showing a window sends nothing and waits for nothing: well under one try of a request
// (half a second here), though building the largest editors takes its time under the sanitizers.
constexpr int kBuildLimitMs = 400;
// Long enough for each exchange to be on the wire, unanswered.
constexpr int kOutstandingMs = 300;
// A write is sent by the press itself: a shorter look after it suffices.
constexpr int kWriteOutstandingMs = 150;

// The longest time the event loop went without running a timer due every few milliseconds.
class Heartbeat {
public:
    Heartbeat() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(kTickMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            longest_ = std::max(longest_, clock_.restart() - kTickMs);
        });
    }
    void Start() {
        longest_ = 0;
        clock_.start();
        timer_.start();
    }
    // The longest block since Start, the last stretch up to now included.
    qint64 Longest() const { return std::max(longest_, clock_.elapsed() - kTickMs); }

private:
    static constexpr int kTickMs = 5;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

struct Row {
    std::string window;
    qint64 build = -1;         // ms: creating and showing it; -1 where not measured
    qint64 openBlock = -1;     // ms: the longest block while its opening exchange is outstanding
    qint64 refreshBlock = -1;  // the same for Refresh and Set (settings windows)
    qint64 setBlock = -1;
    qint64 close = 0;          // ms the close took with an exchange outstanding
    bool measuredAgain = false;
    std::string wrote = {};    // the writes left outstanding, for the catalogue windows

    bool WithinLimits() const {
        return build < kBuildLimitMs && openBlock < kBlockLimitMs && refreshBlock < kBlockLimitMs &&
               setBlock < kBlockLimitMs && close < kCloseLimitMs;
    }
};

void PrintTable(const char *title, const std::vector<Row> &rows) {
    std::printf("\n%s\n(ms; - not measured or no such button; * measured again after a spike)\n%-78s %5s %5s %7s %5s %5s\n",
                title, "window", "build", "open", "refresh", "set", "close");
    const auto cell = [](qint64 ms) { return ms < 0 ? std::string("-") : std::to_string(ms); };
    for (const Row &r : rows)
        std::printf("%-78s %5s %5s %7s %5s %5lld%s%s\n", r.window.c_str(), cell(r.build).c_str(), cell(r.openBlock).c_str(),
                    cell(r.refreshBlock).c_str(), cell(r.setBlock).c_str(), static_cast<long long>(r.close),
                    r.measuredAgain ? " *" : "", r.wrote.empty() ? "" : ("  " + r.wrote).c_str());
    std::fflush(stdout);
}

QPushButton *Button(QWidget *window, const std::vector<QString> &captions) {
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        const QString caption = button->text().remove(QLatin1Char('&')).trimmed();
        if (button->isVisible() && std::find(captions.begin(), captions.end(), caption) != captions.end()) return button;
    }
    return nullptr;
}

class SilentDeviceEventLoop : public window_test::WindowTest {
protected:
    // Half a second a try, two tries: the exchanges a test waits out end sooner.
    static void SetUpTestSuite() {
        Start({});
        SessionTimeout = 50;
    }
    static void TearDownTestSuite() {
        Silence(false);
        SessionTimeout = 100;
        WindowTest::TearDownTestSuite();
    }
    static void Silence(bool silent) {
        if (sim) ::kill(static_cast<pid_t>(sim->processId()), silent ? SIGSTOP : SIGCONT);
    }

    void SetUp() override {
        WindowTest::SetUp();
        context_ = window_test::Context();
        context_.statusPanel = &mainStatus_;
        context_.stpText = &stpText_;
    }

    // Opens the window while the device is silent, lets its exchange stay outstanding and closes it.
    // screen: the name of its picture (QSW_SCREENS_DIR), none when empty.
    Row OpenAndClose(const std::string &name, const std::function<std::unique_ptr<QDialog>()> &open,
                     const std::string &screen = {}) {
        Row row{name};
        Silence(true);
        QElapsedTimer clock;
        clock.start();
        std::unique_ptr<QDialog> window = open();
        window->show();
        row.build = clock.elapsed();
        heartbeat_.Start();
        QTest::qWait(kOutstandingMs);
        row.openBlock = heartbeat_.Longest();
        if (!screen.empty()) SaveScreen(window.get(), QString::fromStdString(screen));
        row.close = TimedClose(*window);
        window.reset();
        Silence(false);
        return row;
    }

    // A settings window opened on the answering device; then, silent, its Refresh and its Set, each
    // left outstanding until it has timed out, and a close during a last Refresh.
    Row PressAndClose(const std::string &name, const std::function<std::unique_ptr<QDialog>()> &open) {
        Row row{name};
        std::unique_ptr<QDialog> window = open();
        auto *form = qobject_cast<TSettingsForm *>(window.get());
        window->show();
        QTest::qWait(50);
        EXPECT_TRUE(WaitUntil([&] { return !form->Busy(); }, 20000)) << name;
        QPushButton *refresh = Button(window.get(), {"Refresh"});
        QPushButton *set = Button(window.get(), {"Set", "Set Checked", "Apply"});
        // A question before a write is answered Yes, so that the write goes out too.
        for (int k = 0; k < 4; ++k) MessageBox::setNextAnswer(QMessageBox::Yes);
        Silence(true);
        const auto press = [&](QPushButton *button) -> qint64 {
            if (button == nullptr || !button->isEnabled()) return -1;
            heartbeat_.Start();
            QTest::mouseClick(button, Qt::LeftButton);
            QTest::qWait(kOutstandingMs);
            EXPECT_TRUE(WaitUntil([&] { return !form->Busy(); }, 30000)) << name;
            return heartbeat_.Longest();
        };
        row.refreshBlock = press(refresh);
        row.setBlock = press(set);
        if (refresh != nullptr && refresh->isEnabled()) {
            QTest::mouseClick(refresh, Qt::LeftButton);
            QTest::qWait(kOutstandingMs);
        }
        row.close = TimedClose(*window);
        window.reset();
        Silence(false);
        return row;
    }

    // measure's row, measured once more when it was over a limit.
    static Row Measured(const std::function<Row()> &measure) {
        Row row = measure();
        if (row.WithinLimits()) return row;
        row = measure();
        row.measuredAgain = true;
        return row;
    }

    static qint64 TimedClose(QDialog &window) {
        QElapsedTimer clock;
        clock.start();
        window.close();
        const qint64 took = clock.elapsed();
        EXPECT_FALSE(window.isVisible());
        return took;
    }

    static void Check(const Row &row) {
        EXPECT_LT(row.build, kBuildLimitMs) << row.window;
        for (const qint64 block : {row.openBlock, row.refreshBlock, row.setBlock})
            EXPECT_LT(block, kBlockLimitMs) << row.window;
        EXPECT_LT(row.close, kCloseLimitMs) << row.window;
    }

    // The window opened on the answering device, each page of it read in turn, and on each a write
    // left outstanding once the device is silent: Set Checked on an editor page with a row ticked,
    // the Edit dialog's Set and Delete on a table's row. Then the window closes while the last is.
    Row WriteAndClose(const std::string &name, const MenuEntry &entry) {
        Row row{name};
        std::unique_ptr<TConfigForm> form = BuildEntryWindow(entry, context_);
        form->show();
        QTabWidget *pages = form->pageControl();
        for (int k = 0; k < (pages != nullptr ? pages->count() : 1); ++k) {
            Silence(false);
            if (pages != nullptr) pages->setCurrentIndex(k);
            Settle(*form);
            QWidget *page = pages != nullptr ? pages->currentWidget() : form.get();
            auto *editor = page->findChild<TSNMPEditorPanel *>();
            if (editor == nullptr) continue;
            auto *table = qobject_cast<TSNMPListViewPanel *>(editor);
            if (table == nullptr) {
                // A page that acts at once asks first: Yes.
                MessageBox::setNextAnswer(QMessageBox::Yes);
                TickShownValue(*editor->editsPanel);
                Write(row, "Set Checked", editor->buttons()->SetCheckedButton);
                continue;
            }
            if (!ChooseRow(*table)) continue;
            EditRow(row, *table);
            Settle(*form);
            if (ChooseRow(*table)) {
                MessageBox::setNextAnswer(QMessageBox::Yes);
                Write(row, "Delete", table->buttons()->DeleteButton);
            }
        }
        Silence(true);
        row.close = std::max(row.close, TimedClose(*form));
        form.reset();
        Silence(false);
        return row;
    }

    // Lets the device answer and waits until the window's exchanges, and what it shows of them, have
    // ended: the page shows what the device holds.
    static void Settle(TConfigForm &form) {
        Silence(false);
        QCoreApplication::sendPostedEvents(&form);
        EXPECT_TRUE(WaitUntil([&] { return !window_test::EntryBusy(form) && form.cursor().shape() != Qt::BusyCursor; },
                              20000))
            << form.windowTitle().toStdString();
    }

    // Ticks the first row of a grid a user can write, its value the one it shows: what the user read.
    // A grid whose rows are preset (checked, without a box) has none to tick.
    static bool TickShownValue(TEditsPanel &rows) {
        for (int i = 0; i < rows.RowCount(); ++i) {
            QCheckBox *box = rows.Row(i).checkBox;
            if (box == nullptr || !box->isVisible() || !box->isEnabled() || !rows.IsRowEditable(i) || rows.RowIsEmpty(i))
                continue;
            if (auto *edit = qobject_cast<QLineEdit *>(rows.Row(i).editor.data())) edit->setText(edit->text());
            if (!box->isChecked()) QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
            return box->isChecked();
        }
        return false;
    }

    // Selects a row a write may address without asking: not the community or user the module
    // itself talks with, whose question is answered No.
    static bool ChooseRow(TSNMPListViewPanel &table) {
        QTreeView *list = table.listPanel->listView;
        for (int r = 0; r < ListRowCount(list); ++r) {
            SelectListRow(list, r);
            if (!table.writeQuestion || table.writeQuestion().isEmpty()) return true;
        }
        return false;
    }

    // The Edit dialog on the selected row: its Set with a shown value ticked, left outstanding, then
    // the dialog closed.
    void EditRow(Row &row, TSNMPListViewPanel &table) {
        QPushButton *edit = table.buttons()->EditButton;
        if (!edit->isVisible() || !edit->isEnabled()) return;
        const auto write = WhenModal(QStringLiteral("EditDialog"), [&](QWidget *dialog) {
            if (TickShownValue(*table.editsPanel)) {
                Write(row, "Edit", dialog->findChild<QPushButton *>(QStringLiteral("SetCheckedButton")));
                row.close = std::max(row.close, TimedClose(*static_cast<QDialog *>(dialog)));
            }
            if (dialog->isVisible()) static_cast<QDialog *>(dialog)->reject();
        });
        QTest::mouseClick(edit, Qt::LeftButton);
    }

    // Presses a write's button once the device is silent; its longest block goes into the row.
    void Write(Row &row, const char *what, QPushButton *button) {
        if (button == nullptr || !button->isVisible() || !button->isEnabled()) return;
        Silence(true);
        heartbeat_.Start();
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::qWait(kWriteOutstandingMs);
        row.setBlock = std::max(row.setBlock, heartbeat_.Longest());
        row.wrote += (row.wrote.empty() ? "" : ", ") + std::string(what);
    }

    // The late answers arrive here and find nothing to touch; the sanitizers watch.
    static void LetLateAnswersArrive() { QTest::qWait(1500); }

    RecipeContext context_;
    QLabel mainStatus_;
    QLabel stpText_{QStringLiteral("rstp")};
    Heartbeat heartbeat_;
};

TEST_F(SilentDeviceEventLoop, NoCatalogueWindowHoldsTheEventLoopAndEachClosesAtOnce) {
    std::vector<Row> rows;
    window_test::EveryMenuEntry([&](const MenuEntry &entry, const std::string &path) {
        if (entry.kind != EntryKind::Editor && entry.kind != EntryKind::Pages && entry.kind != EntryKind::Table) return;
        MessageBox::reset();
        rows.push_back(Measured([&] { return OpenAndClose(path, [&] { return BuildEntryWindow(entry, context_); }); }));
        Check(rows.back());
    });
    LetLateAnswersArrive();
    PrintTable("Catalogue windows on a silent device", rows);
    EXPECT_GT(rows.size(), 100u);
}

TEST_F(SilentDeviceEventLoop, NoDedicatedWindowHoldsTheEventLoopAndEachClosesAtOnce) {
    std::vector<Row> rows;
    const WindowRegistry &registry = DedicatedWindows();
    window_test::EveryMenuEntry([&](const MenuEntry &entry, const std::string &path) {
        if (entry.kind != EntryKind::Window) return;
        const WindowCreator *create = registry.Find(entry.windowClass);
        if (create == nullptr) return;
        MessageBox::reset();
        const std::string name = path + " (" + entry.windowClass + ")";
        const auto open = [&] { return (*create)(entry, context_); };
        rows.push_back(Measured([&] { return OpenAndClose(name, open, "silent_opening_" + entry.windowClass); }));
        Check(rows.back());
        std::unique_ptr<QDialog> probe = open();
        const bool settings = qobject_cast<TSettingsForm *>(probe.get()) != nullptr;
        probe.reset();
        if (!settings) return;
        rows.push_back(Measured([&] { return PressAndClose(name + " Refresh/Set", open); }));
        Check(rows.back());
    });
    // The windows a table's buttons open ("Add user...", "Pass phrase..." of the USM users).
    window_test::EveryMenuEntry([&](const MenuEntry &entry, const std::string &path) {
        for (const PanelRecipe &panel : entry.panels) {
            for (const Adjustment &a : panel.adjustments) {
                const WindowCreator *create = a.type == Adjustment::Type::Button ? registry.Find(a.windowClass) : nullptr;
                if (create == nullptr) continue;
                MessageBox::reset();
                const std::string name = path + " > " + a.text + " (" + a.windowClass + ")";
                rows.push_back(Measured([&] { return OpenAndClose(name, [&] { return (*create)(entry, context_); }); }));
                Check(rows.back());
            }
        }
    });
    LetLateAnswersArrive();
    PrintTable("Dedicated windows on a silent device", rows);
    EXPECT_GE(rows.size(), 17u);
}

// The writes of the catalogue windows: every editor page's Set Checked, and on every table with a
// row its Edit dialog's Set and its Delete, each left outstanding on the silenced device; "set" is
// the longest block of a window's writes.
TEST_F(SilentDeviceEventLoop, NoCatalogueWriteHoldsTheEventLoopAndEachWindowClosesAtOnce) {
    std::vector<Row> rows;
    int writes = 0;
    window_test::EveryMenuEntry([&](const MenuEntry &entry, const std::string &path) {
        if (entry.kind != EntryKind::Editor && entry.kind != EntryKind::Pages && entry.kind != EntryKind::Table) return;
        MessageBox::reset();
        rows.push_back(Measured([&] { return WriteAndClose(path, entry); }));
        Check(rows.back());
        writes += rows.back().wrote.empty() ? 0 : 1;
    });
    LetLateAnswersArrive();
    PrintTable("Catalogue windows: writes on a silent device", rows);
    EXPECT_GT(writes, 100);
}

}  // namespace
