#pragma once
// Command line of qsw7400-sim.
#include "oid.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

struct UserSpec {
    std::string name;
    std::string auth; // MD5, SHA or none
    std::string authPass;
    std::string priv; // DES, AES or none
    std::string privPass;
};

struct FillSpec {
    Oid table;
    std::size_t rows = 0;
};

struct SimOptions {
    std::string address = "127.0.0.1";
    std::uint16_t port = 16100;
    bool noDefaultProfile = false;
    std::vector<std::string> profiles;
    std::string readCommunity = "public";
    std::string writeCommunity = "private";
    std::vector<UserSpec> users; // the built-in users first
    std::vector<FillSpec> fills;
    unsigned delayMs = 0;
    unsigned dropEvery = 0;
    bool v1EchoEnd = false;
    std::optional<Oid> stuckWalk;
    std::optional<Oid> backwardsWalk;
    std::optional<Oid> endlessTable;
    std::optional<unsigned> bulkTooBig;
    unsigned maxMessage = 0; // 0: the library's own
    bool verbose = false;
};

struct HelpRequest {};
struct OptionError {
    std::string message;
};

std::variant<SimOptions, HelpRequest, OptionError> parseOptions(const std::vector<std::string>& args);
std::string usageText();
std::vector<UserSpec> builtInUsers();
