#include "catalogue/model/snapshot_diff.h"

#include "catalogue/model/json_text.h"
#include "catalogue/model/terminal_text.h"
#include "engine/regular_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

#include <map>

namespace {

// A value as text: a string as it is, octets that are not UTF-8 by their hex form.
QString CellText(const QJsonValue &v) {
    if (v.isObject()) return QStringLiteral("hex:") + v.toObject()["hex"].toString();
    return v.toString();
}

// The n-th of several equal keys gets a key of its own, so that a file that names a row, a value or
// an entry twice still compares equal with itself.
class KeyCounter {
public:
    QString Next(const QString &key) {
        const int n = seen_[key]++;
        return n == 0 ? key : key + QChar(0x1F) + QString::number(n);
    }

private:
    std::map<QString, int> seen_;
};

QSet<QString> Names(const QJsonArray &values) {
    QSet<QString> names;
    for (const QJsonValue &v : values) names.insert(v.toString());
    return names;
}

// Compares two readings of one entry, page by page.
class EntryComparison {
public:
    EntryComparison(const QStringList &entry, bool compareMoving, std::vector<SnapshotDifference> &out)
        : entry_(entry), compareMoving_(compareMoving), out_(out) {}

    void Compare(const QJsonObject &a, const QJsonObject &b) {
        const QJsonArray pagesA = a["show"].toObject()["pages"].toArray();
        const QJsonArray pagesB = b["show"].toObject()["pages"].toArray();
        const QJsonArray hintsA = a["compare"].toArray();
        const QJsonArray hintsB = b["compare"].toArray();
        std::vector<bool> matched(static_cast<std::size_t>(pagesB.size()), false);
        for (qsizetype i = 0; i < pagesA.size(); ++i) {
            const QJsonObject pageA = pagesA[i].toObject();
            const qsizetype j = PageIndex(pagesB, pageA["page"].toString(), matched);
            if (j < 0) {
                Add(pageA["page"].toString(), {}, {}, QStringLiteral("present"), QJsonValue::Undefined);
                continue;
            }
            matched[static_cast<std::size_t>(j)] = true;
            ComparePage(pageA, hintsA[i].toObject(), pagesB[j].toObject(), hintsB[j].toObject());
        }
        for (qsizetype j = 0; j < pagesB.size(); ++j)
            if (!matched[static_cast<std::size_t>(j)])
                Add(pagesB[j].toObject()["page"].toString(), {}, {}, QJsonValue::Undefined, QStringLiteral("present"));
    }

private:
    struct Row {
        QString key;    // the row's identity
        QString shown;  // the row as a person names it
        QJsonArray values;
        qsizetype position;
    };

    // A table cell's port list as ranges, from the page's "ports" form; undefined for other cells.
    static QJsonValue PortsCell(const QJsonObject &page, qsizetype row, const QString &column) {
        const QJsonValue ports = page["ports"][row][column];
        return ports.isString() ? ports : QJsonValue(QJsonValue::Undefined);
    }

    // A whole row with its port lists as ranges; undefined for a row that holds none.
    static QJsonValue PortsRow(const QJsonObject &page, const Row &row) {
        QJsonArray shown = row.values;
        bool any = false;
        const QJsonArray columns = page["columns"].toArray();
        for (qsizetype c = 0; c < columns.size() && c < shown.size(); ++c) {
            const QJsonValue ports = PortsCell(page, row.position, columns[c].toString());
            if (ports.isUndefined()) continue;
            shown[c] = ports;
            any = true;
        }
        return any ? QJsonValue(shown) : QJsonValue(QJsonValue::Undefined);
    }

    static qsizetype PageIndex(const QJsonArray &pages, const QString &caption, const std::vector<bool> &matched) {
        for (qsizetype j = 0; j < pages.size(); ++j)
            if (!matched[static_cast<std::size_t>(j)] && pages[j].toObject()["page"].toString() == caption) return j;
        return -1;
    }

    void Add(const QString &page, const QString &row, const QString &value, const QJsonValue &a, const QJsonValue &b,
             const QJsonValue &aPorts = QJsonValue::Undefined, const QJsonValue &bPorts = QJsonValue::Undefined) {
        out_.push_back({entry_, page, row, value, a, b, aPorts, bPorts});
    }

    QSet<QString> Moving(const QJsonObject &hintsA, const QJsonObject &hintsB) const {
        if (compareMoving_) return {};
        return Names(hintsA["moving"].toArray()) + Names(hintsB["moving"].toArray());
    }

