// Walks a large table of the simulator through the engine, synchronously and asynchronously, and
// with net-snmp's snmpwalk on the same agent in the same run; prints the time per row of each.
#include "simulator_process.h"
#include "walk_timers.h"

#include "engine/coded_error.h"
#include "engine/descriptor.h"
#include "engine/session.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <exception>

namespace {

constexpr char kTable[] = "1.3.6.1.2.1.2.2";
constexpr char kColumn[] = "1.3.6.1.2.1.2.2.1.2";  // ifDescr: one binding per row, as snmpwalk asks
constexpr char kCommunity[] = "public";
constexpr double kTargetRatio = 1.3;

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
    std::printf("%-22s %8ld rows %10.1f ms %9.2f us/row\n", name, t.rows, t.milliseconds, t.MicrosecondsPerRow());
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"rows", "synthetic rows of ifTable (default 20000)", "n", "20000"});
    parser.addOption({"simulator", "simulator executable", "path", QSW_SIM_PATH});
    parser.process(app);
    try {
        SimulatorProcess sim(parser.value("simulator"), {"--fill", QString(kTable) + "=" + parser.value("rows")});
        QTemporaryDir bootCounterDir;
        CreateGlobalSession(bootCounterDir.path().toStdString());

        VdSNMPRequest request;
        Configure(request, sim.port());
        const WalkTiming snmpwalk = TimeSnmpwalk(sim.port(), kCommunity, kColumn);
        const WalkTiming synchronous = TimeSynchronousWalk(request);
        const WalkTiming asynchronous = TimeAsynchronousWalk(request);

        std::printf("Walk of %s (SNMPv2c, one get-next per row) on 127.0.0.1:%u\n", kColumn, sim.port());
        Print("snmpwalk", snmpwalk);
        Print("engine, synchronous", synchronous);
        Print("engine, asynchronous", asynchronous);
        const double syncRatio = synchronous.MicrosecondsPerRow() / snmpwalk.MicrosecondsPerRow();
        const double asyncRatio = asynchronous.MicrosecondsPerRow() / snmpwalk.MicrosecondsPerRow();
        std::printf("synchronous / snmpwalk  %.2f\n", syncRatio);
        std::printf("asynchronous / snmpwalk %.2f (target at most %.1f: %s)\n", asyncRatio, kTargetRatio,
                    asyncRatio <= kTargetRatio ? "met" : "not met");
        if (synchronous.rows != snmpwalk.rows || asynchronous.rows != snmpwalk.rows)
            std::printf("warning: the walks saw different row counts\n");
        return 0;
    } catch (const CodedError &e) {
        std::fprintf(stderr, "walk failed: %s (%d)\n", e.message().c_str(), e.code());
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
