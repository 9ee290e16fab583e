#include "shell/decimal_number.h"

#include "engine/number_text.h"

#include <limits>

int DecimalInRange(const std::string &text, long long low, long long high, const std::string &what) {
    const std::optional<int> value = ParseSigned32(text, Blanks::Refused);
    if (!value || *value < low || *value > high) {
        const bool anyInt = low <= std::numeric_limits<int>::min() && high >= std::numeric_limits<int>::max();
        throw NotANumber(text, anyInt ? what + " of at most 32 bits"
                                      : what + " from " + std::to_string(low) + " to " + std::to_string(high));
    }
    return *value;
}
