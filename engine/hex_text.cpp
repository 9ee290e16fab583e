#include "engine/hex_text.h"

namespace {

bool IsHexDigit(char c) { return HexDigitValue(c).has_value(); }

bool IsMacSeparator(char c) { return c == ':' || c == '-' || c == '.'; }

unsigned DigitValue(char c) { return HexDigitValue(c).value_or(0); }

}  // namespace

std::optional<unsigned> HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    return std::nullopt;
}

std::string ToHex(const std::string &octets) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(octets.size() * 2);
    for (unsigned char c : octets) {
        out += kDigits[c >> 4];
        out += kDigits[c & 0x0F];
    }
    return out;
}

std::string FromHex(const std::string &text) {
    std::string digits;
    digits.reserve(text.size());
    for (char c : text) {
        if (c != ' ') digits += c;
    }
    std::string out;
    out.reserve(digits.size() / 2 + 1);
    std::size_t i = 0;
    if (digits.size() % 2 == 1) out += static_cast<char>(DigitValue(digits[i++]));
    for (; i + 1 < digits.size(); i += 2) {
        out += static_cast<char>(DigitValue(digits[i]) * 16 + DigitValue(digits[i + 1]));
    }
    return out;
}

std::optional<std::string> ParseHexOctets(const std::string &text, bool macSeparators) {
    std::string digits;
    std::string group;
    bool grouped = false;
    const auto endGroup = [&] {
        if (group.size() % 2 == 1) group.insert(group.begin(), '0');
        digits += group;
        group.clear();
    };
    for (char c : text) {
        if (IsHexDigit(c)) {
            group += c;
        } else if (macSeparators && IsMacSeparator(c)) {
            grouped = true;
            endGroup();
        } else if (c != ' ') {
            return std::nullopt;
        }
    }
    if (grouped) endGroup();
    return FromHex(digits + group);
}
