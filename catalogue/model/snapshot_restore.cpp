#include "catalogue/model/snapshot_restore.h"

#include "binding/edit_constraint_rules.h"
#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/entry_reader.h"
#include "catalogue/model/entry_reading.h"
#include "catalogue/model/entry_request.h"
#include "catalogue/model/redaction.h"
#include "engine/hex_text.h"
#include "engine/request.h"

#include <QJsonArray>

#include <algorithm>
#include <map>

namespace {

std::string Joined(const std::vector<std::string> &parts, const std::string &separator) {
    std::string out;
    for (std::size_t k = 0; k < parts.size(); ++k) out += (k ? separator : "") + parts[k];
    return out;
}

// A snapshot keeps octets that are not UTF-8 as {"hex": ...}.
std::string ValueOf(const QJsonValue &value) {
    if (value.isObject()) return FromHex(value.toObject()["hex"].toString().toStdString());
    return value.toString().toStdString();
}

std::vector<std::string> Strings(const QJsonArray &array) {
    std::vector<std::string> out;
    for (const QJsonValue &v : array) out.push_back(ValueOf(v));
    return out;
}

struct SnapshotPage {
    bool table = false;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;  // editors: label and value
    std::size_t keyColumns = 0;
    std::vector<std::string> instances;
};

SnapshotPage PageOf(const QJsonObject &page, const QJsonObject &hints) {
    SnapshotPage out;
    out.table = page["kind"].toString() == QStringLiteral("table");
    if (out.table) {
        out.columns = Strings(page["columns"].toArray());
        for (const QJsonValue &row : page["rows"].toArray()) out.rows.push_back(Strings(row.toArray()));
    } else {
        for (const QJsonValue &v : page["values"].toArray())
            out.rows.push_back({v["label"].toString().toStdString(), ValueOf(v["value"])});
    }
    out.keyColumns = static_cast<std::size_t>(std::max(0, hints["keyColumns"].toInt()));
    out.instances = Strings(hints["instances"].toArray());
    return out;
}

std::vector<std::string> IndexValues(const std::vector<std::string> &row, std::size_t keyColumns) {
    return {row.begin(), row.begin() + static_cast<std::ptrdiff_t>(std::min(keyColumns, row.size()))};
}

// A row's identity: its instance identifier, or its index values where the codec gave none.
std::string RowKey(const std::vector<std::string> &row, std::size_t keyColumns, const std::string &instance) {
    return instance.empty() ? "index " + Joined(IndexValues(row, keyColumns), ",") : instance;
}

// How --row finds a row of the device: its instance, else its index values.
std::string RowText(const PageReading &page, std::size_t r) {
    return page.instances[r].empty() ? Joined(IndexValues(page.rows[r], page.keyColumns), ",") : page.instances[r];
}

std::string RowName(const std::vector<std::string> &row, std::size_t keyColumns) {
    return "row " + Joined(IndexValues(row, keyColumns), ",");
}

class EntryRestore {
public:
    EntryRestore(const FoundEntry &found, const QJsonObject &snapshotEntry, bool redacted, const RestoreScope &scope,
                 RestorePlan &plan, std::vector<RestoreStep> &deletions)
        : found_(found), entry_(*found.entry), redacted_(redacted), scope_(scope), plan_(plan), deletions_(deletions) {
        // As --set takes it, without the blanks some captions carry.
        for (const std::string &caption : found.path) where_ += (where_.empty() ? "" : ">") + TrimmedCaption(caption);
        incompleteSnapshot_ = snapshotEntry.contains(QStringLiteral("incomplete"));
        const QJsonArray pages = snapshotEntry["show"]["pages"].toArray();
        const QJsonArray hints = snapshotEntry["compare"].toArray();
        device_ = ReadEntry(entry_, found.path, {});
        incompleteDevice_ = !device_.shortfalls.empty();
        shown_ = device_;
        if (redacted_)
            for (PageReading &page : shown_.pages) RedactSecrets(page, Joined(found.path, ">") + ">");
        for (std::size_t k = 0; k < entry_.panels.size(); ++k) {
            const PanelRecipe &recipe = entry_.panels[k];
            qsizetype at = -1;
            for (qsizetype p = 0; p < pages.size(); ++p)
                if (pages[p]["page"].toString().toStdString() == recipe.pageCaption) at = p;
            if (at < 0) continue;
            const SnapshotPage page = PageOf(pages[at].toObject(), hints[at].toObject());
            if (page.table != (recipe.panel == PanelKind::Table)) continue;
            Restore(recipe, k, page);
        }
    }

private:
    void Note(const std::string &where, const std::string &text) { plan_.notes.push_back(where + ": " + text); }

    void Restore(const PanelRecipe &recipe, std::size_t k, const SnapshotPage &page) {
        VdSNMPRequest request;
        PrepareEntryRequest(entry_, recipe, request);
        const std::string where = where_ + (recipe.pageCaption.empty() ? "" : ">" + TrimmedCaption(recipe.pageCaption));
        if (page.table)
            RestoreTable(recipe, request.list, where, device_.pages[k], shown_.pages[k], page);
        else
            RestoreEditor(recipe, request.list, where, shown_.pages[k], page);
    }

