#include "windows/logic/counter_tables.h"

#include "engine/option_list.h"

namespace {

using namespace syntax;

constexpr std::uint32_t kRead = access_bit::Readable;

constexpr DescriptorRecord Counter32(const char *oid, const char *label) {
    return {oid, label, Counter, kRead, nullptr};
}
constexpr DescriptorRecord kEnd{nullptr, nullptr, 0, 0, nullptr};

const DescriptorRecord kUdp[] = {
    Counter32("1.3.6.1.2.1.7.1", "udpInDatagrams"), Counter32("1.3.6.1.2.1.7.2", "udpNoPorts"),
    Counter32("1.3.6.1.2.1.7.3", "udpInErrors"),    Counter32("1.3.6.1.2.1.7.4", "udpOutDatagrams"),
    {"1.3.6.1.2.1.7.5", "Table", BitString, access_bit::Index, nullptr},
    kEnd,
};

const DescriptorRecord kIp[] = {
    Counter32("1.3.6.1.2.1.4.3", "ipInReceives"),    Counter32("1.3.6.1.2.1.4.4", "ipInHdrErrors"),
    Counter32("1.3.6.1.2.1.4.5", "ipInAddrErrors"),  Counter32("1.3.6.1.2.1.4.6", "ipForwDatagrams"),
    Counter32("1.3.6.1.2.1.4.7", "ipInUnknownProtos"), Counter32("1.3.6.1.2.1.4.8", "ipInDiscards"),
    Counter32("1.3.6.1.2.1.4.9", "ipInDelivers"),    Counter32("1.3.6.1.2.1.4.10", "ipOutRequests"),
    Counter32("1.3.6.1.2.1.4.11", "ipOutDiscards"),  Counter32("1.3.6.1.2.1.4.12", "ipOutNoRoutes"),
    Counter32("1.3.6.1.2.1.4.14", "ipReasmReqds"),   Counter32("1.3.6.1.2.1.4.15", "ipReasmOKs"),
    Counter32("1.3.6.1.2.1.4.16", "ipReasmFails"),   Counter32("1.3.6.1.2.1.4.17", "ipFragOKs"),
    Counter32("1.3.6.1.2.1.4.18", "ipFragFails"),    Counter32("1.3.6.1.2.1.4.19", "ipFragCreates"),
    Counter32("1.3.6.1.2.1.4.23", "ipRoutingDiscards"),
    kEnd,
};

constexpr OptionRecord kEnableDisable[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VdOptionList kEnableDisableOptions(kEnableDisable, VdOptionList::Integer);

const DescriptorRecord kSnmp[] = {
    Counter32("1.3.6.1.2.1.11.1", "snmpInPkts"),          Counter32("1.3.6.1.2.1.11.2", "snmpOutPkts"),
    Counter32("1.3.6.1.2.1.11.3", "snmpInBadVersions"),   Counter32("1.3.6.1.2.1.11.4", "snmpInBadCommunityNames"),
    Counter32("1.3.6.1.2.1.11.5", "snmpInBadCommunityUses"), Counter32("1.3.6.1.2.1.11.6", "snmpInASNParseErrs"),
    Counter32("1.3.6.1.2.1.11.8", "snmpInTooBigs"),       Counter32("1.3.6.1.2.1.11.9", "snmpInNoSuchNames"),
    Counter32("1.3.6.1.2.1.11.10", "snmpInBadValues"),    Counter32("1.3.6.1.2.1.11.11", "snmpInReadOnlys"),
    Counter32("1.3.6.1.2.1.11.12", "snmpInGenErrs"),      Counter32("1.3.6.1.2.1.11.13", "snmpInTotalReqVars"),
    Counter32("1.3.6.1.2.1.11.14", "snmpInTotalSetVars"), Counter32("1.3.6.1.2.1.11.15", "snmpInGetRequests"),
    Counter32("1.3.6.1.2.1.11.16", "snmpInGetNexts"),     Counter32("1.3.6.1.2.1.11.17", "snmpInSetRequests"),
    Counter32("1.3.6.1.2.1.11.18", "snmpInGetResponses"), Counter32("1.3.6.1.2.1.11.19", "snmpInTraps"),
    Counter32("1.3.6.1.2.1.11.20", "snmpOutTooBigs"),     Counter32("1.3.6.1.2.1.11.21", "snmpOutNoSuchNames"),
    Counter32("1.3.6.1.2.1.11.22", "snmpOutBadValues"),   Counter32("1.3.6.1.2.1.11.24", "snmpOutGenErrs"),
    Counter32("1.3.6.1.2.1.11.25", "snmpOutGetRequests"), Counter32("1.3.6.1.2.1.11.26", "snmpOutGetNexts"),
    Counter32("1.3.6.1.2.1.11.27", "snmpOutSetRequests"), Counter32("1.3.6.1.2.1.11.28", "snmpOutGetResponses"),
    Counter32("1.3.6.1.2.1.11.29", "snmpOutTraps"),
    {"1.3.6.1.2.1.11.30", "Enable Authen Traps", Integer, access_bit::ReadWrite, &kEnableDisableOptions},
    kEnd,
};

const DescriptorRecord kIcmp[] = {
    Counter32("1.3.6.1.2.1.5.1", "icmpInMsgs"),           Counter32("1.3.6.1.2.1.5.2", "icmpInErrors"),
    Counter32("1.3.6.1.2.1.5.3", "icmpInDestUnreachs"),   Counter32("1.3.6.1.2.1.5.4", "icmpInTimeExcds"),
    Counter32("1.3.6.1.2.1.5.5", "icmpInParmProbs"),      Counter32("1.3.6.1.2.1.5.6", "icmpInSrcQuenchs"),
    Counter32("1.3.6.1.2.1.5.7", "icmpInRedirects"),      Counter32("1.3.6.1.2.1.5.8", "icmpInEchos"),
    Counter32("1.3.6.1.2.1.5.9", "icmpInEchoReps"),       Counter32("1.3.6.1.2.1.5.10", "icmpInTimestamps"),
    Counter32("1.3.6.1.2.1.5.11", "icmpInTimestampReps"), Counter32("1.3.6.1.2.1.5.12", "icmpInAddrMasks"),
    Counter32("1.3.6.1.2.1.5.13", "icmpInAddrMaskReps"),  Counter32("1.3.6.1.2.1.5.14", "icmpOutMsgs"),
    Counter32("1.3.6.1.2.1.5.15", "icmpOutErrors"),       Counter32("1.3.6.1.2.1.5.16", "icmpOutDestUnreachs"),
    Counter32("1.3.6.1.2.1.5.17", "icmpOutTimeExcds"),    Counter32("1.3.6.1.2.1.5.18", "icmpOutParmProbs"),
    Counter32("1.3.6.1.2.1.5.19", "icmpOutSrcQuenchs"),   Counter32("1.3.6.1.2.1.5.20", "icmpOutRedirects"),
    Counter32("1.3.6.1.2.1.5.21", "icmpOutEchos"),        Counter32("1.3.6.1.2.1.5.22", "icmpOutEchoReps"),
    Counter32("1.3.6.1.2.1.5.23", "icmpOutTimestamps"),   Counter32("1.3.6.1.2.1.5.24", "icmpOutTimestampReps"),
    Counter32("1.3.6.1.2.1.5.25", "icmpOutAddrMasks"),    Counter32("1.3.6.1.2.1.5.26", "icmpOutAddrMaskReps"),
    kEnd,
};

}  // namespace

const DescriptorRecord kInterfaceListTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", Integer, kRead, nullptr},
    {"1.3.6.1.2.1.2.2.1.2", "Description      ", DisplayString, kRead, nullptr},
    kEnd,
};

