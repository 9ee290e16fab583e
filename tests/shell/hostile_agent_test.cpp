// Agents that answer against the protocol's spirit: a table that never ends, values of the wrong
// type, huge strings, names that repeat or go back, tooBig to every GETBULK. The headless reader
// must end in time and within bounded memory, keep the rows it read and say what cut the read short.
// The table of outcomes is printed at the end.
#include "headless_fixture.h"

#include <QFile>

#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr char kEntry[] = "Basic Configuration>MIB II>IF Table";
constexpr char kTable[] = "1.3.6.1.2.1.2.2.1";
constexpr qint64 kEndsWithinMs = 30000;
// The largest resident size any run may reach (sanitizer overhead included); an endless table read
// without a limit passes it within seconds.
constexpr long kMemoryBoundKb = 600 * 1024;
constexpr int kIncomplete = 3;

// Columns whose types are not those the window expects (Descr, Type, Mtu, Speed, Phys Address).
const QByteArray kWrongTypes = QByteArrayLiteral(
    "table 1.3.6.1.2.1.2.2.1 ifEntry\n"
    "column 1.3.6.1.2.1.2.2.1 1 ifIndex Integer ro index\n"
    "column 1.3.6.1.2.1.2.2.1 2 ifDescr Integer ro\n"
    "column 1.3.6.1.2.1.2.2.1 3 ifType OctetString ro\n"
    "column 1.3.6.1.2.1.2.2.1 4 ifMtu ObjectId ro\n"
    "column 1.3.6.1.2.1.2.2.1 5 ifSpeed IpAddress ro\n"
    "column 1.3.6.1.2.1.2.2.1 6 ifPhysAddress Counter64 ro\n"
    "row 1.3.6.1.2.1.2.2.1 1 7 \"\\x1b[2Jclear\" 1.3.6.1 10.0.0.1 18446744073709551615\n"
    "row 1.3.6.1.2.1.2.2.1 2 -1 hex: 0.0 255.255.255.255 0\n");

// Each Descr of 30,000 octets: two fill a datagram, so the agent cuts every GETBULK answer short.
QByteArray HugeStrings() {
    QByteArray profile = "table 1.3.6.1.2.1.2.2.1 ifEntry\n"
                         "column 1.3.6.1.2.1.2.2.1 1 ifIndex Integer ro index\n"
                         "column 1.3.6.1.2.1.2.2.1 2 ifDescr OctetString ro\n";
    for (int row = 1; row <= 8; ++row)
        profile += "row 1.3.6.1.2.1.2.2.1 " + QByteArray::number(row) + " hex:" + QByteArray(2 * 30000, 'A') + "\n";
    return profile;
}

struct Cell {
    const char *agent;
    QStringList simOptions;
    QByteArray profile;        // replaces the simulator's profiles when given
    QByteArray settings;       // more "[Program Information]" lines
    QStringList options;       // after --show
    int exitCode;
    int lines;                 // printed: the header and the rows read
    const char *message;       // on standard error; nullptr: nothing
};

const Cell kCells[] = {
    {"endless table, MaxRows=300 in the .cfg", {"--endless", kTable}, {}, "MaxRows=300\n", {}, kIncomplete, 301,
     "limit of 300 rows"},
    {"endless table, --max-rows 120 over MaxRows=300", {"--endless", kTable}, {}, "MaxRows=300\n", {"--max-rows", "120"},
     kIncomplete, 121, "limit of 120 rows"},
    {"tooBig to every GETBULK", {"--bulk-too-big", "0"}, {}, {}, {}, 0, 53, nullptr},
    {"every column answers the same name again", {"--stuck-walk", "1.3.6.1.2.1.2.2"}, {}, {}, {}, kIncomplete, 2,
     "Column \"Index\" ended early: the agent answered 1.3.6.1.2.1.2.2.1.1.1 again"},
    {"Descr answers the same name again", {"--stuck-walk", "1.3.6.1.2.1.2.2.1.2"}, {}, {}, {}, kIncomplete, 53,
     "Column \"Descr\" ended early: the agent answered 1.3.6.1.2.1.2.2.1.2.1 again"},
    {"Descr goes back", {"--backwards-walk", "1.3.6.1.2.1.2.2.1.2"}, {}, {}, {}, kIncomplete, 53,
     "Column \"Descr\" ended early: the agent went back to 1.3.6.1.2.1.2.2.1.2.1 after 1.3.6.1.2.1.2.2.1.2.2"},
    {"values of the wrong type", {}, kWrongTypes, {}, {}, 0, 3, nullptr},
    {"strings of 30,000 octets", {"--max-message", "65507"}, HugeStrings(), {}, {}, 0, 9, nullptr},
};

class HostileAgent : public HeadlessTest {
protected:
    static void TearDownTestSuite() {
        std::printf("\n%-47s | %-7s | %-7s | %s\n", "agent", "ends in", "peak", "outcome of the headless read");
        for (const QString &line : rows_) std::printf("%s\n", line.toUtf8().constData());
        std::fflush(stdout);
    }

    static QStringList rows_;
};

QStringList HostileAgent::rows_;

// The largest resident size of any child this process has waited for, in KiB.
long PeakChildKb() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

QString Outcome(const ProcessOutcome &run) {
    if (run.exitCode < 0) return QStringLiteral("crashed or hung");
    QString text = QStringLiteral("exit %1: %2 lines").arg(run.exitCode).arg(run.out.count('\n'));
    const QString said = run.err.trimmed().split('\n').first();
    return said.isEmpty() ? text : text + QStringLiteral(", ") + said.left(110);
}

TEST_F(HostileAgent, EveryCaseEndsInTimeInBoundedMemoryWithItsRowsAndSaysWhatCutItShort) {
    for (const Cell &cell : kCells) {
        SCOPED_TRACE(cell.agent);
        QStringList simOptions = cell.simOptions;
        if (!cell.profile.isEmpty()) {
            const QString path = dir_.filePath(QStringLiteral("hostile.profile"));
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(cell.profile);
            file.close();
            simOptions << "--no-default-profile" << "--profile" << path;
        }
        SimRunner agent(simOptions);
        const QString module = LocalLayout("Version=1\n" + cell.settings + "AgentPort=" + QByteArray::number(agent.port()) + "\n");
        const ProcessOutcome run =
            Run(QStringList{"/I127.0.0.1", "/Rpublic", "--show", kEntry} + cell.options, module);
        const long peakKb = PeakChildKb();
        rows_ << QStringLiteral("%1 | %2 | %3 | %4")
                     .arg(QString::fromLatin1(cell.agent), -47)
                     .arg(QStringLiteral("%1 s").arg(run.elapsedMs / 1000.0, 0, 'f', 1), -7)
                     .arg(QStringLiteral("%1 MB").arg(peakKb / 1024), -7)
                     .arg(Outcome(run));

        ASSERT_GE(run.exitCode, 0) << "crashed or hung";
        EXPECT_EQ(run.exitCode, cell.exitCode) << run.err.toStdString();
        EXPECT_EQ(run.out.count('\n'), cell.lines);
        EXPECT_LT(run.elapsedMs, kEndsWithinMs);
        EXPECT_LT(peakKb, kMemoryBoundKb);
        if (cell.message == nullptr)
            EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        else
            EXPECT_TRUE(run.err.contains(QString::fromLatin1(cell.message))) << run.err.toStdString();
    }
}

}  // namespace
