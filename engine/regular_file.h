#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Why a file could not be read, worded to follow its name ("... is not a regular file").
struct FileProblem {
    bool missing = false;  // there is no such file: for optional files, nothing to report
    std::string reason;
};

// The whole content of a regular file of at most maxBytes. Anything else (a FIFO, a device such as
// /dev/zero, a directory, a file that is too large) is refused without reading from it, so that a
// planted file can neither hang the module nor fill its memory.
std::optional<std::string> ReadRegularFile(const std::string &path, std::size_t maxBytes, FileProblem &problem);

// "<path>" and the reason, for a message.
std::string FileProblemText(const std::string &path, const FileProblem &problem);
