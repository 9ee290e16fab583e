#pragma once

#include <stdexcept>
#include <string>

// Raised for a value that should be a number and is not; the message is the one users of the host
// product know from its other modules.
class NotANumber : public std::runtime_error {
public:
    explicit NotANumber(const std::string &text)
        : std::runtime_error("'" + text + "' is not a valid integer value") {}
};

// The number, or NotANumber when the text is not one or lies outside [low, high].
int DecimalInRange(const std::string &text, long long low, long long high);
