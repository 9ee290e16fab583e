#pragma once

#include <string>
#include <vector>

// A comma-separated list of bit or byte positions ("0,1,7"); anything else raises -2.
std::vector<int> ParsePositionList(const std::string &text);
