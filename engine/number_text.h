#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Whole numbers typed for a write: the text must be one number (blanks around it allowed) that fits
// the type; anything else is refused rather than silently changed.
std::optional<std::int32_t> ParseSigned32(const std::string &text);
std::optional<std::uint32_t> ParseUnsigned32(const std::string &text);
std::optional<std::uint64_t> ParseUnsigned64(const std::string &text);

// The eight octets of an IEEE-754 double, least significant first, and back.
std::uint64_t DoubleBits(double value);
double DoubleFromBits(std::uint64_t bits);
std::string DoubleOctets(double value);
double DoubleFromOctets(const std::string &octets);  // needs eight octets
