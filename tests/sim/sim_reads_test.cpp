// Reads from the simulator with net-snmp's own tools: the front panel, MIB-II, SNMPv3.
#include "net_snmp_tools.h"
#include "support/sim_runner.h"

#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kLedStatus = "1.3.6.1.4.1.171.12.11.1.9.4.1.5.1";

class SimReads : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sim = std::make_unique<SimRunner>(); }
    static void TearDownTestSuite()
    {
        EXPECT_EQ(sim->stop(), 0) << sim->errorOutput().toStdString();
        sim.reset();
    }
    static std::unique_ptr<SimRunner> sim;

    static QByteArray readLeds()
    {
        ToolResult r = runV2c("snmpget", sim->agent(), {"-Ox", kLedStatus});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        QByteArray bytes;
        const QString hex = r.out.section("Hex-STRING:", 1);
        for (const QString& pair : hex.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
            bytes.append(static_cast<char>(pair.toUInt(nullptr, 16)));
        return bytes;
    }

    // The numeric value after "TYPE: " of a single-object get.
    static quint64 readNumber(const QString& oid)
    {
        ToolResult r = runV2c("snmpget", sim->agent(), {"-Oqv", "-Ot", oid});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return r.out.trimmed().toULongLong();
    }
};

std::unique_ptr<SimRunner> SimReads::sim;

TEST_F(SimReads, FrontPanelStatusHas107BytesInTheDeviceLayout)
{
    const QByteArray leds = readLeds();
    ASSERT_EQ(leds.size(), 107);
    auto at = [&](int i) { return static_cast<unsigned char>(leds[i]); };
    EXPECT_GE(at(0), 1);
    EXPECT_LE(at(0), 3);
    EXPECT_EQ(at(1), 2);
    EXPECT_TRUE(at(2) == 3 || at(2) == 4);
    int down = 0, blinking = 0, comboAtFour = 0;
    for (int port = 1; port <= 52; ++port) {
        const unsigned link = at(2 * port + 1), speed = at(2 * port + 2);
        down += link == 1;
        blinking += (link & 0x80) != 0;
        if (port <= 48)
            EXPECT_TRUE(speed == 1 || speed == 2) << "port " << port;
        else
            EXPECT_TRUE(speed >= 1 && speed <= 4) << "port " << port;
        comboAtFour += (port == 49 || port == 50) && speed == 4;
    }
    EXPECT_GT(down, 0);
    EXPECT_GT(blinking, 0);
    EXPECT_GT(comboAtFour, 0);
}

TEST_F(SimReads, OnePortChangesItsLinkWithinSeconds)
{
    const QByteArray first = readLeds();
    ASSERT_EQ(first.size(), 107);
    QByteArray now = first;
    for (int tries = 0; tries < 25 && now == first; ++tries) {
        QThread::msleep(500);
        now = readLeds();
    }
    ASSERT_NE(now, first);
    int changedPorts = 0;
    for (int port = 1; port <= 52; ++port)
        if (now[2 * port + 1] != first[2 * port + 1]) {
            ++changedPorts;
            EXPECT_TRUE(now[2 * port + 1] == 1 || first[2 * port + 1] == 1) << "port " << port;
        }
    EXPECT_EQ(changedPorts, 1);
}

