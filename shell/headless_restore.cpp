#include "shell/headless_restore.h"

#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/device_command.h"
#include "catalogue/model/entry_path.h"
#include "catalogue/model/entry_write.h"
#include "catalogue/model/snapshot_diff.h"
#include "catalogue/model/snapshot_restore.h"
#include "engine/coded_error.h"
#include "engine/session.h"
#include "shell/headless_io.h"
#include "shell/headless_options.h"
#include "shell/startup.h"

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

constexpr int kTimedOut = -405;
// The entry whose window offers what the device resets.
constexpr char kResetEntry[] = "Basic Configuration>Reset";

// The question a window asks before a write the device acts on, answered by --yes or on a
// terminal; default No, and no answer without a terminal.
bool Confirmed(const std::string &question, bool yes) {
    if (yes) return true;
    if (isatty(STDIN_FILENO) == 0) {
        Complain(question + " Standard input is not a terminal to answer on: give --yes to write.");
        return false;
    }
    std::fputs((question + " [y/N] ").c_str(), stderr);
    char answer[16] = {};
    if (std::fgets(answer, sizeof answer, stdin) == nullptr) return false;
    const std::string text = FoldedCaption(answer);
    return text == "y" || text == "yes";
}

std::string Counted(std::size_t n, const char *what) { return std::to_string(n) + " " + what + (n == 1 ? "" : "s"); }

}  // namespace

int RestoreSnapshot(const HeadlessOptions &options, const QString &moduleDirectory) {
    QJsonObject snapshot;
    try {
        snapshot = LoadSnapshot(QString::fromStdString(options.restoreFile));
    } catch (const SnapshotUnreadable &error) {
        Complain(error.what());
        return kHeadlessUsage;
    }
    StartupOutcome outcome;
    if (!StartUp(options, moduleDirectory, outcome)) return kHeadlessFailed;
    RestorePlan plan;
    try {
        plan = PlanRestore(snapshot, MenuCatalogue::Instance(), {options.menu, options.deleteExtra});
    } catch (const WriteRefused &error) {
        Complain(error.what());
        return kHeadlessFailed;
    }
    for (const std::string &note : plan.notes) Complain(note);
    if (plan.steps.empty()) {
        Complain("The device holds the snapshot's values: nothing to write.");
        return 0;
    }
    // Every SET passes its checks before the first is sent.
    std::vector<std::unique_ptr<EntryWrite>> writes;
    std::string planText;
    for (const RestoreStep &step : plan.steps) {
        try {
            writes.push_back(std::make_unique<EntryWrite>(*step.found.entry, *step.recipe, step.order));
        } catch (const WriteRefused &error) {
            Complain(step.where + " (" + step.what + "): " + error.what());
            Complain("Nothing was written.");
            return kHeadlessFailed;
        }
        planText += BindingText(writes.back()->Bindings(), step.where);
    }
    if (options.dryRun) return Print(planText);
    const std::string question = "Write " + Counted(writes.size(), "SET") + " to " + SessionDevice.host + "?";
    if (!options.yes) std::fputs(planText.c_str(), stderr);
    if (!Confirmed(question, options.yes)) {
        Complain("Nothing was written.");
        return kHeadlessFailed;
    }
    for (std::size_t k = 0; k < writes.size(); ++k) {
        const RestoreStep &step = plan.steps[k];
        try {
            writes[k]->Send();
        } catch (const CodedError &error) {
            Complain(step.where + " (" + step.what + "): " + FailureText(error));
            std::string rest;
            for (std::size_t r = k; r < plan.steps.size(); ++r) rest += "\n  " + plan.steps[r].where + " (" + plan.steps[r].what + ")";
            Complain("Stopped: " + Counted(k, "SET") + " of " + std::to_string(writes.size()) +
                     " written; not written:" + rest);
            return kHeadlessFailed;
        }
        Complain("Written: " + step.where + " (" + step.what + ")");
    }
    Complain(Counted(writes.size(), "SET") + " written.");
    return 0;
}

int SendCommand(const HeadlessOptions &options, const QString &moduleDirectory) {
    const DeviceCommand *command = options.command == "save"     ? &kSaveChangesCommand
                                   : options.command == "reboot" ? &kRebootCommand
                                                                 : nullptr;
    // Reset sends what its window offers, through that window's field.
    std::unique_ptr<EntryWrite> reset;
    std::string question = command != nullptr ? command->question : "";
    StartupOutcome outcome;
    if (command == nullptr) {
        const FoundEntry found = FindEntryByPath(MenuCatalogue::Instance(), kResetEntry);
        const std::size_t equals = options.command.find('=');
        if (options.command.substr(0, equals) != "reset" || equals == std::string::npos) {
            Complain("--command reset needs what to reset, as reset=config; --show \"" + std::string(kResetEntry) +
                     "\" and --catalogue name the choices.");
            return kHeadlessUsage;
        }
        WriteOrder order;
        order.assignments.push_back(found.entry->panels.front().records.front().label + "=" + options.command.substr(equals + 1));
        if (!StartUp(options, moduleDirectory, outcome)) return kHeadlessFailed;
        try {
            reset = std::make_unique<EntryWrite>(*found.entry, found.entry->panels.front(), order);
        } catch (const WriteRefused &error) {
            Complain(std::string("--command reset=WHAT: ") + error.what());
            return kHeadlessUsage;
        }
        for (const Adjustment &a : found.entry->panels.front().adjustments)
            if (a.type == Adjustment::Type::Ask) question = a.text;
    } else if (!StartUp(options, moduleDirectory, outcome)) {
        return kHeadlessFailed;
    }
    if (!Confirmed(question, options.yes)) {
        Complain("Nothing was sent.");
        return kHeadlessFailed;
    }
    try {
        if (reset != nullptr) reset->Send();
        else SendDeviceCommand(*command);
    } catch (const CodedError &error) {
        // A device that reboots often goes before it can answer.
        Complain(FailureText(error));
        if (command == &kRebootCommand && error.code() == kTimedOut)
            Complain("A device that reboots may go before it answers: it may be restarting, or it did not get the command.");
        return kHeadlessFailed;
    }
    return 0;
}
