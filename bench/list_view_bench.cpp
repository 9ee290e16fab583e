// Opens the "IF Table" window over a large simulated ifTable under the offscreen platform and times
// its walk against the headless read of the same entry in the same run; reports the longest time the
// event loop was held (what decides whether Close and Refresh answer during the walk).
#include "simulator_process.h"

#include "catalogue/entry_recipe.h"
#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/entry_path.h"
#include "catalogue/model/entry_reader.h"
#include "catalogue/recipe_context.h"
#include "binding/ui/request2edits.h"
#include "editor/config_form.h"
#include "engine/coded_error.h"
#include "engine/session.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <exception>

namespace {

constexpr char kTable[] = "1.3.6.1.2.1.2.2";
constexpr char kEntry[] = "Basic Configuration>MIB II>IF Table";
constexpr double kTargetRatio = 1.5;
constexpr qint64 kTargetBlockMs = 100;

struct WindowTiming {
    double milliseconds = 0;
    qint64 longestBlockMs = 0;
    int rows = 0;
};

// Ticks every 5 ms while the window walks; the longest gap between two ticks is the longest time
// nothing else (a click on Close) could have been handled.
WindowTiming TimeWindow(const MenuEntry &entry) {
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
    if (auto *list = form->findChild<QTreeWidget *>()) timing.rows = list->topLevelItemCount();
    ticker.stop();
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
        headlessClock.start();
        const EntryReading reading = ReadEntry(*found.entry, found.path, found.entry->title);
        const double headlessMs = static_cast<double>(headlessClock.elapsed());
        const std::size_t headlessRows = reading.pages.empty() ? 0 : reading.pages.front().rows.size();

        const WindowTiming window = TimeWindow(*found.entry);
        const double ratio = window.milliseconds / std::max(headlessMs, 1.0);
        std::printf("%-28s %8zu rows %10.1f ms\n", "headless read", headlessRows, headlessMs);
        std::printf("%-28s %8d rows %10.1f ms\n", "IF Table window walk", window.rows, window.milliseconds);
        std::printf("window / headless %.2f (target at most %.1f): %s\n", ratio, kTargetRatio,
                    ratio <= kTargetRatio ? "met" : "missed");
        std::printf("longest event-loop block %lld ms (target under %lld ms): %s\n",
                    static_cast<long long>(window.longestBlockMs), static_cast<long long>(kTargetBlockMs),
                    window.longestBlockMs < kTargetBlockMs ? "met" : "missed");
        return 0;
    } catch (const CodedError &e) {
        std::fprintf(stderr, "%s\n", e.message().c_str());
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
