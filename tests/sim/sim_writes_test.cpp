// Writes to the simulator: refusals by the protocol's rules, all-or-nothing SETs, row creation.
#include "net_snmp_tools.h"
#include "support/sim_runner.h"

#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString kSysName = "1.3.6.1.2.1.1.5.0";
const QString kSysDescr = "1.3.6.1.2.1.1.1.0";
const QString kRmonState = "1.3.6.1.4.1.171.11.69.4.2.1.2.3.0";
const QString kBinding = "1.3.6.1.4.1.171.12.23.4.1.1"; // IP-MAC binding entry, RowStatus column 3
const QString kRoute = "1.3.6.1.4.1.171.11.69.4.3.2.5.1"; // static routes, valid/invalid column 6
const QString kClock = "1.3.6.1.4.1.171.12.10.2.0";       // DateAndTime kept as a running clock
const QString kStpTimer = "1.3.6.1.4.1.171.12.15.1.";    // spanning-tree timers, kept consistent

class SimWrites : public ::testing::Test {
protected:
    SimRunner sim;

    void TearDown() override { EXPECT_EQ(sim.stop(), 0) << sim.errorOutput().toStdString(); }

    ToolResult set(const QStringList& bindings, const QString& version = "-v2c")
    {
        return runTool("snmpset", QStringList{version, "-c", "private", sim.agent()} + bindings);
    }
    QString get(const QString& oid) { return runV2c("snmpget", sim.agent(), {"-Oqv", oid}).out.trimmed(); }
    QStringList walk(const QString& oid) { return runV2c("snmpwalk", sim.agent(), {oid}).lines(); }
};

