#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A value shown in a row of edit boxes, one box per octet, sub-identifier, address component or
// date field, by the syntax of the binding.

// The box texts for a value (its text and raw form). A shorter result leaves the remaining boxes as
// they are; nullopt leaves every box as it is ("(NULL)" for the syntaxes whose boxes keep their
// text). Boxes beyond a value that is shorter than the row are emptied; nothing beyond the value is
// read. Raises -522 when boxCount is below what the syntax needs.
std::optional<std::vector<std::string>> ValueToBoxes(std::uint32_t syntax, const std::string &text,
                                                     const std::string &raw, std::size_t boxCount);

// The value text the boxes give; a box holding "(NULL)" or "(NOTDONE)" gives that text. The variable's
// current text and raw length say how many boxes are needed (-522 when fewer); a field that does not
// fit its syntax raises -518.
std::string BoxesToValue(std::uint32_t syntax, const std::vector<std::string> &boxes,
                         const std::string &currentText, std::size_t rawLength);

// The smallest number of boxes a syntax needs (octet strings need one per octet of the value).
std::size_t MinimumBoxes(std::uint32_t syntax, const std::string &text, std::size_t rawLength);

// Date-time numbers (days since 30 December 1899, the fraction being the time of day).
struct DateTimeFields {
    int year = 0, month = 0, day = 0, hour = 0, minutes = 0, seconds = 0, milliseconds = 0;
};
DateTimeFields SplitDateTimeNumber(double days);
std::optional<double> JoinDateTimeNumber(const DateTimeFields &fields);
