#pragma once
// The device's configuration file as the module writes it: whole or not at all, readable by its
// owner alone (it holds pass phrases and communities).

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace settings_file {

// The file's content; nothing when it does not exist or cannot be read.
std::optional<std::string> Read(const std::string &path);

// Writes text as the whole file: into a file beside it, which is renamed over it once complete, so
// that a failure leaves the old file as it was; mode 0600. Returns why it failed, empty on success.
std::string Write(const std::string &path, const std::string &text);

// text with keys of its "[Program Information]" section set: a key already there keeps its line
// and place (the first of its name), others are added at the end of the section, which is added
// when missing. Every other line stays as it was; lines end as the file's first line does.
std::string WithKeys(const std::string &text, const std::vector<std::pair<std::string, std::string>> &keys);

}  // namespace settings_file
