#pragma once
// Syntaxes the model knows, their wire types, value checks and the profile's value texts.
#include "oid.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class WireType { Integer, OctetString, ObjectId, IpAddress, Counter32, Gauge32, TimeTicks, Opaque, Counter64 };

enum class Syntax {
    Integer, OctetString, DisplayString, MacAddress, Bits, DateAndTime, Ipv6Address,
    ObjectId, IpAddress, Counter32, Gauge32, Unsigned32, TimeTicks, Opaque, Counter64
};

struct Value {
    WireType type = WireType::Integer;
    std::uint64_t number = 0; // INTEGER keeps its two's complement here
    std::string octets;       // OCTET STRING, Opaque, and the four octets of an IpAddress
    Oid oid;
    std::int64_t asSigned() const { return static_cast<std::int64_t>(number); }
    bool operator==(const Value&) const = default;
};

struct Interval {
    std::int64_t low;
    std::int64_t high;
};

// Empty lists mean "whatever the syntax allows".
struct Constraint {
    std::vector<Interval> values; // allowed INTEGER values
    std::vector<Interval> sizes;  // allowed octet counts
};

struct SyntaxInfo {
    Syntax syntax;
    std::string_view name;
    int code; // the module's syntax code, accepted as an alias of the name
    WireType wire;
};

// Accepts a syntax name or the module's numeric syntax code.
const SyntaxInfo* findSyntax(std::string_view nameOrCode);
const SyntaxInfo& syntaxInfo(Syntax syntax);

enum class ValueFault { None, WrongType, WrongLength, WrongValue };
ValueFault checkValue(Syntax syntax, const Constraint& constraint, const Value& value);

// Profile value texts: decimal numbers, dotted OIDs and quads, "quoted text" with C escapes,
// hex:0011AA for arbitrary octets.
std::optional<Value> parseValue(Syntax syntax, std::string_view text);

// The value a new row's column takes when neither the request nor the profile gives one.
Value defaultValue(Syntax syntax, const Constraint& constraint);

// Parses "1,3..5,-2" into intervals.
std::optional<std::vector<Interval>> parseIntervals(std::string_view text);
