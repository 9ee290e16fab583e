#pragma once

#include <cstdint>
#include <string>

// One index component of a table instance, by syntax code. Raise CodedError: -514 when the
// sub-identifiers run out before the component is complete, -511 for an unknown syntax.

// Reads the component from the leading sub-identifiers of suffix into value and returns the
// sub-identifiers it did not consume (dotted). impliedLast: the component is the last index item
// and IMPLIED, so a variable-length component takes everything that remains.
std::string DecodeIndexComponent(std::uint32_t syntax, bool impliedLast, const std::string &suffix,
                                 std::string &value);

// The sub-identifiers (dotted) the value contributes to an instance; may be empty.
std::string EncodeIndexComponent(std::uint32_t syntax, bool impliedLast, const std::string &value);
