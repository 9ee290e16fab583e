#pragma once
// The route redistribution table without widgets: its variables, which route types each pair of
// protocols allows, and the metric's bounds.

#include "engine/option_list.h"
#include "engine/descriptor.h"
#include "windows/logic/row_table.h"

#include <array>
#include <optional>
#include <string>

namespace route_redistribution {

enum Row : int { kSource = 0, kDestination = 1, kType = 2, kMetric = 3, kRowStatus = 4 };
constexpr int kIndexCount = 2;
constexpr int kTypeButtons = 10;
enum Field : int { kSourceField = 0, kDestinationField = 1, kMetricField = 3 };

extern const DescriptorRecord kDescriptors[];
extern const VdOptionList kSourceOptions;
extern const VdOptionList kDestinationOptions;
extern const VdOptionList kTypeOptions;
extern const char kMetricFormat[];
// The captions of the type buttons 1 to 10; button 1, "other", stands for no type.
extern const std::array<const char *, kTypeButtons> kTypeCaptions;
extern const char kChooseProtocolsMessage[];

// The type list position a button stands for (button 1 to 10), none for "other".
std::optional<int> TypePositionOfButton(int button);
// The button of a type as listed ("inter+E1" is button 7), none for an unknown type.
std::optional<int> ButtonOfType(const std::string &typeLabel);

// What a pair of protocols allows: the metric's range as shown, and which type buttons may be chosen.
struct ProtocolRule {
    std::string rangeText;
    std::array<bool, kTypeButtons> enabled{};
};
// None while no destination is chosen.
std::optional<ProtocolRule> RuleFor(const std::string &destination, const std::string &source);

// A refusal with an empty message only moves the focus (an empty metric).
row_table::Verdict CheckMetric(const std::string &destination, const std::string &metric);

extern const char kProtocolsChangedMessage[];

// An Edit writes the selected row, whose protocols are its index: protocols shown other than the
// row's cannot be written (nor the type they led to), so the Edit is refused.
row_table::Verdict CheckEditProtocols(const row_table::Cells &selectedRow, const std::string &source,
                                      const std::string &destination);

}  // namespace route_redistribution
