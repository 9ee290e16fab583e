// The table editors' rules without widgets: the IPv4 address check, the IP interface rules, and
// each editor's own checks, in the order their messages come.
#include "windows/logic/bootp_relay_table.h"
#include "windows/logic/ip_ctrl_table.h"
#include "windows/logic/ipv4_address.h"
#include "windows/logic/md5_key_table.h"
#include "windows/logic/member_switch_table.h"
#include "windows/logic/route_redistribution_table.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace {

using row_table::Rows;

TEST(Ipv4AddressCheck, TakesHostAddressesOfTheUsualClassesOnly) {
    struct Case {
        const char *text;
        bool valid;
    };
    const Case cases[] = {
        {"10.1.2.3", true},        {"192.168.0.1", true},    {"250.1.1.1", true},   {"010.1.2.3", true},
        {"1.2.3.255", true},       {"0.1.2.3", true},        {"0.0.0.0", false},    {"255.255.255.255", false},
        {"127.0.0.1", false},      {"224.0.0.5", false},     {"239.255.1.1", false}, {"240.1.1.1", false},
        {"247.1.1.1", false},      {"10.1.2", false},        {"10.1.2.3.4", false}, {"10..2.3", false},
        {"10.1.2.", false},        {"256.1.1.1", false},     {"10.1.2.3 ", false},  {"a.b.c.d", false},
        {"", false},               {"0010.0001.0002.003", false} /* 18 characters */,
    };
    for (const Case &c : cases) EXPECT_EQ(IsValidIpAddress(c.text), c.valid) << c.text;
}

// The listed interfaces: the system interface, a VLAN with a primary only, one with both.
const Rows kInterfaces = {
    {"10.90.90.90", "1", "System", "255.0.0.0", "default", "manual", "false", "active", "up", "disabled"},
    {"10.1.2.1", "2", "lab", "255.255.255.0", "v20", "manual", "false", "active", "up", "enabled"},
    {"192.168.10.1", "3", "mgmt", "255.255.255.0", "v10", "manual", "false", "active", "up", "disabled"},
    {"192.168.11.1", "4", "mgmt2", "255.255.255.0", "v10", "manual", "true", "active", "down", "disabled"},
};

TEST(IpInterfaceRules, NetworksAreComparedUnderEachRowsOwnMask) {
    EXPECT_EQ(ip_ctrl::NetworkOf("10.1.2.3", "255.255.255.0"), "10.1.2.0");
    EXPECT_EQ(ip_ctrl::NetworkOf("010.1.2.3", "255.255.0.0"), "10.1.0.0");
    EXPECT_EQ(ip_ctrl::NetworkOf("172.16.5.9", "255.0.0.0"), "172.0.0.0");
    EXPECT_EQ(ip_ctrl::NetworkOf("172.16.5.9", "255.255.255.128"), "172.16.5.9");
    EXPECT_EQ(ip_ctrl::NetworkOf("nonsense", "255.0.0.0"), "");
}

