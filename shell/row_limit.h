#pragma once

#include <QStringList>

#include <optional>

inline constexpr char kRowLimitOption[] = "--max-rows";

// The row limit of table walks given on the command line, "--max-rows N" or "--max-rows=N", for the
// window and for runs without one alike; none when it is not given. Throws std::invalid_argument
// with a sentence naming the allowed range.
std::optional<int> RowLimitParameter(const QStringList &parameters);

// Whether the parameter is the row limit option (with or without its value).
bool IsRowLimitParameter(const char *parameter);
