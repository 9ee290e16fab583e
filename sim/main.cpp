// qsw7400-sim: a simulated QSW-7400 switch answering SNMP on a loopback address.
#include "agent_library.h"
#include "event_loop.h"
#include "mib_handler.h"
#include "profile_loader.h"
#include "sim_options.h"
#include "table_fill.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) { stopRequested = 1; }

void installSignalHandlers()
{
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

// The default profiles lie beside the executable: the one generated from the module's catalogue
// (when built) first, then the shipped one, which overlays it.
std::vector<std::string> defaultProfiles()
{
    std::error_code error;
    auto dir = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    std::vector<std::string> files;
    if (std::filesystem::exists(dir / "qsw7400-sim-catalogue.profile", error))
        files.push_back((dir / "qsw7400-sim-catalogue.profile").string());
    files.push_back((dir / "qsw7400-sim.profile").string());
    return files;
}

// Loads the profiles and synthetic rows; an error text on failure.
std::optional<std::string> buildModel(const SimOptions& options, MibModel& model)
{
    std::vector<std::string> files;
    if (!options.noDefaultProfile)
        files = defaultProfiles();
    files.insert(files.end(), options.profiles.begin(), options.profiles.end());
    try {
        for (const std::string& file : files)
            loadProfile(file, model);
    } catch (const ProfileError& error) {
        return std::string(error.what());
    }
    for (const FillSpec& fill : options.fills)
        if (auto error = fillTable(model, fill))
            return error;
    return std::nullopt;
}

int serve(const SimOptions& options, MibModel& model)
{
    AgentLibrary library(options.verbose);
    library.configureAccess(options);
    MibHandler handler(model, HandlerQuirks{options.v1EchoEnd, options.stuckWalk, options.bulkTooBig,
                                                options.backwardsWalk, options.endlessTable});
    if (!handler.registerWithAgent()) {
        std::cerr << "qsw7400-sim: cannot register with the agent library\n";
        return 1;
    }

    std::unique_ptr<UdpRelay> relay;
    if (options.delayMs || options.dropEvery)
        relay = std::make_unique<UdpRelay>(options.delayMs, options.dropEvery);
    auto agentPort = library.listen(options.address, relay ? 0 : options.port);
    if (auto* error = std::get_if<std::string>(&agentPort)) {
        std::cerr << "qsw7400-sim: " << *error << "\n";
        return 1;
    }
    std::uint16_t port = std::get<std::uint16_t>(agentPort);
    if (relay) {
        if (auto error = relay->open(options.address, options.port, port)) {
            std::cerr << "qsw7400-sim: " << *error << "\n";
            return 1;
        }
        port = relay->port();
    }
    std::cout << "listening on " << options.address << ":" << port << std::endl;
    runEventLoop(relay.get(), stopRequested);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    auto parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (std::holds_alternative<HelpRequest>(parsed)) {
        std::cout << usageText();
        return 0;
    }
    if (auto* error = std::get_if<OptionError>(&parsed)) {
        std::cerr << "qsw7400-sim: " << error->message << "\n\n" << usageText();
        return 2;
    }
    const SimOptions& options = std::get<SimOptions>(parsed);
    MibModel model;
    if (auto error = buildModel(options, model)) {
        std::cerr << "qsw7400-sim: " << *error << "\n";
        return 1;
    }
    installSignalHandlers();
    return serve(options, model);
}
