// Starts the main window against the simulator under the offscreen platform and reports the time
// from the start of the program to the first LED state on the front panel (reported, not asserted),
// with the toolkit's own start and the module's start to a shown window on the way.
#include "module_process.h"
#include "simulator_process.h"

#include "binding/ui/request2leds.h"
#include "shell/front_panel.h"
#include "shell/main_form.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>
#include <exception>

namespace {

constexpr double kTargetMs = 500;

bool LedPainted(TMainForm &form) {
    if (form.frontPanel() == nullptr) return false;
    for (const VdSNMPRequest2Leds::LedRecord &led : form.frontPanel()->binding().leds())
        if (led.colour != 0) return true;
    return false;
}

}  // namespace

int main(int argc, char **argv) {
    QElapsedTimer clock;
    clock.start();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double toolkitMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"simulator", "simulator executable", "path", QSW_SIM_PATH});
    parser.addOption({"module", "module executable", "path", QSW_MODULE_PATH});
    parser.process(app);
    try {
        // The agent and the module's files are made ready first: the clock restarts after them, as a
        // host product starts the module beside a device that is already up.
        SimulatorProcess sim(parser.value("simulator"), {});
        QTemporaryDir scratch;
        const QString program = LayOutModule(scratch, parser.value("module"), sim.port());
        QDir::setCurrent(scratch.path());
        clock.restart();

        TMainForm form(StartupEnvironment{{"/I127.0.0.1", "/Rpublic", "/Wprivate"}, QFileInfo(program).path()});
        if (!form.isReady()) throw std::runtime_error("the module did not start");
        form.show();
        const double readyMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        while (!LedPainted(form) && clock.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 1);
        // The state is painted by the next pass of the event loop.
        QApplication::processEvents();
        const double ledMs = toolkitMs + static_cast<double>(clock.nsecsElapsed()) / 1e6;
        if (!LedPainted(form)) throw std::runtime_error("no LED state within 10 s");

        std::printf("toolkit start               %8.1f ms\n", toolkitMs);
        std::printf("module start to its window  %8.1f ms\n", readyMs);
        std::printf("start to first LED paint    %8.1f ms (target under %.0f ms: %s)\n", ledMs, kTargetMs,
                    ledMs < kTargetMs ? "met" : "not met");
        return 0;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
