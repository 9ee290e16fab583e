#include "agent_statistics.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<std::string_view, int>, 28> kStatistics{{
    {"snmpInPkts", STAT_SNMPINPKTS},
    {"snmpOutPkts", STAT_SNMPOUTPKTS},
    {"snmpInBadVersions", STAT_SNMPINBADVERSIONS},
    {"snmpInBadCommunityNames", STAT_SNMPINBADCOMMUNITYNAMES},
    {"snmpInBadCommunityUses", STAT_SNMPINBADCOMMUNITYUSES},
    {"snmpInASNParseErrs", STAT_SNMPINASNPARSEERRS},
    {"snmpInTooBigs", STAT_SNMPINTOOBIGS},
    {"snmpInNoSuchNames", STAT_SNMPINNOSUCHNAMES},
    {"snmpInBadValues", STAT_SNMPINBADVALUES},
    {"snmpInReadOnlys", STAT_SNMPINREADONLYS},
    {"snmpInGenErrs", STAT_SNMPINGENERRS},
    {"snmpInTotalReqVars", STAT_SNMPINTOTALREQVARS},
    {"snmpInTotalSetVars", STAT_SNMPINTOTALSETVARS},
    {"snmpInGetRequests", STAT_SNMPINGETREQUESTS},
    {"snmpInGetNexts", STAT_SNMPINGETNEXTS},
    {"snmpInSetRequests", STAT_SNMPINSETREQUESTS},
    {"snmpInGetResponses", STAT_SNMPINGETRESPONSES},
    {"snmpInTraps", STAT_SNMPINTRAPS},
    {"snmpOutTooBigs", STAT_SNMPOUTTOOBIGS},
    {"snmpOutNoSuchNames", STAT_SNMPOUTNOSUCHNAMES},
    {"snmpOutBadValues", STAT_SNMPOUTBADVALUES},
    {"snmpOutGenErrs", STAT_SNMPOUTGENERRS},
    {"snmpOutGetRequests", STAT_SNMPOUTGETREQUESTS},
    {"snmpOutGetNexts", STAT_SNMPOUTGETNEXTS},
    {"snmpOutSetRequests", STAT_SNMPOUTSETREQUESTS},
    {"snmpOutGetResponses", STAT_SNMPOUTGETRESPONSES},
    {"snmpOutTraps", STAT_SNMPOUTTRAPS},
    {"snmpSilentDrops", STAT_SNMPSILENTDROPS},
}};

const std::pair<std::string_view, int>* lookup(std::string_view name)
{
    for (const auto& entry : kStatistics)
        if (entry.first == name)
            return &entry;
    return nullptr;
}

} // namespace

std::optional<std::uint64_t> agentStatistic(std::string_view name)
{
    const auto* entry = lookup(name);
    if (!entry)
        return std::nullopt;
    return snmp_get_statistic(entry->second);
}

bool isAgentStatistic(std::string_view name) { return lookup(name) != nullptr; }
