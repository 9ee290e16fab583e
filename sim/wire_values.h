#pragma once
// Moves model values in and out of the agent library's variable bindings.
#include "value.h"

#include <optional>

struct variable_list;

void setWireValue(variable_list* vb, const Value& value);
// nullopt for types the model never holds (NULL, exceptions, ...).
std::optional<Value> valueFromWire(const variable_list* vb);
