#include "windows/logic/equipment_info_table.h"

namespace equipment_info {

namespace {

constexpr OptionRecord kCapacityRecords[] = {{"40", "Redundant Power"}, {0, nullptr}};

}  // namespace

const VdOptionList kCapacityOptions(kCapacityRecords, VdOptionList::Text);

const DescriptorRecord kDescriptors[] = {
    {"1.3.6.1.4.1.171.12.11.1.1", "Equipment Capacity", syntax::BitString, access_bit::Readable, &kCapacityOptions},
    {"1.3.6.1.4.1.171.12.11.1.9.1", "Stacking Version", syntax::Integer, access_bit::Readable, nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.2", "Max SupportedUnits", syntax::Integer, access_bit::Readable, nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.3", "Num Of Unit", syntax::Integer, access_bit::Readable, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

}  // namespace equipment_info
