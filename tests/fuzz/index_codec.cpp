// Index components decoded from an agent's identifier suffix, for every syntax with and without an
// implied last component: refused with a coded error or decoded; a decoded value encodes back to the
// part of the suffix it was taken from.

#include "fuzz_input.h"

#include "engine/coded_error.h"
#include "engine/descriptor.h"
#include "engine/index_codec.h"

#include <iterator>

namespace {
constexpr std::uint32_t kSyntaxes[] = {
    syntax::Integer,   syntax::OctetString, syntax::ObjectId,   syntax::IpAddress,  syntax::Counter,
    syntax::Gauge,     syntax::TimeTicks,   syntax::UInteger,   syntax::MacAddress, syntax::DisplayString,
    syntax::Ipv6Address, syntax::BitString, syntax::Opaque,     syntax::Counter64,  syntax::DateAndTime,
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t mode = in.Byte();
    const std::uint32_t s = kSyntaxes[(mode >> 1) % std::size(kSyntaxes)];
    const bool implied = mode & 1;
    const std::string suffix = in.Rest();
    std::string value;
    std::string rest;
    try {
        rest = DecodeIndexComponent(s, implied, suffix, value);
    } catch (const CodedError &) {
        // Refused suffixes are fine; encoding what a user may type must not crash either.
        try {
            EncodeIndexComponent(s, implied, suffix);
        } catch (const CodedError &) {
        }
        return 0;
    }
    std::string encoded;
    try {
        encoded = EncodeIndexComponent(s, implied, value);
    } catch (const CodedError &) {
        FuzzCheck(false, "a decoded index value does not encode", suffix, value);
    }
    std::string again;
    const std::string rest2 = DecodeIndexComponent(s, implied, encoded, again);
    FuzzCheck(again == value, "index value does not round-trip", value, again);
    FuzzCheck(rest2.empty() || rest2 == ".", "encoding leaves a remainder", encoded, rest2);
    return 0;
}
