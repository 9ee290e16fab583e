#include "windows/logic/ipv4_address.h"

#include <algorithm>

namespace {

constexpr std::size_t kMaxLength = 16;

}  // namespace

std::optional<std::array<int, 4>> ParseDottedQuad(const std::string &text) {
    std::array<int, 4> parts{};
    std::size_t part = 0;
    bool digits = false;
    int value = 0;
    for (const char c : text) {
        if (c == '.') {
            if (!digits || part == 3) return std::nullopt;
            parts[part++] = value;
            digits = false;
            value = 0;
        } else if (c >= '0' && c <= '9') {
            value = value * 10 + (c - '0');
            if (value > 255) return std::nullopt;
            digits = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits || part != 3) return std::nullopt;
    parts[3] = value;
    return parts;
}

bool IsValidIpAddress(const std::string &text) {
    if (text.empty() || text.size() > kMaxLength) return false;
    const auto parts = ParseDottedQuad(text);
    if (!parts) return false;
    const auto all = [&](int v) { return std::all_of(parts->begin(), parts->end(), [v](int p) { return p == v; }); };
    if (all(0) || all(255)) return false;
    const int first = (*parts)[0];
    if (first == 127) return false;           // loopback
    if (first >= 224 && first <= 247) return false;  // multicast and the reserved class
    return true;
}
