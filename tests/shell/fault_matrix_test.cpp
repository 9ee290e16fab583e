// Faults of the wire against the headless reader and the scripted write, on the simulator and on
// Debian's snmpd: an agent that answers late, drops requests, ends a v1 walk by echoing, dies before or in the middle of a walk, or refuses who is asking. Every cell must end in
// time, alive, with the rows or with a message naming the failure, and a refused write must write
// nothing; the tables of outcomes are printed at the end.
#include "headless_fixture.h"
#include "support/agent_runner.h"

#include <QDir>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <thread>

namespace {

constexpr char kEntry[] = "Basic Configuration>MIB II>IF Table";
// After start-up one request waits 2 s per try and is tried twice: a failure must show within
// twice that, plus the start of the process.
constexpr qint64 kRequestMs = 2 * 2000;
constexpr qint64 kStartMs = 3000;

// The agent is killed before the run starts.
constexpr int kBeforeTheRun = -1;

constexpr char kTimedOut[] = "SNMP request timed out!";
constexpr char kSnmpdAuthOnly[] =
    "Version=3\nSecurityModel=3\nSecurityLevel=1\nSecurityName=authonly\nAuthProtocol=1\n";

struct Cell {
    AgentKind agent;
    const char *fault;
    QStringList simOptions;
    QByteArray settings;       // "[Program Information]" lines; the agent's port is added
    QStringList parameters;    // after /I127.0.0.1
    const char *expected;      // nullptr: the rows are printed
    int lines = 0;             // lines printed when it succeeds: the header and the rows
    int killAfterMs = 0;       // the agent is killed this long after the start, or kBeforeTheRun
};

constexpr AgentKind kSim = AgentKind::Simulator;
constexpr AgentKind kSnmpd = AgentKind::Snmpd;

const Cell kCells[] = {
    {kSim, "answers after the time-out", {"--delay", "4500"}, "Version=1\n", {"/Rpublic"}, kTimedOut},
    {kSim, "drops every 8th request", {"--drop-every", "8"}, "Version=1\n", {"/Rpublic"}, nullptr, 53},
    {kSim, "v1 walk ended by an echo", {"--v1-echo-end"}, "Version=0\n", {"/v0", "/Rpublic"}, nullptr, 53},
    {kSim,
     "killed in the middle of a walk",
     {"--fill", "1.3.6.1.2.1.2.2=2000", "--delay", "10"},
     "Version=1\nUseGetBulk=0\n",
     {"/Rpublic"},
     kTimedOut,
     0,
     1000},
    {kSim, "wrong community", {}, "Version=1\n", {"/Rnotpublic"}, kTimedOut},
    {kSim,
     "wrong v3 pass phrase",
     {},
     "Version=3\nSecurityModel=3\nSecurityLevel=1\nSecurityName=md5des\nAuthProtocol=1\n"
     "AuthPassword=wrongpassphrase\n",
     {},
     "Authentication failure!"},
    {kSim, "unknown v3 user", {}, "Version=3\nSecurityModel=3\nSecurityLevel=0\nSecurityName=nobody\n", {}, "Unknown SecurityName!"},
    // snmpd answers at once: it is killed before the run rather than in the middle of it.
    {kSnmpd, "killed before the read", {}, "Version=1\n", {"/Rpublic"}, kTimedOut, 0, kBeforeTheRun},
    {kSnmpd, "wrong community", {}, "Version=1\n", {"/Rnotpublic"}, kTimedOut},
    {kSnmpd, "wrong v3 pass phrase", {}, QByteArray(kSnmpdAuthOnly) + "AuthPassword=wrongpassphrase\n", {}, "Authentication failure!"},
    {kSnmpd, "unknown v3 user", {}, "Version=3\nSecurityModel=3\nSecurityLevel=0\nSecurityName=nobody\n", {}, "Unknown SecurityName!"},
};

constexpr char kInformation[] = "Basic Configuration>MIB II>Information";
constexpr char kLocation[] = "1.3.6.1.2.1.1.6.0";

struct WriteCell {
    AgentKind agent;
    const char *fault;
    QStringList simOptions;
    QStringList parameters;  // after /I127.0.0.1, over SNMPv2c
    const char *expected;
    bool unanswered;         // says that the device may or may not have taken the write
    bool agentMayHaveIt;     // a late or dead agent: what it holds is not checked
    bool killBefore = false;
};

constexpr char kUnanswered[] = "The device may or may not have taken the write";

const WriteCell kWriteCells[] = {
    {kSim, "answers after the time-out", {"--delay", "4500"}, {"/Rpublic", "/Wprivate"}, kTimedOut, true, true},
    {kSim, "wrong write community", {}, {"/Rpublic", "/Wnotprivate"}, kTimedOut, true, false},
    {kSnmpd, "killed before the write", {}, {"/Rpublic", "/Wprivate"}, kTimedOut, true, true, true},
    {kSnmpd, "wrong write community", {}, {"/Rpublic", "/Wnotprivate"}, kTimedOut, true, false},
    // snmpd does answer a read-only community's write, with a refusal.
    {kSnmpd, "write with a read-only community", {}, {"/Rpublic", "/Wpublic"}, "No Access!", false, false},
};

// sysLocation as the agent holds it, read with net-snmp's own tool.
QString AgentLocation(quint16 port) {
    const ProcessOutcome run = runProcess(
        QStringLiteral("snmpget"),
        {"-v2c", "-c", "public", "-M", "/dev/null", "-Oqv", QStringLiteral("127.0.0.1:%1").arg(port), kLocation});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return run.out.trimmed();
}

class FaultMatrix : public HeadlessTest {
protected:
    static void TearDownTestSuite() {
        std::printf("\n%-9s | %-32s | %-8s | %s\n", "agent", "fault", "ends in", "outcome of the headless read");
        for (const QString &line : reads_) std::printf("%s\n", line.toUtf8().constData());
        std::printf("\n%-9s | %-32s | %-8s | %s\n", "agent", "fault", "ends in", "outcome of the scripted write");
        for (const QString &line : writes_) std::printf("%s\n", line.toUtf8().constData());
        std::fflush(stdout);
    }

