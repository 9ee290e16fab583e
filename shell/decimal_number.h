#pragma once

#include <stdexcept>
#include <string>

// Raised for a value that should be a number and is not; the message begins as users of the host
// product know it from its other modules and goes on with what is allowed.
class NotANumber : public std::runtime_error {
public:
    NotANumber(const std::string &text, const std::string &allowed)
        : std::runtime_error("'" + text + "' is not a valid integer value" + (allowed.empty() ? "" : ": " + allowed)) {}
};

// The number, or NotANumber when the text is not one or lies outside [low, high]; what names the
// value in the message ("/t takes a port from 1 to 65535").
int DecimalInRange(const std::string &text, long long low, long long high, const std::string &what);
