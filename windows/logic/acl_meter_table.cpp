#include "windows/logic/acl_meter_table.h"

namespace acl_meter {

namespace {

constexpr OptionRecord kActionRecords[] = {{1, "other"}, {2, "drop-packet"}, {3, "set-drop-precedence"}, {0, nullptr}};

}  // namespace

const DescriptorRecord kDescriptors[] = {
    {"1.3.6.1.4.1.171.12.9.6.1.1.1", "ACL Meter Profile ID", syntax::Integer, access_bit::Index, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.1.1.2", "ACL Meter Access ID", syntax::Integer, access_bit::Index, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.1.1.3", "Meter Rate", syntax::Integer, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.1.1.4", "Meter Action For Rate Exceed", syntax::Integer, access_bit::ReadWrite,
     &kActionOptions},
    {nullptr, nullptr, 0, 0, nullptr},
};
const VdOptionList kActionOptions(kActionRecords, VdOptionList::Integer);
const char kProfileIdFormat[] = "%i{n1x255l3a}";
const char kAccessIdFormat[] = "%i{n1x65535l5a}";
const char kRateFormat[] = "%i{n0x999936l6a}";

}  // namespace acl_meter
