#pragma once

#include <string>

// The hexadecimal text form of octet strings: two upper-case digits per octet, no separators.
std::string ToHex(const std::string &octets);

// Reads the hexadecimal text form back: blanks are removed; with an odd count the first digit alone
// is the first octet; any character that is not a hex digit counts as 0.
std::string FromHex(const std::string &text);
