#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Length of the well-formed UTF-8 sequence starting at s[i] (no overlong forms, no surrogates,
// nothing beyond U+10FFFF), or 0 when none starts there.
std::size_t Utf8Length(const std::string &s, std::size_t i);

bool IsUtf8(const std::string &s);

// A JSON string literal for a caption or a message: control characters (C0, DEL, C1) escaped, octets that are not
// UTF-8 written as U+FFFD, so the document stays valid whatever the text holds.
std::string JsonString(const std::string &s);

// A device's value exactly: a JSON string when it is UTF-8, otherwise {"hex":"..."} with its octets
// (two upper-case digits each), so that any octets read back as they were and byte FF never reads
// as the text "ÿ".
std::string JsonValue(const std::string &s);

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
