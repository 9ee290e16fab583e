#pragma once

#include "engine/snmp_adapter.h"

#include <cstdint>
#include <string>

// Conversions between value texts and SNMP values by syntax code. Raise CodedError: -511 for an
// unknown syntax, -518 for a text that does not convert to its syntax (nothing is sent then).

// The value text of a response binding; "(NULL)" when the value prints as nothing (hex syntaxes
// give an empty text, DisplayString its octets, even none).
std::string BindingToText(const snmp::VarBind &binding, std::uint32_t syntax);

// Sets the binding's type and value from a text; "(NULL)" sends NULL whatever the syntax.
void TextToBinding(const std::string &text, std::uint32_t syntax, snmp::VarBind &binding);