    bool Moving(const PanelRecipe &recipe, int position) const {
        return recipe.records[static_cast<std::size_t>(position)].moving;
    }

    bool Secret(const PanelRecipe &recipe, int position) const {
        return recipe.records[static_cast<std::size_t>(position)].secret;
    }

    // Whether a value from the snapshot can be written: a redacted secret and a value the
    // snapshot could not read cannot.
    bool Writable(const PanelRecipe &recipe, int position, const std::string &value, const std::string &where,
                  const std::string &label) {
        if (redacted_ && Secret(recipe, position)) {
            Note(where, label + " differs, but the snapshot holds it redacted: left as it is");
            return false;
        }
        if (IsReservedValueText(value)) {
            Note(where, label + " was not read in the snapshot (" + value + "): left as it is");
            return false;
        }
        return true;
    }

    void RestoreEditor(const PanelRecipe &recipe, const VdSNMPVarList &list, const std::string &where,
                       const PageReading &device, const SnapshotPage &page) {
        const std::vector<int> lines = list.ShownLines();
        WriteOrder order;
        std::vector<std::string> changed;
        for (const std::vector<std::string> &value : page.rows) {
            for (std::size_t k = 0; k < device.rows.size() && k < lines.size(); ++k) {
                const int position = lines[k];
                if (device.rows[k][0] != value[0] || !list.IsEditable(position) || Moving(recipe, position)) continue;
                if (device.rows[k][1] == value[1] || !Writable(recipe, position, value[1], where, value[0])) break;
                order.assignments.push_back(value[0] + "=" + value[1]);
                changed.push_back(value[0]);
                break;
            }
        }
        if (order.assignments.empty()) return;
        // A value the device acts on at once is a command, not a setting to put back.
        if (recipe.HasAdjustment(Adjustment::Type::Ask)) {
            Note(where, Joined(changed, ", ") + " differs, but the device acts on it at once: not written");
            return;
        }
        plan_.steps.push_back({found_, &recipe, where, "values " + Joined(changed, ", "), order});
    }

    void RestoreTable(const PanelRecipe &recipe, const VdSNMPVarList &list, const std::string &where,
                      const PageReading &raw, const PageReading &device, const SnapshotPage &page) {
        const std::vector<int> columns = list.ShownColumns();
        bool writable = recipe.statusRow >= 0;
        for (int position : columns) writable = writable || list.IsEditable(position);
        if (!writable) return;
        // The snapshot's columns by the device's: a column either lacks is left out.
        std::vector<int> positionOf(page.columns.size(), -1);
        for (std::size_t c = 0; c < page.columns.size(); ++c)
            for (std::size_t d = 0; d < device.columns.size() && d < columns.size(); ++d)
                if (device.columns[d] == page.columns[c]) positionOf[c] = columns[d];
        const auto changeable = [&](std::size_t c) {
            const int position = positionOf[c];
            return position >= list.indexCount && position != recipe.statusRow && list.IsEditable(position) &&
                   !Moving(recipe, position);
        };
        std::map<std::string, std::size_t> onDevice;
        for (std::size_t r = 0; r < device.rows.size(); ++r)
            onDevice.emplace(RowKey(device.rows[r], device.keyColumns, device.instances[r]), r);
        const bool rowsMayChange = !incompleteSnapshot_ && !incompleteDevice_;
        if (!rowsMayChange) Note(where, "a table read stopped short, so no row is created or deleted");

        std::map<std::string, bool> inSnapshot;
        for (std::size_t r = 0; r < page.rows.size(); ++r) {
            const std::vector<std::string> &row = page.rows[r];
            const std::string key = RowKey(row, page.keyColumns, r < page.instances.size() ? page.instances[r] : "");
            inSnapshot[key] = true;
            const auto found = onDevice.find(key);
            if (found == onDevice.end()) {
                if (rowsMayChange) Create(recipe, list, where, row, page, positionOf, changeable);
                continue;
            }
            const std::vector<std::string> &current = device.rows[found->second];
            WriteOrder order;
            std::vector<std::string> changed;
            for (std::size_t c = 0; c < row.size() && c < current.size() && c < positionOf.size(); ++c) {
                if (positionOf[c] < 0 || !changeable(c) || row[c] == current[c]) continue;
                const std::string &label = page.columns[c];
                if (!Writable(recipe, positionOf[c], row[c], where + " " + RowName(row, page.keyColumns), label)) continue;
                order.assignments.push_back(label + "=" + row[c]);
                changed.push_back(label);
            }
            if (order.assignments.empty()) continue;
            if (recipe.HasAdjustment(Adjustment::Type::NoEdit) || recipe.HasAdjustment(Adjustment::Type::RowsNotEditable)) {
                Note(where, RowName(row, page.keyColumns) + " differs in " + Joined(changed, ", ") +
                                ", but rows of this table are not edited: delete and add it again to change it");
                continue;
            }
            order.row = WriteOrder::Row::Edit;
            order.rowText = RowText(raw, found->second);
            plan_.steps.push_back({found_, &recipe, where, RowName(row, page.keyColumns) + " changed: " + Joined(changed, ", "), order});
        }
        if (!rowsMayChange || recipe.statusRow < 0) return;
        for (std::size_t r = 0; r < device.rows.size(); ++r) {
            if (inSnapshot.count(RowKey(device.rows[r], device.keyColumns, device.instances[r]))) continue;
            const std::string name = RowName(raw.rows[r], raw.keyColumns);
            if (!scope_.deleteExtra) {
                Note(where, name + " is not in the snapshot: kept (--delete-extra deletes it)");
                continue;
            }
            WriteOrder order;
            order.row = WriteOrder::Row::Delete;
            order.rowText = RowText(raw, r);
            deletions_.push_back({found_, &recipe, where, name + " deleted", order});
        }
    }

