#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Colours are in the toolkit-neutral encoding red in the lowest byte, then green, then blue
// (0x00FF00 green, 0x4080FF orange). -1 marks the end of a source table, and as the missing colour
// it makes an absent status byte an error.
using LedColour = std::int32_t;
inline constexpr LedColour kNoColour = -1;

// One row of a static colour source table; a table ends with a row whose colour is -1.
struct LedColourRecord {
    int key;
    LedColour colour;
};

// Turns one status byte of a front-panel value into an LED colour and a blink flag.
class VdSNMPLedColorMapList {
public:
    VdSNMPLedColorMapList(const LedColourRecord *table, std::uint8_t valueMask, std::uint8_t blinkMask,
                          LedColour offColour, LedColour missingColour);

    int IndexOf(std::uint8_t byte) const;
    LedColour ColourOf(std::uint8_t byte) const;  // black when the byte has no entry

    std::uint8_t valueMask;
    std::uint8_t blinkMask;
    LedColour offColour;
    LedColour missingColour;

private:
    struct Entry {
        std::uint8_t key;
        LedColour colour;
    };
    std::vector<Entry> entries_;
};

// What one LED shows after a result.
struct LedState {
    LedColour colour = 0;
    bool blinking = false;
};

// Evaluates the LED that looks at byte `position` of a raw status value. Layout 1: every LED reads
// its own byte. Layout 2: from pairStart on a position is a port's link byte (1: no link, blink bits)
// followed by its speed byte, which selects the colour; a port without link shows the missing colour
// (the off colour when the map has none). Any other layout keeps `current`.
// An absent byte gives the map's missing colour, or raises -519 when that colour is -1.
LedState EvaluateLedState(const std::string &raw, std::size_t position, int layoutMode,
                          std::size_t pairStart, const VdSNMPLedColorMapList &map, LedState current);
