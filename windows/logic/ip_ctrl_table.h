#pragma once
// The device's IP interfaces without widgets: the table, the rules a new interface must meet, and
// when an interface may be deleted.

#include "engine/option_list.h"
#include "engine/descriptor.h"
#include "windows/logic/row_table.h"

#include <string>

namespace ip_ctrl {

enum Row : int {
    kIpAddr = 0, kIfIndex, kInterfaceName, kMask, kVlanName, kMode, kSecondary, kState, kOper, kProxyArp,
};
constexpr int kIndexCount = 1;

extern const DescriptorRecord kDescriptors[];
extern const VdOptionList kModeOptions;
extern const VdOptionList kSecondaryOptions;
extern const VdOptionList kStateOptions;
extern const VdOptionList kOperOptions;
extern const VdOptionList kProxyArpOptions;

// The name of the interface the device manages itself through; it is never deleted.
inline constexpr const char *kSystemInterface = "System";

// Fields of the dialog a refusal points at.
enum Field : int { kNoField = -1, kIpField, kIndexField, kNameField, kMaskField, kVlanField, kModeField,
                   kSecondaryField, kOperField };

// What the dialog holds for a new interface; choices as their labels, empty when none is chosen.
struct NewInterface {
    std::string ip, ifIndex, name, mask, vlan, mode, secondary, oper;
};

// The network of an address under a mask of 8, 16 or 24 bits: its leading parts, in decimal,
// followed by zeros ("10.1.2.0"); all four parts under any other mask. Empty for a bad address.
std::string NetworkOf(const std::string &address, const std::string &mask);

// The checks of an Add, in order; listed rows are cells in the table's column order. The IF index
// and the link state are the device's (read-only) and never checked.
row_table::Verdict CheckAdd(const NewInterface &added, const row_table::Rows &listed);
// The checks of an Edit: a mode is chosen.
row_table::Verdict CheckEdit(const NewInterface &edited);
// Whether the selected row may be deleted: not the system interface, nor a primary whose VLAN
// still has its secondary.
row_table::Verdict CheckDelete(const row_table::Cells &selected, const row_table::Rows &listed);
// Whether the Delete button is offered for the row.
bool Deletable(const row_table::Cells &row);

// The variables an Edit leaves out (it writes mode, state and proxy ARP) and a Delete leaves out
// (it writes the state alone).
const std::vector<int> &EditExclusions();
const std::vector<int> &DeleteExclusions();

}  // namespace ip_ctrl
