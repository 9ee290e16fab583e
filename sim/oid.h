#pragma once
// Object identifiers as plain sub-identifier vectors, so the model stays free of agent types.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using Oid = std::vector<std::uint32_t>;

// Dotted decimal with or without a leading dot; nullopt on anything else.
std::optional<Oid> parseOid(std::string_view text);
std::string formatOid(const Oid& oid);
bool hasPrefix(const Oid& oid, const Oid& prefix);
Oid concat(const Oid& head, const Oid& tail);
