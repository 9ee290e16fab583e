#include "shell/host_resolver.h"

#include <arpa/inet.h>

std::optional<std::string> ResolveIPv4(const std::string &hostName, const NameLookup &lookup) {
    if (hostName.empty()) return std::nullopt;
    // The name service would be asked for the address's name (a reverse lookup) for nothing.
    in_addr address{};
    if (::inet_pton(AF_INET, hostName.c_str(), &address) == 1) return hostName;
    return lookup(hostName);
}
