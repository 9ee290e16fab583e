#include "engine/value_text.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct TicksCase {
    std::uint32_t ticks;
    const char *text;
};

TEST(TimeTicksText, PrintsTheLibraryFormAndReadsItBack) {
    const TicksCase cases[] = {
        {0, "0:00:00.00"},
        {105, "0:00:01.05"},
        {8639999, "23:59:59.99"},
        {8640000, "1 day 0:00:00.00"},
        {2 * 8640000 - 1, "1 day 23:59:59.99"},
        {27390607, "3 days, 4:05:06.07"},
        {std::numeric_limits<std::uint32_t>::max(), "497 days, 2:27:52.95"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(TimeTicksText(c.ticks), c.text);
        EXPECT_EQ(ParseTimeTicks(c.text), c.ticks) << c.text;
    }
}

TEST(TimeTicksText, ParsesVariantsAndRefusesOtherTexts) {
    const TicksCase cases[] = {
        {2 * 8640000 + 360000, "2 days 1:00:00.00"},  // comma optional
        {8640000 + 100, "  1 day, 0:00:01.00  "},
        {372300, "1:02:03"},                           // hundredths optional
        {50, "0:00:00.5"},                             // one digit after the dot is tenths
        {540000, "0:90:00.00"}   ,                       // fields are not limited to a clock's range
        {0, "12345"},                                  // a bare number reads as 0
        {0, ""},
        {0, "abc"},
        {0, "1:02"},
        {0, "1:02:03xyz"},
        {0, "1:02:03.123"},
        {0, "500 days, 0:00:00.00"},                   // beyond 32 bits
        {0, "99999999999999999999 days, 0:00:00.00"},
    };
    for (const auto &c : cases) EXPECT_EQ(ParseTimeTicks(c.text), c.ticks) << '"' << c.text << '"';
}

TEST(DoubleText, UsesFifteenSignificantDigits) {
    const struct {
        double value;
        const char *text;
    } cases[] = {
        {0.0, "0"},
        {1.5, "1.5"},
        {-2.5, "-2.5"},
        {0.1, "0.1"},
        {1.0 / 3.0, "0.333333333333333"},
        {123456789012345678.0, "1.23456789012346e+17"},
        {1e20, "1e+20"},
    };
    for (const auto &c : cases) EXPECT_EQ(DoubleText(c.value), c.text);
}

TEST(LeadingNumbers, ReadTheLeadingNumberOrZero) {
    const struct {
        const char *text;
        double value;
    } doubles[] = {
        {"3.25abc", 3.25}, {" -1e3", -1000.0}, {".5", 0.5}, {"+7", 7.0}, {"", 0.0},
        {"abc", 0.0},      {"nan", 0.0},       {"inf", 0.0}, {"1e999", 0.0},
    };
    for (const auto &c : doubles) EXPECT_EQ(LeadingDouble(c.text), c.value) << c.text;

    const struct {
        const char *text;
        std::int64_t value;
    } integers[] = {
        {"42", 42},        {" -7x", -7},       {"+5", 5},         {"", 0},
        {"x1", 0},         {"300", 300},       {"4294967295", -1}, {"4294967296", 0},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
    };
    for (const auto &c : integers) EXPECT_EQ(LeadingInteger(c.text), c.value) << c.text;
}

// Syntax 75's text depends on the locale's separators; each test fixes the locale it needs.
class LocalDateTime : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
    static void Use(QLocale::Language language, QLocale::Territory territory) {
        QLocale::setDefault(QLocale(language, territory));
    }
};

TEST_F(LocalDateTime, FormatsOnTheTwelveHourClockWithTheLocaleSeparators) {
    Use(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(LocalDateTimeText(39594.5625), "2008/05/26 01:30:00 pm");
    EXPECT_EQ(LocalDateTimeText(36526.0), "2000/01/01 12:00:00 am");
    EXPECT_EQ(LocalDateTimeText(36526.5), "2000/01/01 12:00:00 pm");
    EXPECT_EQ(LocalDateTimeText(0.0), "1899/12/30 12:00:00 am");
    EXPECT_EQ(LocalDateTimeText(36526.0 - 1e-10), "2000/01/01 12:00:00 am");  // rounds to the ms
    EXPECT_EQ(LocalDateTimeText(-1.25), "1899/12/28 06:00:00 pm");

    Use(QLocale::German, QLocale::Germany);
    EXPECT_EQ(LocalDateTimeText(39594.5625), "2008.05.26 01:30:00 pm");
    Use(QLocale::Finnish, QLocale::Finland);
    EXPECT_EQ(LocalDateTimeText(39594.5625), "2008.05.26 01.30.00 pm");
}

TEST_F(LocalDateTime, NumbersThatAreNoDateGiveAnEmptyText) {
    for (double days : {std::nan(""), std::numeric_limits<double>::infinity(), 1e300, -1e7})
        EXPECT_EQ(LocalDateTimeText(days), "") << days;
}

TEST_F(LocalDateTime, ReadsItsOwnFormBackInEveryLocale) {
    const double samples[] = {0.0, 36526.0, 36526.5, 39594.5625, 39594.999988425926, -1.25};
    for (auto [language, territory] : {std::pair{QLocale::English, QLocale::UnitedStates},
                                       std::pair{QLocale::German, QLocale::Germany},
                                       std::pair{QLocale::Finnish, QLocale::Finland}}) {
        Use(language, territory);
        for (double days : samples) {
            const auto back = LocalDateTimeNumber(LocalDateTimeText(days));
            ASSERT_TRUE(back.has_value()) << LocalDateTimeText(days);
            EXPECT_NEAR(*back, days, 1e-9) << LocalDateTimeText(days);
        }
    }
}

TEST_F(LocalDateTime, ParsesTwentyFourHourAndLocaleFormsAndRefusesTheRest) {
    Use(QLocale::English, QLocale::UnitedStates);
    const struct {
        const char *text;
        std::optional<double> days;
    } cases[] = {
        {"2008-05-26 13:30:00", 39594.5625},
        {"2008/05/26", 39594.0},
        {" 2008/5/26 1:30 PM ", 39594.5625},
        {"5/26/08 1:30 PM", 39594.5625},  // the locale's own short form
        {"2008/02/30 01:00:00 am", std::nullopt},
        {"2008/05/26 13:00:00 pm", std::nullopt},
        {"2008/05/26 00:00:00 am", std::nullopt},
        {"hello", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &c : cases) EXPECT_EQ(LocalDateTimeNumber(c.text), c.days) << '"' << c.text << '"';
    EXPECT_EQ(ParseLocalDateTime("hello"), 0.0);
}

}  // namespace
