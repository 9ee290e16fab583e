#include "editor/multicast_address.h"

#include <cctype>
#include <vector>

namespace {

constexpr std::size_t kMaxLength = 24;

// The part's leading decimal number, saturated well above any octet.
unsigned LeadingNumber(std::string_view part) {
    unsigned n = 0;
    for (char c : part) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) break;
        n = n * 10 + static_cast<unsigned>(c - '0');
        if (n >= 1000) return 1000;
    }
    return n;
}

}  // namespace

bool IsMulticastAddress(std::string_view text) {
    if (text.size() > kMaxLength) return false;
    if (text.empty() || text.front() == '.' || text.back() == '.') return false;
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t dot = text.find('.', start);
        if (dot == std::string_view::npos) dot = text.size();
        if (dot > start) parts.push_back(text.substr(start, dot - start));
        start = dot + 1;
    }
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const unsigned n = LeadingNumber(parts[k]);
        if (n >= 256) return false;
        if (k == 0 && (n < 224 || n >= 240)) return false;
    }
    return parts.size() == 4;
}
