#include "windows/logic/route_redistribution_table.h"

#include "engine/number_text.h"

namespace route_redistribution {

using row_table::Refusal;

namespace {

constexpr OptionRecord kSourceRecords[] = {{2, "rip"}, {3, "ospf"}, {4, "static"}, {5, "local"}, {0, nullptr}};
constexpr OptionRecord kDestinationRecords[] = {{2, "rip"}, {3, "ospf"}, {0, nullptr}};
constexpr OptionRecord kTypeRecords[] = {{2, "all"},      {3, "type-1"},   {4, "type-2"},
                                         {5, "internal"}, {6, "external"}, {7, "inter+E1"},
                                         {8, "inter+E2"}, {9, "extType1"}, {10, "extType2"},
                                         {0, nullptr}};

constexpr long kRipMetricMax = 16;
constexpr long kOspfMetricMax = 16777214;

std::string RangeText(long max) { return "[0.." + std::to_string(max) + "]"; }

}  // namespace

const DescriptorRecord kDescriptors[] = {
    {"1.3.6.1.4.1.171.11.69.4.3.5.1.1", "Source Protocol", syntax::Integer, access_bit::Index, &kSourceOptions},
    {"1.3.6.1.4.1.171.11.69.4.3.5.1.2", "Destination Protocol", syntax::Integer, access_bit::Index,
     &kDestinationOptions},
    {"1.3.6.1.4.1.171.11.69.4.3.5.1.3", "Type", syntax::Integer, access_bit::ReadWrite, &kTypeOptions},
    {"1.3.6.1.4.1.171.11.69.4.3.5.1.4", "Metric", syntax::Integer, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.11.69.4.3.5.1.5", "RowStatus", syntax::Integer, access_bit::ReadWrite,
     &row_table::kRowStatusOptions},
    {nullptr, nullptr, 0, 0, nullptr},
};
const VdOptionList kSourceOptions(kSourceRecords, VdOptionList::Integer);
const VdOptionList kDestinationOptions(kDestinationRecords, VdOptionList::Integer);
const VdOptionList kTypeOptions(kTypeRecords, VdOptionList::Integer);
const char kMetricFormat[] = "%i{n0x16777214l8a}";
const std::array<const char *, kTypeButtons> kTypeCaptions = {
    "other", "all", "type-1", "type-2", "internal", "external", "inter-E1", "inter-E2", "extType1", "extType2"};
const char kChooseProtocolsMessage[] = "Choose the source and destination protocols.";

std::optional<int> TypePositionOfButton(int button) {
    if (button < 2 || button > kTypeButtons) return std::nullopt;
    return button - 2;
}

std::optional<int> ButtonOfType(const std::string &typeLabel) {
    const int position = kTypeOptions.IndexOfLabel(typeLabel);
    if (position < 0) return std::nullopt;
    return position + 2;
}

std::optional<ProtocolRule> RuleFor(const std::string &destination, const std::string &source) {
    ProtocolRule rule;
    if (destination == "ospf") {
        rule.rangeText = RangeText(kOspfMetricMax);
        rule.enabled[2] = rule.enabled[3] = true;  // type-1, type-2
        return rule;
    }
    if (destination != "rip") return std::nullopt;
    rule.rangeText = RangeText(kRipMetricMax);
    if (source == "ospf") {
        rule.enabled.fill(true);
        rule.enabled[2] = rule.enabled[3] = false;
    } else {
        rule.enabled[1] = true;  // all
    }
    return rule;
}

row_table::Verdict CheckMetric(const std::string &destination, const std::string &metric) {
    if (metric.empty()) return Refusal{"", kMetricField};
    const long max = destination == "rip" ? kRipMetricMax : kOspfMetricMax;
    const auto value = ParseUnsigned32(metric);
    if (!value || *value > static_cast<unsigned long>(max))
        return Refusal{"Metric out of Bound " + RangeText(max), kMetricField};
    return std::nullopt;
}

const char kProtocolsChangedMessage[] =
    "The protocols of a row cannot be changed: choose the row's own protocols again to edit it, or Add the new pair.";

row_table::Verdict CheckEditProtocols(const row_table::Cells &selectedRow, const std::string &source,
                                      const std::string &destination) {
    if (row_table::Cell(selectedRow, kSource) == source && row_table::Cell(selectedRow, kDestination) == destination)
        return std::nullopt;
    return row_table::Refusal{kProtocolsChangedMessage, kSourceField};
}

}  // namespace route_redistribution
