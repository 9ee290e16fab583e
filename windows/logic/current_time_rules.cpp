#include "windows/logic/current_time_rules.h"

#include "engine/date_time.h"
#include "engine/hex_text.h"

namespace current_time {

namespace {

constexpr OptionRecord kResetRecords[] = {{1, "true"}, {2, "false"}, {0, nullptr}};

struct Capability {
    unsigned bit;
    const char *name;
};
constexpr Capability kCapabilities[] = {
    {0x80, "systemTime"}, {0x40, ",SNTP"}, {0x20, ",SummerTime"}, {0x10, ",realTimeClock"}};

}  // namespace

const DescriptorRecord kDescriptors[] = {
    {"1.3.6.1.4.1.171.12.10.1", "Time Capacity", syntax::BitString, access_bit::Readable, nullptr},
    {"1.3.6.1.4.1.171.12.10.2", "Current Clock(Example 1992-5-26,13:30:15.0)", syntax::DateAndTime,
     access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.12.10.3", "Clock Reset On Reboot", syntax::Integer, access_bit::Readable, &kResetOptions},
    {nullptr, nullptr, 0, 0, nullptr},
};

const VdOptionList kResetOptions(kResetRecords, VdOptionList::Integer);
const char kClockFormat[] = "%s{l22}";
const char kEmptyClockMessage[] = "The Current Edit should not be empty!";

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::string ClockRefusal(const std::string &text) {
    const std::optional<VdDateTime> t = VdDateTime::Parse(text);
    const bool real = t && t->month >= 1 && t->month <= 12 && t->day >= 1 && t->day <= DaysInMonth(t->year, t->month) &&
                      t->hour <= 23 && t->minutes <= 59 && t->seconds <= 60 && t->deciSeconds <= 9 &&
                      t->hoursFromUTC <= 13 && t->minutesFromUTC <= 59;
    if (real) return {};
    return "\"" + text + "\" is no date and time: write year-month-day,hours:minutes:seconds.deciseconds, "
           "as 1992-5-26,13:30:15.0 (an offset from UTC may follow, as ,+8:0).";
}

std::optional<std::string> CapabilityText(const std::string &capacityHex) {
    if (capacityHex.empty()) return std::nullopt;
    // The leading hexadecimal digits: the first octet's two.
    unsigned bits = 0;
    for (std::size_t i = 0; i < capacityHex.size() && i < 2; ++i) {
        const auto digit = HexDigitValue(capacityHex[i]);
        if (!digit) break;
        bits = bits * 16 + *digit;
    }
    std::string text = " ";
    for (const Capability &capability : kCapabilities)
        if (bits & capability.bit) text += capability.name;
    return text;
}

}  // namespace current_time
