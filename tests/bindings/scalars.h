#pragma once

#include "engine/option_list.h"
#include "engine/descriptor.h"

#include <string>

// A writable scalar group of the simulated switch and the read-only up time.
namespace scalars {

enum Item { Contact, Name, Forwarding, DefaultTtl, RmonState, UpTime };

inline const OptionRecord kForwardingRecords[] = {{1, "forwarding"}, {2, "notForwarding"}, {0, nullptr}};
inline const VdOptionList kForwarding(kForwardingRecords, VdOptionList::Integer);
inline const OptionRecord kRmonRecords[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
inline const VdOptionList kRmon(kRmonRecords, VdOptionList::Integer);

inline const char *const kContactOid = "1.3.6.1.2.1.1.4";
inline const char *const kNameOid = "1.3.6.1.2.1.1.5";
inline const char *const kForwardingOid = "1.3.6.1.2.1.4.1";
inline const char *const kTtlOid = "1.3.6.1.2.1.4.2";
inline const char *const kRmonOid = "1.3.6.1.4.1.171.11.69.4.2.1.2.3";
inline const char *const kSetRequestsOid = "1.3.6.1.2.1.11.17";

// The instance identifier of a scalar.
inline std::string Scalar(const char *oid) { return std::string(oid) + ".0"; }

inline const DescriptorRecord kTable[] = {
    {kContactOid, "sysContact", syntax::DisplayString, access_bit::ReadWrite, nullptr},
    {kNameOid, "sysName", syntax::DisplayString, access_bit::ReadWrite, nullptr},
    {kForwardingOid, "ipForwarding", syntax::Integer, access_bit::ReadWrite, &kForwarding},
    {kTtlOid, "ipDefaultTTL", syntax::Integer, access_bit::ReadWrite, nullptr},
    {kRmonOid, "RMON State", syntax::Integer, access_bit::ReadWrite, &kRmon},
    {"1.3.6.1.2.1.1.3", "sysUpTime", syntax::TimeTicks, access_bit::Readable, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

}  // namespace scalars
