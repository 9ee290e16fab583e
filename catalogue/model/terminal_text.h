#pragma once

#include <string>

// Text from a device or a file as a terminal may safely show it: control characters (C0, DEL and
// C1, which start escape sequences) and octets that are not UTF-8 become dots.
std::string PrintableText(const std::string &s);
