// Reads a large simulated interface table as whole processes: the module's "--show" run of its
// "IF Table" entry with GETNEXT (UseGetBulk=0) against net-snmp's snmptable -CB (GETNEXT, the same
// columns through a small MIB), and with GETBULK against snmpbulkwalk of the table's entry with
// about the same bindings per request, per value (the entry has more columns than the window shows;
// snmptable's own GETBULK mode is far slower than either, so it is no yardstick), without and with
// an agent delay; prints the best wall time of each and their ratios.
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
constexpr double kDelayedSpeedUp = 5;

void Print(const char *name, const Run &run) {
    std::printf("%-28s %8.1f ms %8ld lines\n", name, run.milliseconds, run.lines);
}

struct Settings {
    QString simulator;
    QString module;
    QString rows;
    QString repetitions;
};

// One agent, with or without a delay: the four whole runs and their ratios.
void CompareShows(const Settings &settings, int delayMs, int repeats) {
    QStringList options{"--fill", QString(kTable) + "=" + settings.rows};
    if (delayMs > 0) options << "--delay" << QString::number(delayMs);
    SimulatorProcess sim(settings.simulator, options);
    QTemporaryDir scratch, nextScratch;
    const QString module = LayOutModule(scratch, settings.module, sim.port());
    const QString nextModule = LayOutModule(nextScratch, settings.module, sim.port(), "UseGetBulk=0\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("MIBDIRS", "+" QSW_BENCH_MIB_DIR);
    environment.insert("MIBS", "QSW-BENCH-IF-MIB");
    const QString agent = "127.0.0.1:" + QString::number(sim.port());

    const Run snmptableNext = Best(repeats, [&] {
        return TimeProcess("snmptable", {"-v2c", "-c", "public", "-CB", "-Cf", ",", agent,
                                         "QSW-BENCH-IF-MIB::benchIfTable"}, environment);
    });
    const Run bulkwalk = Best(repeats, [&] {
        return TimeProcess("snmpbulkwalk", {"-v2c", "-c", "public", "-On", "-Cr" + settings.repetitions, agent,
                                            QString(kTable) + ".1"}, environment);
    });
    // The boot counter file of a start lands in the current directory: keep it in the scratch.
    QDir::setCurrent(scratch.path());
    const auto show = [&](const QString &program) {
        return Best(repeats, [&] {
            return TimeProcess(program, {"/I127.0.0.1", "/v1", "/Rpublic", "--show", kEntry, "--format", "csv"},
                               environment);
        });
    };
    const Run showNext = show(nextModule);
    const Run showBulk = show(module);

    std::printf("\n%s with %s synthetic rows (SNMPv2c) on %s, agent delay %d ms per request, best of %d\n", kEntry,
                qPrintable(settings.rows), qPrintable(agent), delayMs, repeats);
    Print("snmptable -CB (GETNEXT)", snmptableNext);
    Print("qsw7400 --show, GETNEXT", showNext);
    Print("snmpbulkwalk of the entry", bulkwalk);
    Print("qsw7400 --show, GETBULK", showBulk);
    const double nextRatio = showNext.milliseconds / snmptableNext.milliseconds;
    // One value per line of snmpbulkwalk; a header and then one row of values per line of --show.
    const double showValues = static_cast<double>((showBulk.lines - 1) * showBulk.headerFields);
    const double bulkRatio =
        (showBulk.milliseconds / showValues) / (bulkwalk.milliseconds / static_cast<double>(bulkwalk.lines));
    std::printf("--show / snmptable (GETNEXT) %.2f, --show / snmpbulkwalk (GETBULK) %.2f per value (target at most %.1f: %s)\n",
                nextRatio, bulkRatio, kTargetRatio, std::max(nextRatio, bulkRatio) <= kTargetRatio ? "met" : "not met");
    const double speedUp = showNext.milliseconds / showBulk.milliseconds;
    std::printf("--show GETBULK speed-up over GETNEXT %.1fx", speedUp);
    if (delayMs > 0) std::printf(" (target at least %.0fx: %s)", kDelayedSpeedUp, speedUp >= kDelayedSpeedUp ? "met" : "not met");
    std::printf("\n");
    // snmptable adds a caption line and a blank line before its header.
    for (const Run *run : {&showNext, &showBulk})
        if (run->lines + 2 != snmptableNext.lines) std::printf("warning: the runs printed different row counts\n");
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"rows", "synthetic rows of ifTable (default 20000)", "n", "20000"});
    parser.addOption({"repeats", "runs of each without a delay, the best counts (default 3)", "n", "3"});
    parser.addOption({"delay", "agent delay per request in ms for the second run, once each (default 2)", "ms", "2"});
    parser.addOption({"simulator", "simulator executable", "path", QSW_SIM_PATH});
    parser.addOption({"module", "module executable", "path", QSW_MODULE_PATH});
    // The module asks ten rows of its eleven columns per GETBULK.
    parser.addOption({"repetitions", "snmpbulkwalk's max-repetitions (default 110)", "n", "110"});
    parser.process(app);
    try {
        const Settings settings{parser.value("simulator"), parser.value("module"), parser.value("rows"),
                                parser.value("repetitions")};
        CompareShows(settings, 0, std::max(1, parser.value("repeats").toInt()));
        // A GETNEXT run waits out the delay once per row (40 s for 20,000 rows): once is enough.
        CompareShows(settings, parser.value("delay").toInt(), 1);
        return 0;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
