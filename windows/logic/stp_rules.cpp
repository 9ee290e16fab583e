#include "windows/logic/stp_rules.h"

#include "engine/number_text.h"
#include "engine/var_list.h"

namespace stp {

namespace {

constexpr OptionRecord kVersionRecords[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {0, nullptr}};
constexpr OptionRecord kForwardBpduRecords[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};

constexpr long kMaxHopsLimit = 65535;

// A whole decimal number, blanks refused; anything else is no number. Kept wide for the sums below.
bool ParseNumber(const std::string &text, long &value) {
    const auto number = ParseSigned32(text, Blanks::Refused);
    if (number) value = *number;
    return number.has_value();
}

}  // namespace

const VdOptionList kVersionOptions(kVersionRecords, VdOptionList::Integer);
const VdOptionList kForwardBpduOptions(kForwardBpduRecords, VdOptionList::Integer);

const DescriptorRecord kFullTable[] = {
    {"1.3.6.1.4.1.171.12.15.1.2", "Version", syntax::Integer, access_bit::ReadWrite, &kVersionOptions},
    {"1.3.6.1.4.1.171.12.15.1.3", "Max Age", syntax::Integer, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.1.4", "Hello Time", syntax::Integer, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.1.5", "Forward Delay", syntax::Integer, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.1.6", "Max Hops", syntax::Integer, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.1.7", "TX Hold Count", syntax::Integer, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.1.8", "Forward BPDU", syntax::Integer, access_bit::ReadWrite, &kForwardBpduOptions},
    {nullptr, nullptr, 0, 0, nullptr},
};
const DescriptorRecord kMstpTable[] = {
    {"1.3.6.1.4.1.171.12.15.1.2", "Version", syntax::Integer, access_bit::ReadWrite, &kVersionOptions},
    {"1.3.6.1.4.1.171.12.15.1.3", "Max Age", syntax::Integer, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.1.5", "Forward Delay", syntax::Integer, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.1.6", "Max Hops", syntax::Integer, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.1.7", "TX Hold Count", syntax::Integer, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.1.8", "Forward BPDU", syntax::Integer, access_bit::ReadWrite, &kForwardBpduOptions},
    {nullptr, nullptr, 0, 0, nullptr},
};
const DescriptorRecord kVersionTable[] = {
    {"1.3.6.1.4.1.171.12.15.1.2", "Version", syntax::Integer, access_bit::ReadWrite, &kVersionOptions},
    {nullptr, nullptr, 0, 0, nullptr},
};

const char kMaxAgeFormat[] = "%i{n600x4000l4a}";
const char kHelloTimeFormat[] = "%i{n100x1000l4a}";
const char kForwardDelayFormat[] = "%i{n400x3000l4a}";
const char kMaxHopsFormat[] = "%i{n1x20l2a}";
const char kTxHoldCountFormat[] = "%i{n1x10l2a}";

const char kEmptyFieldsMessage[] = "Don't Leave Empty Fileds !";
const char kDataErrorMessage[] = "Data Error !";
const char kMaxHopsMessage[] = "Priority value is wrong!";

const char kMstp[] = "mstp";
const char kDefaultHelloTime[] = "200";

std::string CheckTimers(const std::string &chosenVersion, const TimerTexts &timers) {
    if (chosenVersion.empty() || timers.maxHops.empty() || timers.maxAge.empty() || timers.forwardDelay.empty()) return kEmptyFieldsMessage;
    long maxHops = 0, maxAge = 0, forwardDelay = 0;
    if (!ParseNumber(timers.maxHops, maxHops) || !ParseNumber(timers.maxAge, maxAge) ||
        !ParseNumber(timers.forwardDelay, forwardDelay))
        return kDataErrorMessage;
    if (maxAge > 2 * forwardDelay - 200) return kDataErrorMessage;
    if (maxHops > kMaxHopsLimit) return kMaxHopsMessage;
    if (!UsesHelloTime(chosenVersion)) return {};
    if (timers.helloTime.empty()) return kEmptyFieldsMessage;
    long helloTime = 0;
    if (!ParseNumber(timers.helloTime, helloTime)) return kDataErrorMessage;
    if (maxAge < 2 * helloTime + 200) return kDataErrorMessage;
    return {};
}

WritePlan PlanWrites(const std::string &chosenVersion, const std::string &runningVersion) {
    WritePlan plan;
    plan.mstpTable = !UsesHelloTime(chosenVersion);
    const bool changed = chosenVersion != runningVersion;
    if (!changed) {
        plan.writes.push_back({{kVersion}, false});
    } else if (plan.mstpTable) {
        plan.writes.push_back({{}, true});
    } else {
        plan.writes.push_back({{kMaxAge, kHelloTime, kForwardDelay, kMaxHops, kTxHoldCount, kForwardBpdu}, true});
        plan.writes.push_back({{kVersion}, false});
    }
    return plan;
}

ReadOnlyRows::ReadOnlyRows(VdSNMPVarList &list, const std::vector<int> &rows) : list_(list) {
    for (int row : rows) {
        if (row >= list.Count()) continue;
        list.Item(row).access = access_bit::Readable;
        rows_.push_back(row);
    }
}

ReadOnlyRows::~ReadOnlyRows() {
    for (int row : rows_) list_.Item(row).access = access_bit::ReadWrite;
}

}  // namespace stp
