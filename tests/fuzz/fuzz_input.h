#pragma once

// Helpers shared by the fuzz targets: splitting one input into several fields, and handing an input
// to code that only reads files.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t *data, std::size_t size)
        : text_(reinterpret_cast<const char *>(data), size) {}

    bool empty() const { return at_ >= text_.size(); }
    std::uint8_t Byte() { return empty() ? 0 : static_cast<std::uint8_t>(text_[at_++]); }
    // Up to the next line feed (dropped), or the rest.
    std::string Line() {
        const std::size_t end = text_.find('\n', at_);
        std::string line = text_.substr(at_, end == std::string::npos ? std::string::npos : end - at_);
        at_ = end == std::string::npos ? text_.size() : end + 1;
        return line;
    }
    std::string Rest() {
        std::string rest = text_.substr(at_);
        at_ = text_.size();
        return rest;
    }

private:
    std::string text_;
    std::size_t at_ = 0;
};

// A file of this process holding the given bytes, for the readers of files.
inline const std::string &WriteScratchFile(const std::string &bytes, const char *name = "input") {
    static std::string path;
    const char *dir = std::getenv("TMPDIR");
    path = std::string(dir && *dir ? dir : "/tmp") + "/qsw-fuzz-" + std::to_string(getpid()) + "-" + name;
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) std::abort();
    std::fclose(f);
    return path;
}

// A property the design guarantees does not hold: stop like a crash, with the two sides shown.
inline void FuzzCheck(bool holds, const char *what, const std::string &a = {}, const std::string &b = {}) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n  first:  '%s'\n  second: '%s'\n", what, a.c_str(), b.c_str());
    std::abort();
}
