#include "engine/number_text.h"

#include <charconv>
#include <cstring>

namespace {

std::string Trimmed(const std::string &text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

template <typename Number>
std::optional<Number> ParseWhole(const std::string &text, Blanks blanks) {
    std::string t = blanks == Blanks::Allowed ? Trimmed(text) : text;
    if (!t.empty() && t.front() == '+') t.erase(0, 1);
    if (t.empty()) return std::nullopt;
    Number n{};
    const char *end = t.data() + t.size();
    auto [next, ec] = std::from_chars(t.data(), end, n);
    if (ec != std::errc() || next != end) return std::nullopt;
    return n;
}

}  // namespace

std::optional<std::int32_t> ParseSigned32(const std::string &text, Blanks blanks) {
    return ParseWhole<std::int32_t>(text, blanks);
}
std::optional<std::uint32_t> ParseUnsigned32(const std::string &text, Blanks blanks) {
    return ParseWhole<std::uint32_t>(text, blanks);
}
std::optional<std::uint64_t> ParseUnsigned64(const std::string &text, Blanks blanks) {
    return ParseWhole<std::uint64_t>(text, blanks);
}

std::uint64_t DoubleBits(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double DoubleFromBits(std::uint64_t bits) {
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string DoubleOctets(double value) {
    const std::uint64_t bits = DoubleBits(value);
    std::string octets(8, '\0');
    for (int i = 0; i < 8; ++i) octets[static_cast<std::size_t>(i)] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return octets;
}

double DoubleFromOctets(const std::string &octets) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(octets[static_cast<std::size_t>(i)]);
    return DoubleFromBits(bits);
}
