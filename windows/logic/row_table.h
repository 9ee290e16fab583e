#pragma once
// What the dedicated table editors share without widgets: the rows as listed, the row-status
// choices, and a refused action.

#include "engine/option_list.h"

#include <optional>
#include <string>
#include <vector>

namespace row_table {

// One listed row's cells, in column order, as shown.
using Cells = std::vector<std::string>;
using Rows = std::vector<Cells>;

// 1 "active", 4 "createAndGo", 6 "destroy".
extern const VdOptionList kRowStatusOptions;
inline constexpr const char *kActive = "active";
inline constexpr const char *kCreateAndGo = "createAndGo";
inline constexpr const char *kDestroy = "destroy";

extern const char kChooseItemMessage[];
extern const char kNothingToWriteMessage[];
extern const char kBusyMessage[];

// An action stopped before anything was sent: the message, and the field to put the focus on
// (a window's own field numbering; -1 for none).
struct Refusal {
    std::string message;
    int field = -1;
    bool operator==(const Refusal &) const = default;
};
using Verdict = std::optional<Refusal>;

// The cell of a row, empty when the row is shorter.
const std::string &Cell(const Cells &row, std::size_t column);
// How many rows hold text in the column.
int CountCell(const Rows &rows, std::size_t column, const std::string &text);
// Whether two identifiers typed or listed name the same number ("05" and "5").
bool SameNumber(const std::string &a, const std::string &b);
// Whether any row's cell in the column is the same number as text.
bool HasNumber(const Rows &rows, std::size_t column, const std::string &text);

}  // namespace row_table
