#include "catalogue/model/terminal_text.h"

#include "catalogue/model/json_text.h"

namespace {

bool IsControl(const std::string &s, std::size_t i, std::size_t n) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (n == 1) return c < 0x20 || c == 0x7F;
    // U+0080 to U+009F are written C2 80 to C2 9F.
    return n == 2 && c == 0xC2 && static_cast<unsigned char>(s[i + 1]) < 0xA0;
}

}  // namespace

std::string PrintableText(const std::string &s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = Utf8Length(s, i);
        if (n == 0 || IsControl(s, i, n)) {
            out += '.';
            ++i;
            continue;
        }
        out.append(s, i, n);
        i += n;
    }
    return out;
}
