#include "engine/boot_counter.h"

#include "engine/hex_text.h"
#include "engine/number_text.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

namespace boot_counter {
namespace {

bool IsHexText(const std::string &text) {
    if (text.empty() || text.size() % 2 != 0) return false;
    return text.find_first_not_of("0123456789ABCDEFabcdef") == std::string::npos;
}

bool ParseCount(const std::string &text, unsigned &count) {
    if (!text.empty() && text.front() == '+') return false;  // the file holds plain digits
    const std::optional<std::uint32_t> n = ParseUnsigned32(text, Blanks::Refused);
    if (n) count = *n;
    return n.has_value();
}

// Reads every entry; MalformedLine for a line that is neither blank nor "<hex> <count>".
int ReadEntries(std::ifstream &in, std::map<std::string, unsigned> &entries) {
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        std::istringstream fields(line);
        std::string id, count, rest;
        unsigned boots = 0;
        if (!(fields >> id >> count) || (fields >> rest) || !IsHexText(id) || !ParseCount(count, boots))
            return MalformedLine;
        entries[FromHex(id)] = boots;
    }
    return Found;
}

}  // namespace

int Get(const std::string &file, const std::string &engineId, unsigned &boots) {
    boots = 0;
    if (engineId.size() > kMaxEngineIdLength) return EngineIdTooLong;
    std::ifstream in(file);
    if (!in) return CannotOpen;
    std::map<std::string, unsigned> entries;
    if (ReadEntries(in, entries) != Found) return MalformedLine;
    const auto it = entries.find(engineId);
    if (it == entries.end()) return NoEntry;
    boots = it->second;
    return Found;
}

int Save(const std::string &file, const std::string &engineId, unsigned boots) {
    if (engineId.size() > kMaxEngineIdLength) return EngineIdTooLong;
    // An empty identifier has no line of its own: written, it would make the whole file unreadable.
    if (engineId.empty()) return CannotWrite;
    std::map<std::string, unsigned> entries;
    if (std::ifstream in(file); in && ReadEntries(in, entries) != Found) return MalformedLine;
    entries[engineId] = boots;

    const std::string temporary = file + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const auto &[id, count] : entries) out << ToHex(id) << ' ' << count << '\n';
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            return CannotWrite;
        }
    }
    if (std::rename(temporary.c_str(), file.c_str()) != 0) {
        std::remove(temporary.c_str());
        return CannotWrite;
    }
    return Found;
}

}  // namespace boot_counter
