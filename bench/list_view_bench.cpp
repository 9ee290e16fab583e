// Opens the "IF Table" window over a large simulated ifTable under the offscreen platform and times
// its walk against the headless read of the same entry in the same run; reports the longest time the
// event loop was held (what decides whether Close and Refresh answer during the walk), the memory the
// window takes beyond what the headless read takes, and how long sorting all rows and one filter
// keystroke hold the window.
#include "simulator_process.h"

#include "catalogue/entry_recipe.h"
#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/entry_path.h"
#include "catalogue/model/entry_reader.h"
#include "catalogue/recipe_context.h"
#include "binding/ui/request2edits.h"
#include "binding/ui/sortable_list.h"
#include "editor/config_form.h"
#include "engine/coded_error.h"
#include "engine/session.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <functional>

namespace {

constexpr char kTable[] = "1.3.6.1.2.1.2.2";
constexpr char kEntry[] = "Basic Configuration>MIB II>IF Table";
constexpr double kTargetRatio = 1.2;
constexpr qint64 kTargetBlockMs = 100;
constexpr double kTargetMemoryMb = 60;
constexpr double kTargetSortMs = 300;
constexpr double kTargetFilterMs = 100;

struct WindowTiming {
    double milliseconds = 0;
    qint64 longestBlockMs = 0;
    int rows = 0;
    double memoryMb = 0;   // resident memory the window added
    double sortMs = 0;     // a header click sorting every row, laid out
    double filterMs = 0;   // one more letter in the filter box, laid out
};

// The process's resident memory, from the kernel's account of it.
double ResidentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    return 0;
}

// Runs the step and lets the window lay out and paint what it changed.
double TimedMs(const std::function<void()> &step) {
    QElapsedTimer clock;
    clock.start();
    step();
    QApplication::processEvents();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// Ticks every 5 ms while the window walks; the longest gap between two ticks is the longest time
// nothing else (a click on Close) could have been handled.
WindowTiming TimeWindow(const MenuEntry &entry) {
    const double residentBefore = ResidentMb();
    RecipeContext context;
    context.hostText = "127.0.0.1";
    std::unique_ptr<TConfigForm> form = BuildEntryWindow(entry, context);
    QElapsedTimer clock;
    qint64 lastTick = 0;
    WindowTiming timing;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        timing.longestBlockMs = std::max(timing.longestBlockMs, now - lastTick);
        lastTick = now;
    });
    clock.start();
    ticker.start();
    form->show();
    VdSNMPRequest2Edits *binding = form->Binding(0);
    // The first read starts from a posted event; wait until it began and then until it ended.
    while (!binding->busy && clock.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 5);
    while (binding->busy) QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    timing.milliseconds = static_cast<double>(clock.elapsed());
    ticker.stop();
    timing.memoryMb = ResidentMb() - residentBefore;
    if (auto *list = form->findChild<SortableList *>()) {
        timing.rows = list->readRowCount();
        // The description column sorts as text, the slowest of the kinds.
        QHeaderView *header = list->header();
        timing.sortMs = TimedMs([&] { header->setSortIndicator(1, Qt::DescendingOrder); });
        list->SetFilter(QStringLiteral("Port 4"));
        QApplication::processEvents();
        timing.filterMs = TimedMs([&] { list->SetFilter(QStringLiteral("Port 49")); });
    }
    form->close();
    return timing;
}

}  // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"rows", "synthetic rows of ifTable (default 50000)", "n", "50000"});
    parser.addOption({"simulator", "simulator executable", "path", QSW_SIM_PATH});
    parser.process(app);
    try {
        SimulatorProcess sim(parser.value("simulator"), {"--fill", QString(kTable) + "=" + parser.value("rows")});
        QTemporaryDir bootCounterDir;
        CreateGlobalSession(bootCounterDir.path().toStdString());
        SessionDevice.host = "127.0.0.1";
        SessionDevice.port = sim.port();
        SessionSecurity.version = 1;
        SessionSecurity.readCommunity = "public";

        const FoundEntry found = FindEntryByPath(MenuCatalogue::Instance(), kEntry);
        if (found.entry == nullptr) throw std::runtime_error(std::string("no entry ") + kEntry);

        QElapsedTimer headlessClock;
        const double residentBefore = ResidentMb();
        headlessClock.start();
        EntryReading reading = ReadEntry(*found.entry, found.path, found.entry->title);
        const double headlessMs = static_cast<double>(headlessClock.elapsed());
        const double headlessMb = ResidentMb() - residentBefore;
        const std::size_t headlessRows = reading.pages.empty() ? 0 : reading.pages.front().rows.size();
        reading = {};

        const WindowTiming window = TimeWindow(*found.entry);
        const double ratio = window.milliseconds / std::max(headlessMs, 1.0);
        std::printf("%-28s %8zu rows %10.1f ms\n", "headless read", headlessRows, headlessMs);
        std::printf("%-28s %8d rows %10.1f ms\n", "IF Table window walk", window.rows, window.milliseconds);
        std::printf("window / headless %.2f (target at most %.1f): %s\n", ratio, kTargetRatio,
                    ratio <= kTargetRatio ? "met" : "missed");
        std::printf("longest event-loop block %lld ms (target under %lld ms): %s\n",
                    static_cast<long long>(window.longestBlockMs), static_cast<long long>(kTargetBlockMs),
                    window.longestBlockMs < kTargetBlockMs ? "met" : "missed");
        const double overMb = window.memoryMb - headlessMb;
        std::printf("memory: headless read %.1f MB, window %.1f MB, %.1f MB over (target at most %.0f MB): %s\n",
                    headlessMb, window.memoryMb, overMb, kTargetMemoryMb, overMb <= kTargetMemoryMb ? "met" : "missed");
        std::printf("sort every row %.1f ms (target under %.0f ms): %s\n", window.sortMs, kTargetSortMs,
                    window.sortMs < kTargetSortMs ? "met" : "missed");
        std::printf("filter keystroke %.1f ms (target under %.0f ms): %s\n", window.filterMs, kTargetFilterMs,
                    window.filterMs < kTargetFilterMs ? "met" : "missed");
        return 0;
    } catch (const CodedError &e) {
        std::fprintf(stderr, "%s\n", e.message().c_str());
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
