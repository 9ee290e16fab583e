#pragma once

#include <optional>
#include <string>

// The value of one hexadecimal digit, either case; nullopt for any other character.
std::optional<unsigned> HexDigitValue(char c);

// The hexadecimal text form of octet strings: two upper-case digits per octet, no separators.
std::string ToHex(const std::string &octets);

// Reads the hexadecimal text form back: blanks are removed; with an odd count the first digit alone
// is the first octet; any character that is not a hex digit counts as 0.
std::string FromHex(const std::string &text);

// Reads a hexadecimal text a user typed: blanks are ignored and, with macSeparators, so are ":",
// "-" and "." between groups of digits, each group padded to whole octets ("0:1a" is 00 1A). Any
// other character that is not a hex digit makes the text no value at all (nullopt).
std::optional<std::string> ParseHexOctets(const std::string &text, bool macSeparators);
