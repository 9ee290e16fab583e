#pragma once
// The device clock: DateAndTime octets (RFC 2579, 8 or 11 octets) read from the host's clock and
// moved on by the time that passed since they were written.
#include <chrono>
#include <string>

// The host's current UTC time, 11 octets with the zone "+0:0".
std::string dateAndTimeNow();

// The octets moved on by elapsed (calendar arithmetic, deci-second steps); the zone octets stay.
// Octets that are no valid DateAndTime come back unchanged.
std::string dateAndTimeAfter(const std::string& octets, std::chrono::milliseconds elapsed);

// Every field in its range: month 1-12, a day that exists in that month, hour 0-23, minutes
// 0-59, seconds 0-60, deci-seconds 0-9, and for 11 octets a '+' or '-' with hours 0-14 and
// minutes 0-59.
bool isValidDateAndTime(const std::string& octets);
