#pragma once

#include <optional>
#include <string>

// The ports of the switch's port lists.
constexpr int kSwitchPorts = 52;

// A port list is a bit map: port n is bit n - 1, counted from the high bit of the first octet.
// People read and type it as ranges: "1-4,49,52", and "none" for no port.
std::string PortRangesText(const std::string &octets, int portCount);

struct PortRangesResult {
    std::optional<std::string> octets;  // octetCount octets; nullopt when refused
    std::string error;                  // why it was refused
};

// Reads "1-4, 49,52" (blanks aside; "none" or nothing for no port) into octetCount octets. A port
// outside 1..portCount, a range running backwards or any other text is refused.
PortRangesResult ParsePortRanges(const std::string &text, int portCount, std::size_t octetCount);

// The octets of a port list of portCount ports: whole octets, as many as the ports need.
std::size_t PortListOctets(int portCount);

// What a person typed into a port-list field: the list's hex form as shown for it elsewhere (two
// digits per octet, all of them), else ranges.
PortRangesResult ParsePortList(const std::string &text, int portCount);
