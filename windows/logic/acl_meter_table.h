#pragma once
// The ACL meter table without widgets: its variables and their input formats.

#include "engine/option_list.h"
#include "engine/descriptor.h"

namespace acl_meter {

enum Row : int { kProfileId = 0, kAccessId = 1, kRate = 2, kAction = 3 };
constexpr int kIndexCount = 2;

extern const DescriptorRecord kDescriptors[];
// 1 "other", 2 "drop-packet", 3 "set-drop-precedence".
extern const VdOptionList kActionOptions;
extern const char kProfileIdFormat[];
extern const char kAccessIdFormat[];
extern const char kRateFormat[];

}  // namespace acl_meter
