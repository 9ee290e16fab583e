// Load and fault modes, and requests that must not upset the simulator.
#include "net_snmp_tools.h"
#include "support/sim_runner.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <random>

namespace {

const QString kSysName = "1.3.6.1.2.1.1.5.0";

ToolResult quickGet(const SimRunner& sim, const QString& timeout = "0.5")
{
    return runV2c("snmpget", sim.agent(), {"-t", timeout, "-r", "0", kSysName});
}

TEST(SimFaults, FillServesManySyntheticRows)
{
    SimRunner sim({"--fill", "1.3.6.1.2.1.2.2=3000"});
    ToolResult count = runV2c("snmpget", sim.agent(), {"-Oqv", "1.3.6.1.2.1.2.1.0"});
    EXPECT_EQ(count.out.trimmed(), "3052");
    ToolResult walk = runV2c("snmpbulkwalk", sim.agent(), {"1.3.6.1.2.1.2.2.1.1"});
    ASSERT_EQ(walk.exitCode, 0) << walk.err.toStdString();
    EXPECT_EQ(walk.lines().size(), 3052);
    EXPECT_EQ(walk.lines().last(), ".1.3.6.1.2.1.2.2.1.1.3052 = INTEGER: 3052");
}

TEST(SimFaults, DropEveryKthRequest)
{
    SimRunner sim({"--drop-every", "2"});
    int answered = 0;
    for (int i = 0; i < 4; ++i)
        answered += quickGet(sim, "1.5").exitCode == 0;
    EXPECT_EQ(answered, 2);
    EXPECT_EQ(runV2c("snmpget", sim.agent(), {"-t", "1.5", "-r", "1", kSysName}).exitCode, 0) << "a retry gets through";
}

TEST(SimFaults, DelayHoldsEveryAnswer)
{
    SimRunner sim({"--delay", "800"});
    EXPECT_NE(quickGet(sim, "0.3").exitCode, 0);
    ToolResult slow = quickGet(sim, "3");
    EXPECT_EQ(slow.exitCode, 0) << slow.err.toStdString();
    EXPECT_GE(slow.elapsedMs, 800);
}

TEST(SimFaults, StuckWalkNeverAdvancesInsideItsSubtree)
{
    SimRunner sim({"--stuck-walk", "1.3.6.1.2.1.31.1.1.1"});
    ToolResult walk = runV2c("snmpwalk", sim.agent(), {"1.3.6.1.2.1.31.1.1.1.1"});
    EXPECT_TRUE(walk.err.contains("OID not increasing")) << walk.err.toStdString();
    EXPECT_EQ(runV2c("snmpwalk", sim.agent(), {"1.3.6.1.2.1.1"}).lines().size(), 7) << "other subtrees walk normally";
    // v1 cannot carry the 64-bit counters, so the agent asks again from each answer it skips.
    ToolResult v1 = runTool("snmpgetnext", {"-v1", "-c", "public", "-t", "3", "-r", "0", sim.agent(),
                                            "1.3.6.1.2.1.31.1.1.1.6.1"});
    EXPECT_TRUE(v1.out.contains(".1.3.6.1.2.1.31.1.1.1.14.1 = INTEGER")) << v1.err.toStdString();
    EXPECT_EQ(quickGet(sim, "2").exitCode, 0);
}

// A get-next past the last row of an endless table answers the next index; one inside a
// backwards subtree goes back to its first instance once that lies before the name asked.
TEST(SimFaults, EndlessTableAndBackwardsWalk)
{
    const struct {
        QStringList options;
        QString asked;
        QString answered;
    } cases[] = {
        {{"--endless", "1.3.6.1.2.1.2.2.1"}, "1.3.6.1.2.1.2.2.1.2.52", ".1.3.6.1.2.1.2.2.1.2.53 = "},
        {{"--endless", "1.3.6.1.2.1.2.2.1"}, "1.3.6.1.2.1.2.2.1.2.1000", ".1.3.6.1.2.1.2.2.1.2.1001 = "},
        {{"--endless", "1.3.6.1.2.1.2.2.1"}, "1.3.6.1.2.1.2.2.1.1", ".1.3.6.1.2.1.2.2.1.1.1 = "},
        {{"--backwards-walk", "1.3.6.1.2.1.2.2.1.2"}, "1.3.6.1.2.1.2.2.1.2.1", ".1.3.6.1.2.1.2.2.1.2.2 = "},
        {{"--backwards-walk", "1.3.6.1.2.1.2.2.1.2"}, "1.3.6.1.2.1.2.2.1.2.7", ".1.3.6.1.2.1.2.2.1.2.1 = "},
        {{"--backwards-walk", "1.3.6.1.2.1.2.2.1.2"}, "1.3.6.1.2.1.2.2.1.3.7", ".1.3.6.1.2.1.2.2.1.3.8 = "},
    };
    for (const auto& c : cases) {
        SimRunner sim(c.options);
        ToolResult next = runV2c("snmpgetnext", sim.agent(), {c.asked});
        EXPECT_TRUE(next.out.startsWith(c.answered)) << c.asked.toStdString() << ": " << next.out.toStdString();
    }
}

TEST(SimFaults, V1GetNextPastTheEndEchoesTheRequest)
{
    SimRunner sim({"--v1-echo-end"});
    const QString last = "1.3.9.1";  // past every object the profiles define
    ToolResult r = runTool("snmpgetnext", {"-v1", "-c", "public", sim.agent(), last});
    EXPECT_TRUE(r.err.contains("noSuchName")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Failed object: ." + last)) << r.err.toStdString();
    ToolResult v2 = runV2c("snmpgetnext", sim.agent(), {last});
    EXPECT_TRUE(v2.out.contains("No more variables left in this MIB View")) << "v2c keeps endOfMibView";
}

TEST(SimFaults, GarbageDatagramsLeaveTheAgentAnswering)
{
    SimRunner sim;
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(sim.port());
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const QByteArray junk[] = {
        QByteArray(),
        QByteArray("\x30\x82\xff\xff", 4),                                            // length past the end
        QByteArray("\x30\x05\x02\x01\x01\x04\x00", 7),                                // truncated message
        QByteArray("\x30\x0c\x02\x01\x01\x04\x06public\xa0\x00", 14),                 // empty PDU
        QByteArray(1400, '\xa5'),
    };
    auto send = [&](const QByteArray& datagram) {
        sendto(fd, datagram.constData(), static_cast<size_t>(datagram.size()), 0, reinterpret_cast<sockaddr*>(&to),
               sizeof to);
    };
    for (const QByteArray& datagram : junk)
        send(datagram);
    // A well-formed v1 get-next of sysDescr with a few octets changed at random, many times over.
    const QByteArray valid = QByteArray::fromHex("302902010004067075626c6963a11c02046d24a803020100020100"
                                                 "300e300c06082b060102010101000500");
    std::mt19937 random(7400);
    for (int round = 0; round < 400; ++round) {
        QByteArray mutated = valid;
        for (int changes = 1 + static_cast<int>(random() % 3); changes > 0; --changes)
            mutated[static_cast<int>(random() % mutated.size())] = static_cast<char>(random() % 256);
        send(mutated);
    }
    close(fd);
    // A v2c set with odd syntaxes and a bulk request past the end.
    runV2c("snmpset", sim.agent(), {kSysName, "n", "", "1.3.6.1.2.1.1.6.0", "o", "1.3"}, "private");
    runV2c("snmpbulkget", sim.agent(), {"-Cr200", "1.3.6.1.4.1.171.12.23"});
    EXPECT_EQ(quickGet(sim, "2").exitCode, 0);
    EXPECT_EQ(sim.stop(), 0) << sim.errorOutput().toStdString();
}

} // namespace
