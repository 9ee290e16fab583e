#include "engine/date_time.h"
#include "engine/num_list.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <vector>

namespace {

struct DateFields {
    unsigned year, month, day, hour, minutes, seconds, deciSeconds;
    char direction;
    unsigned hoursFromUTC, minutesFromUTC;
};

void ExpectFields(const VdDateTime &d, const DateFields &f, const std::string &context) {
    EXPECT_EQ(d.year, f.year) << context;
    EXPECT_EQ(d.month, f.month) << context;
    EXPECT_EQ(d.day, f.day) << context;
    EXPECT_EQ(d.hour, f.hour) << context;
    EXPECT_EQ(d.minutes, f.minutes) << context;
    EXPECT_EQ(d.seconds, f.seconds) << context;
    EXPECT_EQ(d.deciSeconds, f.deciSeconds) << context;
    EXPECT_EQ(d.direction, f.direction) << context;
    EXPECT_EQ(d.hoursFromUTC, f.hoursFromUTC) << context;
    EXPECT_EQ(d.minutesFromUTC, f.minutesFromUTC) << context;
}

TEST(VdDateTime, ParsesEachTextFormAndPrintsItBack) {
    const struct {
        const char *text;
        DateFields fields;
        const char *printed;
    } cases[] = {
        {"1992-5-26,13:30:15.0", {1992, 5, 26, 13, 30, 15, 0, '+', 0, 0}, "1992-5-26,13:30:15.0"},
        {"1992-5-26,13:30:15.0,-8:0", {1992, 5, 26, 13, 30, 15, 0, '-', 8, 0}, "1992-5-26,13:30:15.0,-8:0"},
        {"2008-12-31,23:59:60.9,+5:30", {2008, 12, 31, 23, 59, 60, 9, '+', 5, 30}, "2008-12-31,23:59:60.9,+5:30"},
        {"2008-01-02,03:04:05.6,+0:0", {2008, 1, 2, 3, 4, 5, 6, '+', 0, 0}, "2008-1-2,3:4:5.6"},  // zero offsets: short form
        {" 2008- 1-2, 3:4:5.6 ", {2008, 1, 2, 3, 4, 5, 6, '+', 0, 0}, "2008-1-2,3:4:5.6"},    // blanks before numbers
        {"65535-255-255,255:255:255.255,-255:255", {65535, 255, 255, 255, 255, 255, 255, '-', 255, 255},
         "65535-255-255,255:255:255.255,-255:255"},
    };
    for (const auto &c : cases) {
        const auto parsed = VdDateTime::Parse(c.text);
        ASSERT_TRUE(parsed.has_value()) << c.text;
        ExpectFields(*parsed, c.fields, c.text);
        ExpectFields(VdDateTime(c.text), c.fields, c.text);
        EXPECT_EQ(parsed->ToText(), c.printed);
    }
}

TEST(VdDateTime, StrictParseRefusesTextsOutsideTheForms) {
    for (const char *text : {"", "hello", "1992-5-26", "1992-5-26,13:30:15", "1992/5/26,13:30:15.0",
                             "1992-5-26,13:30:15.0,+8", "1992-5-26,13:30:15.0,*8:0", "1992-5-26,13:30:15.0 x",
                             "1992-5-26,13:30:15.0,+8:0x", "65536-1-1,0:0:0.0", "1992-256-1,0:0:0.0",
                             "1992-5-26,13:30:15.0,+256:0", "1992--5-26,0:0:0.0", "99999999999999999999-1-1,0:0:0.0"})
        EXPECT_FALSE(VdDateTime::Parse(text).has_value()) << '"' << text << '"';
}

TEST(VdDateTime, LenientTextConstructorKeepsWhatItReadAndCutsToWidth) {
    const struct {
        const char *text;
        DateFields fields;
    } cases[] = {
        {"hello", {0, 0, 0, 0, 0, 0, 0, '+', 0, 0}},
        {"1992-5", {1992, 5, 0, 0, 0, 0, 0, '+', 0, 0}},
        {"1992-5-26,13:30:15.0,+8", {1992, 5, 26, 13, 30, 15, 0, '+', 0, 0}},
        {"70000-1-1,0:0:0.0", {70000 & 0xFFFF, 1, 1, 0, 0, 0, 0, '+', 0, 0}},
        {"1992-300-1,0:0:0.0", {1992, 300 & 0xFF, 1, 0, 0, 0, 0, '+', 0, 0}},
    };
    for (const auto &c : cases) ExpectFields(VdDateTime(c.text), c.fields, c.text);
}

TEST(VdDateTime, OctetsCarryTheYearInNetworkOrder) {
    const VdDateTime d("2008-5-26,13:30:15.0,-8:0");
    const std::string octets = d.ToOctets();
    EXPECT_EQ(octets, std::string("\x07\xD8\x05\x1A\x0D\x1E\x0F\x00-\x08\x00", 11));
    ExpectFields(VdDateTime::FromOctets(octets), {2008, 5, 26, 13, 30, 15, 0, '-', 8, 0}, "round trip");

    VdDateTime swapped = d;
    swapped.SwapYearOrder();
    EXPECT_EQ(swapped.year, 0xD807);
    swapped.SwapYearOrder();
    EXPECT_EQ(swapped.year, 2008);

    // A value shorter than eleven octets reads its missing octets as zero, never beyond the value.
    ExpectFields(VdDateTime::FromOctets(octets.substr(0, 8)), {2008, 5, 26, 13, 30, 15, 0, '+', 0, 0}, "short");
    ExpectFields(VdDateTime::FromOctets(""), {0, 0, 0, 0, 0, 0, 0, '+', 0, 0}, "empty");
}

TEST(VdDateTime, OffsetsPrintOnlyWithAKnownDirection) {
    VdDateTime d("2008-5-26,13:30:15.0,+2:0");
    d.direction = 'x';
    EXPECT_EQ(d.ToText(), "2008-5-26,13:30:15.0");
    d.direction = '-';
    d.hoursFromUTC = 0;
    d.minutesFromUTC = 45;
    EXPECT_EQ(d.ToText(), "2008-5-26,13:30:15.0,-0:45");
}

TEST(VdDateTime, DefaultIsTheLocalTimeNow) {
    const QDateTime before = QDateTime::currentDateTime();
    const VdDateTime d;
    const QDateTime at(QDate(d.year, d.month, d.day), QTime(d.hour, d.minutes, d.seconds));
    EXPECT_LE(std::abs(before.secsTo(at)), 2);
    ExpectFields(d, {d.year, d.month, d.day, d.hour, d.minutes, d.seconds, 0, '+', 0, 0}, "now");
}

TEST(VdNumList, ParsesDelimitedWholeNumbers) {
    const std::uint32_t max = std::numeric_limits<std::uint32_t>::max();
    const struct {
        char delimiter;
        const char *text;
        std::vector<std::uint32_t> numbers;
    } cases[] = {
        {'.', "10.1.2.3", {10, 1, 2, 3}},
        {',', "1,3,5", {1, 3, 5}},
        {',', "7", {7}},
        {',', "", {}},
        {',', ",", {0, 0}},
        {',', "1,,2,", {1, 0, 2, 0}},
        {',', "1.9,2.55", {1, 2}},      // fractions are cut off
        {',', " 1 , 2x", {1, 2}},       // other characters are ignored
        {',', "4294967295", {max}},
        {',', "4294967296,99999999999", {max, max}},  // oversized numbers stay at the maximum
        {'-', "1-2-3", {1, 2, 3}},
    };
    for (const auto &c : cases) {
        VdUIntList list;
        list.delimiter = c.delimiter;
        list.Parse(c.text);
        EXPECT_EQ(list.numbers(), c.numbers) << c.text;
        EXPECT_EQ(list.count(), static_cast<int>(c.numbers.size())) << c.text;
    }

    VdIntList signedList;
    signedList.delimiter = ',';
    signedList.Parse("2147483647,2147483648,5");
    EXPECT_EQ(signedList.numbers(), (std::vector<std::int32_t>{2147483647, 2147483647, 5}));
    signedList.Parse("");  // a new parse drops the old numbers
    EXPECT_EQ(signedList.count(), 0);
}

TEST(VdNumList, FindsNumbersAndChecksRanges) {
    VdIntList positions;
    positions.delimiter = ',';
    positions.Parse("1,3,3");
    EXPECT_EQ(positions.IndexOf(3), 1);
    EXPECT_EQ(positions.IndexOf(1), 0);
    EXPECT_EQ(positions.IndexOf(4), -1);
    EXPECT_EQ(positions[2], 3);

    VdUIntList vlans;
    vlans.delimiter = ',';
    const struct {
        const char *text;
        bool inRange;
    } cases[] = {
        {"1,4094", true}, {"", true}, {"0,5", false}, {"4095", false}, {"4294967297", false},
    };
    for (const auto &c : cases) {
        vlans.Parse(c.text);
        EXPECT_EQ(vlans.AllInRange(1, 4094), c.inRange) << c.text;
    }
}

}  // namespace
