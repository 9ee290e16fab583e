#include "windows/logic/port_overview.h"

#include <gtest/gtest.h>

namespace {

PortSample Port(int port, std::uint32_t inOctets, std::uint32_t outOctets, std::uint32_t inErrors) {
    PortSample p;
    p.port = port;
    p.description = "Port " + std::to_string(port);
    p.adminStatus = 1;
    p.operStatus = 1;
    p.speed = 1000000000;
    p.duplex = "full";
    p.pvid = "10";
    p.inOctets = inOctets;
    p.outOctets = outOctets;
    p.inErrors = inErrors;
    return p;
}

}  // namespace

TEST(PortOverview, RatesAndIncreasesComeFromTwoPollsAcrossACounterWrap) {
    // Ten seconds apart; port 2's in-octets pass 2^32 between the polls.
    const PortPoll earlier{1000, {Port(1, 1000, 500, 7), Port(2, 4294967000u, 0, 4294967295u)}};
    const PortPoll later{11000, {Port(1, 126000, 500, 7), Port(2, 1000, 12500000, 2)}};
    const auto rows = OverviewRows(&earlier, later);
    ASSERT_EQ(rows.size(), 2u);
    // 125000 octets in 10 s = 100000 bit/s, 0.01 % of 1 Gb/s.
    EXPECT_EQ(rows[0][kInRateColumn], "100000");
    EXPECT_EQ(rows[0][kInShareColumn], "0.01");
    EXPECT_EQ(rows[0][kOutRateColumn], "0");
    EXPECT_EQ(rows[0][kErrorsColumn], "0");
    // 296 + 1000 octets across the wrap; the error counter wrapped too: +3.
    EXPECT_EQ(rows[1][kInRateColumn], "1037");
    EXPECT_EQ(rows[1][kOutRateColumn], "10000000");
    EXPECT_EQ(rows[1][kOutShareColumn], "1.00");
    EXPECT_EQ(rows[1][kErrorsColumn], "3");
    EXPECT_EQ(rows[1][kSpeedColumn], "1000");
    EXPECT_EQ(rows[1][kAdminColumn], "up");

    // Without an earlier poll, or for a port new in the later one, rates stay empty; a port
    // without a speed has no share.
    PortSample still = Port(3, 0, 0, 0);
    still.speed = 0;
    const PortPoll withNew{21000, {Port(1, 126000, 500, 7), still}};
    const auto fresh = OverviewRows(&later, withNew);
    EXPECT_EQ(fresh[0][kInRateColumn], "0");
    EXPECT_EQ(fresh[1][kInRateColumn], "");
    EXPECT_EQ(OverviewRows(nullptr, later)[0][kInRateColumn], "");
    const PortPoll sameMoment{11000, later.ports};
    EXPECT_FALSE(ChangeBetween(later, sameMoment, 1).has_value());
}

TEST(PortOverview, HoverTextSaysWhatTheDeviceReportsAndTheIncreasesSinceThePollBefore) {
    PortSample down = Port(40, 0, 0, 0);
    down.adminStatus = 2;
    down.operStatus = 2;
    down.speed = 0;
    down.duplex.clear();
    down.pvid.clear();
    const PortPoll earlier{0, {Port(7, 0, 0, 10)}};
    PortSample seven = Port(7, 0, 0, 16);
    seven.outErrors = 1;
    seven.inDiscards = 4;
    seven.type = "1000BASE-TX";
    const PortPoll later{3000, {seven, down}};
    EXPECT_EQ(PortHoverText(7, &earlier, &later),
              "Port 7: Port 7\nAdmin up, oper up\nSpeed 1 Gb/s, full duplex (1000BASE-TX)\nPVID 10\n"
              "Errors +6 in, +1 out in 3.0 s\nDiscards +4 in, +0 out in 3.0 s");
    EXPECT_EQ(PortHoverText(40, &earlier, &later),
              "Port 40: Port 40\nAdmin down, oper down\nSpeed none reported\nPVID not reported\n"
              "Errors and discards: counted from the next reading on");
    EXPECT_EQ(PortHoverText(9, nullptr, nullptr), "Port 9\n(not read yet)");
}

TEST(PortOverview, TheDevicesRowsMakeOnePollPerInterface) {
    const TableRows interfaces = {
        {"49", "Port 49", "1000000000", "1", "1", "100", "1", "2", "200", "3", "4"},
        {"50", "Port 50", "0", "1", "2", "0", "0", "0", "0", "0", "0"},
        {"51", "short row"},
    };
    // A combo port has a row per medium; the one with a link gives its duplex.
    const TableRows info = {{"49", "1", "11", "2"}, {"49", "2", "13", "8"}, {"50", "1", "11", "2"},
                            {"50", "2", "16", "2"}};
    const TableRows pvids = {{"49", "20"}};
    const PortPoll poll = AssemblePoll(interfaces, info, pvids, 42);
    ASSERT_EQ(poll.ports.size(), 2u);
    const PortSample &p = poll.ports[0];
    EXPECT_EQ(p.port, 49);
    EXPECT_EQ(p.speed, 1000000000u);
    EXPECT_EQ(p.duplex, "full");
    EXPECT_EQ(p.type, "1000BASE-SX SFP");
    EXPECT_EQ(p.pvid, "20");
    EXPECT_EQ(p.inDiscards, 1u);
    EXPECT_EQ(p.outErrors, 4u);
    EXPECT_EQ(poll.ports[1].duplex, "");
    EXPECT_EQ(poll.ports[1].pvid, "");
    EXPECT_EQ(poll.atMs, 42);
    // Captions under the ports: one medium, only the speed they share, or nothing.
    EXPECT_EQ(PortTypeCaption(poll, 49, 50), "1000BASE");
    EXPECT_EQ(PortTypeCaption(poll, 49, 49), "1000BASE-SX SFP");
    EXPECT_EQ(PortTypeCaption(poll, 49, 51), "");
}
