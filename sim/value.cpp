#include "value.h"

#include "device_clock.h"

#include <array>
#include <charconv>
#include <limits>

namespace {

constexpr std::array<SyntaxInfo, 15> kSyntaxes{{
    {Syntax::Integer, "Integer", 2, WireType::Integer},
    {Syntax::Bits, "Bits", 3, WireType::OctetString},
    {Syntax::OctetString, "OctetString", 4, WireType::OctetString},
    {Syntax::ObjectId, "ObjectId", 6, WireType::ObjectId},
    {Syntax::IpAddress, "IpAddress", 64, WireType::IpAddress},
    {Syntax::Counter32, "Counter32", 65, WireType::Counter32},
    {Syntax::Gauge32, "Gauge32", 66, WireType::Gauge32},
    {Syntax::TimeTicks, "TimeTicks", 67, WireType::TimeTicks},
    {Syntax::Opaque, "Opaque", 68, WireType::Opaque},
    {Syntax::Counter64, "Counter64", 70, WireType::Counter64},
    {Syntax::Unsigned32, "Unsigned32", 71, WireType::Gauge32},
    {Syntax::MacAddress, "MacAddress", 73, WireType::OctetString},
    {Syntax::DateAndTime, "DateAndTime", 74, WireType::OctetString},
    {Syntax::DisplayString, "DisplayString", 76, WireType::OctetString},
    {Syntax::Ipv6Address, "Ipv6Address", 77, WireType::OctetString},
}};

bool isOctetWire(WireType wire) { return wire == WireType::OctetString || wire == WireType::Opaque; }

// Range of the wire type itself, before any profile constraint.
Interval naturalRange(WireType wire)
{
    if (wire == WireType::Integer)
        return {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()};
    return {0, std::numeric_limits<std::uint32_t>::max()};
}

std::vector<Interval> naturalSizes(Syntax syntax)
{
    switch (syntax) {
    case Syntax::DisplayString: return {{0, 255}};
    case Syntax::MacAddress: return {{6, 6}};
    case Syntax::DateAndTime: return {{8, 8}, {11, 11}};
    case Syntax::Ipv6Address: return {{16, 16}};
    default: return {{0, 65535}};
    }
}

bool inAny(const std::vector<Interval>& intervals, std::int64_t v)
{
    for (const Interval& i : intervals)
        if (v >= i.low && v <= i.high)
            return true;
    return false;
}

template <typename T> std::optional<T> parseNumber(std::string_view text)
{
    T v{};
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return v;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string> parseHex(std::string_view text)
{
    if (text.size() % 2)
        return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        int hi = hexDigit(text[i]), lo = hexDigit(text[i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        bytes += static_cast<char>(hi * 16 + lo);
    }
    return bytes;
}

std::optional<std::string> parseQuoted(std::string_view text)
{
    if (text.size() < 2 || text.front() != '"' || text.back() != '"')
        return std::nullopt;
    text = text.substr(1, text.size() - 2);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"')
            return std::nullopt;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\': out += '\\'; break;
        case '"': out += '"'; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'x': {
            auto byte = i + 2 < text.size() ? parseHex(text.substr(i + 1, 2)) : std::nullopt;
            if (!byte)
                return std::nullopt;
            out += *byte;
            i += 2;
            break;
        }
        default: return std::nullopt;
        }
    }
    return out;
}

std::optional<std::string> parseOctets(std::string_view text)
{
    if (text.starts_with("hex:"))
        return parseHex(text.substr(4));
    return parseQuoted(text);
}

std::optional<std::string> parseQuad(std::string_view text)
{
    auto oid = parseOid(text);
    if (!oid || oid->size() != 4 || text.front() == '.')
        return std::nullopt;
    std::string octets;
    for (std::uint32_t part : *oid) {
        if (part > 255)
            return std::nullopt;
        octets += static_cast<char>(part);
    }
    return octets;
}

} // namespace

const SyntaxInfo* findSyntax(std::string_view nameOrCode)
{
    auto code = parseNumber<int>(nameOrCode);
    for (const SyntaxInfo& info : kSyntaxes)
        if (code ? info.code == *code : info.name == nameOrCode)
            return &info;
    return nullptr;
}

