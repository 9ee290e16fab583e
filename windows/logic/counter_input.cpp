#include "windows/logic/counter_input.h"

#include "engine/number_text.h"

namespace {

std::optional<int> WholeNumber(const std::string &text, int low, int high) {
    const std::optional<std::int32_t> number = ParseSigned32(text);
    if (!number || *number < low || *number > high) return std::nullopt;
    return *number;
}

}  // namespace

std::optional<int> IntervalMilliseconds(const std::string &text) {
    const std::optional<int> seconds = WholeNumber(text, 1, kMaxIntervalSeconds);
    if (!seconds) return std::nullopt;
    return *seconds * 1000;
}

std::optional<int> HistoryLength(const std::string &text) { return WholeNumber(text, 1, kMaxHistoryLength); }

std::string IntervalRefusal(const std::string &text) {
    return "'" + text + "' is not a valid poll interval: type whole seconds from 1 to " +
           std::to_string(kMaxIntervalSeconds) + ".";
}

std::string HistoryLengthRefusal(const std::string &text) {
    return "'" + text + "' is not a valid count: type a number of points from 1 to " +
           std::to_string(kMaxHistoryLength) + ".";
}
