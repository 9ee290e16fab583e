#include "windows/logic/summer_time_rules.h"

#include "engine/number_text.h"

#include <algorithm>

namespace summer_time {

namespace {

constexpr OptionRecord kStatusRecords[] = {{0, "disable"}, {1, "repeating"}, {2, "annual"}, {0, nullptr}};
constexpr OptionRecord kWeekRecords[] = {{1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {0, "last"}, {0, nullptr}};
constexpr OptionRecord kDayRecords[] = {{1, "Sun"}, {2, "Mon"}, {3, "Tue"}, {4, "Wed"},
                                        {5, "Thu"}, {6, "Fri"}, {7, "Sat"}, {0, nullptr}};
constexpr OptionRecord kMonthRecords[] = {{1, "Jan"}, {2, "Feb"},  {3, "Mar"},  {4, "Apr"},  {5, "May"},
                                          {6, "Jun"}, {7, "Jul"},  {8, "Aug"},  {9, "Sep"},  {10, "Oct"},
                                          {11, "Nov"}, {12, "Dec"}, {0, nullptr}};

// A whole number of digits only; -1 for anything else (empty, signs, blanks, too long).
int WholeNumber(const std::string &text) {
    if (text.size() > 6 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return ParseSigned32(text, Blanks::Refused).value_or(-1);
}

bool Chosen(const VdOptionList &options, const std::string &label) {
    return !label.empty() && options.IndexOfLabel(label) >= 0;
}

int MonthNumber(const std::string &label) {
    const int i = kMonthOptions.IndexOfLabel(label);
    return i < 0 ? 0 : kMonthOptions.EntryAt(i).number;
}

int DaysIn(int month) {
    if (month == 2) return 28;  // the rule repeats every year, so no 29 February
    if (month == 4 || month == 6 || month == 9 || month == 11) return 30;
    return 31;
}

const std::string &Text(const RowInput &row, std::size_t i) {
    static const std::string kEmpty;
    return i < row.texts.size() ? row.texts[i] : kEmpty;
}

bool HourAndMinuteFit(const std::string &hour, const std::string &minute) {
    const int h = WholeNumber(hour);
    const int m = WholeNumber(minute);
    return h >= 0 && m >= 0 && h <= 23 && m <= 59;
}

// Repeating controls: month, week, day, hour, minute.
bool RepeatingPointFits(const RowInput &row) {
    return Chosen(kMonthOptions, Text(row, 0)) && Chosen(kWeekOptions, Text(row, 1)) &&
           Chosen(kDayOptions, Text(row, 2)) && HourAndMinuteFit(Text(row, 3), Text(row, 4));
}

// Annual controls: day, month, hour, minute. Day 0 names no date.
bool AnnualPointFits(const RowInput &row) {
    if (!Chosen(kMonthOptions, Text(row, 1))) return false;
    const int day = WholeNumber(Text(row, 0));
    return day >= 1 && day <= DaysIn(MonthNumber(Text(row, 1))) && HourAndMinuteFit(Text(row, 2), Text(row, 3));
}

std::string MonthOf(int row, const RowInput &input) { return Text(input, row <= kRepeatingEnd ? 0 : 1); }

}  // namespace

const DescriptorRecord kDescriptors[] = {
    {"1.3.6.1.4.1.171.12.10.12.1", "Status", syntax::Integer, access_bit::ReadWrite, &kStatusOptions},
    {"1.3.6.1.4.1.171.12.10.12.2", "Offset", syntax::Integer, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.12.10.12.3", "Time Start", syntax::OctetString, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.12.10.12.4", "Time End", syntax::OctetString, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.12.10.12.5", "Time Start", syntax::OctetString, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.12.10.12.6", "Time End", syntax::OctetString, access_bit::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

const VdOptionList kStatusOptions(kStatusRecords, VdOptionList::Integer);
const VdOptionList kWeekOptions(kWeekRecords, VdOptionList::Integer);
const VdOptionList kDayOptions(kDayRecords, VdOptionList::Integer);
const VdOptionList kMonthOptions(kMonthRecords, VdOptionList::Integer);

const char kRepeating[] = "repeating";
const char kAnnual[] = "annual";

const char kChooseStatusMessage[] = "Please choose Summer Time Status.";
const char kOffsetMessage[] = "Summer Time Offset must chosed from {30, 60, 90, 120}.";
const char kTimeMessage[] = "Time error.";
const char kSameMonthMessage[] = "From month and To month should not be the same.";

bool IsPointRow(int row) { return row >= kRepeatingStart && row <= kAnnualEnd; }

const char *PointName(int row) {
    static const char *const names[] = {"RepeatingStart", "RepeatingEnd", "AnnualStart", "AnnualEnd"};
    return IsPointRow(row) ? names[row - kRepeatingStart] : "";
}

const std::vector<PointField> &PointFields(int row) {
    static const std::vector<PointField> repeating = {
        {"Month", 3, syntax::UInt8, &kMonthOptions, nullptr}, {"Week", 0, syntax::UInt8, &kWeekOptions, nullptr},
        {"Day", 1, syntax::UInt16, &kDayOptions, nullptr},    {"Hour", 4, syntax::UInt8, nullptr, "Hour"},
        {"Minute", 5, syntax::UInt8, nullptr, "Minute"},
    };
    static const std::vector<PointField> annual = {
        {"Day", 0, syntax::UInt8, nullptr, "Day"},
        {"Month", 1, syntax::UInt8, &kMonthOptions, nullptr},
        {"Hour", 2, syntax::UInt8, nullptr, "Hour"},
        {"Minute", 3, syntax::UInt8, nullptr, "Minute"},
    };
    static const std::vector<PointField> none;
    if (row == kRepeatingStart || row == kRepeatingEnd) return repeating;
    if (row == kAnnualStart || row == kAnnualEnd) return annual;
    return none;
}

std::vector<int> PointRowsShown(const std::string &statusText) {
    if (statusText == kRepeating) return {kRepeatingStart, kRepeatingEnd};
    if (statusText == kAnnual) return {kAnnualStart, kAnnualEnd};
    return {};
}

std::vector<int> DetailRows(const std::string &statusText) {
    std::vector<int> rows{kOffset};
    for (int row : PointRowsShown(statusText)) rows.push_back(row);
    return rows;
}

Verdict Check(const FormInput &input) {
    const std::string &status = Text(input[kStatus], 0);
    const bool statusChosen = Chosen(kStatusOptions, status);
    if (input[kStatus].ticked && !statusChosen) return {false, kChooseStatusMessage};
    if (input[kOffset].ticked) {
        // A ticked offset must hold a value: an empty one would only fail after the status went.
        const int offset = WholeNumber(Text(input[kOffset], 0));
        if (offset < 30 || offset > 120 || offset % 30 != 0) return {false, kOffsetMessage};
    }
    if (!statusChosen) return {false, {}};
    const std::vector<int> points = PointRowsShown(status);
    for (int row : points) {
        if (!input[row].ticked) continue;
        const bool fits = row <= kRepeatingEnd ? RepeatingPointFits(input[row]) : AnnualPointFits(input[row]);
        if (!fits) return {false, kTimeMessage};
    }
    if (points.size() == 2 && input[points[0]].ticked && input[points[1]].ticked &&
        MonthOf(points[0], input[points[0]]) == MonthOf(points[1], input[points[1]]))
        return {false, kSameMonthMessage};
    return {true, {}};
}

std::vector<std::vector<int>> WriteSteps(const FormInput &input) {
    std::vector<std::vector<int>> steps;
    if (input[kStatus].ticked) steps.push_back({kStatus});
    std::vector<int> details;
    for (int row : DetailRows(Text(input[kStatus], 0)))
        if (input[row].ticked) details.push_back(row);
    if (!details.empty()) steps.push_back(details);
    return steps;
}

namespace {

std::string Labels(const std::vector<std::vector<int>> &steps, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t k = from; k < to && k < steps.size(); ++k)
        for (int row : steps[k]) text += (text.empty() ? "" : ", ") + std::string(kDescriptors[row].label);
    return text;
}

}  // namespace

std::string PartialWriteText(const std::vector<std::vector<int>> &steps, std::size_t failed, const std::string &error) {
    if (failed == 0) return error;
    return "Only part of the change took effect: " + Labels(steps, 0, failed) + " written; " +
           Labels(steps, failed, steps.size()) + " not written (" + error + ").";
}

}  // namespace summer_time
