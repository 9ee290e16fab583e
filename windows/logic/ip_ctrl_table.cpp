#include "windows/logic/ip_ctrl_table.h"

#include "engine/number_text.h"
#include "windows/logic/ipv4_address.h"

#include <algorithm>

namespace ip_ctrl {

using row_table::Cell;
using row_table::Refusal;
using row_table::Rows;
using row_table::Verdict;

namespace {

constexpr OptionRecord kModeRecords[] = {{2, "manual"}, {3, "bootp"}, {4, "dhcp"}, {0, nullptr}};
constexpr OptionRecord kSecondaryRecords[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
constexpr OptionRecord kStateRecords[] = {
    {1, "active"}, {2, "notInService"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
constexpr OptionRecord kOperRecords[] = {{2, "up"}, {3, "down"}, {0, nullptr}};
constexpr OptionRecord kProxyArpRecords[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};

constexpr const char *kMasks[] = {"255.0.0.0", "255.255.0.0", "255.255.255.0"};

int MaskParts(const std::string &mask) {
    for (int k = 0; k < 3; ++k)
        if (mask == kMasks[k]) return k + 1;
    return 4;
}

Verdict Refuse(const char *message, Field field) { return Refusal{message, field}; }

// The link state is the device's to report (read-only): it is never asked for.
Verdict CheckChoices(const NewInterface &i, bool secondaryToo) {
    if (i.mode.empty()) return Refuse("Please choose Mode", kModeField);
    if (secondaryToo && i.secondary.empty()) return Refuse("Please choose Secondary", kSecondaryField);
    return std::nullopt;
}

// The network's leading parts under the shorter of two masks, so that nested networks compare equal.
std::string SharedNetwork(const std::string &address, int parts) {
    const auto quad = ParseDottedQuad(address);
    if (!quad) return {};
    std::string network;
    for (int k = 0; k < parts; ++k) network += std::to_string((*quad)[static_cast<std::size_t>(k)]) + '.';
    return network;
}

// Whether the host part of the address under the mask is all zeros or all ones.
bool IsNetworkOrBroadcast(const std::string &address, int parts) {
    const auto quad = ParseDottedQuad(address);
    if (!quad || parts >= 4) return false;
    bool zeros = true;
    bool ones = true;
    for (int k = parts; k < 4; ++k) {
        zeros = zeros && (*quad)[static_cast<std::size_t>(k)] == 0;
        ones = ones && (*quad)[static_cast<std::size_t>(k)] == 255;
    }
    return zeros || ones;
}

// A VLAN carries one primary and then one secondary interface.
Verdict CheckVlan(const NewInterface &added, const Rows &listed) {
    if (added.secondary.empty()) return Refuse("Please choose Secondary.", kSecondaryField);
    std::vector<const row_table::Cells *> sameVlan;
    for (const auto &row : listed)
        if (Cell(row, kVlanName) == added.vlan) sameVlan.push_back(&row);
    if (sameVlan.size() >= 2) return Refuse("A VLAN can just create two interface.", kVlanField);
    const bool secondary = added.secondary == "true";
    if (sameVlan.empty()) {
        if (secondary) return Refuse("You should create primary interface at first.", kSecondaryField);
        return std::nullopt;
    }
    if (!secondary)
        return Refuse("This vlan has been used to create primary interface.\nPlease choose true in Secondary",
                      kSecondaryField);
    if (Cell(*sameVlan.front(), kSecondary) == "true") return Refuse("Please input different VLAN Name.", kVlanField);
    return std::nullopt;
}

}  // namespace

const DescriptorRecord kDescriptors[] = {
    {"1.3.6.1.4.1.171.11.69.4.3.2.1.1.1.1", "IP Address", syntax::IpAddress, access_bit::Index, nullptr},
    {"1.3.6.1.4.1.171.11.69.4.3.2.1.1.1.2", "IF Index", syntax::Integer, access_bit::Readable, nullptr},
    {"1.3.6.1.4.1.171.11.69.4.3.2.1.1.1.3", "Interface Name", syntax::DisplayString, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.11.69.4.3.2.1.1.1.4", "Subnet Mask", syntax::IpAddress, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.11.69.4.3.2.1.1.1.5", "VLAN Name", syntax::DisplayString, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.11.69.4.3.2.1.1.1.6", "Mode", syntax::Integer, access_bit::ReadWrite, &kModeOptions},
    {"1.3.6.1.4.1.171.11.69.4.3.2.1.1.1.7", "Secondary", syntax::Integer, access_bit::ReadWrite, &kSecondaryOptions},
    {"1.3.6.1.4.1.171.11.69.4.3.2.1.1.1.8", "Admin State", syntax::Integer, access_bit::ReadWrite, &kStateOptions},
    {"1.3.6.1.4.1.171.11.69.4.3.2.1.1.1.9", "Operational State", syntax::Integer, access_bit::Readable, &kOperOptions},
    {"1.3.6.1.4.1.171.11.69.4.3.2.1.1.1.10", "Proxy ARP State", syntax::Integer, access_bit::ReadWrite,
     &kProxyArpOptions},
    {nullptr, nullptr, 0, 0, nullptr},
};

const VdOptionList kModeOptions(kModeRecords, VdOptionList::Integer);
const VdOptionList kSecondaryOptions(kSecondaryRecords, VdOptionList::Integer);
const VdOptionList kStateOptions(kStateRecords, VdOptionList::Integer);
const VdOptionList kOperOptions(kOperRecords, VdOptionList::Integer);
const VdOptionList kProxyArpOptions(kProxyArpRecords, VdOptionList::Integer);

std::string NetworkOf(const std::string &address, const std::string &mask) {
    const auto parts = ParseDottedQuad(address);
    if (!parts) return {};
    const int kept = MaskParts(mask);
    std::string network;
    for (int k = 0; k < 4; ++k) {
        if (k > 0) network += '.';
        network += std::to_string(k < kept ? (*parts)[static_cast<std::size_t>(k)] : 0);
    }
    return network;
}

Verdict CheckAdd(const NewInterface &added, const Rows &listed) {
    if (!IsValidIpAddress(added.ip)) return Refuse("Please input valid IP Address.", kIpField);
    if (std::find(std::begin(kMasks), std::end(kMasks), added.mask) == std::end(kMasks))
        return Refuse("Please input valid Subnet Mask.", kMaskField);
    const int parts = MaskParts(added.mask);
    if (IsNetworkOrBroadcast(added.ip, parts))
        return Refuse("The address is its subnet's own or its broadcast address: please input a host address.", kIpField);
    // A subnet inside or around a listed one overlaps it as much as the same one does.
    for (const auto &row : listed) {
        const int shared = std::min(parts, MaskParts(Cell(row, kMask)));
        if (SharedNetwork(Cell(row, kIpAddr), shared) == SharedNetwork(added.ip, shared))
            return Refuse("There is an same interface, please modify IP or Subnet Mask!", kIpField);
    }
    // The IF index is the device's to give (read-only): it is never asked for.
    if (added.name.empty()) return Refuse("Please input Interface Name.", kNameField);
    if (row_table::CountCell(listed, kInterfaceName, added.name) > 0)
        return Refuse("Please input different Interface Name.", kNameField);
    if (Verdict vlan = CheckVlan(added, listed)) return vlan;
    return CheckChoices(added, true);
}

Verdict CheckEdit(const NewInterface &edited) { return CheckChoices(edited, false); }

Verdict CheckDelete(const row_table::Cells &selected, const Rows &listed) {
    if (Cell(selected, kInterfaceName) == kSystemInterface)
        return Refuse("The system IP interface can't be deleted.", kNoField);
    if (Cell(selected, kSecondary) != "false") return std::nullopt;
    const std::string &vlan = Cell(selected, kVlanName);
    const auto others = std::count_if(listed.begin(), listed.end(), [&](const row_table::Cells &row) {
        return Cell(row, kVlanName) == vlan && Cell(row, kIpAddr) != Cell(selected, kIpAddr);
    });
    if (others > 0) return Refuse("The secondary interface must be deleted first!", kNoField);
    return std::nullopt;
}

bool Deletable(const row_table::Cells &row) { return Cell(row, kInterfaceName) != kSystemInterface; }

const std::vector<int> &EditExclusions() {
    static const std::vector<int> rows{kIfIndex, kInterfaceName, kMask, kVlanName, kSecondary};
    return rows;
}

const std::vector<int> &DeleteExclusions() {
    static const std::vector<int> rows{kIfIndex, kInterfaceName, kMask, kVlanName, kMode, kSecondary, kOper, kProxyArp};
    return rows;
}

}  // namespace ip_ctrl
