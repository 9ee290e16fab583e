#include "shell/decimal_number.h"

#include <charconv>
#include <limits>

std::optional<int> ParseDecimal(const std::string &text) {
    const char *begin = text.data();
    const char *end = begin + text.size();
    if (begin != end && *begin == '+') ++begin;
    int value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (begin == end || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

int DecimalInRange(const std::string &text, long long low, long long high) {
    const std::optional<int> value = ParseDecimal(text);
    if (!value || *value < low || *value > high) throw NotANumber(text);
    return *value;
}
