#include "windows/logic/counter_evaluation.h"

#include "engine/messages.h"
#include "engine/coded_error.h"
#include "engine/number_text.h"

#include <algorithm>

std::uint32_t CounterValue(const std::string &text) {
    const std::optional<std::uint64_t> number = ParseUnsigned64(text);
    if (!number) throw messages::FrameworkError(19);
    return static_cast<std::uint32_t>(*number);
}

CounterMonitor::CounterMonitor(Style style, std::vector<std::string> names) : style_(style) {
    for (std::string &name : names) counters_.push_back({0, 0, 0, 0, std::move(name)});
}

void CounterMonitor::ZeroCounters() {
    for (CounterState &c : counters_) c.value = c.previous = c.peak = c.delta = 0;
}

void CounterMonitor::FillRows(const std::string &timeText) {
    rows_.clear();
    for (const CounterState &c : counters_) rows_.push_back({c.name, "0", "0", "0", "0", timeText});
}

void CounterMonitor::Reset(const std::string &timeText) {
    ZeroCounters();
    firstSampleTaken_ = false;
    pollCount_ = 0;
    lastSampleMs_ = -1;
    if (style_ == Style::ScalarGroup)
        FillRows(timeText);
    else
        rows_.clear();
}

void CounterMonitor::Evaluate(const std::vector<std::string> &cells, std::size_t firstCell, int intervalMs,
                              const std::string &timeText, std::int64_t sampleMs) {
    // Every cell is read before anything changes, so a bad poll leaves the measurement as it was.
    std::vector<std::uint32_t> read;
    for (std::size_t i = 0; i < counters_.size(); ++i) {
        if (firstCell + i >= cells.size()) throw messages::CommonError(13);
        read.push_back(CounterValue(cells[firstCell + i]));
    }
    const std::int64_t nominalMs = std::int64_t{std::max(1, intervalMs / 1000)} * 1000;
    const bool measured = sampleMs >= 0 && lastSampleMs_ >= 0 && sampleMs > lastSampleMs_;
    span_ = {measured ? sampleMs - lastSampleMs_ : nominalMs, measured ? std::max(intervalMs, 1) : nominalMs};
    lastSampleMs_ = sampleMs;
    if (style_ == Style::ScalarGroup) {
        for (std::size_t i = 0; i < counters_.size(); ++i)
            Apply(i, read[i], true, true, firstSampleTaken_, timeText);
        firstSampleTaken_ = true;
        return;
    }
    if (rows_.empty()) {
        FillRows(timeText);
        ZeroCounters();
    }
    const bool show = pollCount_ != 0;
    for (std::size_t i = 0; i < counters_.size(); ++i) Apply(i, read[i], show, show, show, timeText);
    ++pollCount_;
}

void CounterMonitor::Apply(std::size_t i, std::uint32_t read, bool peakAllowed, bool show, bool showDeltas,
                           const std::string &timeText) {
    CounterState &c = counters_[i];
    CounterRow &row = rows_[i];
    c.previous = c.value;
    c.value = read;
    c.delta = c.value - c.previous;  // unsigned: modulo 2^32, so one wrap yields the true increase
    const auto perInterval = static_cast<std::uint32_t>(std::uint64_t{c.delta} * static_cast<std::uint64_t>(span_.intervalMs) /
                                                        static_cast<std::uint64_t>(span_.elapsedMs));
    // A previous reading of 0 is the artificial start of a measurement, never a real increase.
    if (peakAllowed && perInterval > c.peak && c.previous != 0) {
        c.peak = perInterval;
        row.peak = std::to_string(c.peak);
        row.peakTime = timeText;
    }
    if (!show) return;
    row.value = std::to_string(c.value);
    if (!showDeltas) return;
    row.delta = std::to_string(c.delta);
    row.rate = std::to_string(std::uint64_t{c.delta} * 1000 / static_cast<std::uint64_t>(span_.elapsedMs));
}
