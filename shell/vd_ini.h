#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Reads keys of a plain INI file ("[section]" lines and "key=value" lines). Sections and keys
// match without regard to case, as the host product's own profile reader does. Only a regular file
// of at most kFileLimit octets is read; a UTF-8 byte order mark before the first line is skipped.
class VdIni {
public:
    static constexpr std::size_t kFileLimit = 1 << 20;

    explicit VdIni(std::string fileName) : fileName_(std::move(fileName)) {}

    // A key's value with surrounding blanks, control characters and one pair of enclosing quotes
    // removed, and the number of its line (from 1).
    struct Entry {
        std::string value;
        int line = 0;
    };
    std::optional<Entry> Find(const std::string &section, const std::string &key) const;
    bool HasSection(const std::string &section) const;

    // The key's value as Find gives it; defaultValue when the file, the section or the key is
    // missing or the value is empty.
    std::string ReadString(const std::string &section, const std::string &key,
                           const std::string &defaultValue) const;

    const std::string &fileName() const { return fileName_; }

private:
    std::string fileName_;
};
