#pragma once
// The IPv4 route table of the standard IP group, one column per variable, the destination as index.

#include "engine/option_list.h"
#include "engine/descriptor.h"

namespace ip_routing {

extern const DescriptorRecord kDescriptors[];
extern const VdOptionList kTypeOptions;
extern const VdOptionList kProtoOptions;

}  // namespace ip_routing
