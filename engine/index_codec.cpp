#include "engine/index_codec.h"

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

#include <vector>

namespace {

constexpr int kBadSyntax = 11;
constexpr int kSuffixTooShort = 14;
constexpr int kBadValue = 18;
constexpr std::size_t kMacLength = 6;
constexpr std::size_t kDateAndTimeLength = 11;
constexpr std::size_t kIpv6Length = 16;

using SubIds = std::vector<std::uint32_t>;

// The sub-identifiers of an instance suffix, consumed from the front.
class Reader {
public:
    explicit Reader(const std::string &suffix) {
        auto parsed = SplitOid(suffix);
        if (!parsed) throw messages::FrameworkError(kSuffixTooShort);
        ids_ = std::move(*parsed);
    }
    std::size_t Remaining() const { return ids_.size() - at_; }
    std::uint32_t Next() {
        Need(1);
        return ids_[at_++];
    }
    SubIds Take(std::size_t n) {
        Need(n);
        SubIds out(ids_.begin() + static_cast<std::ptrdiff_t>(at_), ids_.begin() + static_cast<std::ptrdiff_t>(at_ + n));
        at_ += n;
        return out;
    }
    // A length-prefixed run, or all that remains for the last IMPLIED component.
    SubIds TakeVariable(bool impliedLast) {
        if (impliedLast) return Take(Remaining());
        const std::uint32_t n = Next();
        return Take(n);  // checked against what remains before anything is allocated
    }
    std::string Rest() const { return JoinOid(ids_, at_); }

private:
    void Need(std::size_t n) const {
        if (n > Remaining()) throw messages::FrameworkError(kSuffixTooShort);
    }
    SubIds ids_;
    std::size_t at_ = 0;
};

std::string Octets(const SubIds &ids) {
    std::string out;
    out.reserve(ids.size());
    for (auto id : ids) out += static_cast<char>(id & 0xFF);
    return out;
}

std::string Dotted(const SubIds &ids) { return JoinOid(ids); }

std::uint64_t Join64(std::uint32_t high, std::uint32_t low) { return (std::uint64_t{high} << 32) | low; }

std::string Pair(std::uint64_t value, bool highFirst) {
    const auto high = static_cast<std::uint32_t>(value >> 32);
    const auto low = static_cast<std::uint32_t>(value & 0xFFFFFFFFu);
    return highFirst ? std::to_string(high) + "." + std::to_string(low)
                     : std::to_string(low) + "." + std::to_string(high);
}

std::string OctetIds(const std::string &octets, bool lengthPrefix) {
    std::string out = lengthPrefix ? std::to_string(octets.size()) : std::string();
    for (unsigned char c : octets) {
        if (!out.empty()) out += '.';
        out += std::to_string(c);
    }
    return out;
}

// An address of a fixed size names one row only when it has exactly that size: a shorter one is no
// row, and a longer one cut short would name another.
std::string FixedOctetIds(const std::string &hexText, std::uint32_t s) {
    const std::string octets = FromHex(hexText);
    CheckOctetCount(octets, s);
    return OctetIds(octets, false);
}

std::uint32_t Whole32(const std::string &value, bool isSigned) {
    if (isSigned) {
        if (auto n = ParseSigned32(value)) return static_cast<std::uint32_t>(*n);
    } else if (auto n = ParseUnsigned32(value)) {
        return *n;
    }
    throw messages::FrameworkError(kBadValue);
}

}  // namespace

std::string DecodeIndexComponent(std::uint32_t s, bool impliedLast, const std::string &suffix, std::string &value) {
    Reader in(suffix);
    switch (s) {
    case syntax::Boolean: value = in.Next() != 0 ? "true" : "false"; break;
    case syntax::Integer: value = std::to_string(static_cast<std::int32_t>(in.Next())); break;
    case syntax::BitString:
    case syntax::OctetString:
    case syntax::Opaque: value = ToHex(Octets(in.TakeVariable(impliedLast))); break;
    case syntax::DisplayString: value = Octets(in.TakeVariable(impliedLast)); break;
    case syntax::Null: value = kNullText; break;
    case syntax::ObjectId: value = Dotted(in.TakeVariable(impliedLast)); break;
    case syntax::IpAddress:
    case syntax::NsapAddress: value = Dotted(in.Take(4)); break;
    case syntax::Counter:
    case syntax::Gauge:
    case syntax::UInteger: value = std::to_string(in.Next()); break;
    case syntax::TimeTicks: value = TimeTicksText(in.Next()); break;
    case syntax::Counter64: {
        const auto ids = in.Take(2);
        value = std::to_string(Join64(ids[0], ids[1]));
        break;
    }
    case syntax::Double:
    case syntax::LocalDateTime: {
        const auto ids = in.Take(2);
        const double d = DoubleFromBits(Join64(ids[1], ids[0]));
        value = s == syntax::Double ? DoubleText(d) : LocalDateTimeText(d);
        break;
    }
    case syntax::MacAddress: value = ToHex(Octets(in.Take(kMacLength))); break;
    case syntax::DateAndTime: value = VdDateTime::FromOctets(Octets(in.Take(kDateAndTimeLength))).ToText(); break;
    case syntax::Ipv6Address:
        value = ToHex(Octets(impliedLast ? in.Take(in.Remaining()) : in.Take(kIpv6Length)));
        break;
    default: throw messages::FrameworkError(kBadSyntax);
    }
    return in.Rest();
}

std::string EncodeIndexComponent(std::uint32_t s, bool impliedLast, const std::string &value) {
    switch (s) {
    case syntax::Boolean: return value == "true" ? "1" : "0";
    case syntax::Integer: return std::to_string(Whole32(value, true));
    case syntax::BitString:
    case syntax::OctetString:
    case syntax::Opaque: return OctetIds(FromHex(value), !impliedLast);
    case syntax::DisplayString: return OctetIds(value, !impliedLast);
    case syntax::Null: return {};
    case syntax::ObjectId: {
        const auto ids = SplitOid(value);
        if (!ids) throw messages::FrameworkError(kBadValue);
        const std::string dotted = JoinOid(*ids);
        if (impliedLast) return dotted;
        return dotted.empty() ? "0" : std::to_string(ids->size()) + "." + dotted;
    }
    case syntax::IpAddress:
    case syntax::NsapAddress: {
        const auto ids = SplitOid(value);
        if (!ids || ids->size() != 4) throw messages::FrameworkError(kBadValue);
        return JoinOid(*ids);
    }
    case syntax::Counter:
    case syntax::Gauge:
    case syntax::UInteger: return std::to_string(Whole32(value, false));
    case syntax::TimeTicks: return std::to_string(ParseTimeTicks(value));
    case syntax::Counter64: {
        const auto n = ParseUnsigned64(value);
        if (!n) throw messages::FrameworkError(kBadValue);
        return Pair(*n, true);
    }
    case syntax::Double: return Pair(DoubleBits(LeadingDouble(value)), false);
    case syntax::LocalDateTime: return Pair(DoubleBits(ParseLocalDateTime(value)), false);
    case syntax::MacAddress: return FixedOctetIds(value, s);
    case syntax::DateAndTime: return OctetIds(VdDateTime(value).ToOctets(), false);
    case syntax::Ipv6Address:
        return impliedLast ? OctetIds(FromHex(value), false) : FixedOctetIds(value, s);
    default: throw messages::FrameworkError(kBadSyntax);
    }
}
