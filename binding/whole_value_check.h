#pragma once

#include "binding/edit_constraint_rules.h"  // IsReservedValueText

#include <cstdint>
#include <string>

// Raises -518 when a text that stands for a whole value does not convert to its syntax: addresses
// must be four dotted numbers from 0 to 255, and integers, counters, gauges and unsigned values
// whole numbers within their syntax's range. The reserved texts "(NULL)" and "(NOTDONE)" pass.
void CheckWholeValueText(const std::string &text, std::uint32_t syntax);

// The raw form of a text that stands for a whole value, as the editor collects a field: checked as
// above, packed (TextToRaw), and held to its syntax's size (a MAC address of 6 octets).
std::string WholeValueRaw(const std::string &text, std::uint32_t syntax);
