#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Text forms of values shared by the request engine and the raw value packing.

// TimeTicks (hundredths of a second): "0:00:01.05", "1 day 2:03:04.05", "3 days, 4:05:06.07".
std::string TimeTicksText(std::uint32_t ticks);
// Reads that same form back; any other text (a bare number too) or a count beyond 32 bits reads as 0.
std::uint32_t ParseTimeTicks(const std::string &text);

// A double in general number format with 15 significant digits.
std::string DoubleText(double value);
// The leading floating-point number of a text; 0 when there is none.
double LeadingDouble(const std::string &text);
// The same with the precision of a long double (every 64-bit whole number exactly).
long double LeadingLongDouble(const std::string &text);

// The leading decimal number of a text (blanks and a sign allowed), 0 when there is none, cut to
// its low 32 bits (as a signed number) as the packing of fields does.
std::int64_t LeadingInteger(const std::string &text);

// A local date-time number: days since 30 December 1899, the fraction being the time of day.
// Text in the form "yyyy/mm/dd hh:nn:ss am/pm" with the locale's separators; empty when the number
// is no date between the years 1 and 9999.
std::string LocalDateTimeText(double days);
// Parsed in that form (also on the 24-hour clock, time optional) or the locale's date-time
// formats; nullopt when the text is not a date and time.
std::optional<double> LocalDateTimeNumber(const std::string &text);
// The same, 0 when the text is not a date and time.
double ParseLocalDateTime(const std::string &text);
