#pragma once
// The agent library set up as a self-contained device: no system configuration or MIB files,
// persistent state only in a private temporary directory, access by community and USM user.
#include "sim_options.h"

#include <filesystem>
#include <string>
#include <variant>

class AgentLibrary {
public:
    explicit AgentLibrary(bool verbose);
    ~AgentLibrary();
    AgentLibrary(const AgentLibrary&) = delete;
    AgentLibrary& operator=(const AgentLibrary&) = delete;

    // Finishes start-up and installs the communities and users; register handlers before.
    void configureAccess(const SimOptions& options);
    // Opens a UDP endpoint on address:port (0 picks a free port); the bound port or an error.
    std::variant<std::uint16_t, std::string> listen(const std::string& address, std::uint16_t port);

private:
    std::filesystem::path stateDir_;
};