TEST(IpInterfaceRules, AnAddIsRefusedByTheFirstRuleItBreaks) {
    using ip_ctrl::NewInterface;
    const char *const kHostMessage = "The address is its subnet's own or its broadcast address: please input a host address.";
    const NewInterface good{"172.20.0.1", "7", "lab2", "255.255.0.0", "v30", "manual", "false", "up"};
    struct Case {
        const char *what;
        std::function<void(NewInterface &)> change;
        const char *message;  // nullptr: accepted
    };
    const Case cases[] = {
        {"a new primary on a new VLAN", [](NewInterface &) {}, nullptr},
        {"a secondary beside a lone primary", [](NewInterface &i) { i.vlan = "v20"; i.secondary = "true"; }, nullptr},
        {"a loopback address", [](NewInterface &i) { i.ip = "127.0.0.1"; }, "Please input valid IP Address."},
        {"a mask of 25 bits", [](NewInterface &i) { i.mask = "255.255.255.128"; }, "Please input valid Subnet Mask."},
        {"a repeated network", [](NewInterface &i) { i.ip = "10.1.2.3"; i.mask = "255.255.255.0"; },
         "There is an same interface, please modify IP or Subnet Mask!"},
        {"the next network", [](NewInterface &i) { i.ip = "192.168.12.3"; i.mask = "255.255.255.0"; }, nullptr},
        {"the same network written with zeros", [](NewInterface &i) { i.ip = "192.168.010.7"; i.mask = "255.255.255.0"; },
         "There is an same interface, please modify IP or Subnet Mask!"},
        {"no IF index: the device gives it", [](NewInterface &i) { i.ifIndex = ""; }, nullptr},
        {"the subnet's own address", [](NewInterface &i) { i.ip = "172.20.0.0"; }, kHostMessage},
        {"the subnet's broadcast address", [](NewInterface &i) { i.ip = "172.20.255.255"; }, kHostMessage},
        {"a broadcast address under a longer mask", [](NewInterface &i) { i.ip = "172.20.5.255"; i.mask = "255.255.255.0"; },
         kHostMessage},
        {"a subnet around a listed one", [](NewInterface &i) { i.ip = "192.5.5.5"; i.mask = "255.0.0.0"; },
         "There is an same interface, please modify IP or Subnet Mask!"},
        {"a subnet inside a listed one", [](NewInterface &i) { i.ip = "10.50.1.1"; i.mask = "255.255.0.0"; },
         "There is an same interface, please modify IP or Subnet Mask!"},
        {"no name", [](NewInterface &i) { i.name = ""; }, "Please input Interface Name."},
        {"a repeated name", [](NewInterface &i) { i.name = "mgmt"; }, "Please input different Interface Name."},
        {"a name differing in case", [](NewInterface &i) { i.name = "MGMT"; }, nullptr},
        {"no secondary choice", [](NewInterface &i) { i.secondary = ""; }, "Please choose Secondary."},
        {"a third interface on a VLAN", [](NewInterface &i) { i.vlan = "v10"; i.secondary = "true"; },
         "A VLAN can just create two interface."},
        {"a second primary", [](NewInterface &i) { i.vlan = "v20"; },
         "This vlan has been used to create primary interface.\nPlease choose true in Secondary"},
        {"a secondary before its primary", [](NewInterface &i) { i.secondary = "true"; },
         "You should create primary interface at first."},
        {"no mode", [](NewInterface &i) { i.mode = ""; }, "Please choose Mode"},
        {"no link state: the device reports it", [](NewInterface &i) { i.oper = ""; }, nullptr},
    };
    for (const Case &c : cases) {
        NewInterface added = good;
        c.change(added);
        const auto verdict = ip_ctrl::CheckAdd(added, kInterfaces);
        if (c.message == nullptr)
            EXPECT_FALSE(verdict) << c.what << ": " << verdict->message;
        else
            EXPECT_EQ(verdict ? verdict->message : "accepted", c.message) << c.what;
    }
}

TEST(IpInterfaceRules, SystemAndPrimariesWithASecondaryStay) {
    EXPECT_EQ(ip_ctrl::CheckDelete(kInterfaces[0], kInterfaces)->message, "The system IP interface can't be deleted.");
    EXPECT_FALSE(ip_ctrl::Deletable(kInterfaces[0]));
    EXPECT_EQ(ip_ctrl::CheckDelete(kInterfaces[2], kInterfaces)->message, "The secondary interface must be deleted first!");
    EXPECT_FALSE(ip_ctrl::CheckDelete(kInterfaces[3], kInterfaces)) << "the secondary goes first";
    EXPECT_FALSE(ip_ctrl::CheckDelete(kInterfaces[1], kInterfaces)) << "a lone primary";
    EXPECT_TRUE(ip_ctrl::Deletable(kInterfaces[1]));
}

TEST(IpInterfaceRules, AnEditNeedsAMode) {
    EXPECT_FALSE(ip_ctrl::CheckEdit({"", "", "", "", "", "bootp", "", "up"})) << "no secondary asked";
    EXPECT_EQ(ip_ctrl::CheckEdit({"", "", "", "", "", "", "", "up"})->message, "Please choose Mode");
    EXPECT_FALSE(ip_ctrl::CheckEdit({"", "", "", "", "", "dhcp", "", ""})) << "the link state is the device's";
}

