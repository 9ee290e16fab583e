#pragma once
// The agent library's own message counters, by their MIB-II snmp group names.
#include <cstdint>
#include <optional>
#include <string_view>

std::optional<std::uint64_t> agentStatistic(std::string_view name);
bool isAgentStatistic(std::string_view name);