    static QString Row(const AgentRunner &agent, const char *fault, const ProcessOutcome &run);

    static QStringList reads_;
    static QStringList writes_;
};

QStringList FaultMatrix::reads_;
QStringList FaultMatrix::writes_;

QString Outcome(const ProcessOutcome &run) {
    if (run.exitCode < 0) return QStringLiteral("crashed or hung");
    if (run.exitCode == 0) return QStringLiteral("exit 0: %1 lines printed").arg(run.out.count('\n'));
    return QStringLiteral("exit %1: %2").arg(run.exitCode).arg(run.err.trimmed().split('\n').first());
}

QString FaultMatrix::Row(const AgentRunner &agent, const char *fault, const ProcessOutcome &run) {
    return QStringLiteral("%1 | %2 | %3 | %4")
        .arg(QString::fromLatin1(agent.name()), -9)
        .arg(QString::fromLatin1(fault), -32)
        .arg(QStringLiteral("%1 s").arg(run.elapsedMs / 1000.0, 0, 'f', 1), -8)
        .arg(Outcome(run));
}

TEST_F(FaultMatrix, EveryFaultEndsInTimeWithTheRowsOrAMessage) {
    for (const Cell &cell : kCells) {
        AgentRunner agent(cell.agent, cell.simOptions);
        const QString port = QString::number(agent.port());
        const QString module = LocalLayout(cell.settings + "AgentPort=" + port.toLatin1() + "\n");
        QStringList arguments{QStringLiteral("/I127.0.0.1")};
        arguments << cell.parameters;
        arguments << QStringLiteral("--show") << QString::fromLatin1(kEntry);

        std::thread killer;
        if (cell.killAfterMs == kBeforeTheRun) agent.Kill();
        if (cell.killAfterMs > 0) {
            const qint64 pid = agent.processId();
            killer = std::thread([pid, after = cell.killAfterMs] {
                std::this_thread::sleep_for(std::chrono::milliseconds(after));
                ::kill(static_cast<pid_t>(pid), SIGKILL);
            });
        }
        const ProcessOutcome run = Run(arguments, module);
        if (killer.joinable()) killer.join();
        reads_ << Row(agent, cell.fault, run);

        SCOPED_TRACE(std::string(agent.name()) + ": " + cell.fault);
        ASSERT_GE(run.exitCode, 0) << "crashed or hung";
        if (cell.expected == nullptr) {
            ExpectSuccess(run);
            EXPECT_EQ(run.out.count('\n'), cell.lines);
            EXPECT_LT(run.elapsedMs, 2 * kRequestMs + kStartMs);
            continue;
        }
        ExpectFailure(run, QString::fromLatin1(cell.expected));
        EXPECT_FALSE(run.err.trimmed().isEmpty());
        EXPECT_LT(run.elapsedMs, std::max(cell.killAfterMs, 0) + 2 * kRequestMs + kStartMs);
    }
}

TEST_F(FaultMatrix, ScriptedWriteEndsInTimeWithAMessageAndARefusedOneWritesNothing) {
    for (const WriteCell &cell : kWriteCells) {
        AgentRunner agent(cell.agent, cell.simOptions);
        const QString before = cell.agentMayHaveIt ? QString() : AgentLocation(agent.port());
        if (cell.killBefore) agent.Kill();
        const QString module = LocalLayout("Version=1\nAgentPort=" + QByteArray::number(agent.port()) + "\n");
        const ProcessOutcome run = Run(QStringList{"/I127.0.0.1"} + cell.parameters +
                                           QStringList{"--set", kInformation, "Location=written by the script"},
                                       module);
        writes_ << Row(agent, cell.fault, run);

        SCOPED_TRACE(std::string(agent.name()) + ": " + cell.fault);
        ASSERT_GE(run.exitCode, 0) << "crashed or hung";
        ExpectFailure(run, QString::fromLatin1(cell.expected));
        EXPECT_EQ(run.err.contains(kUnanswered), cell.unanswered) << run.err.toStdString();
        EXPECT_LT(run.elapsedMs, 2 * kRequestMs + kStartMs);
        if (!cell.agentMayHaveIt) {
            EXPECT_EQ(AgentLocation(agent.port()), before) << "a refused write wrote nothing";
        }
    }
}

}  // namespace
