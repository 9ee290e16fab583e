#include "binding/led_color_map.h"

#include "engine/messages.h"
#include "engine/coded_error.h"

#include <string>

VdSNMPLedColorMapList::VdSNMPLedColorMapList(const LedColourRecord *table, std::uint8_t valueMask,
                                             std::uint8_t blinkMask, LedColour offColour,
                                             LedColour missingColour)
    : valueMask(valueMask), blinkMask(blinkMask), offColour(offColour), missingColour(missingColour) {
    if (table == nullptr) return;
    for (const LedColourRecord *r = table; r->colour != kNoColour; ++r)
        entries_.push_back({static_cast<std::uint8_t>(r->key), r->colour});
}

int VdSNMPLedColorMapList::IndexOf(std::uint8_t byte) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].key == byte) return static_cast<int>(i);
    return -1;
}

LedColour VdSNMPLedColorMapList::ColourOf(std::uint8_t byte) const {
    const int i = IndexOf(byte);
    return i < 0 ? 0 : entries_[static_cast<std::size_t>(i)].colour;
}

namespace {

LedState Missing(const VdSNMPLedColorMapList &map) {
    if (map.missingColour == kNoColour) throw messages::FrameworkError(19);
    return {map.missingColour, false};
}

std::uint8_t ByteAt(const std::string &raw, std::size_t i) { return static_cast<std::uint8_t>(raw[i]); }

}  // namespace

LedState EvaluateLedState(const std::string &raw, std::size_t position, int layoutMode,
                          std::size_t pairStart, const VdSNMPLedColorMapList &map, LedState current) {
    if (position >= raw.size()) return Missing(map);
    const std::uint8_t b = ByteAt(raw, position);
    const bool blinking = (b & map.blinkMask) != 0;
    if (layoutMode == 1 || (layoutMode == 2 && position < pairStart))
        return {map.ColourOf(static_cast<std::uint8_t>(b & map.valueMask)), blinking};
    if (layoutMode != 2) return current;
    if (b == 1) return {map.missingColour == kNoColour ? map.offColour : map.missingColour, false};
    // A link byte at the very end has no speed byte to colour it.
    if (position + 1 >= raw.size()) return Missing(map);
    return {map.ColourOf(static_cast<std::uint8_t>(ByteAt(raw, position + 1) & map.valueMask)), blinking};
}
