#pragma once
// The numbers a user types into a counter window's combo boxes.

#include <optional>
#include <string>

inline constexpr int kMaxIntervalSeconds = 2147483;  // its milliseconds still fit a timer's int
inline constexpr int kMaxHistoryLength = 10000;

// A poll interval typed in whole seconds, as timer milliseconds; nullopt unless 1 to kMaxIntervalSeconds.
std::optional<int> IntervalMilliseconds(const std::string &text);
// A chart's number of points per line; nullopt unless 1 to kMaxHistoryLength.
std::optional<int> HistoryLength(const std::string &text);

// What the error box says about a refused text.
std::string IntervalRefusal(const std::string &text);
std::string HistoryLengthRefusal(const std::string &text);
