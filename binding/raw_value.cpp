#include "binding/raw_value.h"

#include "engine/messages.h"
#include "engine/coded_error.h"
#include "engine/date_time.h"
#include "engine/descriptor.h"
#include "engine/hex_text.h"
#include "engine/number_text.h"
#include "engine/oid_text.h"
#include "engine/value_text.h"
#include "engine/var_list.h"

#include <limits>

namespace {

constexpr int kUnknownSyntax = 11;
constexpr int kTooShort = 18;
constexpr int kBadValueEntry = 18;  // the same catalogue entry: a value its syntax cannot hold
constexpr int kBeyondValue = 19;
constexpr std::size_t kToEnd = std::numeric_limits<std::size_t>::max();

// Bytes a value of the syntax takes (kToEnd: all that follow); an unknown syntax is refused.
std::size_t SizeOf(std::uint32_t s) {
    switch (s) {
    case syntax::Null: return 0;
    case syntax::BitString:
    case syntax::OctetString:
    case syntax::ObjectId:
    case syntax::Opaque:
    case syntax::DisplayString: return kToEnd;
    case syntax::Bool8:
    case syntax::Int8:
    case syntax::UInt8: return 1;
    case syntax::Bool16:
    case syntax::Int16:
    case syntax::UInt16: return 2;
    case syntax::Boolean:
    case syntax::Integer:
    case syntax::IpAddress:
    case syntax::Counter:
    case syntax::Gauge:
    case syntax::TimeTicks:
    case syntax::NsapAddress:
    case syntax::UInteger: return 4;
    case syntax::MacAddress: return 6;
    case syntax::Counter64:
    case syntax::Double:
    case syntax::LocalDateTime: return 8;
    case syntax::DateAndTime: return 11;
    case syntax::Ipv6Address: return 16;
    default: throw messages::FrameworkError(kUnknownSyntax);
    }
}

std::string LittleEndian(std::uint64_t n, std::size_t bytes) {
    std::string out(bytes, '\0');
    for (std::size_t i = 0; i < bytes; ++i) out[i] = static_cast<char>((n >> (8 * i)) & 0xFF);
    return out;
}

std::string BigEndian16(std::uint64_t n) { return {static_cast<char>((n >> 8) & 0xFF), static_cast<char>(n & 0xFF)}; }

std::uint64_t LittleEndianAt(const std::string &raw, std::size_t from, std::size_t bytes) {
    std::uint64_t n = 0;
    for (std::size_t i = 0; i < bytes; ++i) n |= std::uint64_t{static_cast<unsigned char>(raw[from + i])} << (8 * i);
    return n;
}

unsigned Byte(const std::string &raw, std::size_t i) { return static_cast<unsigned char>(raw[i]); }

unsigned BigEndian16At(const std::string &raw) { return Byte(raw, 0) << 8 | Byte(raw, 1); }

// A dotted text as the object identifier parser reads it (a leading dot allowed); text that is
// not one is refused rather than written as an empty value.
std::vector<std::uint32_t> DottedNumbers(const std::string &text) {
    const auto numbers = SplitOid(!text.empty() && text.front() == '.' ? text.substr(1) : text);
    if (!numbers) throw messages::FrameworkError(kTooShort);
    return *numbers;
}

std::string Counter64Raw(const std::string &text) {
    const long double n = LeadingLongDouble(text);
    const auto max = std::numeric_limits<std::uint64_t>::max();
    // Past either end of the counter's range the nearest end stands, never an undefined conversion.
    const std::uint64_t value = !(n > 0) ? 0 : n >= 18446744073709551616.0L ? max : static_cast<std::uint64_t>(n);
    return LittleEndian(value, 8);
}

std::string DateAndTimeRaw(const std::string &text) {
    const auto parsed = VdDateTime::Parse(text);
    if (!parsed) throw messages::FrameworkError(kTooShort);
    return parsed->ToOctets();
}

std::string LocalDateTimeRaw(const std::string &text) {
    const auto days = LocalDateTimeNumber(text);
    if (!days) throw messages::FrameworkError(kTooShort);
    return DoubleOctets(*days);
}

std::string OidText(const std::string &raw) {
    std::vector<std::uint32_t> subIds;
    for (std::size_t i = 0; i + 4 <= raw.size(); i += 4)  // a partial last sub-identifier is ignored
        subIds.push_back(static_cast<std::uint32_t>(LittleEndianAt(raw, i, 4)));
    return subIds.empty() ? kNullText : JoinOid(subIds);
}

std::string DottedQuadText(const std::string &raw) {
    return std::to_string(Byte(raw, 0)) + '.' + std::to_string(Byte(raw, 1)) + '.' + std::to_string(Byte(raw, 2)) +
           '.' + std::to_string(Byte(raw, 3));
}

std::string NonEmptyOrNull(std::string text) { return text.empty() ? kNullText : text; }

std::string Truth(bool b) { return b ? "true" : "false"; }

std::string TypedOctets(const std::string &text, std::uint32_t s) {
    const auto octets = ParseHexOctets(text, s == syntax::MacAddress);
    if (!octets) throw messages::FrameworkError(kBadValueEntry);
    return *octets;
}

}  // namespace

