// Value texts to raw values and back, for every syntax: any text is either refused with a coded
// error or converts; what it converts to prints as a text that converts to the same raw value again.
// The same for raw values as an agent may send them, and for the whole-value check of the editors.

#include "fuzz_input.h"

#include "binding/whole_value_check.h"
#include "engine/coded_error.h"
#include "engine/descriptor.h"
#include "engine/hex_text.h"
#include "engine/oid_text.h"
#include "engine/snmp_adapter.h"
#include "engine/value_codec.h"

#include <iterator>

namespace {

constexpr std::uint32_t kSyntaxes[] = {
    syntax::Boolean,   syntax::Integer,     syntax::BitString,  syntax::OctetString,   syntax::Null,
    syntax::ObjectId,  syntax::IpAddress,   syntax::Counter,    syntax::Gauge,         syntax::TimeTicks,
    syntax::Opaque,    syntax::NsapAddress, syntax::Counter64,  syntax::UInteger,      syntax::Double,
    syntax::MacAddress, syntax::DateAndTime, syntax::LocalDateTime, syntax::DisplayString, syntax::Ipv6Address,
};

constexpr std::uint8_t kTypes[] = {
    snmp::type::Integer,  snmp::type::OctetString, snmp::type::Null,    snmp::type::ObjectId,
    snmp::type::IpAddress, snmp::type::Counter,    snmp::type::Gauge,   snmp::type::TimeTicks,
    snmp::type::Opaque,   snmp::type::Counter64,   snmp::type::UInteger, snmp::type::NoSuchObject,
    snmp::type::NoSuchInstance, snmp::type::EndOfMibView,
};

bool SameRaw(const snmp::VarBind &a, const snmp::VarBind &b) {
    return a.type == b.type && a.integer == b.integer && a.unsignedValue == b.unsignedValue && a.octets == b.octets;
}

void TextFirst(const std::string &text, std::uint32_t s) {
    try {
        CheckWholeValueText(text, s);
        WholeValueRaw(text, s);
    } catch (const CodedError &) {
    }
    snmp::VarBind first;
    try {
        TextToBinding(text, s, first);
    } catch (const CodedError &) {
        return;
    }
    const std::string printed = BindingToText(first, s);
    snmp::VarBind second;
    try {
        TextToBinding(printed, s, second);
    } catch (const CodedError &) {
        FuzzCheck(false, "a printed value does not convert back", text, printed);
    }
    const std::string reprinted = BindingToText(second, s);
    FuzzCheck(reprinted == printed, "text -> raw -> text is not stable", printed, reprinted);
    snmp::VarBind third;
    TextToBinding(reprinted, s, third);
    FuzzCheck(SameRaw(second, third), "raw -> text -> raw is not stable", printed, reprinted);
}

void RawFirst(FuzzInput &in, std::uint32_t s) {
    snmp::VarBind b;
    b.type = kTypes[in.Byte() % std::size(kTypes)];
    std::uint64_t n = 0;
    for (int k = 0; k < 8; ++k) n = (n << 8) | in.Byte();
    b.integer = static_cast<std::int64_t>(n);
    b.unsignedValue = n;
    b.octets = in.Rest();
    const std::string printed = BindingToText(b, s);
    snmp::VarBind back;
    try {
        TextToBinding(printed, s, back);
    } catch (const CodedError &) {
        return;  // an agent's value outside the syntax prints, but need not write back
    }
    const std::string reprinted = BindingToText(back, s);
    snmp::VarBind again;
    TextToBinding(reprinted, s, again);
    FuzzCheck(SameRaw(back, again) && BindingToText(again, s) == reprinted, "agent's value does not settle",
              printed, reprinted);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t mode = in.Byte();
    const std::uint32_t s = kSyntaxes[(mode >> 1) % std::size(kSyntaxes)];
    if (mode & 1) {
        RawFirst(in, s);
        return 0;
    }
    const std::string text = in.Rest();
    TextFirst(text, s);
    // The text helpers under the codec.
    FromHex(text);
    if (const auto octets = ParseHexOctets(text, (mode & 2) != 0))
        FuzzCheck(ParseHexOctets(ToHex(*octets), false) == octets, "hex octets do not round-trip", text, ToHex(*octets));
    if (const auto ids = SplitOid(text)) {
        const std::string joined = JoinOid(*ids);
        FuzzCheck(SplitOid(joined) == ids, "identifier does not round-trip", text, joined);
        OidGreater(text, joined);
    }
    return 0;
}
