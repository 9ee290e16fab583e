// Times a snapshot of the whole catalogue against the simulator as one process, and the --show
// runs of the same entries one process each; prints the best of each and their ratio. One
// process holds one session and one start-up for every entry, so it must cost well below the sum.
#include "module_process.h"
#include "simulator_process.h"

#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/snapshot.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cstdio>
#include <exception>

namespace {

constexpr double kTargetRatio = 0.5;

QString EntryText(const FoundEntry &entry) {
    QStringList captions;
    for (const std::string &caption : entry.path) captions << QString::fromStdString(caption);
    return captions.join(u'>');
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"repeats", "runs of each, the best counts (default 3)", "n", "3"});
    parser.addOption({"simulator", "simulator executable", "path", QSW_SIM_PATH});
    parser.addOption({"module", "module executable", "path", QSW_MODULE_PATH});
    parser.process(app);
    try {
        SimulatorProcess sim(parser.value("simulator"), {});
        QTemporaryDir scratch;
        const QString module = LayOutModule(scratch, parser.value("module"), sim.port());
        const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const int repeats = std::max(1, parser.value("repeats").toInt());
        const QStringList device = {"/I127.0.0.1", "/Rpublic"};
        const std::vector<FoundEntry> entries = ReadableEntries(MenuCatalogue::Instance());
        // The boot counter file of a start lands in the current directory: keep it in the scratch.
        QDir::setCurrent(scratch.path());

        const Run snapshot = Best(repeats, [&] { return TimeProcess(module, device + QStringList{"--snapshot"}, environment); });
        const Run shows = Best(repeats, [&] {
            Run sum;
            for (const FoundEntry &entry : entries) {
                const Run one = TimeProcess(module, device + QStringList{"--show", EntryText(entry), "--format", "json"}, environment);
                sum.milliseconds += one.milliseconds;
                sum.lines += one.lines;
            }
            return sum;
        });

        std::printf("%zu catalogue entries on the simulator (SNMPv2c), best of %d\n", entries.size(), repeats);
        std::printf("%-32s %9.1f ms %8ld lines\n", "qsw7400 --snapshot", snapshot.milliseconds, snapshot.lines);
        std::printf("%-32s %9.1f ms %8ld lines\n", "qsw7400 --show, once per entry", shows.milliseconds, shows.lines);
        const double ratio = snapshot.milliseconds / shows.milliseconds;
        std::printf("--snapshot / sum of --show %.2f (target at most %.1f: %s)\n", ratio, kTargetRatio,
                    ratio <= kTargetRatio ? "met" : "not met");
        return 0;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
