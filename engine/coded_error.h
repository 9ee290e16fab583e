#pragma once

#include <stdexcept>
#include <string>

// The one exception type of the system: a catalogue text and the code that says which entry it is.
class CodedError : public std::exception {
public:
    CodedError(std::string message, int code) : message_(std::move(message)), code_(code) {}

    const std::string &message() const { return message_; }
    int code() const { return code_; }
    const char *what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
    int code_;
};
