#include "shell/headless_io.h"

#include "catalogue/model/entry_write.h"
#include "engine/coded_error.h"
#include "engine/session.h"
#include "shell/headless_options.h"
#include "shell/startup.h"

#include <cstdio>

namespace {

constexpr int kTimedOut = -405;

// Whence the session's settings came, once start-up has run.
std::string g_settingsSource;

}  // namespace

void Complain(const std::string &text) {
    std::fputs(text.c_str(), stderr);
    std::fputc('\n', stderr);
}

int Print(const std::string &text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
    if (!written) Complain("Standard output could not be written.");
    return written ? 0 : kHeadlessFailed;
}

bool StartUp(const HeadlessOptions &options, const QString &moduleDirectory, StartupOutcome &outcome) {
    outcome = RunStartup({options.moduleParameters, moduleDirectory},
                         [](const QString &text, StartupNotice) { Complain(text.toStdString()); });
    for (const std::string &warning : outcome.warnings) Complain(warning);
    g_settingsSource = outcome.settingsSource;
    return outcome.ready;
}

std::string FailureText(const std::exception &error) {
    const auto *coded = dynamic_cast<const CodedError *>(&error);
    if (coded == nullptr || coded->code() != kTimedOut || g_settingsSource.empty()) return error.what();
    return std::string(error.what()) + " (" + SessionDevice.host + ":" + std::to_string(SessionDevice.port) + ", " +
           g_settingsSource + ")";
}

std::string BindingText(const std::vector<BindingLine> &lines, const std::string &where) {
    std::string out;
    for (const BindingLine &line : lines)
        out += line.oid + " = " + line.type + ": " + line.value + "  # " + (where.empty() ? "" : where + ": ") + line.label + "\n";
    return out;
}
