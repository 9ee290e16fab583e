#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Length of the valid UTF-8 sequence starting at s[i], or 0 when none starts there.
std::size_t Utf8Length(const std::string &s, std::size_t i);

// A JSON string literal for a value text. Octets that are not UTF-8, and control characters, keep
// their value as code points (\u00XX), so binary values survive.
std::string JsonString(const std::string &s);

// A JSON array of items, each written by toJson.
template <typename T, typename F>
std::string JsonArray(const std::vector<T> &items, F toJson) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i) out += ",";
        out += toJson(items[i]);
    }
    return out + "]";
}
