#include "engine/oid_text.h"

#include <algorithm>
#include <charconv>

std::optional<std::vector<std::uint32_t>> SplitOid(const std::string &text) {
    std::vector<std::uint32_t> out;
    if (text.empty()) return out;
    const char *p = text.data();
    const char *end = p + text.size();
    while (true) {
        std::uint32_t n = 0;
        auto [next, ec] = std::from_chars(p, end, n);
        if (ec != std::errc() || next == p) return std::nullopt;
        out.push_back(n);
        if (next == end) return out;
        if (*next != '.') return std::nullopt;
        p = next + 1;
    }
}

std::string JoinOid(const std::vector<std::uint32_t> &subIds, std::size_t from) {
    std::string out;
    for (std::size_t i = from; i < subIds.size(); ++i) {
        if (i > from) out += '.';
        out += std::to_string(subIds[i]);
    }
    return out;
}

bool OidGreater(const std::string &a, const std::string &b) {
    const auto x = SplitOid(a);
    const auto y = SplitOid(b);
    if (!x || !y) return a > b;
    return std::lexicographical_compare(y->begin(), y->end(), x->begin(), x->end());
}
