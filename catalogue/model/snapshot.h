#pragma once

#include "catalogue/model/entry_path.h"

#include <functional>
#include <string>
#include <vector>

class MenuCatalogue;

// Every entry with device values to read (editor, table and pages entries), in menu order; only
// those under the top-level menu named by menuCaption when it is not empty.
std::vector<FoundEntry> ReadableEntries(const MenuCatalogue &catalogue, const std::string &menuCaption = {});

struct SnapshotHeader {
    std::string device;   // address and port
    std::string time;     // when the snapshot began, ISO 8601
    std::string version;  // the module's
    bool redacted = false;  // secret values replaced by a mark and a hash (RedactSecrets)
};

// What the snapshot did with one entry: reason is empty when it was read; shortfall says why a
// table of an entry that was read stopped short (empty when it read to the end).
using SnapshotProgress = std::function<void(std::size_t done, std::size_t total, const FoundEntry &entry,
                                            const std::string &reason, const std::string &shortfall)>;

// Reads every entry as --show does into one JSON document: the header, then per entry its
// --show JSON with what a comparison needs (index columns, row instances, values that always
// move), or the reason it was skipped. One failed entry never ends the snapshot; a device that
// stops answering does (CodedError), after kGiveUpAfterTimeOuts time-outs in a row.
std::string TakeSnapshot(const std::vector<FoundEntry> &entries, const SnapshotHeader &header,
                         const std::string &hostText, bool v2cForCounter64, const SnapshotProgress &progress);

inline constexpr int kGiveUpAfterTimeOuts = 3;
