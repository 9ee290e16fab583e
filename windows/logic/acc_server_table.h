#pragma once
// The access-control server table without widgets: a row addressed by group name, address and
// protocol, created or removed by writing its row state.

#include "engine/option_list.h"
#include "engine/descriptor.h"

#include <string>

namespace acc_server {

enum Row : int { kGroupName = 0, kIpAddr = 1, kAuthProtocol = 2, kRowState = 3 };
constexpr int kIndexCount = 3;

extern const DescriptorRecord kDescriptors[];
extern const VdOptionList kProtocolOptions;
extern const VdOptionList kRowStateOptions;
extern const char kFieldFormat[];
extern const char kEmptyFieldsMessage[];
extern const char kSetFailedMessage[];

// "Set: Ok!. Receive at " + time of day + ".".
std::string SetOkText(const std::string &timeOfDay);

}  // namespace acc_server
