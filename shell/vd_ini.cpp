#include "shell/vd_ini.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace {

// Values longer than the host product's reader buffer are cut as it would cut them.
constexpr std::size_t kValueLimit = 4095;

bool IsBlankOrControl(unsigned char c) { return c <= ' ' || c == 0x7F; }

std::string Trim(const std::string &text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlankOrControl(static_cast<unsigned char>(text[begin]))) ++begin;
    while (end > begin && IsBlankOrControl(static_cast<unsigned char>(text[end - 1]))) --end;
    return text.substr(begin, end - begin);
}

bool SameName(const std::string &a, const std::string &b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

std::string Unquote(std::string value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

std::string VdIni::ReadString(const std::string &section, const std::string &key,
                              const std::string &defaultValue) const {
    std::ifstream in(fileName_, std::ios::binary);
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed.front() == ';') continue;
        if (trimmed.front() == '[') {
            const std::size_t close = trimmed.find(']');
            inSection = close != std::string::npos && SameName(Trim(trimmed.substr(1, close - 1)), section);
            continue;
        }
        const std::size_t equals = trimmed.find('=');
        if (!inSection || equals == std::string::npos || !SameName(Trim(trimmed.substr(0, equals)), key))
            continue;
        std::string value = Trim(Unquote(Trim(trimmed.substr(equals + 1))));
        value.resize(std::min(value.size(), kValueLimit));
        return value.empty() ? defaultValue : value;
    }
    return defaultValue;
}
