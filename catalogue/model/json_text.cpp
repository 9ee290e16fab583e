#include "catalogue/model/json_text.h"

#include "engine/hex_text.h"

#include <cstdio>

namespace {

bool Continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

std::string Escaped(unsigned codePoint) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\u%04x", codePoint);
    return buf;
}

}  // namespace

std::size_t Utf8Length(const std::string &s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) return 1;
    // C0, C1 only start overlong forms; F5 and above would pass U+10FFFF.
    const std::size_t n = c >= 0xC2 && c <= 0xDF ? 2 : (c >> 4) == 0xE ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k)
        if (!Continuation(static_cast<unsigned char>(s[i + k]))) return 0;
    const auto second = static_cast<unsigned char>(s[i + 1]);
    if (c == 0xE0 && second < 0xA0) return 0;  // overlong
    if (c == 0xED && second >= 0xA0) return 0; // surrogates
    if (c == 0xF0 && second < 0x90) return 0;  // overlong
    if (c == 0xF4 && second >= 0x90) return 0; // beyond U+10FFFF
    return n;
}

bool IsUtf8(const std::string &s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = Utf8Length(s, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string JsonString(const std::string &s) {
    std::string out = "\"";
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = Utf8Length(s, i);
        if (n == 0) {
            out += "\\ufffd";
            ++i;
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
            ++i;
        } else if (n == 1 && (c < 0x20 || c == 0x7F)) {
            out += Escaped(c);
            ++i;
        } else if (n == 2 && c == 0xC2 && static_cast<unsigned char>(s[i + 1]) < 0xA0) {
            // C1 controls (U+0080 to U+009F) start escape sequences on some terminals.
            out += Escaped(static_cast<unsigned char>(s[i + 1]));
            i += 2;
        } else {
            out.append(s, i, n);
            i += n;
        }
    }
    return out + "\"";
}

std::string JsonValue(const std::string &s) {
    if (IsUtf8(s)) return JsonString(s);
    return "{\"hex\":\"" + ToHex(s) + "\"}";
}
