#pragma once

#include <cstdint>
#include <optional>
#include <string>

// An SNMP DateAndTime value (eleven octets) and its text forms, as 1992-5-26,13:30:15.0 or
// 1992-5-26,13:30:15.0,-8:0.
class VdDateTime {
public:
    VdDateTime();  // now, local time
    explicit VdDateTime(const std::string &text);  // fields a text does not match stay zero

    // The text parsed strictly: nullopt when it matches none of the forms or a number does not
    // fit its field. Writes use this so that a typing error never reaches a device clock.
    static std::optional<VdDateTime> Parse(const std::string &text);

    std::string ToText() const;
    void SwapYearOrder();

    // The eleven octets as on the wire (year most significant octet first), and back. FromOctets
    // needs at least eleven octets.
    std::string ToOctets() const;
    static VdDateTime FromOctets(const std::string &octets);

    std::uint16_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::uint8_t hour = 0;
    std::uint8_t minutes = 0;
    std::uint8_t seconds = 0;
    std::uint8_t deciSeconds = 0;
    char direction = '+';
    std::uint8_t hoursFromUTC = 0;
    std::uint8_t minutesFromUTC = 0;

private:
    struct Zero {};
    explicit VdDateTime(Zero) {}
};
