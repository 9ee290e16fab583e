#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A delimited list of whole numbers, as "1,3,5" or "10.1.2.3".
template <typename Number>
class VdNumList {
public:
    void Parse(const std::string &text);
    int IndexOf(Number key) const;
    bool AllInRange(Number min, Number max) const;

    int count() const { return static_cast<int>(numbers_.size()); }
    Number operator[](int i) const { return numbers_[static_cast<std::size_t>(i)]; }
    const std::vector<Number> &numbers() const { return numbers_; }

    char delimiter = '.';

private:
    std::vector<Number> numbers_;
};

using VdIntList = VdNumList<std::int32_t>;
using VdUIntList = VdNumList<std::uint32_t>;
