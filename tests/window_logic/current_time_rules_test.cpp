// The names of the clock's capability bits.
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

}  // namespace
