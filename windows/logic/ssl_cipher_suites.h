#pragma once
// The SSL settings without widgets: their variables, and the four cipher-suite switches that share
// the high hexadecimal digit of the cipher-suites octet.

#include "engine/option_list.h"
#include "engine/descriptor.h"

#include <array>
#include <optional>
#include <string>

namespace ssl_management {

enum Row : int { kStatus = 0, kCipherSuites = 1, kCacheTimeout = 2 };

constexpr int kSuiteCount = 4;
using Suites = std::array<bool, kSuiteCount>;

extern const DescriptorRecord kDescriptors[];
extern const VdOptionList kStatusOptions;
extern const VdOptionList kSuiteOptions;  // "disabled", "enabled" at positions 0 and 1
extern const char *const kSuiteLabels[kSuiteCount];
extern const char kCipherSuitesFormat[];
extern const char kCacheTimeoutFormat[];
extern const char kEmptyItemsMessage[];

// The switches of a cipher-suites text read from the device (bits 8, 4, 2, 1 of its first digit);
// nothing for a text that is not exactly one octet or whose first digit is no hexadecimal digit.
std::optional<Suites> DecodeSuites(const std::string &hexText);

// The text to write: the switches' digit, then the digit that was read after it ("0" when the read
// gave no octet), so that what the switches do not cover is written back unchanged.
std::string EncodeSuites(const Suites &enabled, const std::string &readText);

}  // namespace ssl_management
