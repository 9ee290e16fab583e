// The names of the clock's capability bits, and which clock texts may be written.
#include "windows/logic/current_time_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(ClockCapability, NamesEachBitOfTheFirstOctet) {
    const std::pair<const char *, const char *> cases[] = {
        {"F0", " systemTime,SNTP,SummerTime,realTimeClock"},
        {"60", " ,SNTP,SummerTime"},
        {"80", " systemTime"},
        {"1f", " ,realTimeClock"},
        {"0F80", " "},  // only the first octet counts
        {"X0", " "},
    };
    for (const auto &[hex, text] : cases) EXPECT_EQ(current_time::CapabilityText(hex), text) << hex;
}

TEST(ClockCapability, AnEmptyValueLeavesTheFieldAsItWas) {
    EXPECT_EQ(current_time::CapabilityText(""), std::nullopt);
}

TEST(ClockText, OnlyARealMomentMayBeWritten) {
    const std::pair<const char *, bool> cases[] = {
        {"1992-5-26,13:30:15.0", true},      {"2024-2-29,0:0:0.0", true},
        {"2000-2-29,23:59:60.9", true},      {"2025-12-31,23:59:59.9,-8:0", true},
        {"2025-13-40,25:61:61.0", false},    {"2025-2-29,12:0:0.0", false},
        {"1900-2-29,12:0:0.0", false},       {"2025-4-31,12:0:0.0", false},
        {"2025-1-1,12:0:0.15", false},       {"2025-0-10,12:0:0.0", false},
        {"2025-1-0,12:0:0.0", false},        {"2025-1-1,24:0:0.0", false},
        {"2025-1-1,12:0:0.0,+14:0", false},  {"yesterday", false},
    };
    for (const auto &[text, accepted] : cases) {
        const std::string refusal = current_time::ClockRefusal(text);
        EXPECT_EQ(refusal.empty(), accepted) << text;
        if (!accepted) EXPECT_NE(refusal.find("1992-5-26,13:30:15.0"), std::string::npos) << refusal;
    }
}

}  // namespace
