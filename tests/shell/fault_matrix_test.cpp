// Faults of the wire against the headless reader: an agent that answers late, drops requests,
// walks in a circle, ends a v1 walk by echoing, dies in the middle of a walk, or refuses who is
// asking. Every cell must end in time, alive, with the rows or with a message naming the failure;
// the table of outcomes is printed at the end.
#include "headless_fixture.h"

#include <QDir>

#include <csignal>
#include <cstdio>
#include <thread>

namespace {

constexpr char kEntry[] = "Basic Configuration>MIB II>IF Table";
// After start-up one request waits 2 s per try and is tried twice: a failure must show within
// twice that, plus the start of the process.
constexpr qint64 kRequestMs = 2 * 2000;
constexpr qint64 kStartMs = 3000;

struct Cell {
    const char *fault;
    QStringList simOptions;
    QByteArray settings;       // "[Program Information]" lines; the agent's port is added
    QStringList parameters;    // after /I127.0.0.1
    const char *expected;      // nullptr: the rows are printed
    int lines = 0;             // lines printed when it succeeds: the header and the rows
    int killAfterMs = 0;       // the agent is killed this long after the start
};

const Cell kCells[] = {
    {"answers after the time-out", {"--delay", "4500"}, "Version=1\n", {"/Rpublic"}, "SNMP request timed out!"},
    {"drops every 8th request", {"--drop-every", "8"}, "Version=1\n", {"/Rpublic"}, nullptr, 53},
    {"walk that does not advance", {"--stuck-walk", "1.3.6.1.2.1.2.2"}, "Version=1\n", {"/Rpublic"}, nullptr, 2},
    {"v1 walk ended by an echo", {"--v1-echo-end"}, "Version=0\n", {"/v0", "/Rpublic"}, nullptr, 53},
    {"killed in the middle of a walk",
     {"--fill", "1.3.6.1.2.1.2.2=2000", "--delay", "10"},
     "Version=1\nUseGetBulk=0\n",
     {"/Rpublic"},
     "SNMP request timed out!",
     0,
     1000},
    {"wrong community", {}, "Version=1\n", {"/Rnotpublic"}, "SNMP request timed out!"},
    {"wrong v3 pass phrase",
     {},
     "Version=3\nSecurityModel=3\nSecurityLevel=1\nSecurityName=md5des\nAuthProtocol=1\n"
     "AuthPassword=wrongpassphrase\n",
     {},
     "Authentication failure!"},
    {"unknown v3 user", {}, "Version=3\nSecurityModel=3\nSecurityLevel=0\nSecurityName=nobody\n", {}, "Unknown SecurityName!"},
};

class FaultMatrix : public HeadlessTest {
protected:
    static void TearDownTestSuite() {
        std::printf("\n%-32s | %-8s | %s\n", "fault", "ends in", "outcome of the headless read");
        for (const QString &line : table_) std::printf("%s\n", line.toUtf8().constData());
        std::fflush(stdout);
    }
    static QStringList table_;
};

QStringList FaultMatrix::table_;

QString Outcome(const ProcessOutcome &run) {
    if (run.exitCode < 0) return QStringLiteral("crashed or hung");
    if (run.exitCode == 0) return QStringLiteral("rows printed (%1 lines)").arg(run.out.count('\n'));
    return QStringLiteral("exit %1: %2").arg(run.exitCode).arg(run.err.trimmed().split('\n').first());
}

TEST_F(FaultMatrix, EveryFaultEndsInTimeWithTheRowsOrAMessage) {
    for (const Cell &cell : kCells) {
        SimRunner agent(cell.simOptions);
        const QString port = QString::number(agent.port());
        const QString module = LocalLayout(cell.settings + "AgentPort=" + port.toLatin1() + "\n");
        QStringList arguments{QStringLiteral("/I127.0.0.1")};
        arguments << cell.parameters;
        arguments << QStringLiteral("--show") << QString::fromLatin1(kEntry);

        std::thread killer;
        if (cell.killAfterMs > 0) {
            const qint64 pid = agent.processId();
            killer = std::thread([pid, after = cell.killAfterMs] {
                std::this_thread::sleep_for(std::chrono::milliseconds(after));
                ::kill(static_cast<pid_t>(pid), SIGKILL);
            });
        }
        const ProcessOutcome run = Run(arguments, module);
        if (killer.joinable()) killer.join();
        table_ << QStringLiteral("%1 | %2 | %3")
                      .arg(QString::fromLatin1(cell.fault), -32)
                      .arg(QStringLiteral("%1 s").arg(run.elapsedMs / 1000.0, 0, 'f', 1), -8)
                      .arg(Outcome(run));

        SCOPED_TRACE(cell.fault);
        ASSERT_GE(run.exitCode, 0) << "crashed or hung";
        if (cell.expected == nullptr) {
            ExpectSuccess(run);
            EXPECT_EQ(run.out.count('\n'), cell.lines);
            EXPECT_LT(run.elapsedMs, 2 * kRequestMs + kStartMs);
            continue;
        }
        ExpectFailure(run, QString::fromLatin1(cell.expected));
        EXPECT_FALSE(run.err.trimmed().isEmpty());
        EXPECT_LT(run.elapsedMs, cell.killAfterMs + 2 * kRequestMs + kStartMs);
    }
}

}  // namespace
