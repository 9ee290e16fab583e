// Start-up of the simulator: options, profiles and their errors, clean stop.
#include "net_snmp_tools.h"
#include "support/sim_runner.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

class ProfileFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString write(const QString& name, const QByteArray& text)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    }
};

TEST_F(ProfileFiles, MalformedLineStopsStartUpNamingFileAndLine)
{
    const QByteArray good = "# device\n\nobject 1.3.6.1.4.1.9.1.0 a Integer rw range=1..3 value=2\n"
                            "table 1.3.6.1.4.1.9.2.1 t status=2 create=4:1 destroy=6\n"
                            "column 1.3.6.1.4.1.9.2.1 1 idx Integer ro index\n"
                            "column 1.3.6.1.4.1.9.2.1 2 st Integer rc range=1,4,6 default=1\n";
    const QByteArray bad[] = {
        "frobnicate 1.3.6.1.4.1.9.3.0",
        "object 1.3.6.1.4.1.9.3.0 b Float ro value=1",
        "object 1.3.6.1.4.1.9.3.0 b Integer rw range=1..3 value=4",
        "object 1.3.6.1.4.1.9.3.0 b DisplayString ro value=\"open",
        "object 1.3.6.1.4.1.9.3.0 b DisplayString ro value=hex:0",
        "object 1.3.6..1.0 b Integer ro",
        "object 2.5.1.0 b Integer ro",
        "object 1.3.6.1.4.1.9.3.0 b Integer xx",
        "object 1.3.6.1.4.1.9.3.0 b Integer ro live=grow",
        "object 1.3.6.1.4.1.9.3.0 b OctetString ro live=toggle:5:1:5 value=hex:00",
        "row 1.3.6.1.4.1.9.2.1 1",
        "row 1.3.6.1.4.1.9.2.1 1 1 2",
        "row 1.3.6.1.4.1.9.2.1 1.1 1",
        "column 1.3.6.1.4.1.9.9.1 1 x Integer ro",
        "table 1.3.6.1.4.1.9.4.1 t status=2",
        "relation 1.3.6.1.4.1.9.1.0 < 2 * 1.3.6.1.4.1.9.1.0 + 1",
        "relation 1.3.6.1.4.1.9.1.0 <= 2 * 1.3.6.1.4.1.9.5.0 + 1",  // an object not declared
        "relation 1.3.6.1.4.1.9.1.0 <= 2 * 1.3.6.1.4.1.9.1.0",
    };
    for (const QByteArray& line : bad) {
        const QString path = write("bad.profile", good + line + "\n");
        ProcessOutcome outcome = SimRunner::runToExit({"--port", "0", "--profile", path});
        EXPECT_NE(outcome.exitCode, 0) << line.constData();
        EXPECT_TRUE(outcome.err.contains(path + ":7:")) << line.constData() << " -> " << outcome.err.toStdString();
    }
}

TEST_F(ProfileFiles, LaterProfilesOverlayEarlierOnes)
{
    const QString first = write("first.profile", "object 1.3.6.1.4.1.9.1.0 a Integer ro value=1\n"
                                                 "object 1.3.6.1.4.1.9.2.0 b DisplayString rw value=\"one two\"\n"
                                                 "object 1.0.1.9.0 c Integer ro value=3\n");
    const QString second = write("second.profile", "object 1.3.6.1.4.1.9.1.0 a Integer ro value=5\n");
    SimRunner sim({"--profile", first, "--profile", second});
    ToolResult r = runV2c("snmpget", sim.agent(), {"1.3.6.1.4.1.9.1.0", "1.3.6.1.4.1.9.2.0", "1.3.6.1.2.1.1.5.0"});
    EXPECT_TRUE(r.out.contains("1.3.6.1.4.1.9.1.0 = INTEGER: 5"));
    EXPECT_TRUE(r.out.contains("1.3.6.1.4.1.9.2.0 = STRING: \"one two\""));
    EXPECT_TRUE(r.out.contains("1.3.6.1.2.1.1.5.0 = STRING: \"QSW-7400\"")) << "the shipped profile stays underneath";
    ToolResult walk = runV2c("snmpwalk", sim.agent(), {"1"});
    EXPECT_TRUE(walk.out.startsWith(".1.0.1.9.0 = INTEGER: 3\n")) << "objects outside 1.3 are walked too";

    SimRunner alone({"--no-default-profile", "--profile", first});
    EXPECT_TRUE(runV2c("snmpget", alone.agent(), {"1.3.6.1.2.1.1.5.0"}).out.contains("No Such Object"));
}

