#include "shell/headless_run.h"

#include "catalogue/entry_recipe.h"
#include "catalogue/model/catalogue_json.h"
#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/entry_path.h"
#include "catalogue/model/entry_reader.h"
#include "catalogue/window_registry.h"
#include "engine/session.h"
#include "shell/headless_options.h"
#include "shell/startup.h"
#include "windows/window_list.h"

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

void Complain(const std::string &text) {
    std::fputs(text.c_str(), stderr);
    std::fputc('\n', stderr);
}

// The whole output at once, so that a failure leaves nothing behind on standard output.
int Print(const std::string &text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
    if (!written) Complain("Standard output could not be written.");
    return written ? 0 : kFailed;
}

int Show(const HeadlessOptions &options, const QString &moduleDirectory) {
    const FoundEntry found = FindEntryByPath(MenuCatalogue::Instance(), options.entry);
    if (found.entry == nullptr) {
        Complain("There is no menu entry \"" + options.entry + "\"; --catalogue lists them all.");
        return kFailed;
    }
    const MenuEntry &entry = *found.entry;
    if (!IsReadableEntry(entry)) {
        Complain("The menu entry \"" + options.entry + "\" has no table or values to read.");
        return kFailed;
    }
    const StartupOutcome outcome =
        RunStartup({options.moduleParameters, moduleDirectory},
                   [](const QString &text, StartupNotice) { Complain(text.toStdString()); });
    if (!outcome.ready) return kFailed;
    // The window's question, answered by the option instead of asked.
    if (options.v2cForCounter64 && entry.askV2cForCounter64 && SessionSecurity.version == 0)
        SessionSecurity.version = 1;
    const EntryReading reading = ReadEntry(entry, found.path, EntryCaption(entry, outcome.texts.host));
    return Print(options.format(reading));
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
        }
    } catch (const std::exception &error) {
        Complain(error.what());
        return kFailed;
    }
    return kUsage;
}