const DescriptorRecord kInterfaceCounterTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "", Integer, kRead, nullptr},     {"1.3.6.1.2.1.2.2.1.2", "", DisplayString, kRead, nullptr},
    Counter32("1.3.6.1.2.1.2.2.1.10", ""), Counter32("1.3.6.1.2.1.2.2.1.11", ""), Counter32("1.3.6.1.2.1.2.2.1.12", ""),
    Counter32("1.3.6.1.2.1.2.2.1.13", ""), Counter32("1.3.6.1.2.1.2.2.1.14", ""), Counter32("1.3.6.1.2.1.2.2.1.15", ""),
    Counter32("1.3.6.1.2.1.2.2.1.16", ""), Counter32("1.3.6.1.2.1.2.2.1.17", ""), Counter32("1.3.6.1.2.1.2.2.1.18", ""),
    Counter32("1.3.6.1.2.1.2.2.1.19", ""), Counter32("1.3.6.1.2.1.2.2.1.20", ""),
    kEnd,
};

const DescriptorRecord kBridgePortTable[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", "Port", Integer, access_bit::Index, nullptr},
    {"1.3.6.1.2.1.17.4.4.1.2", "Port Max Info", Integer, kRead, nullptr},
    Counter32("1.3.6.1.2.1.17.4.4.1.3", "Port In Frames"),
    Counter32("1.3.6.1.2.1.17.4.4.1.4", "Port Out Frames"),
    Counter32("1.3.6.1.2.1.17.4.4.1.5", "Port In Discards"),
    kEnd,
};

