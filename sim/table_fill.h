#pragma once
// Synthetic rows for load tests: copies of a table's first row under the following indexes.
#include "mib_model.h"
#include "sim_options.h"

#include <optional>
#include <string>

// An error text when the table is unknown or no further index can be formed.
std::optional<std::string> fillTable(MibModel& model, const FillSpec& fill);
