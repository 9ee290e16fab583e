#pragma once

#include <optional>
#include <string>

// The first IPv4 address of a host name or dotted address, as dotted text; nothing when the name
// does not resolve to any IPv4 address.
std::optional<std::string> ResolveIPv4(const std::string &hostName);
