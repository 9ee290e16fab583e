#include "engine/num_list.h"

#include <algorithm>
#include <limits>

template <typename Number>
void VdNumList<Number>::Parse(const std::string &text) {
    numbers_.clear();
    if (text.empty()) return;
    numbers_.assign(static_cast<std::size_t>(std::count(text.begin(), text.end(), delimiter)) + 1, Number{0});
    constexpr Number kMax = std::numeric_limits<Number>::max();
    std::size_t current = 0;
    bool inFraction = false;
    for (char c : text) {
        if (c == delimiter) {
            ++current;
            inFraction = false;
        } else if (c == '.') {
            inFraction = true;  // numbers are whole: the fraction is dropped
        } else if (c >= '0' && c <= '9' && !inFraction) {
            Number &n = numbers_[current];
            const Number digit = static_cast<Number>(c - '0');
            // An oversized number stays at the maximum, so range checks still refuse it.
            n = n > (kMax - digit) / 10 ? kMax : static_cast<Number>(n * 10 + digit);
        }
    }
}

template <typename Number>
int VdNumList<Number>::IndexOf(Number key) const {
    const auto it = std::find(numbers_.begin(), numbers_.end(), key);
    return it == numbers_.end() ? -1 : static_cast<int>(it - numbers_.begin());
}

template <typename Number>
bool VdNumList<Number>::AllInRange(Number min, Number max) const {
    return std::all_of(numbers_.begin(), numbers_.end(), [&](Number n) { return min <= n && n <= max; });
}

template class VdNumList<std::int32_t>;
template class VdNumList<std::uint32_t>;
