// Snapshot files handed to --diff, which may come from anywhere: refused as unreadable, or compared
// with themselves, which always comes out equal (a file may name an entry, row or value twice),
// and with an empty snapshot, and the differences printed.

#include "fuzz_input.h"

#include <cstdlib>

#include "catalogue/model/snapshot_diff.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string &file = WriteScratchFile(std::string(reinterpret_cast<const char *>(data), size), "snapshot.json");
    QJsonObject snapshot;
    try {
        snapshot = LoadSnapshot(QString::fromStdString(file));
    } catch (const SnapshotUnreadable &) {
        return 0;
    }
    for (bool moving : {false, true})
        if (!CompareSnapshots(snapshot, snapshot, moving).empty()) std::abort();
    const auto differences = CompareSnapshots(snapshot, QJsonObject{}, true);
    DifferencesText(differences);
    DifferencesJson(differences);
    return 0;
}