    void ComparePage(const QJsonObject &a, const QJsonObject &hintsA, const QJsonObject &b, const QJsonObject &hintsB) {
        const QString page = a["page"].toString();
        const QSet<QString> moving = Moving(hintsA, hintsB);
        if (a["kind"].toString() != QStringLiteral("table")) {
            CompareValues(page, a["values"].toArray(), b["values"].toArray(), moving);
            return;
        }
        const QStringList columnsA = ColumnKeys(a);
        const QStringList columnsB = ColumnKeys(b);
        const std::vector<Row> rowsA = Rows(a, hintsA);
        const std::vector<Row> rowsB = Rows(b, hintsB);
        std::map<QString, const Row *> byKeyA;
        std::map<QString, const Row *> byKeyB;
        for (const Row &row : rowsA) byKeyA[row.key] = &row;
        for (const Row &row : rowsB) byKeyB[row.key] = &row;
        for (const Row &rowA : rowsA) {
            const auto found = byKeyB.find(rowA.key);
            if (found == byKeyB.end()) {
                Add(page, rowA.shown, {}, rowA.values, QJsonValue::Undefined, PortsRow(a, rowA));
                continue;
            }
            for (qsizetype c = 0; c < columnsA.size(); ++c) {
                const qsizetype d = columnsB.indexOf(columnsA[c]);
                const QString column = a["columns"][c].toString();
                if (d < 0 || moving.contains(column)) continue;
                const QJsonValue va = rowA.values[c];
                const QJsonValue vb = found->second->values[d];
                if (va != vb)
                    Add(page, rowA.shown, column, va, vb, PortsCell(a, rowA.position, column),
                        PortsCell(b, found->second->position, b["columns"][d].toString()));
            }
        }
        for (const Row &rowB : rowsB)
            if (byKeyA.find(rowB.key) == byKeyA.end())
                Add(page, rowB.shown, {}, QJsonValue::Undefined, rowB.values, QJsonValue::Undefined, PortsRow(b, rowB));
    }

    // Columns by caption, a caption given twice by its occurrence.
    static QStringList ColumnKeys(const QJsonObject &page) {
        QStringList keys;
        KeyCounter counter;
        for (const QJsonValue &c : page["columns"].toArray()) keys << counter.Next(c.toString());
        return keys;
    }

    // Rows by their instance; rows without one by their index columns, and by position only in a
    // table that has neither.
    static std::vector<Row> Rows(const QJsonObject &page, const QJsonObject &hints) {
        const QJsonArray rows = page["rows"].toArray();
        const QJsonArray instances = hints["instances"].toArray();
        const qsizetype keyColumns = hints["keyColumns"].toInteger();
        std::vector<Row> out;
        KeyCounter keys;
        for (qsizetype r = 0; r < rows.size(); ++r) {
            const QJsonArray values = rows[r].toArray();
            QStringList keyParts;
            for (qsizetype c = 0; c < keyColumns && c < values.size(); ++c) keyParts << CellText(values[c]);
            const QString shown = keyParts.join(u',');
            const QString instance = r < instances.size() ? instances[r].toString() : QString();
            QString key = !instance.isEmpty() ? instance : shown;
            if (key.isEmpty()) key = QStringLiteral("#") + QString::number(r + 1);
            out.push_back({keys.Next(key), shown.isEmpty() ? key : shown, values, r});
        }
        return out;
    }

    void CompareValues(const QString &page, const QJsonArray &a, const QJsonArray &b, const QSet<QString> &moving) {
        std::map<QString, std::pair<QString, QJsonValue>> valuesB;
        KeyCounter keysB;
        for (const QJsonValue &v : b) {
            const QString label = v["label"].toString();
            valuesB[keysB.Next(label)] = {label, v};
        }
        QSet<QString> seen;
        KeyCounter keysA;
        for (const QJsonValue &v : a) {
            const QString label = v["label"].toString();
            const QString key = keysA.Next(label);
            seen.insert(key);
            if (moving.contains(label)) continue;
            const auto found = valuesB.find(key);
            const QJsonValue other = found == valuesB.end() ? QJsonValue(QJsonValue::Undefined) : found->second.second;
            if (v["value"] != other["value"]) Add(page, {}, label, v["value"], other["value"], v["ports"], other["ports"]);
        }
        for (const auto &[key, labelled] : valuesB)
            if (!seen.contains(key) && !moving.contains(labelled.first))
                Add(page, {}, labelled.first, QJsonValue::Undefined, labelled.second["value"], QJsonValue::Undefined,
                    labelled.second["ports"]);
    }

    QStringList entry_;
    bool compareMoving_;
    std::vector<SnapshotDifference> &out_;
};

QStringList EntryPath(const QJsonObject &entry) {
    QStringList path;
    for (const QJsonValue &v : entry["entry"].toArray()) path << v.toString();
    return path;
}

QString EntryKey(const QJsonObject &entry) { return EntryPath(entry).join(u'>'); }

// An entry read on one side and skipped on the other: the reason, against what was read.
QJsonValue State(const QJsonObject &entry) {
    if (entry.contains(QStringLiteral("skipped"))) return QStringLiteral("skipped: ") + entry["skipped"].toString();
    return QStringLiteral("read");
}

// A string quoted as in JSON (its control characters escaped); octets that are not UTF-8 by their
// hex form, unquoted, so that byte FF and the text "ÿ" never print alike.
std::string ItemText(const QJsonValue &v) {
    if (v.isObject()) return PrintableText(CellText(v).toStdString());
    return JsonString(v.toString().toStdString());
}

std::string ValueText(const QJsonValue &v) {
    if (v.isUndefined()) return "(none)";
    if (v.isArray()) {
        std::string out = "[";
        for (const QJsonValue &item : v.toArray()) out += (out.size() > 1 ? ", " : "") + ItemText(item);
        return out + "]";
    }
    return ItemText(v);
}

// A side with its port lists as ranges where it holds any; ranges print bare, as --show prints them.
std::string ShownText(const QJsonValue &v, const QJsonValue &ports) {
    if (ports.isString()) return PrintableText(ports.toString().toStdString());
    return ValueText(ports.isArray() ? ports : v);
}

QJsonValue JsonSide(const QJsonValue &v) { return v.isUndefined() ? QJsonValue(QJsonValue::Null) : v; }

}  // namespace

