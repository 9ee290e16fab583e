#pragma once

#include "engine/var_list.h"

#include <functional>

// Runs a conversion of the item's value; a CodedError it raises comes out with the item's label in
// front ("Contact: ..."), so that a refusal names the field the user knows.
void NameRefusal(const VarItem &item, const std::function<void()> &convert);
