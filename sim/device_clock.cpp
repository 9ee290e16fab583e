#include "device_clock.h"

namespace {

using namespace std::chrono;

std::uint8_t octet(const std::string& octets, std::size_t i) { return static_cast<std::uint8_t>(octets[i]); }

// Deci-seconds since the epoch of the civil time the octets name, ignoring their zone.
std::int64_t deciSecondsOf(const std::string& octets)
{
    const year_month_day date{year{octet(octets, 0) << 8 | octet(octets, 1)}, month{octet(octets, 2)},
                              day{octet(octets, 3)}};
    const auto seconds = sys_days{date}.time_since_epoch() + hours{octet(octets, 4)} +
                         minutes{octet(octets, 5)} + std::chrono::seconds{octet(octets, 6)};
    return duration_cast<std::chrono::seconds>(seconds).count() * 10 + octet(octets, 7);
}

// Writes the civil time of deciSeconds into the first eight octets.
void putDeciSeconds(std::string& octets, std::int64_t deciSeconds)
{
    const sys_time<std::chrono::seconds> time{std::chrono::seconds{deciSeconds / 10}};
    const sys_days days = floor<std::chrono::days>(time);
    const year_month_day date{days};
    const hh_mm_ss clock{time - days};
    const int y = static_cast<int>(date.year());
    octets[0] = static_cast<char>((y >> 8) & 0xFF);
    octets[1] = static_cast<char>(y & 0xFF);
    octets[2] = static_cast<char>(static_cast<unsigned>(date.month()));
    octets[3] = static_cast<char>(static_cast<unsigned>(date.day()));
    octets[4] = static_cast<char>(clock.hours().count());
    octets[5] = static_cast<char>(clock.minutes().count());
    octets[6] = static_cast<char>(clock.seconds().count());
    octets[7] = static_cast<char>(deciSeconds % 10);
}

} // namespace

std::string dateAndTimeNow()
{
    std::string octets(8, '\0');
    const auto now = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    putDeciSeconds(octets, now / 100);
    return octets + std::string{'+', '\0', '\0'};
}

std::string dateAndTimeAfter(const std::string& octets, milliseconds elapsed)
{
    if (!isValidDateAndTime(octets))
        return octets;
    std::string moved = octets;
    putDeciSeconds(moved, deciSecondsOf(octets) + elapsed.count() / 100);
    return moved;
}

bool isValidDateAndTime(const std::string& octets)
{
    if (octets.size() != 8 && octets.size() != 11)
        return false;
    const year_month_day date{year{octet(octets, 0) << 8 | octet(octets, 1)}, month{octet(octets, 2)},
                              day{octet(octets, 3)}};
    if (!date.ok() || octet(octets, 4) > 23 || octet(octets, 5) > 59 || octet(octets, 6) > 60 ||
        octet(octets, 7) > 9)
        return false;
    if (octets.size() == 11)
        return (octets[8] == '+' || octets[8] == '-') && octet(octets, 9) <= 14 && octet(octets, 10) <= 59;
    return true;
}