const ScalarCounterDesign &UdpCounterDesign() {
    static const ScalarCounterDesign design{
        "TUDP_Counters", 631, 461, "LV_IPCounterData", "LV_UDPCounters", kUdp,
        {"udpInDatagrams", "udpNoPorts", "udpInErrors", "udpOutDatagramsms"}, false, true};
    return design;
}

const ScalarCounterDesign &IpCounterDesign() {
    static const ScalarCounterDesign design{
        "TIP_Counters", 693, 460, "LV_IPCounterData", "LV_IPCounters", kIp,
        {"ipInReceives", "ipInHdrErrors", "ipInAddrErrors", "ipForwDatagrams", "ipInUnknownProtols",
         "ipInDiscards", "ipInDelivers", "ipOutRequests", "ipOutDiscards", "ipOutNoRoutes"},
        false, false};
    return design;
}

const ScalarCounterDesign &SnmpCounterDesign() {
    static const ScalarCounterDesign design{
        "TSNMP_Counters", 667, 524, "LV_SNMPCounterData", "LV_SNMPCounters", kSnmp,
        {"snmpInPkts", "snmpOutPkts", "snmpInBadVersions", "snmpInBadCommunityNames", "snmpInBadCommunityUses",
         "snmpInASNParseErrs", "snmpInTooBigs", "snmpInNoSuchNames", "snmpInBadValues", "snmpInReadOnlys",
         "snmpInGenErrs", "snmpInTotalReqVars", "snmpInTotalSetVars", "snmpInGetRequests", "snmpInGetNexts",
         "snmpInSetRequests", "snmpInGetResponses", "snmpInTraps", "snmpOutTooBigs", "snmpOutNoSuchNames",
         "snmpOutBadValues", "snmpOutGenErrs", "snmpOutGetRequests", "snmpOutGetNexts", "snmpOutSetRequests",
         "snmpOutGetResponses", "snmpOutTraps"},
        true, true};
    return design;
}

const ScalarCounterDesign &IcmpCounterDesign() {
    static const ScalarCounterDesign design{
        "TICMP_Counters", 715, 532, "LV_ICMPCounterData", "LV_ICMPCounters", kIcmp,
        {"icmpInMsgs", "icmpInErrors", "icmpInDestUnreachs", "icmpInTimeExcdsms", "icmpInParmProbs",
         "icmpInSrcQuenchs", "icmpInRedirects", "icmpInEchos", "icmpInEchoReps", "icmpInTimestamps",
         "icmpInTimestampReps", "icmpInAddrMasks", "icmpInAddrMaskReps", "icmpOutMsgs", "icmpOutErrors",
         "icmpOutDestUnreachs", "icmpOutTimeExcds", "icmpOutParmProbs", "icmpOutSrcQuenchs", "icmpOutRedirects",
         "icmpOutEchos", "icmpOutEchoReps", "icmpOutTimestamps", "icmpOutTimestampReps", "icmpOutAddrMasks",
         "icmpOutAddrMaskReps"},
        true, true};
    return design;
}

const std::vector<std::string> &InterfaceCounterNames() {
    static const std::vector<std::string> names{"InOctets",      "InUcastPkts",  "InNUcastPkts",  "InDiscards",
                                                "InErrors",      "InUnknownProtos", "OutOctets",  "OutUcastPkts",
                                                "OutNUcastPkts", "OutDiscards",  "OutErrors"};
    return names;
}

const std::vector<std::string> &BridgePortCounterNames() {
    static const std::vector<std::string> names{"Input Frames", "Output Frames", "Discard Frames"};
    return names;
}
