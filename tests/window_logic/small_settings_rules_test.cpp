// The settings windows' logic without widgets: cipher-suite switches in one hexadecimal digit, the
// variables a default-route write carries, and when its dependent settings are locked.
#include "windows/logic/default_route_origination.h"
#include "windows/logic/ssl_cipher_suites.h"

#include <gtest/gtest.h>

namespace {

using ssl_management::Suites;

TEST(CipherSuites, TheFirstDigitOfOneOctetGivesTheSwitches) {
    struct Case {
        const char *text;
        std::optional<Suites> suites;
    };
    const Case cases[] = {
        {"A0", Suites{true, false, true, false}},
        {"0F", Suites{false, false, false, false}},  // the low digit is no switch
        {"c3", Suites{true, true, false, false}},
        {"F0", Suites{true, true, true, true}},
        {"", std::nullopt},
        {"A", std::nullopt},
        {"A0B0", std::nullopt},
        {"G0", std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ssl_management::DecodeSuites(c.text), c.suites);
    }
}

TEST(CipherSuites, TheSwitchesReplaceOnlyTheFirstDigit) {
    EXPECT_EQ(ssl_management::EncodeSuites({true, true, false, false}, "00"), "C0");
    EXPECT_EQ(ssl_management::EncodeSuites({false, false, false, true}, "A5"), "15");
    EXPECT_EQ(ssl_management::EncodeSuites({true, true, true, true}, "0b"), "FB");
    EXPECT_EQ(ssl_management::EncodeSuites({false, false, false, false}, ""), "00") << "nothing read yet";
    EXPECT_EQ(ssl_management::EncodeSuites({true, false, true, false}, "1X"), "A0") << "no digit to keep";
}

TEST(DefaultRoute, AWriteCarriesTheTickedVariablesAndNothingWhenNoneIs) {
    EXPECT_EQ(default_route::IncludedPositions({false, true, false, false}), "1");
    EXPECT_EQ(default_route::IncludedPositions({true, false, true, true}), "0,2,3");
    EXPECT_EQ(default_route::IncludedPositions({false, false, false, false}), "");
}

TEST(DefaultRoute, DisabledStateLocksTheOtherSettings) {
    EXPECT_TRUE(default_route::DependentsLocked(1, "disabled"));
    EXPECT_TRUE(default_route::DependentsLocked(-1, "disabled"));
    EXPECT_FALSE(default_route::DependentsLocked(0, "enabled"));
    EXPECT_FALSE(default_route::DependentsLocked(-1, ""));
}

}  // namespace
