#pragma once

#include <string>

// Reads keys of a plain INI file ("[section]" lines and "key=value" lines). Sections and keys
// match without regard to case, as the host product's own profile reader does.
class VdIni {
public:
    explicit VdIni(std::string fileName) : fileName_(std::move(fileName)) {}

    // The key's value with surrounding blanks, control characters and one pair of enclosing quotes
    // removed; defaultValue when the file, the section or the key is missing or the value is empty.
    std::string ReadString(const std::string &section, const std::string &key,
                           const std::string &defaultValue) const;

    const std::string &fileName() const { return fileName_; }

private:
    std::string fileName_;
};