TEST(TableEditorChecks, EachWindowRefusesWithItsMessageInOrder) {
    const Rows keys = {{"1", "area0key", "active"}, {"5", "backbone5", "active"}};
    const Rows servers = {{"System", "10.90.90.1", "valid"}, {"System", "10.90.90.2", "valid"},
                          {"System", "10.90.90.3", "valid"}, {"System", "10.90.90.4", "valid"},
                          {"lab", "10.1.2.254", "valid"}};
    const Rows members = {{"1", "floor2-edge"}, {"2", "floor3-edge"}};
    struct Case {
        const char *what;
        row_table::Verdict verdict;
        const char *message;  // nullptr: accepted
    };
    const Case cases[] = {
        {"md5 add", md5_key::CheckAdd({"7", "secret7", "createAndGo"}, keys), nullptr},
        {"md5 no id", md5_key::CheckAdd({"", "", "active"}, keys), "KeyID is needed."},
        {"md5 listed id", md5_key::CheckAdd({"5", "", ""}, keys), "KeyID must be different."},
        {"md5 listed id with a zero", md5_key::CheckAdd({"05", "x", "createAndGo"}, keys), "KeyID must be different."},
        {"md5 no key", md5_key::CheckAdd({"7", "", "createAndGo"}, keys), "Key is needed."},
        {"md5 blank in key", md5_key::CheckAdd({"7", "my key", "createAndGo"}, keys), "Invalid key."},
        {"md5 status", md5_key::CheckAdd({"7", "key", "active"}, keys), "Status should be createAndGo."},
        {"md5 edit", md5_key::CheckEdit({"5", "newkey", "active"}), nullptr},
        {"md5 edit blank", md5_key::CheckEdit({"5", "new key", "active"}), "Invalid key."},
        {"bootp add", bootp_relay::CheckAdd("lab", "10.1.2.253", servers), nullptr},
        {"bootp no interface", bootp_relay::CheckAdd("", "10.1.2.253", servers), "Interface Name is needed."},
        {"bootp loopback", bootp_relay::CheckAdd("lab", "127.0.0.1", servers), "Invalid Bootp Server IP Address."},
        {"bootp fifth server", bootp_relay::CheckAdd("System", "10.90.90.5", servers),
         "One Interface Can Only With Four Bootp Servers"},
        {"member add", member_switch::CheckAdd({"3", "3", "pw", "createAndGo"}, members), nullptr},
        {"member listed id first", member_switch::CheckAdd({"2", "", "", ""}, members),
         member_switch::kDuplicateMessage},
        {"member no id", member_switch::CheckAdd({"", "3", "", "createAndGo"}, members), "Member Siwitch ID is needed."},
        {"member no candidate", member_switch::CheckAdd({"3", "", "", "createAndGo"}, members),
         "Member Candidate ID is needed."},
        {"member status", member_switch::CheckAdd({"3", "3", "", "active"}, members),
         "Member Row State must be createAndGo."},
        {"rip metric 16", route_redistribution::CheckMetric("rip", "16"), nullptr},
        {"rip metric 17", route_redistribution::CheckMetric("rip", "17"), "Metric out of Bound [0..16]"},
        {"ospf metric 17", route_redistribution::CheckMetric("ospf", "17"), nullptr},
        {"ospf metric too big", route_redistribution::CheckMetric("ospf", "16777215"),
         "Metric out of Bound [0..16777214]"},
        {"empty metric", route_redistribution::CheckMetric("rip", ""), ""},
    };
    for (const Case &c : cases) {
        if (c.message == nullptr)
            EXPECT_FALSE(c.verdict) << c.what << ": " << c.verdict->message;
        else
            EXPECT_EQ(c.verdict ? c.verdict->message : "accepted", c.message) << c.what;
    }
}

TEST(RouteRedistributionRules, TheProtocolsDecideTheTypesAndTheMetricRange) {
    namespace rr = route_redistribution;
    using Enabled = std::array<bool, rr::kTypeButtons>;
    struct Case {
        const char *destination, *source, *range;
        Enabled enabled;
    };
    const Case cases[] = {
        {"rip", "ospf", "[0..16]", {true, true, false, false, true, true, true, true, true, true}},
        {"rip", "static", "[0..16]", {false, true, false, false, false, false, false, false, false, false}},
        {"rip", "local", "[0..16]", {false, true, false, false, false, false, false, false, false, false}},
        {"ospf", "rip", "[0..16777214]", {false, false, true, true, false, false, false, false, false, false}},
    };
    for (const Case &c : cases) {
        const auto rule = rr::RuleFor(c.destination, c.source);
        ASSERT_TRUE(rule) << c.destination << "/" << c.source;
        EXPECT_EQ(rule->rangeText, c.range);
        EXPECT_EQ(rule->enabled, c.enabled) << c.destination << "/" << c.source;
    }
    EXPECT_FALSE(rr::RuleFor("", "ospf"));
    EXPECT_EQ(rr::ButtonOfType("inter+E1"), 7);
    EXPECT_EQ(rr::ButtonOfType("all"), 2);
    EXPECT_EQ(rr::TypePositionOfButton(10), 8);
    EXPECT_FALSE(rr::TypePositionOfButton(1)) << "other stands for no type";
}

TEST(RouteRedistributionRules, AnEditWritesTheSelectedRowsProtocolsOrNothing) {
    namespace rr = route_redistribution;
    const row_table::Cells row = {"ospf", "rip", "all", "3", "active"};
    EXPECT_FALSE(rr::CheckEditProtocols(row, "ospf", "rip"));
    for (const auto &[source, destination] : {std::pair{"static", "rip"}, {"ospf", "ospf"}, {"", "rip"}}) {
        const row_table::Verdict verdict = rr::CheckEditProtocols(row, source, destination);
        ASSERT_TRUE(verdict) << source << "/" << destination;
        EXPECT_EQ(verdict->message, rr::kProtocolsChangedMessage);
    }
}

}  // namespace
