#include "shell/decimal_number.h"

#include "engine/number_text.h"


int DecimalInRange(const std::string &text, long long low, long long high) {
    const std::optional<int> value = ParseSigned32(text, Blanks::Refused);
    if (!value || *value < low || *value > high) throw NotANumber(text);
    return *value;
}
