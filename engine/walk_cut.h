#pragma once

#include <string>
#include <vector>

// Rows one walk reads at most unless the device's settings say otherwise: well above any table of
// the switch, low enough that an agent whose table never ends cannot exhaust the memory.
inline constexpr int kDefaultMaxRows = 100000;

// Why a walk stopped short of the end of its table. The rows read before are kept.
struct WalkCut {
    enum class Why { RowLimit, Repeated, WentBack };
    Why why = Why::RowLimit;
    std::string column;    // the column's label (trimmed); empty for the row limit
    std::string asked;     // the name the column was asked from
    std::string returned;  // the name the agent answered with
    int rows = 0;          // the limit that ended the walk
};

// One sentence per cut, joined by blanks. No full stop at the end: status lines add their own.
std::string WalkCutText(const std::vector<WalkCut> &cuts);
