#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Object identifiers as dotted texts ("1.3.6.1.2.1", no leading dot).

// The sub-identifiers of a dotted text; nullopt when a part is not a number below 2^32. An empty
// text gives no sub-identifiers.
std::optional<std::vector<std::uint32_t>> SplitOid(const std::string &text);
std::string JoinOid(const std::vector<std::uint32_t> &subIds, std::size_t from = 0);

// Whether a comes after b in the order of object identifiers.
bool OidGreater(const std::string &a, const std::string &b);
