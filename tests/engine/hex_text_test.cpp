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

}  // namespace
