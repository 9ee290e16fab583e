#include "binding/position_list.h"

#include "engine/messages.h"
#include "engine/coded_error.h"

#include <charconv>

std::vector<int> ParsePositionList(const std::string &text) {
    std::vector<int> positions;
    const char *p = text.data();
    const char *end = p + text.size();
    while (p < end) {
        int n = -1;
        auto [next, ec] = std::from_chars(p, end, n);
        if (ec != std::errc() || n < 0 || (next != end && *next != ',') || next + 1 == end)
            throw messages::CommonError(2);
        positions.push_back(n);
        p = next == end ? end : next + 1;
    }
    if (positions.empty()) throw messages::CommonError(2);
    return positions;
}
