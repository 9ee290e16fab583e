// The counter evaluation without any window: deltas modulo 2^32, rates, peaks, the two ways a
// measurement starts, the chart's history and the typed settings.
#include "engine/coded_error.h"
#include "windows/logic/counter_evaluation.h"
#include "windows/logic/counter_history.h"
#include "windows/logic/counter_input.h"

#include <gtest/gtest.h>

namespace {

using Cells = std::vector<std::string>;

std::vector<std::string> Column(const CounterMonitor &m, std::string CounterRow::*cell) {
    std::vector<std::string> texts;
    for (const CounterRow &row : m.rows()) texts.push_back(row.*cell);
    return texts;
}

int CodeOf(const std::function<void()> &action) {
    try {
        action();
    } catch (const CodedError &e) {
        return e.code();
    }
    return 0;
}

TEST(ScalarCounters, FirstPollAfterResetShowsOnlyValuesThenDeltasRatesAndPeaks) {
    CounterMonitor m(CounterMonitor::Style::ScalarGroup, {"a", "b", "c"});
    m.Reset("10:00:00");
    EXPECT_EQ(Column(m, &CounterRow::name), (Cells{"a", "b", "c"}));
    EXPECT_EQ(Column(m, &CounterRow::peakTime), (Cells{"10:00:00", "10:00:00", "10:00:00"}));

    // Cell 0 is the row caption of the read; counter i is cell i.
    m.Evaluate({"100", "4294967290", "7", "x"}, 0, 1000, "10:00:01");
    EXPECT_TRUE(m.firstSampleTaken());
    EXPECT_EQ(Column(m, &CounterRow::value), (Cells{"100", "4294967290", "7"}));
    EXPECT_EQ(Column(m, &CounterRow::delta), (Cells{"0", "0", "0"}));
    EXPECT_EQ(Column(m, &CounterRow::peak), (Cells{"0", "0", "0"})) << "the zero start is never a peak";

    m.Evaluate({"130", "5", "7"}, 0, 1000, "10:00:02");
    EXPECT_EQ(Column(m, &CounterRow::value), (Cells{"130", "5", "7"}));
    EXPECT_EQ(Column(m, &CounterRow::delta), (Cells{"30", "11", "0"})) << "one wrap past 2^32 is the true increase";
    EXPECT_EQ(Column(m, &CounterRow::rate), (Cells{"30", "11", "0"}));
    EXPECT_EQ(Column(m, &CounterRow::peak), (Cells{"30", "11", "0"}));
    EXPECT_EQ(Column(m, &CounterRow::peakTime), (Cells{"10:00:02", "10:00:02", "10:00:00"}))
        << "a constant counter keeps the reset time";

    m.Evaluate({"140", "2147483653", "7"}, 0, 1000, "10:00:03");
    EXPECT_EQ(Column(m, &CounterRow::value)[1], "2147483653");
    EXPECT_EQ(Column(m, &CounterRow::delta), (Cells{"10", "2147483648", "0"}));
    EXPECT_EQ(Column(m, &CounterRow::peak), (Cells{"30", "2147483648", "0"})) << "a smaller increase keeps the peak";
    EXPECT_EQ(Column(m, &CounterRow::peakTime)[0], "10:00:02");
    EXPECT_EQ(m.counters()[1].peak, 2147483648u);

    m.Reset("11:00:00");
    for (const CounterState &c : m.counters()) {
        EXPECT_EQ(c.value | c.previous | c.peak | c.delta, 0u);
    }
    EXPECT_FALSE(m.firstSampleTaken());
    EXPECT_EQ(Column(m, &CounterRow::value), (Cells{"0", "0", "0"}));
    EXPECT_EQ(Column(m, &CounterRow::peakTime), (Cells{"11:00:00", "11:00:00", "11:00:00"}));
}

TEST(ScalarCounters, AReadingOfZeroBeforeAnIncreaseSetsNoPeak) {
    CounterMonitor m(CounterMonitor::Style::ScalarGroup, {"a"});
    m.Reset("t0");
    m.Evaluate({"0"}, 0, 1000, "t1");
    m.Evaluate({"500"}, 0, 1000, "t2");
    EXPECT_EQ(m.rows()[0].delta, "500");
    EXPECT_EQ(m.rows()[0].peak, "0");
    m.Evaluate({"600"}, 0, 1000, "t3");
    EXPECT_EQ(m.rows()[0].peak, "100");
    EXPECT_EQ(m.rows()[0].peakTime, "t3");
}

TEST(ScalarCounters, RateDividesByTheIntervalsWholeSecondsAndNeverByZero) {
    const struct {
        int intervalMs;
        std::uint32_t delta;
        const char *rate;
    } cases[] = {{5000, 12, "2"}, {10000, 9, "0"}, {1000, 7, "7"}, {1999, 7, "7"}, {0, 7, "7"}, {-3000, 7, "7"}};
    for (const auto &c : cases) {
        CounterMonitor m(CounterMonitor::Style::ScalarGroup, {"a"});
        m.Reset("t");
        m.Evaluate({"1000"}, 0, c.intervalMs, "t");
        m.Evaluate({std::to_string(1000 + c.delta)}, 0, c.intervalMs, "t");
        EXPECT_EQ(m.rows()[0].rate, c.rate) << c.intervalMs << " ms";
    }
}

TEST(ScalarCounters, RateAndPeakUseTheMeasuredTimeBetweenSamples) {
    // A steady 100 per second, polled every second: a skipped tick, a slow answer or a lost one
    // changes how long a sample covers, never the rate or the peak it shows.
    const struct {
        std::int64_t atMs;
        std::uint32_t value;
        const char *rate;
        const char *peak;
    } samples[] = {{0, 1000, "0", "0"},    {1000, 1100, "100", "100"}, {4000, 1400, "100", "100"},
                   {4500, 1450, "100", "100"}, {5500, 1750, "300", "300"}, {9500, 1950, "50", "300"}};
    CounterMonitor m(CounterMonitor::Style::ScalarGroup, {"a"});
    m.Reset("t");
    for (const auto &s : samples) {
        m.Evaluate({std::to_string(s.value)}, 0, 1000, "t", s.atMs);
        EXPECT_EQ(m.rows()[0].rate, s.rate) << s.atMs << " ms";
        EXPECT_EQ(m.rows()[0].peak, s.peak) << s.atMs << " ms";
    }
    // After a reset the first interval is the nominal one again.
    m.Reset("t");
    m.Evaluate({"2000"}, 0, 1000, "t", 20000);
    m.Evaluate({"2100"}, 0, 1000, "t", 21000);
    EXPECT_EQ(m.rows()[0].rate, "100");
}

TEST(ScalarCounters, ABadReadLeavesTheMeasurementUnchanged) {
    CounterMonitor m(CounterMonitor::Style::ScalarGroup, {"a", "b"});
    m.Reset("t");
    m.Evaluate({"10", "20"}, 0, 1000, "t");
    EXPECT_EQ(CodeOf([&] { m.Evaluate({"11"}, 0, 1000, "t"); }), -13);
    EXPECT_EQ(CodeOf([&] { m.Evaluate({"11", "(NULL)"}, 0, 1000, "t"); }), -519);
    EXPECT_EQ(CodeOf([&] { m.Evaluate({"11", "-4"}, 0, 1000, "t"); }), -519);
    EXPECT_EQ(m.counters()[0].value, 10u);
    EXPECT_EQ(m.counters()[1].value, 20u);
    EXPECT_EQ(CounterValue("4294967296"), 0u) << "the low 32 bits of a wider number";
    EXPECT_EQ(CounterValue("4294967301"), 5u);
}

TEST(ChosenRowCounters, RowsAppearWithTheFirstPollAndFillFromTheSecond) {
    CounterMonitor m(CounterMonitor::Style::ChosenRow, {"In", "Out"});
    m.Reset("t0");
    EXPECT_TRUE(m.rows().empty());
    EXPECT_EQ(m.pollCount(), 0);

    // Cells 0 and 1 are the row's index and description.
    m.Evaluate({"7", "Port 7", "1000", "4294967295"}, 2, 5000, "t1");
    EXPECT_EQ(m.pollCount(), 1);
    EXPECT_EQ(Column(m, &CounterRow::name), (Cells{"In", "Out"}));
    EXPECT_EQ(Column(m, &CounterRow::value), (Cells{"0", "0"}));
    EXPECT_EQ(Column(m, &CounterRow::peakTime), (Cells{"t1", "t1"}));
    EXPECT_EQ(m.counters()[0].value, 1000u);

    m.Evaluate({"7", "Port 7", "1060", "9"}, 2, 5000, "t2");
    EXPECT_EQ(m.pollCount(), 2);
    EXPECT_EQ(Column(m, &CounterRow::value), (Cells{"1060", "9"}));
    EXPECT_EQ(Column(m, &CounterRow::delta), (Cells{"60", "10"}));
    EXPECT_EQ(Column(m, &CounterRow::rate), (Cells{"12", "2"}));
    EXPECT_EQ(Column(m, &CounterRow::peak), (Cells{"60", "10"}));
    EXPECT_EQ(Column(m, &CounterRow::peakTime), (Cells{"t2", "t2"}));

    m.Reset("t3");
    EXPECT_TRUE(m.rows().empty());
    EXPECT_EQ(m.pollCount(), 0);
    EXPECT_EQ(m.counters()[0].peak, 0u);
    m.Evaluate({"8", "Port 8", "50", "50"}, 2, 5000, "t4");
    EXPECT_EQ(Column(m, &CounterRow::value), (Cells{"0", "0"})) << "a new row's first poll shows nothing";
    EXPECT_EQ(Column(m, &CounterRow::peak), (Cells{"0", "0"}));
}

TEST(CounterHistoryLines, HoldExactlyTheChosenNumberOfSamples) {
    CounterHistory h(3, 4);
    ASSERT_EQ(h.lineCount(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        ASSERT_EQ(h.line(i).size(), 4u);
        EXPECT_EQ(h.line(i).front().value, 0u);
        EXPECT_EQ(h.line(i).front().timeText, "");
    }
    for (std::uint32_t k = 1; k <= 5; ++k) h.Record({k, 10 * k, 0}, "t" + std::to_string(k));
    const std::deque<HistoryData> &first = h.line(0);
    ASSERT_EQ(first.size(), 4u);
    EXPECT_EQ(first.front().value, 2u) << "the oldest recorded sample went with the fifth";
    EXPECT_EQ(first.back().value, 5u);
    EXPECT_EQ(first.back().timeText, "t5");
    EXPECT_EQ(h.line(1).back().value, 50u);
    EXPECT_EQ(h.line(2).back().value, 0u);

    h.Rebuild(2);
    EXPECT_EQ(h.length(), 2);
    EXPECT_EQ(h.line(0).size(), 2u);
    EXPECT_EQ(h.line(0).back().timeText, "") << "a rebuilt history holds only fillers";
    h.Rebuild(0);
    h.Record({1, 1, 1}, "t");
    EXPECT_EQ(h.line(0).size(), 1u) << "a history never shrinks below one point";
}

TEST(CounterSettings, TypedIntervalsAndCountsOutsideTheirRangeAreRefused) {
    const struct {
        const char *text;
        std::optional<int> intervalMs;
        std::optional<int> length;
    } cases[] = {
        {"1", 1000, 1},
        {"5", 5000, 5},
        {" 10 ", 10000, 10},
        {"120", 120000, 120},
        {"0", std::nullopt, std::nullopt},
        {"-5", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"abc", std::nullopt, std::nullopt},
        {"1.5", std::nullopt, std::nullopt},
        {"2147483", 2147483000, std::nullopt},
        {"2147484", std::nullopt, std::nullopt},
        {"99999999999", std::nullopt, std::nullopt},
        {"10000", 10000000, 10000},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(IntervalMilliseconds(c.text), c.intervalMs) << '"' << c.text << '"';
        EXPECT_EQ(HistoryLength(c.text), c.length) << '"' << c.text << '"';
    }
    EXPECT_NE(IntervalRefusal("0").find("'0'"), std::string::npos);
    EXPECT_NE(HistoryLengthRefusal("-1").find("'-1'"), std::string::npos);
}

}  // namespace
