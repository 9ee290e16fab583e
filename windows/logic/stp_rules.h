#pragma once
// The global spanning-tree settings without widgets: their variables, the timer relations a write
// must keep, and which variables each write of a Set carries.

#include "engine/option_list.h"
#include "engine/descriptor.h"

#include <string>
#include <vector>

class VdSNMPVarList;

namespace stp {

// Rows of the full table (the edits); the MSTP table has the same rows without Hello Time.
enum Row : int { kVersion = 0, kMaxAge = 1, kHelloTime = 2, kForwardDelay = 3, kMaxHops = 4, kTxHoldCount = 5,
                 kForwardBpdu = 6 };
constexpr int kRowCount = 7;
constexpr int kMstpRowCount = 6;

extern const DescriptorRecord kFullTable[];
extern const DescriptorRecord kMstpTable[];
extern const DescriptorRecord kVersionTable[];  // the version alone, as the main window reads it
extern const VdOptionList kVersionOptions;
extern const VdOptionList kForwardBpduOptions;

extern const char kMaxAgeFormat[];
extern const char kHelloTimeFormat[];
extern const char kForwardDelayFormat[];
extern const char kMaxHopsFormat[];
extern const char kTxHoldCountFormat[];

extern const char kEmptyFieldsMessage[];
extern const char kDataErrorMessage[];
extern const char kMaxHopsMessage[];

extern const char kMstp[];
// What Hello Time shows after the user picks a version that uses it.
extern const char kDefaultHelloTime[];

// Hello Time is a setting of stp and rstp only.
inline bool UsesHelloTime(const std::string &version) { return version != kMstp; }

// The texts of the timer edits as the user left them.
struct TimerTexts {
    std::string maxHops;
    std::string maxAge;
    std::string forwardDelay;
    std::string helloTime;
};

// The message that stops a Set of this version with these timers, empty when they may be written:
// no version or empty fields, then 2 x (Forward Delay - 100) >= Max Age, Max Hops, and for stp and rstp
// Max Age >= 2 x (Hello Time + 100). Timers are hundredths of a second.
std::string CheckTimers(const std::string &chosenVersion, const TimerTexts &timers);

// One write of a Set: the rows left out of it (made read-only while it runs).
struct Write {
    std::vector<int> readOnlyRows;
    bool carriesVersion = false;
};

// The writes of a Set, in order, over the MSTP table for "mstp" and over the full table otherwise.
// An unchanged version is never written; a changed one goes alone and first, except for "mstp",
// whose six values go in one write.
struct WritePlan {
    bool mstpTable = false;
    std::vector<Write> writes;
};
WritePlan PlanWrites(const std::string &chosenVersion, const std::string &runningVersion);


// Leaves rows out of the writes made while it lives (read-only), and makes them writable again
// however the write ends.
class ReadOnlyRows {
public:
    ReadOnlyRows(VdSNMPVarList &list, const std::vector<int> &rows);
    ~ReadOnlyRows();
    ReadOnlyRows(const ReadOnlyRows &) = delete;
    ReadOnlyRows &operator=(const ReadOnlyRows &) = delete;

private:
    VdSNMPVarList &list_;
    std::vector<int> rows_;
};

}  // namespace stp
