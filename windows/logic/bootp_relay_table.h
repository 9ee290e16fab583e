#pragma once
// The BOOTP relay server table without widgets: its variables and the checks of a new server.

#include "engine/option_list.h"
#include "engine/descriptor.h"
#include "windows/logic/row_table.h"

#include <string>

namespace bootp_relay {

enum Row : int { kInterfaceName = 0, kServerIp = 1, kState = 2 };
constexpr int kIndexCount = 2;
// An interface relays to at most this many servers.
constexpr int kServersPerInterface = 4;
enum Field : int { kInterfaceField = 0, kServerField = 1 };

extern const DescriptorRecord kDescriptors[];
// 2 "invalid" (removes the row), 3 "valid".
extern const VdOptionList kStateOptions;
inline constexpr const char *kInvalid = "invalid";
inline constexpr const char *kValid = "valid";
extern const char kFieldFormat[];
extern const char kTooManyServersMessage[];

row_table::Verdict CheckAdd(const std::string &interfaceName, const std::string &serverIp,
                            const row_table::Rows &listed);

}  // namespace bootp_relay
