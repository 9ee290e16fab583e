#pragma once
// The IPv4 address check of the table editors: a dotted quad of a host the device may be told about.

#include <array>
#include <optional>
#include <string>

// The four parts of a dotted quad, read as decimal (010 is 10); none unless the text is four
// non-empty runs of digits, each at most 255, joined by dots.
std::optional<std::array<int, 4>> ParseDottedQuad(const std::string &text);

// 1 to 16 characters of a dotted quad that is not all zeros, all ones, a loopback address, nor of
// class D (224 to 239) or E (240 to 247).
bool IsValidIpAddress(const std::string &text);
