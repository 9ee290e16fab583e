#include "windows/logic/counter_history.h"

#include <algorithm>

CounterHistory::CounterHistory(std::size_t lines, int length) : lines_(lines) { Rebuild(length); }

void CounterHistory::Rebuild(int length) {
    length_ = std::max(1, length);
    for (std::deque<HistoryData> &line : lines_) line.assign(static_cast<std::size_t>(length_), HistoryData{});
}

void CounterHistory::Record(const std::vector<std::uint32_t> &values, const std::string &timeText) {
    for (std::size_t i = 0; i < lines_.size() && i < values.size(); ++i) {
        std::deque<HistoryData> &line = lines_[i];
        while (!line.empty() && line.size() >= static_cast<std::size_t>(length_)) line.pop_front();
        line.push_back({values[i], timeText});
    }
}
