#include "shell/command_line.h"
#include "shell/decimal_number.h"
#include "shell/host_resolver.h"
#include "shell/session_parameters.h"

#include <gtest/gtest.h>

namespace {

SessionParameters Parsed(const QStringList &parameters) {
    SessionParameters p;
    EXPECT_TRUE(ParseCommandLine(parameters, p)) << parameters.join(' ').toStdString();
    return p;
}

TEST(CommandLine, VersionGatesTheSnmpV3SwitchesInParameterOrderAndIgnoredOnesAreSaid) {
    SessionParameters before;
    CommandLineNotes notes;
    ASSERT_TRUE(ParseCommandLine({"/l3", "/t1234", "/nadmin", "/v3", "plain"}, before, &notes));
    EXPECT_EQ(before.security.version, 3);
    EXPECT_EQ(before.security.securityLevel, 1);
    EXPECT_EQ(before.security.securityName, "");
    EXPECT_EQ(notes.ignored, (std::vector<std::string>{"Switch /l ignored: the SNMPv3 switches count only after /v3.",
                                                       "Switch /n ignored: the SNMPv3 switches count only after /v3.",
                                                       "Parameter \"plain\" ignored: it holds no switch."}));
    // The port is no SNMPv3 matter: it counts for every version, wherever it stands.
    EXPECT_EQ(before.device.port, 1234);
    EXPECT_EQ(notes.portSwitch, "/t1234");

    const SessionParameters after =
        Parsed({"/v3", "/l3", "/t1234", "/nadmin", "/cctx", "/dengine", "/m3", "/Aauth pass", "/Ppriv",
                "/a3", "/p2"});
    EXPECT_EQ(after.security.securityLevel, 3);
    EXPECT_EQ(after.device.port, 1234);
    EXPECT_EQ(after.security.securityName, "admin");
    EXPECT_EQ(after.scope.contextName, "ctx");
    EXPECT_EQ(after.scope.contextEngineID, "engine");
    EXPECT_EQ(after.security.securityModel, 3);
    EXPECT_EQ(after.security.authPassword, "auth pass");
    EXPECT_EQ(after.security.privPassword, "priv");
    EXPECT_EQ(after.security.authProtocol, 3);
    EXPECT_EQ(after.security.privProtocol, 2);
}

TEST(CommandLine, FirstSwitchOfTheTableFoundAnywhereDecides) {
    // "/v" is looked for before "/R", so this community parameter sets the version instead.
    const SessionParameters p = Parsed({"/Rpub/v1", "/Wsecret", "plain", "x/Rtail"});
    EXPECT_EQ(p.security.version, 1);
    EXPECT_EQ(p.security.readCommunity, "tail");
    EXPECT_EQ(p.security.writeCommunity, "secret");
}

TEST(CommandLine, HostNamesResolveToTheirDottedAddress) {
    EXPECT_EQ(Parsed({"/Ilocalhost"}).device.host, "127.0.0.1");
    EXPECT_EQ(Parsed({"/I127.0.0.1"}).device.host, "127.0.0.1");
    SessionParameters p;
    EXPECT_FALSE(ParseCommandLine({"/I"}, p));
}

TEST(CommandLine, PortsComeWithTheSwitchOrTheHostForEveryVersion) {
    const struct {
        QStringList parameters;
        const char *host;
        int port;
    } cases[] = {
        {{"/I127.0.0.1", "/t16100"}, "127.0.0.1", 16100},
        {{"/v1", "/t16100", "/I127.0.0.1"}, "127.0.0.1", 16100},
        {{"/I127.0.0.1:16100"}, "127.0.0.1", 16100},
        {{"/Ilocalhost:1161", "/v0"}, "127.0.0.1", 1161},
        {{"/I127.0.0.1:16100", "/t1700"}, "127.0.0.1", 1700},  // the later parameter wins
    };
    for (const auto &c : cases) {
        const SessionParameters p = Parsed(c.parameters);
        EXPECT_EQ(p.device.host, c.host) << c.parameters.join(' ').toStdString();
        EXPECT_EQ(p.device.port, c.port) << c.parameters.join(' ').toStdString();
    }
    EXPECT_EQ(HostParameter({"/I127.0.0.1:16100"}), "127.0.0.1");
}

TEST(CommandLine, DottedAddressesAreNeverLookedUp) {
    const NameLookup refuse = [](const std::string &name) -> std::optional<std::string> {
        ADD_FAILURE() << "the name service was asked for " << name;
        return std::nullopt;
    };
    for (const char *address : {"10.1.2.3", "127.0.0.1", "192.0.2.255"})
        EXPECT_EQ(ResolveIPv4(address, refuse), std::optional<std::string>(address));
    // Names still go to the name service.
    EXPECT_EQ(ResolveIPv4("switch-21", [](const std::string &) { return std::optional<std::string>("10.1.1.21"); }),
              std::optional<std::string>("10.1.1.21"));
}

TEST(CommandLine, BadNumbersAreRefusedWithTheirText) {
    const struct {
        QStringList parameters;
        const char *message;
    } cases[] = {
        {{"/vthree"}, "'three' is not a valid integer value: /v takes 0 (SNMPv1), 1 (SNMPv2c) or 3 (SNMPv3)"},
        {{"/v"}, "'' is not a valid integer value: /v takes 0 (SNMPv1), 1 (SNMPv2c) or 3 (SNMPv3)"},
        {{"/v256"}, "'256' is not a valid integer value: /v takes 0 (SNMPv1), 1 (SNMPv2c) or 3 (SNMPv3)"},
        {{"/v3", "/l2x"}, "'2x' is not a valid integer value: /l takes a number of at most 32 bits"},
        {{"/t70000"}, "'70000' is not a valid integer value: /t takes a port from 1 to 65535"},  // would wrap to 4464
        {{"/t0"}, "'0' is not a valid integer value: /t takes a port from 1 to 65535"},
        {{"/I127.0.0.1:0"}, "'0' is not a valid integer value: the port after the host takes a number from 1 to 65535"},
    };
    for (const auto &c : cases) {
        SessionParameters p;
        try {
            ParseCommandLine(c.parameters, p);
            ADD_FAILURE() << "accepted " << c.parameters.join(' ').toStdString();
        } catch (const NotANumber &error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

TEST(CommandLine, HostParameterIsTheLastSlashIParameter) {
    EXPECT_EQ(HostParameter({"/v1", "/Ifirst", "/I", "/Isecond", "x/Inot"}), "second");
    EXPECT_EQ(HostParameter({"/v1", "/I"}), "");
}

}  // namespace
