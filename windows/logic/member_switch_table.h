#pragma once
// The single-IP member switch table without widgets: the list's variables, the add dialog's, and
// the checks of a new member.

#include "engine/descriptor.h"
#include "windows/logic/row_table.h"

#include <string>
#include <vector>

namespace member_switch {

// The list, one row per member switch.
enum ListRow : int { kId = 0, kRowStatusColumn = 9 };
constexpr int kIndexCount = 1;
// The list is read with a longer time-out (hundredths of a second): members answer through the
// commander.
constexpr int kListTimeout = 500;
extern const DescriptorRecord kListDescriptors[];

// The add dialog: one instance, the member's ID.
enum DialogRow : int { kMemberId = 0, kCandidateSource = 1, kPassword = 2, kRowStatus = 3 };
enum Field : int { kIdField = 0, kCandidateField = 1, kStatusField = 3 };
extern const DescriptorRecord kDialogDescriptors[];
extern const char kIdFormat[];
extern const char kPasswordFormat[];
extern const char kDuplicateMessage[];

struct NewMember {
    std::string id, candidateSource, password, status;  // the status as its label
};

row_table::Verdict CheckAdd(const NewMember &member, const row_table::Rows &listed);
// A delete writes the row status alone.
const std::vector<int> &DeleteExclusions();

}  // namespace member_switch
