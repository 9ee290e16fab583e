#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The most octets a DisplayString holds.
inline constexpr std::size_t kDisplayStringMaxOctets = 255;

// Raises CodedError -518 with what the syntax takes when the octets of a value do not fit it: a MAC
// address is exactly 6 octets, an IPv6 address 16, a DisplayString at most 255. Other syntaxes
// pass.
void CheckOctetCount(const std::string &octets, std::uint32_t syntax);
