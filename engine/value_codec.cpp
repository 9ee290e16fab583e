#include "engine/value_codec.h"

#include "engine/messages.h"
#include "engine/coded_error.h"
#include "engine/date_time.h"
#include "engine/descriptor.h"
#include "engine/hex_text.h"
#include "engine/number_text.h"
#include "engine/oid_text.h"
#include "engine/value_length.h"
#include "engine/value_text.h"
#include "engine/var_list.h"

namespace {

constexpr int kBadSyntax = 11;
constexpr int kBadValue = 18;
constexpr std::size_t kDoubleLength = 8;
constexpr std::size_t kShortDateAndTime = 8;

bool IsUnsignedType(std::uint8_t t) {
    return t == snmp::type::Counter || t == snmp::type::Gauge || t == snmp::type::TimeTicks ||
           t == snmp::type::UInteger || t == snmp::type::Counter64;
}

bool IsOctetType(std::uint8_t t) {
    return t == snmp::type::OctetString || t == snmp::type::Opaque || t == snmp::type::IpAddress;
}

// The number a binding carries, or none when it carries no number.
bool NumberOf(const snmp::VarBind &b, std::int64_t &signedValue, std::uint64_t &unsignedValue) {
    if (b.type == snmp::type::Integer) {
        signedValue = b.integer;
        unsignedValue = static_cast<std::uint64_t>(b.integer);
        return true;
    }
    if (IsUnsignedType(b.type)) {
        signedValue = static_cast<std::int64_t>(b.unsignedValue);
        unsignedValue = b.unsignedValue;
        return true;
    }
    return false;
}

std::string OctetsOf(const snmp::VarBind &b) { return IsOctetType(b.type) ? b.octets : std::string(); }

std::string DottedQuad(const std::string &octets) {
    if (octets.size() != 4) return {};
    std::string out;
    for (std::size_t i = 0; i < 4; ++i) {
        if (i > 0) out += '.';
        out += std::to_string(static_cast<unsigned char>(octets[i]));
    }
    return out;
}

std::string DateAndTimeText(std::string octets) {
    if (octets.size() < kShortDateAndTime) return {};
    if (octets.size() < 11) octets += std::string("+\0\0", 3);  // the short form has no time zone
    return VdDateTime::FromOctets(octets).ToText();
}

std::string PrintedValue(const snmp::VarBind &b, std::uint32_t s) {
    std::int64_t n = 0;
    std::uint64_t u = 0;
    const bool hasNumber = NumberOf(b, n, u);
    switch (s) {
    case syntax::Boolean: return hasNumber ? (n != 0 ? "true" : "false") : "";
    case syntax::Integer: return hasNumber ? std::to_string(static_cast<std::int32_t>(n)) : "";
    case syntax::Null: return "";
    case syntax::ObjectId: return b.type == snmp::type::ObjectId ? b.octets : "";
    case syntax::IpAddress:
    case syntax::NsapAddress: return DottedQuad(OctetsOf(b));
    case syntax::Counter:
    case syntax::Gauge:
    case syntax::UInteger: return hasNumber ? std::to_string(static_cast<std::uint32_t>(u)) : "";
    case syntax::TimeTicks: return hasNumber ? TimeTicksText(static_cast<std::uint32_t>(u)) : "";
    case syntax::Counter64: return hasNumber ? std::to_string(u) : "";
    case syntax::Double:
    case syntax::LocalDateTime: {
        const std::string octets = OctetsOf(b);
        if (octets.size() != kDoubleLength) return "";
        const double d = DoubleFromOctets(octets);
        return s == syntax::Double ? DoubleText(d) : LocalDateTimeText(d);
    }
    case syntax::DateAndTime: return DateAndTimeText(OctetsOf(b));
    default: throw messages::FrameworkError(kBadSyntax);
    }
}

std::uint32_t Unsigned32(const std::string &text) {
    if (auto n = ParseUnsigned32(text)) return *n;
    throw messages::FrameworkError(kBadValue);
}

std::string IpOctets(const std::string &text) {
    const auto parts = SplitOid(text);
    if (!parts || parts->size() != 4) throw messages::FrameworkError(kBadValue);
    std::string octets;
    for (auto part : *parts) {
        if (part > 255) throw messages::FrameworkError(kBadValue);
        octets += static_cast<char>(part);
    }
    return octets;
}

void SetOctets(snmp::VarBind &b, std::uint8_t type, std::string octets) {
    b.type = type;
    b.octets = std::move(octets);
}

void SetUnsigned(snmp::VarBind &b, std::uint8_t type, std::uint64_t value) {
    b.type = type;
    b.unsignedValue = value;
}

}  // namespace

