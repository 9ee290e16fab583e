#pragma once

#include "catalogue/model/entry_reading.h"
#include "catalogue/model/entry_write.h"

#include <QStringList>

#include <string>

// What a run without a window was asked to do. Every option starts with "--", which no module
// switch does, so the module's own switches pass through untouched.
struct HeadlessOptions {
    enum class Action { Show, Catalogue, Help, Set, Snapshot, Diff, Restore, Command };
    using Formatter = std::string (*)(const EntryReading &);

    Action action = Action::Help;
    std::string entry;                   // --show, --set: captions joined by ">"
    Formatter format = &FormatText;      // --format text|csv|json
    std::string formatName = "text";
    bool v2cForCounter64 = false;        // --v2c
    int intervalMs = 3000;               // --interval: the measurement of entries that show rates
    WriteOrder write;                    // --set: --row, --add, --delete and the Label=value parameters
    bool dryRun = false;                 // --dry-run (--set, --restore)
    std::string menu;                    // --snapshot, --restore: --menu
    bool redact = false;                 // --snapshot --redact
    std::string diffFiles[2];            // --diff A B
    bool compareMoving = false;          // --diff --moving
    std::string restoreFile;             // --restore FILE
    bool deleteExtra = false;            // --restore --delete-extra
    std::string command;                 // --command save|reboot|reset=CHOICE
    bool yes = false;                    // --yes: --restore and --command write without asking
    QStringList moduleParameters;        // everything else, for the start-up sequence
};

// True when the command line asks for a run without a window.
bool IsHeadlessRun(int argc, char *argv[]);

// Throws std::invalid_argument with a sentence for the user on an unknown or incomplete option.
HeadlessOptions ParseHeadlessOptions(const QStringList &parameters);

std::string HeadlessHelpText(const std::string &program);
