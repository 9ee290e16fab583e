#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The one parser of whole decimal numbers: the text must be one number, with an optional '+' or '-'
// that the type allows, that fits the type; anything else is refused rather than silently changed.
// Typed values may carry blanks around the number; command-line and file values may not.
enum class Blanks { Allowed, Refused };
std::optional<std::int32_t> ParseSigned32(const std::string &text, Blanks blanks = Blanks::Allowed);
std::optional<std::uint32_t> ParseUnsigned32(const std::string &text, Blanks blanks = Blanks::Allowed);
std::optional<std::uint64_t> ParseUnsigned64(const std::string &text, Blanks blanks = Blanks::Allowed);

// The eight octets of an IEEE-754 double, least significant first, and back.
std::uint64_t DoubleBits(double value);
double DoubleFromBits(std::uint64_t bits);
std::string DoubleOctets(double value);
double DoubleFromOctets(const std::string &octets);  // needs eight octets
