#include "engine/hex_text.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

TEST(HexText, WritesTwoUpperCaseDigitsPerOctet) {
    EXPECT_EQ(ToHex("\x00\x1A"s), "001A");
    EXPECT_EQ(ToHex(""), "");
    EXPECT_EQ(ToHex("\xff\xab\x10"), "FFAB10");

    std::string all;
    for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
    const std::string hex = ToHex(all);
    EXPECT_EQ(hex.size(), 512u);
    EXPECT_EQ(FromHex(hex), all);
}

TEST(HexText, ReadsBlanksOddCountsAndStrayCharacters) {
    const struct {
        const char *text;
        std::string octets;
    } cases[] = {
        {"001A", "\x00\x1A"s},
        {"0a1B", "\x0A\x1B"s},
        {"ABC", "\x0A\xBC"s},       // odd count: the first digit alone
        {"00 1a 2B", "\x00\x1A\x2B"s},
        {" 1 ", "\x01"s},
        {"zz", "\x00"s},            // not a digit: 0
        {"G1", "\x01"s},
        {"", ""},
        {"   ", ""},
    };
    for (const auto &c : cases) EXPECT_EQ(FromHex(c.text), c.octets) << '"' << c.text << '"';
}

// Typed text: a stray character refuses the whole text instead of becoming a 0 octet; MAC addresses
// may carry the separators engineers type.
TEST(HexText, TypedTextRefusesStrayCharactersAndTakesMacSeparators) {
    const struct {
        const char *text;
        bool mac;
        std::optional<std::string> octets;
    } cases[] = {
        {"0011aaBB", false, "\x00\x11\xAA\xBB"s},
        {"00 11", false, "\x00\x11"s},
        {"ABC", false, "\x0A\xBC"s},
        {"", false, ""s},
        {"0x8100", false, std::nullopt},
        {"00:11", false, std::nullopt},
        {"G1", false, std::nullopt},
        {"00:1A:2b:33:44:55", true, "\x00\x1A\x2B\x33\x44\x55"s},
        {"00-1A-2B-33-44-55", true, "\x00\x1A\x2B\x33\x44\x55"s},
        {"001A.2B33.4455", true, "\x00\x1A\x2B\x33\x44\x55"s},
        {"0:1a:2:3:4:5", true, "\x00\x1A\x02\x03\x04\x05"s},
        {"00 1A 2B 33 44 55", true, "\x00\x1A\x2B\x33\x44\x55"s},
        {"00:1A:2B:33:44:5G", true, std::nullopt},
        {"00_1A", true, std::nullopt},
    };
    for (const auto &c : cases) EXPECT_EQ(ParseHexOctets(c.text, c.mac), c.octets) << '"' << c.text << '"';
}

}  // namespace
