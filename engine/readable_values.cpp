#include "engine/readable_values.h"

#include "engine/descriptor.h"
#include "engine/hex_text.h"
#include "engine/port_ranges.h"

#include <cctype>
#include <charconv>
#include <cstdio>

namespace {

std::optional<std::uint64_t> Count(const std::string &value) {
    std::uint64_t n = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (value.empty() || ec != std::errc() || end != value.data() + value.size()) return std::nullopt;
    return n;
}

}  // namespace

std::uint64_t InterfaceSpeedUnit(const std::string &oid) {
    if (oid == "1.3.6.1.2.1.2.2.1.5") return 1;               // ifSpeed
    if (oid == "1.3.6.1.2.1.31.1.1.1.15") return 1000000;     // ifHighSpeed
    return 0;
}

std::optional<std::string> BitRateText(const std::string &value, std::uint64_t unit) {
    const std::optional<std::uint64_t> n = Count(value);
    if (!n || unit == 0) return std::nullopt;
    if (*n == 0) return value;
    static const char *const kUnits[] = {"b/s", "kb/s", "Mb/s", "Gb/s", "Tb/s", "Pb/s"};
    double rate = static_cast<double>(*n) * static_cast<double>(unit);
    std::size_t k = 0;
    while (rate >= 1000 && k + 1 < std::size(kUnits)) {
        rate /= 1000;
        ++k;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.4g %s", rate, kUnits[k]);
    return value + " (" + text + ")";
}

bool IsCounterSyntax(std::uint32_t s) { return s == syntax::Counter || s == syntax::Counter64; }

std::optional<std::string> GroupedText(const std::string &value) {
    if (!Count(value)) return std::nullopt;
    std::string out;
    for (std::size_t k = 0; k < value.size(); ++k) {
        if (k > 0 && (value.size() - k) % 3 == 0) out += ',';
        out += value[k];
    }
    return out;
}

std::optional<std::string> PortListText(const std::string &hex, int ports) {
    if (hex.empty()) return std::nullopt;
    for (char c : hex)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    return PortRangesText(FromHex(hex), ports);
}
