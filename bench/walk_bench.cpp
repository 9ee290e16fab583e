// Walks a large table of the simulator through the engine with GETNEXT and with GETBULK,
// synchronously and asynchronously, and with net-snmp's snmpwalk and snmpbulkwalk (same columns,
// same bindings per request) on the same agent in the same run, without and with a delay of the
// agent: one column, then the IF Table window's columns. Prints the time per value and the ratios.
#include "simulator_process.h"
#include "walk_timers.h"

#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/entry_path.h"
#include "catalogue/model/entry_request.h"
#include "engine/coded_error.h"
#include "engine/descriptor.h"
#include "engine/session.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr char kTable[] = "1.3.6.1.2.1.2.2";
constexpr char kColumn[] = "1.3.6.1.2.1.2.2.1.2";  // ifDescr: one binding per row, as snmpwalk asks
constexpr char kEntryPath[] = "Basic Configuration>MIB II>IF Table";
constexpr char kCommunity[] = "public";
constexpr double kTargetRatio = 1.3;
constexpr double kDelayedSpeedUp = 5;

const DescriptorRecord kOneColumn[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", syntax::Integer, access_bit::Index, nullptr},
    {kColumn, "ifDescr", syntax::DisplayString, access_bit::Readable, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

// What is walked: one column, or every column of the IF Table window (the engine asks them all in
// one request, net-snmp's walk tools one column after the other).
struct Walked {
    const char *name;
    const DescriptorRecord *records;  // nullptr: the IF Table window's own
    bool withSnmpwalk;                // snmpwalk of many columns waits out the delay once per value
};

void Configure(VdSNMPRequest &request, std::uint16_t port, const Walked &walked) {
    request.device.host = "127.0.0.1";
    request.device.port = port;
    request.security.version = 1;
    request.security.readCommunity = kCommunity;
    request.timeout = 200;
    if (walked.records != nullptr) {
        request.list = VdSNMPVarList(walked.records, VdSNMPVarList::Table, 1);
        return;
    }
    const FoundEntry found = FindEntryByPath(MenuCatalogue::Instance(), kEntryPath);
    if (found.entry == nullptr) throw std::runtime_error(std::string("no entry ") + kEntryPath);
    PrepareEntryRequest(*found.entry, found.entry->panels.front(), request);
    request.security.version = 1;
}

std::vector<std::string> Columns(const VdSNMPRequest &request) {
    std::vector<std::string> columns;
    for (int i = 0; i < request.list.Count(); ++i)
        if (request.list.IsRequested(i)) columns.push_back(request.BaseOid(i));
    return columns;
}

// One of net-snmp's walk tools over each column in turn, timed as one.
WalkTiming TimeToolOverColumns(const QString &tool, const QStringList &options, std::uint16_t port,
                               const std::vector<std::string> &columns) {
    WalkTiming total;
    for (const std::string &column : columns) {
        const WalkTiming one = TimeNetSnmpWalk(tool, options, port, kCommunity, column);
        total.values += one.values;
        total.milliseconds += one.milliseconds;
    }
    return total;
}

void Print(const char *name, const WalkTiming &t) {
    std::printf("  %-30s %8ld values %10.1f ms %9.2f us/value\n", name, t.values, t.milliseconds,
                t.MicrosecondsPerValue());
}

double Ratio(const WalkTiming &a, const WalkTiming &b) {
    return b.MicrosecondsPerValue() > 0 ? a.MicrosecondsPerValue() / b.MicrosecondsPerValue() : 0;
}

const char *Verdict(bool met) { return met ? "met" : "not met"; }

// One agent, one table: net-snmp's tools and the engine's walks with GETNEXT and with GETBULK.
void CompareWalks(const QString &simulator, const QString &rows, int delayMs, const Walked &walked) {
    QStringList options{"--fill", QString(kTable) + "=" + rows};
    if (delayMs > 0) options << "--delay" << QString::number(delayMs);
    SimulatorProcess sim(simulator, options);
    VdSNMPRequest request;
    Configure(request, sim.port(), walked);
    const std::vector<std::string> columns = Columns(request);

    request.device.useGetBulk = false;
    const WalkTiming nextSync = TimeSynchronousWalk(request);
    const WalkTiming nextAsync = TimeAsynchronousWalk(request);
    request.device.useGetBulk = true;
    const WalkTiming bulkSync = TimeSynchronousWalk(request);
    const WalkTiming bulkAsync = TimeAsynchronousWalk(request);
    const int repetitions = request.BulkRepetitions();
    // The same bindings per request: the engine asks every column for each repetition.
    const QString bulkOption = "-Cr" + QString::number(repetitions * static_cast<int>(columns.size()));
    const WalkTiming snmpbulkwalk = TimeToolOverColumns("snmpbulkwalk", {bulkOption}, sim.port(), columns);

    std::printf("\n%s (%zu columns), %s rows, SNMPv2c, agent delay %d ms per request, max-repetitions %d\n",
                walked.name, columns.size(), rows.toLatin1().constData(), delayMs, repetitions);
    WalkTiming snmpwalk;
    if (walked.withSnmpwalk) {
        snmpwalk = TimeToolOverColumns("snmpwalk", {}, sim.port(), columns);
        Print("snmpwalk (GETNEXT)", snmpwalk);
    }
    Print(qPrintable("snmpbulkwalk " + bulkOption), snmpbulkwalk);
    Print("engine GETNEXT, synchronous", nextSync);
    Print("engine GETNEXT, asynchronous", nextAsync);
    Print("engine GETBULK, synchronous", bulkSync);
    Print("engine GETBULK, asynchronous", bulkAsync);
    if (walked.withSnmpwalk)
        std::printf("  GETNEXT sync / snmpwalk %.2f, async / snmpwalk %.2f\n", Ratio(nextSync, snmpwalk),
                    Ratio(nextAsync, snmpwalk));
    const double bulkSyncRatio = Ratio(bulkSync, snmpbulkwalk);
    const double bulkAsyncRatio = Ratio(bulkAsync, snmpbulkwalk);
    std::printf("  GETBULK sync / snmpbulkwalk %.2f, async / snmpbulkwalk %.2f per value (target at most %.1f: %s)\n",
                bulkSyncRatio, bulkAsyncRatio, kTargetRatio,
                Verdict(bulkSyncRatio <= kTargetRatio && bulkAsyncRatio <= kTargetRatio));
    const double speedUp = std::min(Ratio(nextSync, bulkSync), Ratio(nextAsync, bulkAsync));
    std::printf("  GETBULK speed-up over GETNEXT %.1fx", speedUp);
    if (delayMs > 0) std::printf(" (target at least %.0fx: %s)", kDelayedSpeedUp, Verdict(speedUp >= kDelayedSpeedUp));
    std::printf("\n");
    for (const WalkTiming *t : {&nextAsync, &bulkSync, &bulkAsync, &snmpbulkwalk})
        if (t->values != nextSync.values) std::printf("  warning: the walks saw different numbers of values\n");
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"rows", "synthetic rows of ifTable (default 20000)", "n", "20000"});
    // A GETNEXT walk waits out the delay once per row: 20,000 rows take 40 s per walk.
    parser.addOption({"delay-rows", "rows for the run with an agent delay (default 20000)", "n", "20000"});
    parser.addOption({"delay", "agent delay per request in ms for the second run (default 2)", "ms", "2"});
    parser.addOption({"simulator", "simulator executable", "path", QSW_SIM_PATH});
    parser.process(app);
    try {
        QTemporaryDir bootCounterDir;
        CreateGlobalSession(bootCounterDir.path().toStdString());
        const Walked walks[] = {{"Walk of ifDescr", kOneColumn, true},
                                {"Walk of the IF Table window's columns", nullptr, false}};
        for (const Walked &walked : walks) {
            CompareWalks(parser.value("simulator"), parser.value("rows"), 0, walked);
            CompareWalks(parser.value("simulator"), parser.value("delay-rows"), parser.value("delay").toInt(), walked);
        }
        return 0;
    } catch (const CodedError &e) {
        std::fprintf(stderr, "walk failed: %s (%d)\n", e.message().c_str(), e.code());
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
