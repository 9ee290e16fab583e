#pragma once
// Splitting of profile lines and option values.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Blank-separated words; "quoted text" may hold blanks. nullopt when a quote is left open.
std::optional<std::vector<std::string>> splitWords(std::string_view line);

// "a:b::c" split on ':' gives {"a", "b", "", "c"}; an empty text gives one empty field.
std::vector<std::string> splitFields(const std::string& text, char separator);