std::string BindingToText(const snmp::VarBind &b, std::uint32_t s) {
    if (IsHexSyntax(s)) return ToHex(OctetsOf(b));
    if (s == syntax::DisplayString) return OctetsOf(b);
    const std::string text = PrintedValue(b, s);
    return text.empty() ? kNullText : text;
}

void TextToBinding(const std::string &text, std::uint32_t s, snmp::VarBind &b) {
    if (text == kNullText) {
        b.type = snmp::type::Null;
        return;
    }
    switch (s) {
    case syntax::Boolean:
        b.type = snmp::type::Integer;
        b.integer = text == "true" ? 1 : 0;
        return;
    case syntax::Integer: {
        const auto n = ParseSigned32(text);
        if (!n) throw messages::FrameworkError(kBadValue);
        b.type = snmp::type::Integer;
        b.integer = *n;
        return;
    }
    case syntax::BitString:
    case syntax::OctetString:
    case syntax::Opaque:
    case syntax::MacAddress:
    case syntax::Ipv6Address: {
        // A text with anything but hex digits is refused, never sent with zeros in its place.
        const auto octets = ParseHexOctets(text, s == syntax::MacAddress);
        if (!octets) throw messages::FrameworkError(kBadValue);
        CheckOctetCount(*octets, s);
        return SetOctets(b, snmp::type::OctetString, *octets);
    }
    case syntax::DisplayString:
        CheckOctetCount(text, s);
        return SetOctets(b, snmp::type::OctetString, text);
    case syntax::Null: b.type = snmp::type::Null; return;
    case syntax::ObjectId:
        if (const auto ids = SplitOid(text); !ids || ids->size() < 2) throw messages::FrameworkError(kBadValue);
        return SetOctets(b, snmp::type::ObjectId, text);
    case syntax::IpAddress:
    case syntax::NsapAddress: return SetOctets(b, snmp::type::IpAddress, IpOctets(text));
    case syntax::Counter: return SetUnsigned(b, snmp::type::Counter, Unsigned32(text));
    case syntax::Gauge: return SetUnsigned(b, snmp::type::Gauge, Unsigned32(text));
    case syntax::UInteger: return SetUnsigned(b, snmp::type::Gauge, Unsigned32(text));  // Unsigned32 travels as Gauge32
    case syntax::TimeTicks: return SetUnsigned(b, snmp::type::TimeTicks, ParseTimeTicks(text));
    case syntax::Counter64: {
        const auto n = ParseUnsigned64(text);
        if (!n) throw messages::FrameworkError(kBadValue);
        return SetUnsigned(b, snmp::type::Counter64, *n);
    }
    case syntax::Double: return SetOctets(b, snmp::type::OctetString, DoubleOctets(LeadingDouble(text)));
    case syntax::LocalDateTime:
        return SetOctets(b, snmp::type::OctetString, DoubleOctets(ParseLocalDateTime(text)));
    case syntax::DateAndTime: {
        const auto parsed = VdDateTime::Parse(text);
        if (!parsed) throw messages::FrameworkError(kBadValue);
        return SetOctets(b, snmp::type::OctetString, parsed->ToOctets());
    }
    default: throw messages::FrameworkError(kBadSyntax);
    }
}
