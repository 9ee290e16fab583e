// The configuration file another program wrote, and the module's command line (one parameter a
// line), for the session parameters and for the headless run's options.

#include "fuzz_input.h"

#include "shell/command_line.h"
#include "shell/configuration.h"
#include "shell/decimal_number.h"
#include "shell/headless_options.h"
#include "shell/host_resolver.h"
#include "shell/session_parameters.h"

#include <QStringList>
#include <stdexcept>

// Host names are never looked up here: a fuzzed name must not reach a name server. Dotted
// addresses never get this far.
std::optional<std::string> LookUpIPv4(const std::string &) { return std::nullopt; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t mode = in.Byte();
    SessionParameters parameters;
    if (mode & 1) {
        LoadConfiguration(QString::fromStdString(WriteScratchFile(in.Rest(), "config.ini")), parameters);
        return 0;
    }
    QStringList arguments;
    while (!in.empty()) arguments << QString::fromStdString(in.Line());
    try {
        ParseCommandLine(arguments, parameters);
    } catch (const NotANumber &) {  // reported to the user at start-up
    }
    HostParameter(arguments);
    try {
        ParseHeadlessOptions(arguments);
    } catch (const std::invalid_argument &) {
    }
    return 0;
}
