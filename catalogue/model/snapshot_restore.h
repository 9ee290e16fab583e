#pragma once

#include "catalogue/model/entry_path.h"
#include "catalogue/model/entry_write.h"

#include <QJsonObject>

#include <string>
#include <vector>

class MenuCatalogue;
class PanelRecipe;

// One SET a restore sends: the values of an editor page, or one row created, changed or deleted,
// as --set would write it.
struct RestoreStep {
    FoundEntry found;
    const PanelRecipe *recipe = nullptr;
    std::string where;  // the entry's captions and its page's, joined by ">", as --set names them
    std::string what;   // "values", "row 20 created", ...
    WriteOrder order;
};

// What putting the snapshot back on the device takes, and what it leaves as it is and why.
struct RestorePlan {
    std::vector<RestoreStep> steps;
    std::vector<std::string> notes;
};

struct RestoreScope {
    std::string menuCaption;   // empty: every entry of the snapshot
    bool deleteExtra = false;  // rows the device holds and the snapshot does not are deleted
};

// Reads each restorable entry of the snapshot from the device and compares it value by value:
// writable values that differ (never moving ones, never redacted secrets) become steps. Rows
// are matched by their index; entries marked "restore first" create and change their rows before
// all others and delete theirs after all others, so that rows naming them find them. Throws
// WriteRefused when the scope names no entry of the snapshot, CodedError for a failed read.
RestorePlan PlanRestore(const QJsonObject &snapshot, const MenuCatalogue &catalogue, const RestoreScope &scope);