TEST_F(SimWrites, WritableObjectsKeepWhatIsWritten)
{
    ToolResult r = set({kSysName, "s", "core-7", "1.3.6.1.2.1.1.4.0", "s", "ops", kRmonState, "i", "2",
                        "1.3.6.1.4.1.171.12.1.2.6.0", "i", "3", "1.3.6.1.4.1.171.12.1.2.19.0", "i", "2",
                        "1.3.6.1.4.1.171.12.1.2.20.0", "i", "4"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(get(kSysName), "\"core-7\"");
    EXPECT_EQ(get(kRmonState), "2");
    EXPECT_EQ(get("1.3.6.1.4.1.171.12.1.2.20.0"), "4");
}

struct Refusal {
    const char* what;
    QString version;
    QStringList binding;
    const char* reason;
};

TEST_F(SimWrites, BadWritesAreRefusedWithTheMatchingError)
{
    const Refusal cases[] = {
        {"read-only, v2c", "-v2c", {kSysDescr, "s", "x"}, "notWritable"},
        {"read-only, v1", "-v1", {kSysDescr, "s", "x"}, "noSuchName"},
        {"wrong type", "-v2c", {kSysName, "i", "1"}, "wrongType"},
        {"wrong length", "-v2c", {kBinding + ".2.10.90.90.10", "x", "0011"}, "wrongLength"},
        {"outside the enumeration", "-v2c", {kRmonState, "i", "5"}, "wrongValue"},
        {"outside the enumeration, v1", "-v1", {kRmonState, "i", "5"}, "badValue"},
        {"unknown object", "-v2c", {"1.3.6.1.4.1.171.99.1.0", "i", "1"}, "notWritable"},
        {"column of a missing row", "-v2c", {kBinding + ".6.10.1.1.1", "i", "2"}, "noCreation"},
        {"createAndGo on an existing row", "-v2c", {kBinding + ".3.10.90.90.10", "i", "4"}, "inconsistentValue"},
        {"active on a missing row", "-v2c", {kBinding + ".3.10.1.1.1", "i", "1"}, "inconsistentValue"},
        {"30 February", "-v2c", {kClock, "x", "07D0021E03040500"}, "wrongValue"},
        {"day 0", "-v2c", {kClock, "x", "07D0010003040500"}, "wrongValue"},
        {"hour 24", "-v2c", {kClock, "x", "07D0010118000000"}, "wrongValue"},
        {"zone without direction", "-v2c", {kClock, "x", "07D00101030405002A0000"}, "wrongValue"},
        {"clock of 9 octets", "-v2c", {kClock, "x", "07D001010304050000"}, "wrongLength"},
        // The bridge's timers: max age 2000, hello 200, forward delay 1500 (hundredths of a second).
        {"max age beyond 2 x (forward delay - 1 s)", "-v2c", {kStpTimer + "3.0", "i", "2900"}, "inconsistentValue"},
        {"hello time too long for max age", "-v2c", {kStpTimer + "4.0", "i", "1000"}, "inconsistentValue"},
        {"forward delay too short for max age, v1", "-v1", {kStpTimer + "5.0", "i", "1000"}, "badValue"},
        {"hello time outside its range", "-v2c", {kStpTimer + "4.0", "i", "50"}, "wrongValue"},
    };
    for (const Refusal& c : cases) {
        ToolResult r = set(c.binding, c.version);
        EXPECT_NE(r.exitCode, 0) << c.what;
        EXPECT_TRUE(r.err.contains(c.reason)) << c.what << ": " << r.err.toStdString();
    }
    EXPECT_EQ(get(kSysName), "\"QSW-7400\"");
    EXPECT_EQ(get(kRmonState), "3");
}

TEST_F(SimWrites, BridgeTimersAreJudgedOnWhatTheWholeSetLeaves)
{
    // Alone, max age 3000 breaks 2 x (1500 - 100); with forward delay 1600 in the same SET it does not.
    ASSERT_NE(set({kStpTimer + "3.0", "i", "3000"}).exitCode, 0);
    ToolResult r = set({kStpTimer + "3.0", "i", "3000", kStpTimer + "5.0", "i", "1600"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(get(kStpTimer + "3.0"), "3000");
    EXPECT_EQ(get(kStpTimer + "5.0"), "1600");
}

TEST_F(SimWrites, TheClockKeepsAWrittenTimeAndMovesItOn)
{
    // 2000-12-31 23:59:59.9 +5:30 crosses into the next year within the second.
    ASSERT_EQ(set({kClock, "x", "07D00C1F173B3B092B051E"}).exitCode, 0);
    QThread::msleep(1200);
    // Printed as "07 D1 ..." with quotes.
    const QStringList octets =
        runV2c("snmpget", sim.agent(), {"-Oqvx", kClock}).out.remove('"').simplified().split(' ');
    ASSERT_EQ(octets.size(), 11) << octets.join(' ').toStdString();
    EXPECT_EQ(octets.mid(0, 6).join(' ').toStdString(), "07 D1 01 01 00 00");
    EXPECT_GE(octets[6].toInt(nullptr, 16), 1);
    EXPECT_LE(octets[6].toInt(nullptr, 16), 10);
    EXPECT_EQ(octets.mid(8, 3).join(' ').toStdString(), "2B 05 1E");
}

TEST_F(SimWrites, ReadCommunityCannotWrite)
{
    ToolResult r = runV2c("snmpset", sim.agent(), {kSysName, "s", "x"}, "public");
    EXPECT_NE(r.exitCode, 0);
    EXPECT_EQ(get(kSysName), "\"QSW-7400\"");
}

TEST_F(SimWrites, ASetWithOneBadBindingChangesNothing)
{
    for (const QStringList& bad : {QStringList{kRmonState, "i", "7"}, QStringList{kSysDescr, "s", "x"}}) {
        ToolResult r = set(QStringList{kSysName, "s", "changed", "1.3.6.1.2.1.1.6.0", "s", "moved"} + bad);
        EXPECT_NE(r.exitCode, 0);
        EXPECT_TRUE(r.err.contains("Failed object: ." + bad.front())) << r.err.toStdString();
    }
    // A row creation riding along is undone as well.
    ToolResult r = set({kBinding + ".3.10.7.7.7", "i", "4", kRmonState, "i", "9"});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_EQ(get(kSysName), "\"QSW-7400\"");
    EXPECT_EQ(get("1.3.6.1.2.1.1.6.0"), "\"lab rack 3\"");
    EXPECT_TRUE(get(kBinding + ".3.10.7.7.7").contains("No Such Instance"));
}

TEST_F(SimWrites, RowStatusCreatesWithDefaultsAndDestroys)
{
    ToolResult created = set({kBinding + ".3.10.1.2.3", "i", "4", kBinding + ".2.10.1.2.3", "x", "0A0B0C0D0E0F"});
    ASSERT_EQ(created.exitCode, 0) << created.err.toStdString();
    const QStringList row = walk(kBinding);
    EXPECT_EQ(row.filter(".10.1.2.3 ").size(), 6);
    EXPECT_TRUE(row.contains(".1.3.6.1.4.1.171.12.23.4.1.1.1.10.1.2.3 = IpAddress: 10.1.2.3"));
    EXPECT_TRUE(row.contains(".1.3.6.1.4.1.171.12.23.4.1.1.3.10.1.2.3 = INTEGER: 1")) << "createAndGo leaves it active";
    EXPECT_TRUE(row.contains(".1.3.6.1.4.1.171.12.23.4.1.1.6.10.1.2.3 = INTEGER: 1")) << "mode from the profile default";

    ToolResult table = runIpMacBindingTable(sim.agent());
    ASSERT_EQ(table.exitCode, 0) << table.err.toStdString();
    EXPECT_TRUE(table.lines().contains("10.1.2.3|10.1.2.3|\"0A 0B 0C 0D 0E 0F \"|1|\"\"|2|1")) << table.out.toStdString();
    EXPECT_EQ(table.lines().size(), 2 + 3);

    ASSERT_EQ(set({kBinding + ".3.10.1.2.3", "i", "1", kBinding + ".6.10.1.2.3", "i", "3"}).exitCode, 0);
    EXPECT_EQ(get(kBinding + ".6.10.1.2.3"), "3");

    ASSERT_EQ(set({kBinding + ".3.10.1.2.3", "i", "6"}).exitCode, 0);
    EXPECT_TRUE(walk(kBinding).filter(".10.1.2.3 ").isEmpty());
    EXPECT_EQ(set({kBinding + ".3.10.1.2.3", "i", "6"}).exitCode, 0) << "destroying a missing row is no error";

    ASSERT_EQ(set({kBinding + ".3.10.1.2.4", "i", "5"}).exitCode, 0);
    EXPECT_EQ(get(kBinding + ".3.10.1.2.4"), "2") << "createAndWait leaves it notInService";
}

TEST_F(SimWrites, ValidInvalidStatusCreatesAndRemovesRows)
{
    const QString index = ".10.0.0.0.255.0.0.0.1";
    const QStringList profileRoutes = walk(kRoute);
    ToolResult created = set({kRoute + ".6" + index, "i", "3", kRoute + ".4" + index, "a", "10.90.90.1"});
    ASSERT_EQ(created.exitCode, 0) << created.err.toStdString();
    QStringList rows = walk(kRoute);
    EXPECT_TRUE(rows.contains(".1.3.6.1.4.1.171.11.69.4.3.2.5.1.2" + index + " = IpAddress: 255.0.0.0"));
    EXPECT_TRUE(rows.contains(".1.3.6.1.4.1.171.11.69.4.3.2.5.1.5" + index + " = INTEGER: 1"));
    EXPECT_EQ(set({kRoute + ".6" + index, "i", "3"}).exitCode, 0) << "valid on a valid row stays";

    ASSERT_EQ(set({kRoute + ".6" + index, "i", "2"}).exitCode, 0);
    EXPECT_TRUE(walk(kRoute).filter(index + " ").isEmpty());
    EXPECT_EQ(walk(kRoute), profileRoutes) << "the profile's routes stay";
}

TEST_F(SimWrites, RowWithAnIndexOutsideItsColumnsIsNotCreated)
{
    ToolResult r = set({kBinding + ".3.10.1.2", "i", "4"});
    EXPECT_TRUE(r.err.contains("noCreation")) << r.err.toStdString();
    ToolResult big = set({kBinding + ".3.10.1.2.300", "i", "4"});
    EXPECT_TRUE(big.err.contains("noCreation")) << big.err.toStdString();
}

} // namespace
