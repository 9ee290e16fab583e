#pragma once
// Splits a profile line into blank-separated words; "quoted text" may hold blanks.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// nullopt when a quote is left open.
std::optional<std::vector<std::string>> splitWords(std::string_view line);
