#pragma once

#include <cstdint>
#include <string>

class VdOptionList;

// Syntax codes: BER tags for the standard types, plus this system's own codes.
namespace syntax {
enum : std::uint32_t {
    Boolean = 1,
    Integer = 2,
    BitString = 3,
    OctetString = 4,
    Null = 5,
    ObjectId = 6,
    IpAddress = 64,
    Counter = 65,
    Gauge = 66,
    TimeTicks = 67,
    Opaque = 68,
    NsapAddress = 69,
    Counter64 = 70,
    UInteger = 71,
    Double = 72,
    MacAddress = 73,
    DateAndTime = 74,
    LocalDateTime = 75,
    DisplayString = 76,
    Ipv6Address = 77,
    // Fields inside an octet string, for control bindings only.
    Bool8 = 193,
    Int8 = 194,
    UInt8 = 195,
    Bool16 = 196,
    Int16 = 197,
    UInt16 = 198,
};
}  // namespace syntax

// Access and role bits.
namespace access_bit {
enum : std::uint32_t {
    Index = 0x01,     // index component taken from the row's instance
    Readable = 0x02,
    Writable = 0x04,
    ReadWrite = 0x06,
    Derived = 0x08,   // shown as a column although not requested
    Hidden = 0x10,
    Excluded = 0x20,  // left out of one operation
    Implied = 0x40,   // last index component without length prefix
};
}  // namespace access_bit

// One static descriptor of a MIB variable; tables of them end with a record whose oid is null.
struct DescriptorRecord {
    const char *oid;
    const char *label;
    std::uint32_t syntax;
    std::uint32_t access;
    const VdOptionList *options;
    const char *readExpression = nullptr;
    const char *writeExpression = nullptr;
    const char *spareText = nullptr;
    const std::string *initialValue = nullptr;
    const std::string *initialLastOid = nullptr;
};

// Syntaxes whose value text is the hexadecimal form of their octets.
inline bool IsHexSyntax(std::uint32_t s) {
    return s == syntax::BitString || s == syntax::OctetString || s == syntax::Opaque ||
           s == syntax::MacAddress || s == syntax::Ipv6Address;
}
