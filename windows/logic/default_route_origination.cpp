#include "windows/logic/default_route_origination.h"

namespace default_route {

namespace {

constexpr OptionRecord kEnableRecords[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
constexpr OptionRecord kMetricTypeRecords[] = {{1, "type1"}, {2, "type2"}, {0, nullptr}};

}  // namespace

const DescriptorRecord kDescriptors[] = {
    {"1.3.6.1.4.1.171.11.69.4.3.12.1", "State", syntax::Integer, access_bit::ReadWrite, &kEnableOptions},
    {"1.3.6.1.4.1.171.11.69.4.3.12.2", "Always", syntax::Integer, access_bit::ReadWrite, &kEnableOptions},
    {"1.3.6.1.4.1.171.11.69.4.3.12.3", "Mettype", syntax::Integer, access_bit::ReadWrite, &kMetricTypeOptions},
    {"1.3.6.1.4.1.171.11.69.4.3.12.4", "Metric", syntax::Integer, access_bit::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

const VdOptionList kEnableOptions(kEnableRecords, VdOptionList::Integer);
const VdOptionList kMetricTypeOptions(kMetricTypeRecords, VdOptionList::Integer);
const char kMetricFormat[] = "%i{n0x16777214l8}";
const char kEmptyMetricMessage[] = "you have choosed the Metric,it can't be empty";
const char kNothingChosenMessage[] = "Nothing was chosen: tick the settings to write.";

std::string IncludedPositions(const std::array<bool, kRowCount> &marks) {
    std::string positions;
    for (int i = 0; i < kRowCount; ++i) {
        if (!marks[static_cast<std::size_t>(i)]) continue;
        if (!positions.empty()) positions += ',';
        positions += std::to_string(i);
    }
    return positions;
}

bool DependentsLocked(int statePosition, const std::string &stateText) {
    return statePosition == 1 || stateText == "disabled";
}

}  // namespace default_route
