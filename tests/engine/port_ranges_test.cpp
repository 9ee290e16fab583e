// Port lists read and typed as ranges of port numbers, both ways.
#include "engine/hex_text.h"
#include "engine/port_ranges.h"

#include <gtest/gtest.h>

namespace {

struct RangeCase {
    const char *hex;     // the list's octets
    const char *ranges;  // as shown
};

const RangeCase kShown[] = {
    {"00000000000000", "none"},
    {"FFFFFFFFFFFFF0", "1-52"},
    {"80000000000000", "1"},
    {"C0000000000000", "1-2"},
    {"A0000000000000", "1,3"},
    {"F0000000000090", "1-4,49,52"},
    {"00000000000010", "52"},
    {"000FFFFFFFFFF0", "13-52"},
    {"01800000000000", "8-9"},  // a range across an octet boundary
};

TEST(PortRanges, ListsReadAsRangesAndRangesTypeBackToTheSameOctets) {
    for (const RangeCase &c : kShown) {
        EXPECT_EQ(PortRangesText(FromHex(c.hex), 52), c.ranges) << c.hex;
        const PortRangesResult typed = ParsePortList(c.ranges, 52);
        ASSERT_TRUE(typed.octets.has_value()) << c.ranges << ": " << typed.error;
        EXPECT_EQ(ToHex(*typed.octets), c.hex) << c.ranges;
    }
    // Bits past the last port are no port.
    EXPECT_EQ(PortRangesText(FromHex("0000000000001F"), 52), "52");
}

struct TypedCase {
    const char *text;
    const char *hex;    // nullptr: refused
    const char *error;  // part of the refusal
};

const TypedCase kTyped[] = {
    {"", "00000000000000", ""},
    {" none ", "00000000000000", ""},
    {"4-1", nullptr, "not a port list"},
    {"1-4, 49 ,52", "F0000000000090", ""},
    {"3,3,1-3", "E0000000000000", ""},
    {"0", nullptr, "\"0\" names a port outside 1-52"},
    {"53", nullptr, "\"53\" names a port outside 1-52"},
    {"50-60", nullptr, "outside 1-52"},
    {"1,,2", nullptr, "not a port list"},
    {"1-", nullptr, "not a port list"},
    {"-3", nullptr, "not a port list"},
    {"1;2", nullptr, "not a port list"},
    {"ports 1", nullptr, "not a port list"},
    {"99999999999999999999", nullptr, "outside 1-52"},
    {"000FFFFFFFFFF0", "000FFFFFFFFFF0", ""},  // the hex of the whole list
    {"000fffffffffF0", "000FFFFFFFFFF0", ""},
    {"12", "00100000000000", ""},              // short: a port, not an octet
};

TEST(PortRanges, TypedListsAreTakenOrRefusedWithTheReason) {
    for (const TypedCase &c : kTyped) {
        const PortRangesResult got = ParsePortList(c.text, 52);
        if (c.hex == nullptr) {
            EXPECT_FALSE(got.octets.has_value()) << c.text;
            EXPECT_NE(got.error.find(c.error), std::string::npos) << c.text << ": " << got.error;
        } else {
            ASSERT_TRUE(got.octets.has_value()) << c.text << ": " << got.error;
            EXPECT_EQ(ToHex(*got.octets), c.hex) << c.text;
        }
    }
}

}  // namespace
