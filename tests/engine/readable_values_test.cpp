// The forms windows show values in: speeds with their unit, counters grouped, port lists as ranges.
#include "engine/descriptor.h"
#include "engine/readable_values.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadableValues, SpeedsCarryTheirUnitBesideTheNumber) {
    const std::uint64_t bits = InterfaceSpeedUnit("1.3.6.1.2.1.2.2.1.5");
    const std::uint64_t megabits = InterfaceSpeedUnit("1.3.6.1.2.1.31.1.1.1.15");
    EXPECT_EQ(InterfaceSpeedUnit("1.3.6.1.2.1.2.2.1.4"), 0u);
    const struct {
        const char *value;
        std::uint64_t unit;
        const char *shown;  // nullptr: no count, shown as it is
    } cases[] = {
        {"1000000000", bits, "1000000000 (1 Gb/s)"},
        {"100000000", bits, "100000000 (100 Mb/s)"},
        {"2500000000", bits, "2500000000 (2.5 Gb/s)"},
        {"10000", megabits, "10000 (10 Gb/s)"},
        {"64000", bits, "64000 (64 kb/s)"},
        {"0", bits, "0"},
        {"", bits, nullptr},
        {"fast", bits, nullptr},
        {"-5", bits, nullptr},
    };
    for (const auto &c : cases) {
        const auto shown = BitRateText(c.value, c.unit);
        if (c.shown == nullptr)
            EXPECT_FALSE(shown.has_value()) << c.value;
        else
            EXPECT_EQ(shown.value_or("(none)"), c.shown) << c.value;
    }
}

TEST(ReadableValues, CountersAreGroupedInThousands) {
    EXPECT_EQ(GroupedText("0").value_or(""), "0");
    EXPECT_EQ(GroupedText("999").value_or(""), "999");
    EXPECT_EQ(GroupedText("1000").value_or(""), "1,000");
    EXPECT_EQ(GroupedText("18446744073709551615").value_or(""), "18,446,744,073,709,551,615");
    EXPECT_FALSE(GroupedText("").has_value());
    EXPECT_FALSE(GroupedText("12a").has_value());
    EXPECT_TRUE(IsCounterSyntax(syntax::Counter64));
    EXPECT_FALSE(IsCounterSyntax(syntax::Gauge));
}

TEST(ReadableValues, PortListHexReadsAsRanges) {
    EXPECT_EQ(PortListText("F0000000000090", 52).value_or(""), "1-4,49,52");
    EXPECT_EQ(PortListText("00000000000000", 52).value_or(""), "none");
    EXPECT_FALSE(PortListText("", 52).has_value());
    EXPECT_FALSE(PortListText("(NULL)", 52).has_value());
}

}  // namespace
