#pragma once
// The recent per-poll increases of a few counters, one line per counter, for a chart.

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

struct HistoryData {
    std::uint32_t value = 0;
    std::string timeText;  // empty for the filler samples of a new history
};

class CounterHistory {
public:
    // lines: one per counter; every line holds exactly length samples (length at least 1).
    CounterHistory(std::size_t lines, int length);

    // Starts again with length filler samples per line.
    void Rebuild(int length);
    // Shifts one sample per line in (values in line order), dropping the oldest.
    void Record(const std::vector<std::uint32_t> &values, const std::string &timeText);

    int length() const { return length_; }
    std::size_t lineCount() const { return lines_.size(); }
    // Oldest first.
    const std::deque<HistoryData> &line(std::size_t i) const { return lines_[i]; }

private:
    std::vector<std::deque<HistoryData>> lines_;
    int length_ = 1;
};
