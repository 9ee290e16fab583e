// When a new SNMP configuration file asks the module to start again.
#include "windows/logic/snmp_configuration.h"

#include <gtest/gtest.h>

namespace {

using namespace snmp_configuration;

TEST(SnmpConfiguration, ARestartIsOfferedForAnotherVersionOrAnotherV3User) {
    struct Case {
        const char *runningVersion, *runningUser;
        int chosenVersion;
        const char *chosenUser;
        bool changed;
    };
    const Case cases[] = {
        {"0", "", kV1, "", false},
        {"0", "", kV2c, "", true},
        {"", "", kV1, "", false},  // no version counts as v1
        {"1", "", kV1, "", true},
        {"1", "", kV2c, "MD5_User", false},
        {"3", "MD5_User", kV3, "SHA_User", true},
        {"3", "MD5_User", kV3, "MD5_User", false},
        {"3", "MD5_User", kV3, "md5_user", true},  // user names are exact
        {"3", "MD5_User", kV2c, "MD5_User", true},
        {"2", "", kV3, "SHA_User", false},  // a version the module does not know
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.runningVersion) + "/" + c.runningUser + " -> " + std::to_string(c.chosenVersion) +
                     "/" + c.chosenUser);
        Choices choices;
        choices.version = c.chosenVersion;
        choices.securityName = c.chosenUser;
        EXPECT_EQ(VersionChanged(c.runningVersion, c.runningUser, choices), c.changed);
    }
}

TEST(SnmpConfiguration, OnlyV3ChoicesAreChecked) {
    Choices choices;
    choices.version = kV2c;
    choices.authProtocol = "typed";
    EXPECT_EQ(CheckChoices(choices), "");
    choices.version = kV3;
    EXPECT_EQ(CheckChoices(choices), "SecurityName is empty!");
}

}  // namespace