namespace {

// Every entry is an object naming its path; a snapshot without its list of entries is no snapshot
// at all, and comparing it would report a whole device as removed.
bool HasEntries(const QJsonObject &snapshot) {
    const QJsonValue entries = snapshot["entries"];
    if (!entries.isArray()) return false;
    for (const QJsonValue &e : entries.toArray())
        if (!e.isObject() || !e.toObject()["entry"].isArray()) return false;
    return true;
}

}  // namespace

QJsonObject LoadSnapshot(const QString &fileName) {
    const std::string name = fileName.toStdString();
    FileProblem problem;
    const std::optional<std::string> content = ReadRegularFile(name, kSnapshotFileLimit, problem);
    if (!content) throw SnapshotUnreadable(FileProblemText(name, problem));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(*content), &error);
    if (error.error != QJsonParseError::NoError || !document.object().contains(QStringLiteral("snapshot")) ||
        !HasEntries(document.object()))
        throw SnapshotUnreadable("\"" + name + "\" is not a snapshot written by --snapshot.");
    return document.object();
}

std::vector<SnapshotDifference> CompareSnapshots(const QJsonObject &a, const QJsonObject &b, bool compareMoving) {
    std::vector<SnapshotDifference> out;
    std::map<QString, QJsonObject> entriesB;
    KeyCounter keysB;
    for (const QJsonValue &e : b["entries"].toArray()) entriesB[keysB.Next(EntryKey(e.toObject()))] = e.toObject();
    QSet<QString> seen;
    KeyCounter keysA;
    for (const QJsonValue &value : a["entries"].toArray()) {
        const QJsonObject entryA = value.toObject();
        const QString key = keysA.Next(EntryKey(entryA));
        seen.insert(key);
        const auto found = entriesB.find(key);
        if (found == entriesB.end()) {
            out.push_back({EntryPath(entryA), {}, {}, {}, State(entryA), QJsonValue::Undefined});
            continue;
        }
        const QJsonObject &entryB = found->second;
        const bool readA = !entryA.contains(QStringLiteral("skipped"));
        const bool readB = !entryB.contains(QStringLiteral("skipped"));
        if (readA && readB)
            EntryComparison(EntryPath(entryA), compareMoving, out).Compare(entryA, entryB);
        else if (readA != readB)
            out.push_back({EntryPath(entryA), {}, {}, {}, State(entryA), State(entryB)});
    }
    KeyCounter keysOfB;
    for (const QJsonValue &value : b["entries"].toArray()) {
        const QJsonObject entryB = value.toObject();
        if (!seen.contains(keysOfB.Next(EntryKey(entryB)))) out.push_back({EntryPath(entryB), {}, {}, {}, QJsonValue::Undefined, State(entryB)});
    }
    return out;
}

std::string DifferencesText(const std::vector<SnapshotDifference> &differences) {
    std::string out;
    for (const SnapshotDifference &d : differences) {
        // Captions and row keys come from files and devices: no escape sequence reaches the terminal.
        std::string where = PrintableText(d.entry.join(QStringLiteral(" > ")).toStdString());
        if (!d.page.isEmpty()) where += " [" + PrintableText(d.page.toStdString()) + "]";
        if (!d.row.isEmpty()) where += " row " + PrintableText(d.row.toStdString());
        if (!d.value.isEmpty()) where += ": " + PrintableText(d.value.toStdString());
        out += where + ": " + ShownText(d.a, d.aPorts) + " -> " + ShownText(d.b, d.bPorts) + "\n";
    }
    return out;
}

std::string DifferencesJson(const std::vector<SnapshotDifference> &differences) {
    QJsonArray list;
    for (const SnapshotDifference &d : differences) {
        QJsonObject item{{"entry", QJsonArray::fromStringList(d.entry)},
                         {"page", d.page},
                         {"row", d.row},
                         {"value", d.value},
                         {"a", JsonSide(d.a)},
                         {"b", JsonSide(d.b)}};
        // Port lists keep their hex and add their ranges, as --show's JSON does.
        if (!d.aPorts.isUndefined()) item.insert(QStringLiteral("aPorts"), d.aPorts);
        if (!d.bPorts.isUndefined()) item.insert(QStringLiteral("bPorts"), d.bPorts);
        list.append(item);
    }
    const QJsonObject document{{"equal", differences.empty()}, {"differences", list}};
    return QJsonDocument(document).toJson(QJsonDocument::Indented).toStdString();
}