TEST_F(SimReads, WalkOfIfTableGivesEveryColumnForTheFiftyTwoPorts)
{
    ToolResult r = runV2c("snmpwalk", sim->agent(), {"1.3.6.1.2.1.2.2"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines().size(), 22 * 52);
    EXPECT_TRUE(r.out.contains(".1.3.6.1.2.1.2.2.1.1.52 = INTEGER: 52"));
    EXPECT_FALSE(r.out.contains(".1.3.6.1.2.1.2.2.1.1.53 "));
    EXPECT_TRUE(r.out.contains(".1.3.6.1.2.1.2.2.1.2.17 = STRING: \"Port 17\""));
}

TEST_F(SimReads, CountersAndUpTimeGrow)
{
    const QStringList oids{"1.3.6.1.2.1.1.3.0", "1.3.6.1.2.1.2.2.1.10.1", "1.3.6.1.2.1.31.1.1.1.6.1",
                           "1.3.6.1.2.1.11.1.0"};
    QList<quint64> before;
    for (const QString& oid : oids)
        before << readNumber(oid);
    QThread::msleep(1200);
    for (int i = 0; i < oids.size(); ++i)
        EXPECT_GT(readNumber(oids[i]), before[i]) << oids[i].toStdString();
    EXPECT_GT(readNumber("1.3.6.1.2.1.31.1.1.1.6.1"), quint64(1) << 32) << "ifHCInOctets is 64-bit";
}

TEST_F(SimReads, MibTwoGroupsAndDeviceObjectsAreServed)
{
    ToolResult r = runV2c("snmpget", sim->agent(),
                          {"1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.2.1.0", "1.3.6.1.2.1.4.3.0", "1.3.6.1.2.1.5.1.0",
                           "1.3.6.1.2.1.7.1.0", "1.3.6.1.4.1.171.11.69.4.2.1.2.3.0"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("1.3.6.1.2.1.2.1.0 = INTEGER: 52"));
    EXPECT_TRUE(r.out.contains("1.3.6.1.4.1.171.11.69.4.2.1.2.3.0 = INTEGER: 3"));
    EXPECT_FALSE(r.out.contains("No Such"));
}

TEST_F(SimReads, MissingObjectsAndInstancesAreReportedApart)
{
    ToolResult r = runV2c("snmpget", sim->agent(), {"1.3.6.1.2.1.2.2.1.2.99", "1.3.6.1.4.1.171.99.1.0"});
    EXPECT_TRUE(r.out.contains("1.3.6.1.2.1.2.2.1.2.99 = No Such Instance"));
    EXPECT_TRUE(r.out.contains("1.3.6.1.4.1.171.99.1.0 = No Such Object"));
}

struct V3Case {
    const char* name;
    QStringList security;
    bool answers;
};

TEST_F(SimReads, SnmpV3UsersAnswerWithTheirProtocolsOnly)
{
    const V3Case cases[] = {
        {"SHA/AES", {"-l", "authPriv", "-u", "shaaes", "-a", "SHA", "-A", "shaaespass", "-x", "AES", "-X", "shaaesprivpass"}, true},
        {"MD5/DES", {"-l", "authPriv", "-u", "md5des", "-a", "MD5", "-A", "md5despass", "-x", "DES", "-X", "md5desprivpass"}, true},
        {"SHA authNoPriv", {"-l", "authNoPriv", "-u", "shaauth", "-a", "SHA", "-A", "shaauthpass"}, true},
        {"wrong pass phrase", {"-l", "authNoPriv", "-u", "md5des", "-a", "MD5", "-A", "notthepass"}, false},
        {"wrong protocol", {"-l", "authNoPriv", "-u", "shaaes", "-a", "MD5", "-A", "shaaespass"}, false},
        {"privacy not configured", {"-l", "authPriv", "-u", "shaauth", "-a", "SHA", "-A", "shaauthpass", "-x", "AES", "-X", "whatever123"}, false},
        {"unknown user", {"-l", "noAuthNoPriv", "-u", "nobody"}, false},
    };
    for (const V3Case& c : cases) {
        ToolResult r = runTool("snmpget", QStringList{"-v3", "-t", "3", "-r", "0"} + c.security +
                                              QStringList{sim->agent(), "1.3.6.1.2.1.1.5.0"});
        EXPECT_EQ(r.exitCode == 0 && r.out.contains("STRING:"), c.answers) << c.name << ": " << r.err.toStdString();
    }
}

TEST_F(SimReads, WrongCommunityGetsNoAnswer)
{
    ToolResult r = runV2c("snmpget", sim->agent(), {"-t", "0.5", "-r", "0", "1.3.6.1.2.1.1.5.0"}, "wrong");
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains("Timeout")) << r.err.toStdString();
}

TEST(SimOptionsOnWire, AddedUserAndCommunitiesAreHonoured)
{
    SimRunner sim({"--user", "extra:SHA:extrapass1:DES:extrapriv1", "--read-community", "look",
                   "--write-community", "touch"});
    ToolResult v3 = runTool("snmpget", {"-v3", "-l", "authPriv", "-u", "extra", "-a", "SHA", "-A", "extrapass1", "-x",
                                        "DES", "-X", "extrapriv1", sim.agent(), "1.3.6.1.2.1.1.5.0"});
    EXPECT_EQ(v3.exitCode, 0) << v3.err.toStdString();
    EXPECT_EQ(runV2c("snmpget", sim.agent(), {"1.3.6.1.2.1.1.5.0"}, "look").exitCode, 0);
    EXPECT_EQ(runV2c("snmpset", sim.agent(), {"1.3.6.1.2.1.1.5.0", "s", "x"}, "touch").exitCode, 0);
    EXPECT_NE(runV2c("snmpget", sim.agent(), {"-t", "0.5", "-r", "0", "1.3.6.1.2.1.1.5.0"}, "public").exitCode, 0);
}

} // namespace
