#pragma once
// The device clock without widgets: its variables and the text of its capability bits.

#include "engine/option_list.h"
#include "engine/descriptor.h"

#include <optional>
#include <string>


namespace current_time {

enum Row : int { kCapacity = 0, kClock = 1, kResetOnReboot = 2 };

extern const DescriptorRecord kDescriptors[];
extern const VdOptionList kResetOptions;
extern const char kClockFormat[];
extern const char kEmptyClockMessage[];

// The capability names of the first octet of the capacity's hexadecimal text, after one blank:
// "systemTime", ",SNTP", ",SummerTime", ",realTimeClock" for 0x80, 0x40, 0x20 and 0x10. Nothing
// for an empty text, which leaves the field as it was.
std::optional<std::string> CapabilityText(const std::string &capacityHex);

// The message that stops a write of this clock text, empty when it names a real moment: a date of the
// calendar (29 February in leap years only), hours 0-23, minutes 0-59, seconds 0-60 (a leap second),
// deciseconds 0-9
// and an offset from UTC of at most 13:59. The message gives the expected form.
std::string ClockRefusal(const std::string &text);


}  // namespace current_time
