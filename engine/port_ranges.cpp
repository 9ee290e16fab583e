#include "engine/port_ranges.h"

#include "engine/hex_text.h"

#include <algorithm>
#include <cctype>

namespace {

bool PortIsSet(const std::string &octets, int port) {
    const auto byte = static_cast<std::size_t>((port - 1) / 8);
    return byte < octets.size() && ((static_cast<unsigned char>(octets[byte]) >> (7 - (port - 1) % 8)) & 1) != 0;
}

std::string Compact(const std::string &text) {
    std::string out;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c))) out += c;
    return out;
}

// A port number at pos; nullopt without digits. A very long number stays above every port.
std::optional<long> ReadPort(const std::string &s, std::size_t &pos) {
    constexpr long kAbovePorts = 1000000000;
    const std::size_t start = pos;
    long n = 0;
    for (; pos < s.size() && std::isdigit(static_cast<unsigned char>(s[pos])); ++pos)
        n = std::min(kAbovePorts, n * 10 + (s[pos] - '0'));
    if (pos == start) return std::nullopt;
    return n;
}

}  // namespace

std::string PortRangesText(const std::string &octets, int portCount) {
    std::string out;
    for (int port = 1; port <= portCount; ++port) {
        if (!PortIsSet(octets, port)) continue;
        int last = port;
        while (last < portCount && PortIsSet(octets, last + 1)) ++last;
        if (!out.empty()) out += ',';
        out += std::to_string(port);
        if (last > port) out += '-' + std::to_string(last);
        port = last;
    }
    return out.empty() ? "none" : out;
}

PortRangesResult ParsePortRanges(const std::string &text, int portCount, std::size_t octetCount) {
    const std::string s = Compact(text);
    std::string octets(octetCount, '\0');
    if (s.empty() || s == "none") return {octets, {}};
    const std::string malformed = "\"" + text + "\" is not a port list such as 1-4,49,52";
    std::size_t pos = 0;
    while (true) {
        const std::optional<long> first = ReadPort(s, pos);
        if (!first) return {std::nullopt, malformed};
        long last = *first;
        if (pos < s.size() && s[pos] == '-') {
            ++pos;
            const std::optional<long> end = ReadPort(s, pos);
            if (!end || *end < *first) return {std::nullopt, malformed};
            last = *end;
        }
        if (*first < 1 || last > portCount || static_cast<std::size_t>(last - 1) / 8 >= octetCount)
            return {std::nullopt, "\"" + text + "\" names a port outside 1-" + std::to_string(portCount)};
        for (long port = *first; port <= last; ++port)
            octets[static_cast<std::size_t>(port - 1) / 8] |= static_cast<char>(0x80 >> ((port - 1) % 8));
        if (pos == s.size()) return {octets, {}};
        if (s[pos] != ',') return {std::nullopt, malformed};
        ++pos;
    }
}

std::size_t PortListOctets(int portCount) { return static_cast<std::size_t>(portCount + 7) / 8; }

PortRangesResult ParsePortList(const std::string &text, int portCount) {
    const std::string s = Compact(text);
    const std::size_t octets = PortListOctets(portCount);
    bool hex = s.size() == 2 * octets;
    for (char c : s) hex = hex && std::isxdigit(static_cast<unsigned char>(c));
    if (hex) return {FromHex(s), {}};
    return ParsePortRanges(text, portCount, octets);
}