TEST_F(ProfileFiles, GrowingCountersWrapAndRowsGrowAtTheirOwnRates)
{
    const QString path = write("grow.profile", "object 1.3.6.1.4.1.9.1.0 near Counter32 ro live=grow:1000 value=4294967000\n"
                                               "table 1.3.6.1.4.1.9.2.1 t\n"
                                               "column 1.3.6.1.4.1.9.2.1 1 idx Integer ro index\n"
                                               "column 1.3.6.1.4.1.9.2.1 2 frames Counter32 ro live=grow:100:400\n"
                                               "row 1.3.6.1.4.1.9.2.1 1 0\n"
                                               "row 1.3.6.1.4.1.9.2.1 3 0\n");
    SimRunner sim({"--no-default-profile", "--profile", path});
    auto read = [&] {
        ToolResult r = runV2c("snmpget", sim.agent(),
                              {"-Oqv", "1.3.6.1.4.1.9.1.0", "1.3.6.1.4.1.9.2.1.2.1", "1.3.6.1.4.1.9.2.1.2.3"});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        QList<quint64> values;
        for (const QString& line : r.lines())
            values << line.trimmed().toULongLong();
        return values;
    };
    QThread::msleep(1100);
    const QList<quint64> values = read();
    ASSERT_EQ(values.size(), 3);
    EXPECT_LT(values[0], 4294967000u) << "the counter went past 2^32 - 1 and started again";
    EXPECT_GE(values[1], 500u);
    EXPECT_GE(values[2], 1300u) << "row 3 grows 100 + 3 x 400 per second";
    EXPECT_GT(values[2], 2 * values[1]);
}

TEST_F(ProfileFiles, IndexOrderOfATableHoldsForRowsAndCreatedRows)
{
    // The index leads with a component served by no column, and is not in column-number order.
    const QString path = write("order.profile", "table 1.3.6.1.4.1.9.5.1 t status=4 create=4:1 destroy=6 index=3,1\n"
                                                "column 1.3.6.1.4.1.9.5.1 1 group IpAddress ro index\n"
                                                "column 1.3.6.1.4.1.9.5.1 2 hold Integer ro default=7\n"
                                                "column 1.3.6.1.4.1.9.5.1 3 component Integer na index\n"
                                                "column 1.3.6.1.4.1.9.5.1 4 status Integer rc range=1,4,6 default=1\n"
                                                "row 1.3.6.1.4.1.9.5.1 5.10.0.0.1 9 -\n");
    SimRunner sim({"--profile", path});
    const QString entry = "1.3.6.1.4.1.9.5.1";
    EXPECT_TRUE(runV2c("snmpget", sim.agent(), {entry + ".1.5.10.0.0.1"}).out.contains("IpAddress: 10.0.0.1"));
    ToolResult created = runV2c("snmpset", sim.agent(), {entry + ".4.7.10.0.0.2", "i", "4"}, "private");
    ASSERT_EQ(created.exitCode, 0) << created.err.toStdString();
    const QString rows = runV2c("snmpwalk", sim.agent(), {entry}).out;
    EXPECT_TRUE(rows.contains("." + entry + ".1.7.10.0.0.2 = IpAddress: 10.0.0.2")) << rows.toStdString();
    EXPECT_TRUE(rows.contains("." + entry + ".2.7.10.0.0.2 = INTEGER: 7")) << rows.toStdString();
    EXPECT_FALSE(rows.contains("." + entry + ".3.")) << "a component without a column is not served";
}

TEST(SimStartUp, BadOptionsAreRefusedWithUsage)
{
    const QStringList bad[] = {
        {"--bogus"}, {"--port"}, {"--port", "70000"}, {"--address", "localhost"}, {"--address", "10.0.0.1"}, {"--delay", "soon"},
        {"--drop-every", "0"}, {"--fill", "1.3.6.1.2.1.2.2"}, {"--user", "u:MD5:short"},
        {"--user", "u:SHA:longenough:IDEA:longenough"}, {"--stuck-walk", "x.y"}, {"--no-default-profile"},
        {"--endless", "1..3"}, {"--bulk-too-big", "-1"},
    };
    for (const QStringList& args : bad) {
        ProcessOutcome outcome = SimRunner::runToExit(args);
        EXPECT_EQ(outcome.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(outcome.err.contains("Usage: qsw7400-sim")) << args.join(' ').toStdString();
    }
}

TEST(SimStartUp, HelpDocumentsEveryOption)
{
    ProcessOutcome outcome = SimRunner::runToExit({"--help"});
    ASSERT_EQ(outcome.exitCode, 0);
    for (const char* option : {"--address", "--port", "--profile", "--no-default-profile", "--read-community",
                               "--write-community", "--user", "--fill", "--delay", "--drop-every", "--v1-echo-end",
                               "--stuck-walk", "--backwards-walk", "--endless", "--bulk-too-big", "--verbose", "--help", "16100", "md5des", "shaaes", "shaauth"})
        EXPECT_TRUE(outcome.out.contains(option)) << option;
}

TEST(SimStartUp, PortInUseIsReportedAndTermStopsCleanly)
{
    SimRunner first;
    ProcessOutcome clash = SimRunner::runToExit({"--port", QString::number(first.port())});
    EXPECT_EQ(clash.exitCode, 1);
    EXPECT_TRUE(clash.err.contains("cannot listen")) << clash.err.toStdString();
    EXPECT_EQ(first.stop(), 0);
}

} // namespace