std::string TextToRaw(const std::string &text, std::uint32_t s) {
    SizeOf(s);  // refuses an unknown syntax
    if (s == syntax::Null || text == kNullText) return {};
    const auto whole = [&] { return static_cast<std::uint64_t>(LeadingInteger(text)); };
    switch (s) {
    case syntax::Boolean: return LittleEndian(text == "true", 4);
    case syntax::Bool8: return LittleEndian(text == "true", 1);
    case syntax::Bool16: return BigEndian16(text == "true");
    case syntax::Integer:
    case syntax::Counter:
    case syntax::Gauge:
    case syntax::UInteger: return LittleEndian(whole(), 4);
    case syntax::Int8:
    case syntax::UInt8: return LittleEndian(whole(), 1);
    case syntax::Int16:
    case syntax::UInt16: return BigEndian16(whole());
    case syntax::BitString:
    case syntax::OctetString:
    case syntax::Opaque:
    case syntax::MacAddress:
    case syntax::Ipv6Address: return TypedOctets(text, s);
    case syntax::ObjectId: {
        std::string raw;
        for (std::uint32_t n : DottedNumbers(text)) raw += LittleEndian(n, 4);
        return raw;
    }
    case syntax::IpAddress:
    case syntax::NsapAddress: {
        std::string raw;
        for (std::uint32_t n : DottedNumbers(text)) raw += static_cast<char>(n & 0xFF);
        return raw;
    }
    case syntax::TimeTicks: return LittleEndian(ParseTimeTicks(text), 4);
    case syntax::Counter64: return Counter64Raw(text);
    case syntax::Double: return DoubleOctets(LeadingDouble(text));
    case syntax::DateAndTime: return DateAndTimeRaw(text);
    case syntax::LocalDateTime: return LocalDateTimeRaw(text);
    default: return text;  // DisplayString: the octets as they are
    }
}

std::string RawToText(const std::string &raw, std::uint32_t s) {
    const std::size_t size = SizeOf(s);
    if (s == syntax::Null) return kNullText;
    if (raw.empty()) return s == syntax::DisplayString ? "" : kNullText;
    if (size != kToEnd && raw.size() < size) throw messages::FrameworkError(kTooShort);
    switch (s) {
    case syntax::Boolean: return Truth(LittleEndianAt(raw, 0, 4) != 0);
    case syntax::Bool8: return Truth(Byte(raw, 0) != 0);
    case syntax::Bool16: return Truth(BigEndian16At(raw) != 0);
    case syntax::Integer: return std::to_string(static_cast<std::int32_t>(LittleEndianAt(raw, 0, 4)));
    case syntax::Counter:
    case syntax::Gauge:
    case syntax::UInteger: return std::to_string(LittleEndianAt(raw, 0, 4));
    case syntax::Int8: return std::to_string(static_cast<std::int8_t>(Byte(raw, 0)));
    case syntax::UInt8: return std::to_string(Byte(raw, 0));
    case syntax::Int16:
    case syntax::UInt16: return std::to_string(BigEndian16At(raw));
    case syntax::BitString:
    case syntax::OctetString:
    case syntax::Opaque:
    case syntax::MacAddress:
    case syntax::Ipv6Address: return ToHex(raw);
    case syntax::ObjectId: return OidText(raw);
    case syntax::IpAddress:
    case syntax::NsapAddress: return DottedQuadText(raw);
    case syntax::TimeTicks: return TimeTicksText(static_cast<std::uint32_t>(LittleEndianAt(raw, 0, 4)));
    case syntax::Counter64: return std::to_string(LittleEndianAt(raw, 0, 8));
    case syntax::Double: return DoubleText(DoubleFromOctets(raw));
    case syntax::DateAndTime: return VdDateTime::FromOctets(raw).ToText();
    case syntax::LocalDateTime: return NonEmptyOrNull(LocalDateTimeText(DoubleFromOctets(raw)));
    default: return raw;  // DisplayString: the octets as they are
    }
}

std::string ExtractPart(const std::string &raw, std::size_t offset, std::uint32_t s) {
    const std::size_t size = SizeOf(s);
    if (raw.empty() || size == 0) return {};
    if (size == kToEnd) return offset < raw.size() ? raw.substr(offset) : std::string();
    if (offset > raw.size() || raw.size() - offset < size) throw messages::FrameworkError(kBeyondValue);
    return raw.substr(offset, size);
}
