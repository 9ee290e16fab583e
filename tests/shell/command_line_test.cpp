#include "shell/command_line.h"
#include "shell/decimal_number.h"
#include "shell/session_parameters.h"

#include <gtest/gtest.h>

namespace {

SessionParameters Parsed(const QStringList &parameters) {
    SessionParameters p;
    EXPECT_TRUE(ParseCommandLine(parameters, p)) << parameters.join(' ').toStdString();
    return p;
}

TEST(CommandLine, VersionGatesTheSnmpV3SwitchesInParameterOrder) {
    const SessionParameters before = Parsed({"/l3", "/t1234", "/nadmin", "/v3"});
    EXPECT_EQ(before.security.version, 3);
    EXPECT_EQ(before.security.securityLevel, 1);
    EXPECT_EQ(before.device.port, 161);
    EXPECT_EQ(before.security.securityName, "");

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

TEST(CommandLine, BadNumbersAreRefusedWithTheirText) {
    const struct {
        QStringList parameters;
        const char *message;
    } cases[] = {
        {{"/vthree"}, "'three' is not a valid integer value"},
        {{"/v"}, "'' is not a valid integer value"},
        {{"/v3", "/l2x"}, "'2x' is not a valid integer value"},
        {{"/v3", "/t70000"}, "'70000' is not a valid integer value"},  // would wrap to port 4464
        {{"/v3", "/t0"}, "'0' is not a valid integer value"},
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
