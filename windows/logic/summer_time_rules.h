#pragma once
// The summer-time settings without widgets: the variables, the packed start and end points, which
// rows a status shows, the checks a write must pass and the order of its set requests.

#include "engine/option_list.h"
#include "engine/descriptor.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace summer_time {

enum Row : int {
    kStatus = 0,
    kOffset = 1,
    kRepeatingStart = 2,
    kRepeatingEnd = 3,
    kAnnualStart = 4,
    kAnnualEnd = 5,
    kRowCount = 6,
};

extern const DescriptorRecord kDescriptors[];
extern const VdOptionList kStatusOptions;
extern const VdOptionList kWeekOptions;
extern const VdOptionList kDayOptions;
extern const VdOptionList kMonthOptions;

extern const char kRepeating[];
extern const char kAnnual[];

extern const char kChooseStatusMessage[];
extern const char kOffsetMessage[];
extern const char kTimeMessage[];
extern const char kSameMonthMessage[];

// One field of a packed point: where it sits, how it is packed, and its control (a drop-down when
// it has options, an edit box with the hint otherwise).
struct PointField {
    const char *name;
    std::size_t offset;
    std::uint32_t syntax;
    const VdOptionList *options;
    const char *hint;
};

bool IsPointRow(int row);
// "RepeatingStart", "RepeatingEnd", "AnnualStart", "AnnualEnd": names for the point rows' controls.
const char *PointName(int row);
// The fields of a point row in the order of its controls, left to right.
const std::vector<PointField> &PointFields(int row);
// The point rows a status shows: 2 and 3 for "repeating", 4 and 5 for "annual", none otherwise.
std::vector<int> PointRowsShown(const std::string &statusText);
// The rows the second read step includes: the offset and the points the status shows.
std::vector<int> DetailRows(const std::string &statusText);

// What the window holds for a row: its tick and its control texts (the status label, the offset,
// or a point's field texts in control order; drop-downs give their labels).
struct RowInput {
    bool ticked = false;
    std::vector<std::string> texts;
};
using FormInput = std::array<RowInput, kRowCount>;

struct Verdict {
    bool accepted = false;
    std::string message;  // empty on a silent refusal
};

// Every ticked field is checked before anything is written; the first failure refuses the write.
Verdict Check(const FormInput &input);

// The rows each set request carries, in order: the status alone, then the offset and the points
// of the chosen status. Only ticked rows go; a request that would carry nothing is left out.
std::vector<std::vector<int>> WriteSteps(const FormInput &input);

// What a Set says when its step `failed` (of steps) did not go through after the steps before it
// did: which settings took effect on the device, which did not, and why.
std::string PartialWriteText(const std::vector<std::vector<int>> &steps, std::size_t failed, const std::string &error);

}  // namespace summer_time
