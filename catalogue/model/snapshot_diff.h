#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

// A file that is not a snapshot, or cannot be read.
class SnapshotUnreadable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A snapshot of a whole switch with its largest tables stays far below this.
inline constexpr std::size_t kSnapshotFileLimit = std::size_t{256} << 20;

// The snapshot in a file, or SnapshotUnreadable naming the file: not a regular file, too large, not
// JSON, or without its list of entries.
QJsonObject LoadSnapshot(const QString &fileName);

// One place where two snapshots differ. A side that lacks the entry, row or value holds undefined;
// a whole row present on one side only holds its values as an array; an entry read on one side and
// skipped on the other holds the reason it was skipped.
struct SnapshotDifference {
    QStringList entry;
    QString page;   // empty for entries of one panel
    QString row;    // the row's index values as the table shows them; empty outside tables
    QString value;  // column caption or label; empty for a whole row or entry
    QJsonValue a = QJsonValue::Undefined;
    QJsonValue b = QJsonValue::Undefined;
    // The sides as people read them where they hold port lists (ranges, as --show prints them, a
    // whole row with its port lists as ranges); undefined elsewhere.
    QJsonValue aPorts = QJsonValue::Undefined;
    QJsonValue bPorts = QJsonValue::Undefined;
};

// Entries by their captions, pages by caption, table rows by their index (never their position),
// values by column caption or label. Values that always move (counters, time stamps) count only
// with compareMoving.
std::vector<SnapshotDifference> CompareSnapshots(const QJsonObject &a, const QJsonObject &b, bool compareMoving);

// One line per difference: where, then the value in A and in B (port lists as ranges).
std::string DifferencesText(const std::vector<SnapshotDifference> &differences);
std::string DifferencesJson(const std::vector<SnapshotDifference> &differences);
