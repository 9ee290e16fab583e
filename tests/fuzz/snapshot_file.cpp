// Snapshot files handed to --diff, which may come from anywhere: refused as unreadable, or compared
// with themselves and with an empty snapshot, and the differences printed. (A file may name one
// entry or row twice, so a comparison with itself need not come out equal.)

#include "fuzz_input.h"

#include "catalogue/model/snapshot_diff.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string &file = WriteScratchFile(std::string(reinterpret_cast<const char *>(data), size), "snapshot.json");
    QJsonObject snapshot;
    try {
        snapshot = LoadSnapshot(QString::fromStdString(file));
    } catch (const SnapshotUnreadable &) {
        return 0;
    }
    for (bool moving : {false, true}) DifferencesText(CompareSnapshots(snapshot, snapshot, moving));
    const auto differences = CompareSnapshots(snapshot, QJsonObject{}, true);
    DifferencesText(differences);
    DifferencesJson(differences);
    return 0;
}
