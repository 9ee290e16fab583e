#pragma once

#include <string_view>

// Whether the text is an IPv4 multicast address as the multicast-range rows take it: four
// dot-separated parts (a run of dots counts as one), the first from 224 to 239, none 256 or above.
// Texts longer than 24 characters are never one.
bool IsMulticastAddress(std::string_view text);
