// Reads a large simulated interface table as a whole process twice over: the module's
// "--show" run of its "IF Table" entry against net-snmp's snmptable (-CB: get-next, the same
// columns through a small MIB); prints the best wall time of each and their ratio.
#include "module_process.h"
#include "simulator_process.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <exception>

namespace {

constexpr char kTable[] = "1.3.6.1.2.1.2.2";
constexpr char kEntry[] = "Basic Configuration>MIB II>IF Table";
constexpr double kTargetRatio = 1.3;

void Print(const char *name, const Run &run) {
    std::printf("%-28s %8.1f ms %8ld lines\n", name, run.milliseconds, run.lines);
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"rows", "synthetic rows of ifTable (default 20000)", "n", "20000"});
    parser.addOption({"repeats", "runs of each, the best counts (default 3)", "n", "3"});
    parser.addOption({"simulator", "simulator executable", "path", QSW_SIM_PATH});
    parser.addOption({"module", "module executable", "path", QSW_MODULE_PATH});
    parser.process(app);
    try {
        SimulatorProcess sim(parser.value("simulator"), {"--fill", QString(kTable) + "=" + parser.value("rows")});
        QTemporaryDir scratch;
        const QString module = LayOutModule(scratch, parser.value("module"), sim.port());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("MIBDIRS", "+" QSW_BENCH_MIB_DIR);
        environment.insert("MIBS", "QSW-BENCH-IF-MIB");
        const int repeats = std::max(1, parser.value("repeats").toInt());
        const QString agent = "127.0.0.1:" + QString::number(sim.port());

        const Run snmptable = Best(repeats, [&] {
            return TimeProcess("snmptable", {"-v2c", "-c", "public", "-CB", "-Cf", ",", agent,
                                             "QSW-BENCH-IF-MIB::benchIfTable"}, environment);
        });
        // The boot counter file of a start lands in the current directory: keep it in the scratch.
        QDir::setCurrent(scratch.path());
        const Run show = Best(repeats, [&] {
            return TimeProcess(module, {"/I127.0.0.1", "/v1", "/Rpublic", "--show", kEntry, "--format", "csv"},
                               environment);
        });

        std::printf("%s with %s synthetic rows (SNMPv2c, get-next) on %s, best of %d\n", kEntry,
                    qPrintable(parser.value("rows")), qPrintable(agent), repeats);
        Print("snmptable -CB", snmptable);
        Print("qsw7400 --show --format csv", show);
        const double ratio = show.milliseconds / snmptable.milliseconds;
        std::printf("--show / snmptable %.2f (target at most %.1f: %s)\n", ratio, kTargetRatio,
                    ratio <= kTargetRatio ? "met" : "not met");
        // snmptable adds a caption line and a blank line before its header.
        if (show.lines + 2 != snmptable.lines) std::printf("warning: the runs printed different row counts\n");
        return 0;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
