// The edit constraint language (a format on the first line) and its checks on what a user types
// (the rest): a format is refused with a coded error or parsed; typed text is filtered and judged.
// Filtering twice changes nothing more than filtering once.

#include "fuzz_input.h"

#include "binding/edit_constraint_rules.h"
#include "engine/coded_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzInput in(data, size);
    const std::string format = in.Line();
    const std::string typed = in.Rest();
    SplitEditRow(format);
    std::vector<std::string> formats = SplitSequence(format);
    formats.push_back(format);
    for (const std::string &one : formats) {
        ConstraintRule rule;
        try {
            rule = ParseConstraint(one);
        } catch (const CodedError &) {
            continue;
        }
        int removed = 0;
        const std::string filtered = FilterTyped(rule, typed, &removed);
        FuzzCheck(FilterTyped(rule, filtered) == filtered, "filtering is not stable", filtered,
                  FilterTyped(rule, filtered));
        RefusalOf(rule, typed);
        RefusalOf(rule, filtered);
    }
    IsReservedValueText(typed);
    return 0;
}
