#pragma once

#include <functional>
#include <optional>
#include <string>

// Asks the name service for a host's first IPv4 address (shell/name_lookup.cpp).
using NameLookup = std::function<std::optional<std::string>(const std::string &hostName)>;
std::optional<std::string> LookUpIPv4(const std::string &hostName);

// The first IPv4 address of a host name or dotted address, as dotted text; nothing when the name
// does not resolve to any IPv4 address. A dotted address is taken as it is, without asking the
// name service anything.
std::optional<std::string> ResolveIPv4(const std::string &hostName, const NameLookup &lookup = LookUpIPv4);