    template <typename Changeable>
    void Create(const PanelRecipe &recipe, const VdSNMPVarList &list, const std::string &where, const std::vector<std::string> &row,
                const SnapshotPage &page, const std::vector<int> &positionOf, Changeable changeable) {
        const std::string name = RowName(row, page.keyColumns);
        if (recipe.statusRow < 0) {
            Note(where, name + " is missing, and rows of this table are not created");
            return;
        }
        const std::vector<std::string> index = IndexValues(row, page.keyColumns);
        bool spelled = static_cast<int>(index.size()) == list.indexCount;
        for (std::size_t c = 0; c < index.size() && spelled; ++c)
            spelled = positionOf[c] >= 0 && index[c].find(',') == std::string::npos && !(redacted_ && Secret(recipe, positionOf[c]));
        if (!spelled) {
            Note(where, name + " is missing, but its index cannot be written from the snapshot");
            return;
        }
        WriteOrder order;
        order.row = WriteOrder::Row::Add;
        order.rowText = Joined(index, ",");
        for (std::size_t c = page.keyColumns; c < row.size() && c < page.columns.size(); ++c) {
            if (!changeable(c) || row[c].empty()) continue;
            if (redacted_ && Secret(recipe, positionOf[c])) {
                Note(where, name + " is created without " + page.columns[c] + ", which the snapshot holds redacted");
                continue;
            }
            if (IsReservedValueText(row[c])) continue;
            order.assignments.push_back(page.columns[c] + "=" + row[c]);
        }
        plan_.steps.push_back({found_, &recipe, where, name + " created", order});
    }

    const FoundEntry &found_;
    const MenuEntry &entry_;
    bool redacted_;
    const RestoreScope &scope_;
    RestorePlan &plan_;
    std::vector<RestoreStep> &deletions_;
    std::string where_;
    bool incompleteSnapshot_ = false;
    bool incompleteDevice_ = false;
    EntryReading device_;
    EntryReading shown_;  // as the snapshot spells it: secrets redacted when its are
};

}  // namespace

RestorePlan PlanRestore(const QJsonObject &snapshot, const MenuCatalogue &catalogue, const RestoreScope &scope) {
    std::vector<std::pair<FoundEntry, QJsonObject>> entries;
    std::vector<std::string> notRestorable;
    for (const QJsonValue &value : snapshot["entries"].toArray()) {
        const QJsonObject object = value.toObject();
        const std::vector<std::string> path = Strings(object["entry"].toArray());
        if (path.empty()) continue;
        if (!scope.menuCaption.empty() && FoldedCaption(path.front()) != FoldedCaption(scope.menuCaption)) continue;
        const FoundEntry found = FindEntryByPath(catalogue, Joined(path, ">"));
        if (found.entry == nullptr || !IsReadableEntry(*found.entry) || !object["show"].isObject()) {
            notRestorable.push_back(Joined(path, ">"));
            continue;
        }
        entries.emplace_back(found, object);
    }
    if (entries.empty())
        throw WriteRefused(scope.menuCaption.empty() ? "The snapshot holds no entry to restore."
                                                     : "The snapshot holds no entry of the menu \"" + scope.menuCaption + "\" to restore.");
    std::stable_partition(entries.begin(), entries.end(), [](const auto &e) { return e.first.entry->restoreFirst; });
    RestorePlan plan;
    for (const std::string &path : notRestorable) plan.notes.push_back(path + ": not read in the snapshot, or not restorable");
    std::vector<RestoreStep> deletions;
    const bool redacted = snapshot["redacted"].toBool();
    for (const auto &[found, object] : entries) {
        std::vector<RestoreStep> own;
        EntryRestore(found, object, redacted, scope, plan, own);
        // Within an entry too, rows of a later page may name rows of an earlier one.
        deletions.insert(deletions.begin(), own.rbegin(), own.rend());
    }
    plan.steps.insert(plan.steps.end(), deletions.begin(), deletions.end());
    return plan;
}
