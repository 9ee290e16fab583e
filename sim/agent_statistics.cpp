#include "agent_statistics.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<std::string_view, int>, 39> kStatistics{{
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
    {"snmpUnknownSecurityModels", STAT_SNMPUNKNOWNSECURITYMODELS},
    {"snmpInvalidMsgs", STAT_SNMPINVALIDMSGS},
    {"snmpUnknownPDUHandlers", STAT_SNMPUNKNOWNPDUHANDLERS},
    {"snmpUnavailableContexts", STAT_SNMPUNAVAILABLECONTEXTS},
    {"snmpUnknownContexts", STAT_SNMPUNKNOWNCONTEXTS},
    {"usmStatsUnsupportedSecLevels", STAT_USMSTATSUNSUPPORTEDSECLEVELS},
    {"usmStatsNotInTimeWindows", STAT_USMSTATSNOTINTIMEWINDOWS},
    {"usmStatsUnknownUserNames", STAT_USMSTATSUNKNOWNUSERNAMES},
    {"usmStatsUnknownEngineIDs", STAT_USMSTATSUNKNOWNENGINEIDS},
    {"usmStatsWrongDigests", STAT_USMSTATSWRONGDIGESTS},
    {"usmStatsDecryptionErrors", STAT_USMSTATSDECRYPTIONERRORS},
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
