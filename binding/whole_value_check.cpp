#include "binding/whole_value_check.h"

#include "binding/raw_value.h"
#include "engine/messages.h"
#include "engine/coded_error.h"
#include "engine/descriptor.h"
#include "engine/number_text.h"
#include "engine/oid_text.h"
#include "engine/value_length.h"

namespace {

bool IsDottedQuad(const std::string &text) {
    const auto parts = SplitOid(text);
    if (!parts || parts->size() != 4) return false;
    for (std::uint32_t part : *parts)
        if (part > 255) return false;
    return true;
}

bool Converts(const std::string &text, std::uint32_t s) {
    switch (s) {
    case syntax::IpAddress:
    case syntax::NsapAddress: return IsDottedQuad(text);
    case syntax::Integer: return ParseSigned32(text).has_value();
    case syntax::Counter:
    case syntax::Gauge:
    case syntax::UInteger: return ParseUnsigned32(text).has_value();
    case syntax::Counter64: return ParseUnsigned64(text).has_value();
    default: return true;
    }
}

}  // namespace

void CheckWholeValueText(const std::string &text, std::uint32_t syntax) {
    if (IsReservedValueText(text)) return;
    if (!Converts(text, syntax)) throw messages::FrameworkError(18);
}

std::string WholeValueRaw(const std::string &text, std::uint32_t syntax) {
    CheckWholeValueText(text, syntax);
    std::string raw = TextToRaw(text, syntax);
    // An address of another size is refused before its raw form is read back as text; a text's limit
    // is checked when it is sent.
    if (!IsReservedValueText(text) && syntax != syntax::DisplayString) CheckOctetCount(raw, syntax);
    return raw;
}
