#include "engine/coded_error.h"
#include "engine/descriptor.h"
#include "engine/value_codec.h"
#include "engine/value_text.h"

#include "support/error_code.h"

#include <gtest/gtest.h>

namespace {

snmp::VarBind Bound(std::uint8_t type, std::int64_t integer = 0, std::uint64_t unsignedValue = 0,
                    std::string octets = {}) {
    snmp::VarBind b;
    b.type = type;
    b.integer = integer;
    b.unsignedValue = unsignedValue;
    b.octets = std::move(octets);
    return b;
}

struct ReadCase {
    snmp::VarBind binding;
    std::uint32_t syntax;
    std::string text;
};

TEST(BindingToText, GivesTheValueTextOfEverySyntax) {
    const ReadCase cases[] = {
        {Bound(snmp::type::Integer, -5), syntax::Integer, "-5"},
        {Bound(snmp::type::Integer, 2), syntax::Boolean, "true"},
        {Bound(snmp::type::Integer, 0), syntax::Boolean, "false"},
        {Bound(snmp::type::OctetString, 0, 0, std::string("\x00\x1A", 2)), syntax::OctetString, "001A"},
        {Bound(snmp::type::OctetString), syntax::OctetString, ""},
        {Bound(snmp::type::OctetString), syntax::DisplayString, ""},
        {Bound(snmp::type::OctetString, 0, 0, std::string("a\0b", 3)), syntax::DisplayString, std::string("a\0b", 3)},
        {Bound(snmp::type::ObjectId, 0, 0, "1.3.6.1.4.1.8072"), syntax::ObjectId, "1.3.6.1.4.1.8072"},
        {Bound(snmp::type::IpAddress, 0, 0, "\x0A\x01\x02\xFF"), syntax::IpAddress, "10.1.2.255"},
        {Bound(snmp::type::Counter, 0, 4294967295u), syntax::Counter, "4294967295"},
        {Bound(snmp::type::Gauge, 0, 12), syntax::UInteger, "12"},
        {Bound(snmp::type::Counter64, 0, 18446744073709551615u), syntax::Counter64, "18446744073709551615"},
        {Bound(snmp::type::TimeTicks, 0, 105), syntax::TimeTicks, TimeTicksText(105)},
        {Bound(snmp::type::OctetString, 0, 0, std::string("\0\0\0\0\0\0\xF8\x3F", 8)), syntax::Double, DoubleText(1.5)},
        {Bound(snmp::type::OctetString, 0, 0, "\x01\x02\x03\x04\x05\x06"), syntax::MacAddress, "010203040506"},
        {Bound(snmp::type::Null), syntax::Integer, "(NULL)"},
        {Bound(snmp::type::NoSuchInstance), syntax::Counter, "(NULL)"},
        {Bound(snmp::type::NoSuchObject), syntax::OctetString, ""},
        {Bound(snmp::type::Integer, 1), syntax::Null, "(NULL)"},
    };
    for (const auto &c : cases) EXPECT_EQ(BindingToText(c.binding, c.syntax), c.text) << c.syntax;
    EXPECT_EQ(CodeOf([] { BindingToText(Bound(snmp::type::Integer), 99); }), -511);
}

TEST(TextToBinding, ConvertsValidTexts) {
    snmp::VarBind b;
    TextToBinding("(NULL)", syntax::Integer, b);
    EXPECT_EQ(b.type, snmp::type::Null);
    TextToBinding("true", syntax::Boolean, b);
    EXPECT_EQ(b.integer, 1);
    TextToBinding("yes", syntax::Boolean, b);
    EXPECT_EQ(b.integer, 0);
    TextToBinding(" -12 ", syntax::Integer, b);
    EXPECT_EQ(b.type, snmp::type::Integer);
    EXPECT_EQ(b.integer, -12);
    TextToBinding("4294967295", syntax::Counter, b);
    EXPECT_EQ(b.type, snmp::type::Counter);
    EXPECT_EQ(b.unsignedValue, 4294967295u);
    TextToBinding("7", syntax::UInteger, b);
    EXPECT_EQ(b.type, snmp::type::Gauge);
    TextToBinding("18446744073709551615", syntax::Counter64, b);
    EXPECT_EQ(b.unsignedValue, 18446744073709551615u);
    TextToBinding("10.1.2.3", syntax::IpAddress, b);
    EXPECT_EQ(b.type, snmp::type::IpAddress);
    EXPECT_EQ(b.octets, "\x0A\x01\x02\x03");
    TextToBinding("1 2 3", syntax::OctetString, b);
    EXPECT_EQ(b.octets, "\x01\x23");
    TextToBinding(std::string("a\0b", 3), syntax::DisplayString, b);
    EXPECT_EQ(b.octets, std::string("a\0b", 3));
    TextToBinding("1.5", syntax::Double, b);
    EXPECT_EQ(b.octets, std::string("\0\0\0\0\0\0\xF8\x3F", 8));
    TextToBinding("1.3.6.1", syntax::ObjectId, b);
    EXPECT_EQ(b.type, snmp::type::ObjectId);
}

TEST(TextToBinding, RefusesTextsThatDoNotConvertWith518) {
    const std::pair<std::uint32_t, const char *> refused[] = {
        {syntax::Integer, "12abc"},        {syntax::Integer, "2147483648"}, {syntax::Integer, ""},
        {syntax::Counter, "4294967296"},   {syntax::Counter, "-1"},         {syntax::Gauge, "many"},
        {syntax::UInteger, "1e3"},         {syntax::Counter64, "18446744073709551616"},
        {syntax::IpAddress, "10.1.2.256"}, {syntax::IpAddress, "10.1.2"},   {syntax::NsapAddress, "10.1.2.3.4"},
        {syntax::ObjectId, "1.x.3"},       {syntax::DateAndTime, "not a date"},
    };
    for (const auto &[s, text] : refused) {
        snmp::VarBind b;
        EXPECT_EQ(CodeOf([&] { TextToBinding(text, s, b); }), -518) << s << " " << text;
    }
    snmp::VarBind b;
    EXPECT_EQ(CodeOf([&] { TextToBinding("1", 194, b); }), -511);
}

// A MAC address is 6 octets and an IPv6 address 16, however they are typed; a DisplayString holds at
// most 255 octets. Nothing of another size is sent.
TEST(TextToBinding, HoldsEveryValueToItsSyntaxsSize) {
    const struct {
        std::uint32_t syntax;
        std::string text;
        std::size_t octets;  // 0: refused with -518
    } cases[] = {
        {syntax::MacAddress, "00:50:ba:0:0:1", 6},     {syntax::MacAddress, "0050BA000001", 6},
        {syntax::MacAddress, "0050BA00000102", 0},     {syntax::MacAddress, "00:50:BA:00:00", 0},
        {syntax::MacAddress, "", 0},                   {syntax::Ipv6Address, std::string(32, 'F'), 16},
        {syntax::Ipv6Address, std::string(30, 'F'), 0}, {syntax::DisplayString, std::string(255, 'x'), 255},
        {syntax::DisplayString, std::string(256, 'x'), 0}, {syntax::OctetString, std::string(600, 'A'), 300},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.syntax) + " " + c.text);
        snmp::VarBind b;
        if (c.octets == 0) {
            EXPECT_EQ(CodeOf([&] { TextToBinding(c.text, c.syntax, b); }), -518);
        } else {
            TextToBinding(c.text, c.syntax, b);
            EXPECT_EQ(b.octets.size(), c.octets);
        }
    }
}

}  // namespace
