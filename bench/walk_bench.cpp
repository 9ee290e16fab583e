// Walks a large table of the simulator through the engine with GETNEXT and with GETBULK,
// synchronously and asynchronously, and with net-snmp's snmpwalk and snmpbulkwalk (same column, same
// max-repetitions) on the same agent in the same run, without and with a delay of the agent; prints
// the time per row of each and their ratios.
#include "simulator_process.h"
#include "walk_timers.h"

#include "engine/coded_error.h"
#include "engine/descriptor.h"
#include "engine/session.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <exception>

namespace {

constexpr char kTable[] = "1.3.6.1.2.1.2.2";
constexpr char kColumn[] = "1.3.6.1.2.1.2.2.1.2";  // ifDescr: one binding per row, as snmpwalk asks
constexpr char kCommunity[] = "public";
constexpr double kTargetRatio = 1.3;
constexpr double kDelayedSpeedUp = 5;

const DescriptorRecord kWalked[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", syntax::Integer, access_bit::Index, nullptr},
    {kColumn, "ifDescr", syntax::DisplayString, access_bit::Readable, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

void Configure(VdSNMPRequest &request, std::uint16_t port) {
    request.device.host = "127.0.0.1";
    request.device.port = port;
    request.security.version = 1;
    request.security.readCommunity = kCommunity;
    request.timeout = 200;
    request.list = VdSNMPVarList(kWalked, VdSNMPVarList::Table, 1);
}

void Print(const char *name, const WalkTiming &t) {
    std::printf("  %-30s %8ld rows %10.1f ms %9.2f us/row\n", name, t.rows, t.milliseconds, t.MicrosecondsPerRow());
}

double Ratio(const WalkTiming &a, const WalkTiming &b) {
    return b.MicrosecondsPerRow() > 0 ? a.MicrosecondsPerRow() / b.MicrosecondsPerRow() : 0;
}

const char *Verdict(bool met) { return met ? "met" : "not met"; }

// One agent, one table: net-snmp's tools and the engine's walks with GETNEXT and with GETBULK.
void CompareWalks(const QString &simulator, const QString &rows, int delayMs) {
    QStringList options{"--fill", QString(kTable) + "=" + rows};
    if (delayMs > 0) options << "--delay" << QString::number(delayMs);
    SimulatorProcess sim(simulator, options);
    VdSNMPRequest request;
    Configure(request, sim.port());

    request.device.useGetBulk = false;
    const WalkTiming nextSync = TimeSynchronousWalk(request);
    const WalkTiming nextAsync = TimeAsynchronousWalk(request);
    request.device.useGetBulk = true;
    const WalkTiming bulkSync = TimeSynchronousWalk(request);
    const WalkTiming bulkAsync = TimeAsynchronousWalk(request);
    const int repetitions = request.BulkRepetitions();
    const WalkTiming snmpwalk = TimeNetSnmpWalk("snmpwalk", {}, sim.port(), kCommunity, kColumn);
    const WalkTiming snmpbulkwalk =
        TimeNetSnmpWalk("snmpbulkwalk", {"-Cr" + QString::number(repetitions)}, sim.port(), kCommunity, kColumn);

    std::printf("\nWalk of %s, %s rows, SNMPv2c, agent delay %d ms per request, max-repetitions %d\n", kColumn,
                rows.toLatin1().constData(), delayMs, repetitions);
    Print("snmpwalk (GETNEXT)", snmpwalk);
    Print("snmpbulkwalk (GETBULK)", snmpbulkwalk);
    Print("engine GETNEXT, synchronous", nextSync);
    Print("engine GETNEXT, asynchronous", nextAsync);
    Print("engine GETBULK, synchronous", bulkSync);
    Print("engine GETBULK, asynchronous", bulkAsync);
    std::printf("  GETNEXT sync / snmpwalk %.2f, async / snmpwalk %.2f\n", Ratio(nextSync, snmpwalk),
                Ratio(nextAsync, snmpwalk));
    const double bulkSyncRatio = Ratio(bulkSync, snmpbulkwalk);
    const double bulkAsyncRatio = Ratio(bulkAsync, snmpbulkwalk);
    std::printf("  GETBULK sync / snmpbulkwalk %.2f, async / snmpbulkwalk %.2f (target at most %.1f: %s)\n",
                bulkSyncRatio, bulkAsyncRatio, kTargetRatio,
                Verdict(bulkSyncRatio <= kTargetRatio && bulkAsyncRatio <= kTargetRatio));
    const double speedUp = std::min(Ratio(nextSync, bulkSync), Ratio(nextAsync, bulkAsync));
    std::printf("  GETBULK speed-up over GETNEXT %.1fx", speedUp);
    if (delayMs > 0) std::printf(" (target at least %.0fx: %s)", kDelayedSpeedUp, Verdict(speedUp >= kDelayedSpeedUp));
    std::printf("\n");
    for (const WalkTiming *t : {&nextSync, &nextAsync, &bulkSync, &bulkAsync, &snmpbulkwalk})
        if (t->rows != snmpwalk.rows) std::printf("  warning: the walks saw different row counts\n");
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"rows", "synthetic rows of ifTable (default 20000)", "n", "20000"});
    parser.addOption({"delay-rows", "rows for the run with an agent delay (default 5000)", "n", "5000"});
    parser.addOption({"delay", "agent delay per request in ms for the second run (default 2)", "ms", "2"});
    parser.addOption({"simulator", "simulator executable", "path", QSW_SIM_PATH});
    parser.process(app);
    try {
        QTemporaryDir bootCounterDir;
        CreateGlobalSession(bootCounterDir.path().toStdString());
        CompareWalks(parser.value("simulator"), parser.value("rows"), 0);
        // A GETNEXT walk waits out the delay once per row: fewer rows keep the run short.
        CompareWalks(parser.value("simulator"), parser.value("delay-rows"), parser.value("delay").toInt());
        return 0;
    } catch (const CodedError &e) {
        std::fprintf(stderr, "walk failed: %s (%d)\n", e.message().c_str(), e.code());
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
