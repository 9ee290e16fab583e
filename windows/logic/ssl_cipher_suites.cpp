#include "windows/logic/ssl_cipher_suites.h"

#include "engine/hex_text.h"

#include <cctype>

namespace ssl_management {

namespace {

constexpr OptionRecord kStatusRecords[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
constexpr OptionRecord kSuiteRecords[] = {{0, "disabled"}, {1, "enabled"}, {0, nullptr}};
constexpr unsigned kSuiteBits[kSuiteCount] = {8, 4, 2, 1};

}  // namespace

const DescriptorRecord kDescriptors[] = {
    {"1.3.6.1.4.1.171.12.7.1.1", "Status Admin", syntax::Integer, access_bit::ReadWrite, &kStatusOptions},
    {"1.3.6.1.4.1.171.12.7.1.2", "Cipher Suites", syntax::OctetString, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.171.12.7.1.3", "Cache Timeout", syntax::Gauge, access_bit::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

const VdOptionList kStatusOptions(kStatusRecords, VdOptionList::Integer);
const VdOptionList kSuiteOptions(kSuiteRecords, VdOptionList::Integer);
const char *const kSuiteLabels[kSuiteCount] = {"RSA-with-RC4-128-MD5", "RSA-with-3DES-EDE-CBC-SHA",
                                               "DHE-DSS-with-3DES-EDE-CBC-SHA", "RSA-EXPORT-with-RC4-40-MD5"};
const char kCipherSuitesFormat[] = "%s{l2}";
const char kCacheTimeoutFormat[] = "%s";
const char kEmptyItemsMessage[] = "Some items are empty.";

std::optional<Suites> DecodeSuites(const std::string &hexText) {
    if (hexText.size() != 2) return std::nullopt;
    const auto digit = HexDigitValue(hexText[0]);
    if (!digit) return std::nullopt;
    Suites enabled{};
    for (int i = 0; i < kSuiteCount; ++i) enabled[static_cast<std::size_t>(i)] = (*digit & kSuiteBits[i]) != 0;
    return enabled;
}

std::string EncodeSuites(const Suites &enabled, const std::string &readText) {
    unsigned digit = 0;
    for (int i = 0; i < kSuiteCount; ++i)
        if (enabled[static_cast<std::size_t>(i)]) digit += kSuiteBits[i];
    std::string text(1, "0123456789ABCDEF"[digit]);
    const bool lowDigitRead = readText.size() == 2 && HexDigitValue(readText[1]).has_value();
    text += lowDigitRead ? static_cast<char>(std::toupper(static_cast<unsigned char>(readText[1]))) : '0';
    return text;
}

}  // namespace ssl_management
