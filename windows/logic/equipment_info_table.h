#pragma once
// The equipment's basic facts: capacity, stacking version, units supported and present.

#include "engine/option_list.h"
#include "engine/descriptor.h"

namespace equipment_info {

enum Row : int { kCapacity = 0, kStackingVersion = 1, kMaxUnits = 2, kUnitCount = 3 };

extern const DescriptorRecord kDescriptors[];
// The capacity's one named value: the octet 0x40 reads "Redundant Power".
extern const VdOptionList kCapacityOptions;

}  // namespace equipment_info
