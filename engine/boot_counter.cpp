#include "engine/boot_counter.h"

#include "engine/hex_text.h"
#include "engine/number_text.h"
#include "engine/regular_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <sstream>
#include <unistd.h>

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
int ReadEntries(std::istream &in, std::map<std::string, unsigned> &entries) {
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

// A boot counter file holds a few lines; a larger one is not ours.
constexpr std::size_t kFileLimit = 1 << 20;

// Writes the whole text to a file created new: O_EXCL never opens what is there, a symbolic link
// planted under the name included, and O_NOFOLLOW says so even where O_EXCL alone might not.
bool WriteNewFile(const std::string &path, const std::string &text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += static_cast<std::size_t>(n);
    }
    const bool complete = written == text.size() && ::fsync(fd) == 0;
    return ::close(fd) == 0 && complete;
}

}  // namespace

int Get(const std::string &file, const std::string &engineId, unsigned &boots) {
    boots = 0;
    if (engineId.size() > kMaxEngineIdLength) return EngineIdTooLong;
    FileProblem problem;
    const std::optional<std::string> content = ReadRegularFile(file, kFileLimit, problem);
    if (!content) return CannotOpen;
    std::istringstream in(*content);
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
    FileProblem problem;
    const std::optional<std::string> content = ReadRegularFile(file, kFileLimit, problem);
    // What cannot be read is not replaced: it may hold the counters of other engines.
    if (!content && !problem.missing) return CannotWrite;
    if (std::istringstream in(content.value_or("")); ReadEntries(in, entries) != Found) return MalformedLine;
    entries[engineId] = boots;

    std::string text;
    for (const auto &[id, count] : entries) text += ToHex(id) + ' ' + std::to_string(count) + '\n';
    // A leftover of an interrupted start, or a link planted there, is removed, never written through.
    const std::string temporary = file + ".tmp";
    if (::unlink(temporary.c_str()) != 0 && errno != ENOENT) return CannotWrite;
    if (!WriteNewFile(temporary, text)) {
        std::remove(temporary.c_str());
        return CannotWrite;
    }
    // rename replaces the name itself: a link at the counter's own name is replaced, not followed.
    if (std::rename(temporary.c_str(), file.c_str()) != 0) {
        std::remove(temporary.c_str());
        return CannotWrite;
    }
    return Found;
}

}  // namespace boot_counter
