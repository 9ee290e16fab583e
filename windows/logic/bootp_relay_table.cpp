#include "windows/logic/bootp_relay_table.h"

#include "windows/logic/ipv4_address.h"

namespace bootp_relay {

using row_table::Refusal;

namespace {

constexpr OptionRecord kStateRecords[] = {{2, "invalid"}, {3, "valid"}, {0, nullptr}};

}  // namespace

const DescriptorRecord kDescriptors[] = {
    {"1.3.6.1.4.1.171.11.69.4.3.3.1.7.1.1", "Interface Name", syntax::DisplayString, access_bit::Index, nullptr},
    {"1.3.6.1.4.1.171.11.69.4.3.3.1.7.1.2", "Bootp Server IP", syntax::IpAddress, access_bit::Index, nullptr},
    {"1.3.6.1.4.1.171.11.69.4.3.3.1.7.1.3", "State", syntax::Integer, access_bit::ReadWrite, &kStateOptions},
    {nullptr, nullptr, 0, 0, nullptr},
};
const VdOptionList kStateOptions(kStateRecords, VdOptionList::Integer);
const char kFieldFormat[] = "%s";
const char kTooManyServersMessage[] = "One Interface Can Only With Four Bootp Servers";

row_table::Verdict CheckAdd(const std::string &interfaceName, const std::string &serverIp,
                            const row_table::Rows &listed) {
    // An empty name would name no interface at all.
    if (interfaceName.empty()) return Refusal{"Interface Name is needed.", kInterfaceField};
    if (!IsValidIpAddress(serverIp)) return Refusal{"Invalid Bootp Server IP Address.", kServerField};
    if (row_table::CountCell(listed, kInterfaceName, interfaceName) >= kServersPerInterface)
        return Refusal{kTooManyServersMessage, kInterfaceField};
    return std::nullopt;
}

}  // namespace bootp_relay
