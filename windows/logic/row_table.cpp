#include "windows/logic/row_table.h"

#include "engine/number_text.h"

#include <algorithm>

namespace row_table {

namespace {

constexpr OptionRecord kRowStatusRecords[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};

}  // namespace

const VdOptionList kRowStatusOptions(kRowStatusRecords, VdOptionList::Integer);
const char kChooseItemMessage[] = "Choose the item first.";
const char kNothingToWriteMessage[] = "Nothing to write: the row has no value to send.";
const char kBusyMessage[] = "The table is being read; try again once the read has ended.";

const std::string &Cell(const Cells &row, std::size_t column) {
    static const std::string empty;
    return column < row.size() ? row[column] : empty;
}

int CountCell(const Rows &rows, std::size_t column, const std::string &text) {
    return static_cast<int>(std::count_if(rows.begin(), rows.end(), [&](const Cells &row) { return Cell(row, column) == text; }));
}

bool SameNumber(const std::string &a, const std::string &b) {
    const auto x = ParseUnsigned64(a);
    const auto y = ParseUnsigned64(b);
    return x && y ? *x == *y : a == b;
}

bool HasNumber(const Rows &rows, std::size_t column, const std::string &text) {
    return std::any_of(rows.begin(), rows.end(), [&](const Cells &row) { return SameNumber(Cell(row, column), text); });
}

}  // namespace row_table
