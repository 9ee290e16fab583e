// DateAndTime texts and octets, number lists, time ticks and local date-time texts.

#include "fuzz_input.h"

#include "engine/date_time.h"
#include "engine/num_list.h"
#include "engine/value_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t mode = in.Byte();
    const std::string text = in.Rest();

    if (const auto parsed = VdDateTime::Parse(text)) {
        const std::string printed = parsed->ToText();
        const auto again = VdDateTime::Parse(printed);
        FuzzCheck(again && again->ToText() == printed, "date text does not round-trip", text, printed);
        FuzzCheck(VdDateTime::FromOctets(parsed->ToOctets()).ToText() == printed, "date octets do not round-trip",
                  printed, VdDateTime::FromOctets(parsed->ToOctets()).ToText());
    }
    VdDateTime loose(text);
    loose.SwapYearOrder();
    loose.ToText();
    VdDateTime fromOctets = VdDateTime::FromOctets(text);
    fromOctets.ToText();
    fromOctets.ToOctets();

    VdIntList ints;
    ints.delimiter = static_cast<char>(mode);
    ints.Parse(text);
    ints.AllInRange(-5, 5);
    ints.IndexOf(ints.count() ? ints[0] : 0);
    VdUIntList uints;
    uints.Parse(text);
    uints.AllInRange(0, 4094);

    ParseTimeTicks(text);
    LeadingDouble(text);
    LeadingLongDouble(text);
    LeadingInteger(text);
    if (const auto days = LocalDateTimeNumber(text)) LocalDateTimeText(*days);
    try {
        ParseLocalDateTime(text);
    } catch (const std::exception &) {
    }
    return 0;
}