const SyntaxInfo& syntaxInfo(Syntax syntax)
{
    for (const SyntaxInfo& info : kSyntaxes)
        if (info.syntax == syntax)
            return info;
    return kSyntaxes.front();
}

ValueFault checkValue(Syntax syntax, const Constraint& constraint, const Value& value)
{
    WireType wire = syntaxInfo(syntax).wire;
    if (value.type != wire)
        return ValueFault::WrongType;
    if (isOctetWire(wire)) {
        const auto& sizes = constraint.sizes.empty() ? naturalSizes(syntax) : constraint.sizes;
        if (!inAny(sizes, static_cast<std::int64_t>(value.octets.size())))
            return ValueFault::WrongLength;
        return syntax != Syntax::DateAndTime || isValidDateAndTime(value.octets) ? ValueFault::None
                                                                                 : ValueFault::WrongValue;
    }
    if (wire == WireType::IpAddress)
        return value.octets.size() == 4 ? ValueFault::None : ValueFault::WrongLength;
    if (wire == WireType::ObjectId || wire == WireType::Counter64)
        return ValueFault::None;
    std::int64_t v = wire == WireType::Integer ? value.asSigned() : static_cast<std::int64_t>(value.number);
    if (!inAny({naturalRange(wire)}, v))
        return ValueFault::WrongValue;
    if (!constraint.values.empty() && !inAny(constraint.values, v))
        return ValueFault::WrongValue;
    return ValueFault::None;
}

std::optional<Value> parseValue(Syntax syntax, std::string_view text)
{
    Value value;
    value.type = syntaxInfo(syntax).wire;
    switch (value.type) {
    case WireType::OctetString:
    case WireType::Opaque: {
        auto octets = parseOctets(text);
        if (!octets)
            return std::nullopt;
        value.octets = *octets;
        break;
    }
    case WireType::IpAddress: {
        auto octets = parseQuad(text);
        if (!octets)
            return std::nullopt;
        value.octets = *octets;
        break;
    }
    case WireType::ObjectId: {
        auto oid = parseOid(text);
        if (!oid)
            return std::nullopt;
        value.oid = *oid;
        break;
    }
    case WireType::Integer: {
        auto v = parseNumber<std::int64_t>(text);
        if (!v)
            return std::nullopt;
        value.number = static_cast<std::uint64_t>(*v);
        break;
    }
    default: {
        auto v = parseNumber<std::uint64_t>(text);
        if (!v)
            return std::nullopt;
        value.number = *v;
    }
    }
    if (checkValue(syntax, {}, value) != ValueFault::None)
        return std::nullopt;
    return value;
}

Value defaultValue(Syntax syntax, const Constraint& constraint)
{
    Value value;
    value.type = syntaxInfo(syntax).wire;
    if (value.type == WireType::IpAddress)
        value.octets.assign(4, '\0');
    else if (value.type == WireType::ObjectId)
        value.oid = {0, 0};
    else if (isOctetWire(value.type)) {
        const auto& sizes = constraint.sizes.empty() ? naturalSizes(syntax) : constraint.sizes;
        value.octets.assign(static_cast<std::size_t>(sizes.front().low), '\0');
    } else if (!constraint.values.empty())
        value.number = static_cast<std::uint64_t>(constraint.values.front().low);
    return value;
}

std::optional<std::vector<Interval>> parseIntervals(std::string_view text)
{
    std::vector<Interval> intervals;
    while (true) {
        auto comma = text.find(',');
        std::string_view item = text.substr(0, comma);
        auto dots = item.find("..");
        auto low = parseNumber<std::int64_t>(item.substr(0, dots));
        auto high = dots == std::string_view::npos ? low : parseNumber<std::int64_t>(item.substr(dots + 2));
        if (!low || !high || *low > *high)
            return std::nullopt;
        intervals.push_back({*low, *high});
        if (comma == std::string_view::npos)
            return intervals;
        text.remove_prefix(comma + 1);
    }
}
