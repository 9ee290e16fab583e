#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Forms of values that people read in windows; files and scripts keep the exact values.

// Bits per second of one unit of an interface speed variable (ifSpeed counts bits, ifHighSpeed
// millions of them); 0 for any other variable.
std::uint64_t InterfaceSpeedUnit(const std::string &oid);
// "1000000000 (1 Gb/s)"; nullopt for a text that is no count.
std::optional<std::string> BitRateText(const std::string &value, std::uint64_t unit);

bool IsCounterSyntax(std::uint32_t syntax);
// "1,234,567"; nullopt for a text that is no count.
std::optional<std::string> GroupedText(const std::string &value);

// A port list's hex as ranges ("1-4,49,52", "none"); nullopt for a text that is no hex.
std::optional<std::string> PortListText(const std::string &hex, int ports);
