// Value texts to raw values and back, for every syntax: any text is either refused with a coded
// error or converts; what it converts to prints as a text that converts to the same raw value again.
// The same for raw values as an agent may send them, and for the whole-value check of the editors.

#include "fuzz_input.h"

#include "binding/multi_box_fields.h"
#include "binding/position_list.h"
#include "binding/raw_value.h"
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
    syntax::Bool8,     syntax::Int8,        syntax::UInt8,      syntax::Bool16,        syntax::Int16,
    syntax::UInt16,
};

constexpr std::uint8_t kTypes[] = {
    snmp::type::Integer,  snmp::type::OctetString, snmp::type::Null,    snmp::type::ObjectId,
    snmp::type::IpAddress, snmp::type::Counter,    snmp::type::Gauge,   snmp::type::TimeTicks,
    snmp::type::Opaque,   snmp::type::Counter64,   snmp::type::UInteger, snmp::type::NoSuchObject,
    snmp::type::NoSuchInstance, snmp::type::EndOfMibView,
};

// Field syntaxes live inside an octet string of a control binding; they never go on the wire.
bool OnTheWire(std::uint32_t s) { return s < syntax::Bool8; }

bool SameRaw(const snmp::VarBind &a, const snmp::VarBind &b) {
    return a.type == b.type && a.integer == b.integer && a.unsignedValue == b.unsignedValue && a.octets == b.octets;
}

// The byte form used by bindings that show bits, fields or octets of a value, and the boxes of a
// row of edit boxes: a text that packs prints as one that packs to the same bytes.
void RawPacking(const std::string &text, std::uint32_t s) {
    std::string raw;
    try {
        raw = TextToRaw(text, s);
    } catch (const CodedError &) {
        return;
    }
    // Packing is lenient by design (extra address parts are kept, numbers cut to their field), so
    // only a text that passes the editors' whole-value check must come back.
    // MAC and IPv6 addresses are not held to their length by that check: a short one packs short.
    bool checked = s != syntax::MacAddress && s != syntax::Ipv6Address;
    try {
        CheckWholeValueText(text, s);
    } catch (const CodedError &) {
        checked = false;
    }
    std::string printed;
    try {
        printed = RawToText(raw, s);
        // Printing may round (doubles show 15 digits); from the printed text on, nothing moves.
        const std::string reprinted = RawToText(TextToRaw(printed, s), s);
        FuzzCheck(!checked || reprinted == printed, "packed value does not settle", printed, reprinted);
    } catch (const CodedError &) {
        FuzzCheck(!checked, "packed value does not print or pack again", text, printed);
    }
    for (std::size_t offset : {std::size_t{0}, std::size_t{1}, raw.size()}) {
        try {
            ExtractPart(raw, offset, s);
        } catch (const CodedError &) {
        }
    }
    try {
        const std::size_t boxes = MinimumBoxes(s, text, raw.size());
        if (boxes > 64) return;
        if (const auto shown = ValueToBoxes(s, text, raw, boxes)) BoxesToValue(s, *shown, text, raw.size());
    } catch (const CodedError &) {
    }
}

void TextFirst(const std::string &text, std::uint32_t s) {
    try {
        WholeValueRaw(text, s);
    } catch (const CodedError &) {
    }
    RawPacking(text, s);
    if (!OnTheWire(s)) return;
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
    try {
        RawToText(b.octets, s);
    } catch (const CodedError &) {
    }
    if (!OnTheWire(s)) return;
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
    try {
        ParsePositionList(text);
    } catch (const CodedError &) {
    }
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
