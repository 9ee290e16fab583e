#include "shell/vd_ini.h"

#include "engine/regular_file.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {

// Values longer than the host product's reader buffer are cut as it would cut them.
constexpr std::size_t kValueLimit = 4095;
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

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

// Calls visit(line number, trimmed line) for each line that is neither blank nor a comment, until
// it returns true.
template <typename Visit>
void ForEachLine(const std::string &fileName, Visit visit) {
    FileProblem problem;
    const std::optional<std::string> content = ReadRegularFile(fileName, VdIni::kFileLimit, problem);
    if (!content) return;
    std::istringstream in(content->rfind(kByteOrderMark, 0) == 0 ? content->substr(3) : *content);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed.front() == ';') continue;
        if (visit(number, trimmed)) return;
    }
}

// The section a "[...]" line opens, or nothing for another line.
std::optional<std::string> SectionOf(const std::string &trimmed) {
    if (trimmed.front() != '[') return std::nullopt;
    const std::size_t close = trimmed.find(']');
    return close == std::string::npos ? std::string("\n") : Trim(trimmed.substr(1, close - 1));
}

}  // namespace

std::optional<VdIni::Entry> VdIni::Find(const std::string &section, const std::string &key) const {
    std::optional<Entry> found;
    bool inSection = false;
    ForEachLine(fileName_, [&](int number, const std::string &trimmed) {
        if (const auto name = SectionOf(trimmed)) {
            inSection = SameName(*name, section);
            return false;
        }
        const std::size_t equals = trimmed.find('=');
        if (!inSection || equals == std::string::npos || !SameName(Trim(trimmed.substr(0, equals)), key)) return false;
        std::string value = Trim(Unquote(Trim(trimmed.substr(equals + 1))));
        value.resize(std::min(value.size(), kValueLimit));
        found = Entry{value, number};
        return true;
    });
    return found;
}

bool VdIni::HasSection(const std::string &section) const {
    bool found = false;
    ForEachLine(fileName_, [&](int, const std::string &trimmed) {
        const auto name = SectionOf(trimmed);
        found = name && SameName(*name, section);
        return found;
    });
    return found;
}

std::string VdIni::ReadString(const std::string &section, const std::string &key,
                              const std::string &defaultValue) const {
    const std::optional<Entry> entry = Find(section, key);
    return entry && !entry->value.empty() ? entry->value : defaultValue;
}
