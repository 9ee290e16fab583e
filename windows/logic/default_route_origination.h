#pragma once
// Origination of a default route into OSPF without widgets: its variables, which of them a write
// carries, and when the dependent settings are locked.

#include "engine/option_list.h"
#include "engine/descriptor.h"

#include <array>
#include <string>

namespace default_route {

enum Row : int { kState = 0, kAlways = 1, kMettype = 2, kMetric = 3 };
constexpr int kRowCount = 4;

extern const DescriptorRecord kDescriptors[];
extern const VdOptionList kEnableOptions;
extern const VdOptionList kMetricTypeOptions;
extern const char kMetricFormat[];
extern const char kEmptyMetricMessage[];
extern const char kNothingChosenMessage[];

// The variable positions a write carries ("1,3"), one per ticked include mark; empty when none is
// ticked, which must send nothing (an empty selection would mean every variable).
std::string IncludedPositions(const std::array<bool, kRowCount> &marks);

// Whether the state drop-down, at this position with this text, locks the other rows' controls.
bool DependentsLocked(int statePosition, const std::string &stateText);

}  // namespace default_route
