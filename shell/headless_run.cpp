#include "shell/headless_run.h"

#include "catalogue/entry_recipe.h"
#include "catalogue/model/catalogue_json.h"
#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/entry_path.h"
#include "catalogue/model/entry_reader.h"
#include "catalogue/model/entry_request.h"
#include "catalogue/model/entry_write.h"
#include "catalogue/model/snapshot.h"
#include "catalogue/model/snapshot_diff.h"
#include "catalogue/window_registry.h"
#include "engine/module_version.h"
#include "engine/session.h"
#include "shell/headless_io.h"
#include "shell/headless_options.h"
#include "shell/headless_restore.h"
#include "shell/startup.h"
#include "windows/window_list.h"

#include <QDateTime>

#include <exception>
#include <stdexcept>

namespace {

constexpr int kFailed = kHeadlessFailed;
constexpr int kUsage = kHeadlessUsage;
// Printed, but a table read stopped short (the row limit, a column the agent ended early).
constexpr int kIncomplete = 3;

int Show(const HeadlessOptions &options, const QString &moduleDirectory) {
    const FoundEntry found = FindEntryByPath(MenuCatalogue::Instance(), options.entry);
    if (found.entry == nullptr) {
        Complain("There is no menu entry \"" + options.entry + "\"; --catalogue lists them all.");
        return kFailed;
    }
    const MenuEntry &entry = *found.entry;
    const WindowReader *windowReader =
        entry.kind == EntryKind::Window ? DedicatedWindows().FindReader(entry.windowClass) : nullptr;
    if (!IsReadableEntry(entry) && windowReader == nullptr) {
        Complain("The menu entry \"" + options.entry + "\" has no table or values to read.");
        return kFailed;
    }
    StartupOutcome outcome;
    if (!StartUp(options, moduleDirectory, outcome)) return kFailed;
    if (windowReader != nullptr) {
        const EntryReading reading{found.path, EntryCaption(entry, outcome.texts.host), {(*windowReader)(options.intervalMs)}};
        return Print(options.format(reading));
    }
    AnswerCounter64Question(entry, options.v2cForCounter64);
    const EntryReading reading = ReadEntry(entry, found.path, EntryCaption(entry, outcome.texts.host));
    const int printed = Print(options.format(reading));
    for (const std::string &shortfall : reading.shortfalls) Complain(shortfall);
    return printed == 0 && !reading.shortfalls.empty() ? kIncomplete : printed;
}

int Set(const HeadlessOptions &options, const QString &moduleDirectory) {
    std::string page;
    const FoundEntry found = FindWriteEntry(MenuCatalogue::Instance(), options.entry, page);
    if (found.entry == nullptr) {
        Complain("There is no menu entry \"" + options.entry + "\"; --catalogue lists them all.");
        return kFailed;
    }
    const MenuEntry &entry = *found.entry;
    if (!IsReadableEntry(entry)) {
        Complain("The menu entry \"" + options.entry + "\" has no values to set.");
        return kFailed;
    }
    const PanelRecipe &recipe = PanelForWrite(entry, page, options.write);
    StartupOutcome outcome;
    if (!StartUp(options, moduleDirectory, outcome)) return kFailed;
    AnswerCounter64Question(entry, options.v2cForCounter64);
    // Every value is checked, and an edited row found, before anything is sent.
    EntryWrite write(entry, recipe, options.write);
    if (options.dryRun) return Print(BindingText(write.Bindings(), {}));
    write.Send();
    return 0;
}

int Snapshot(const HeadlessOptions &options, const QString &moduleDirectory) {
    const std::vector<FoundEntry> entries = ReadableEntries(MenuCatalogue::Instance(), options.menu);
    if (entries.empty()) {
        Complain("There is no menu \"" + options.menu + "\" with entries to read; --catalogue lists them all.");
        return kFailed;
    }
    StartupOutcome outcome;
    if (!StartUp(options, moduleDirectory, outcome)) return kFailed;
    const SnapshotHeader header{SessionDevice.host + ":" + std::to_string(SessionDevice.port),
                                QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString(), kModuleVersion,
                                options.redact};
    std::size_t skipped = 0;
    std::size_t incomplete = 0;
    auto progress = [&](std::size_t done, std::size_t total, const FoundEntry &entry, const std::string &reason,
                        const std::string &shortfall) {
        std::string line = "[" + std::to_string(done) + "/" + std::to_string(total) + "] ";
        for (std::size_t k = 0; k < entry.path.size(); ++k) line += (k ? " > " : "") + entry.path[k];
        if (!reason.empty()) {
            line += ": skipped, " + reason;
            ++skipped;
        } else if (!shortfall.empty()) {
            line += ": incomplete, " + shortfall;
            ++incomplete;
        }
        Complain(line);
    };
    const std::string snapshot = TakeSnapshot(entries, header, outcome.texts.host, options.v2cForCounter64, progress);
    Complain(std::to_string(entries.size() - skipped) + " entries read, " + std::to_string(skipped) + " skipped" +
             (incomplete > 0 ? ", " + std::to_string(incomplete) + " incomplete." : "."));
    const int printed = Print(snapshot);
    return printed == 0 && incomplete > 0 ? kIncomplete : printed;
}

constexpr int kDifferent = 1;
constexpr int kUnreadable = 2;

int Diff(const HeadlessOptions &options) {
    QJsonObject snapshots[2];
    try {
        for (int k = 0; k < 2; ++k) snapshots[k] = LoadSnapshot(QString::fromStdString(options.diffFiles[k]));
    } catch (const SnapshotUnreadable &error) {
        Complain(error.what());
        return kUnreadable;
    }
    const std::vector<SnapshotDifference> differences = CompareSnapshots(snapshots[0], snapshots[1], options.compareMoving);
    const std::string text = options.formatName == "json" ? DifferencesJson(differences) : DifferencesText(differences);
    const int printed = Print(text);
    if (printed != 0) return printed;
    return differences.empty() ? 0 : kDifferent;
}

}  // namespace

int RunHeadless(const QStringList &parameters, const QString &moduleDirectory, const QString &program) {
    HeadlessOptions options;
    try {
        options = ParseHeadlessOptions(parameters);
    } catch (const std::invalid_argument &error) {
        Complain(std::string(error.what()) + " --help describes the options.");
        return kUsage;
    }
    // A failed exchange raises the catalogue's message; nothing has been printed by then.
    try {
        switch (options.action) {
        case HeadlessOptions::Action::Help: return Print(HeadlessHelpText(program.toStdString()));
        case HeadlessOptions::Action::Catalogue: return Print(CatalogueJson(MenuCatalogue::Instance(), DedicatedWindows().Classes()));
        case HeadlessOptions::Action::Show: return Show(options, moduleDirectory);
        case HeadlessOptions::Action::Set: return Set(options, moduleDirectory);
        case HeadlessOptions::Action::Snapshot: return Snapshot(options, moduleDirectory);
        case HeadlessOptions::Action::Diff: return Diff(options);
        case HeadlessOptions::Action::Restore: return RestoreSnapshot(options, moduleDirectory);
        case HeadlessOptions::Action::Command: return SendCommand(options, moduleDirectory);
        }
    } catch (const std::exception &error) {
        Complain(FailureText(error));
        return kFailed;
    }
    return kUsage;
}
