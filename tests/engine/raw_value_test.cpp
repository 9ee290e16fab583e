#include "binding/raw_value.h"

#include "engine/messages.h"
#include "engine/coded_error.h"
#include "engine/descriptor.h"
#include "engine/hex_text.h"
#include "engine/number_text.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

using namespace std::string_literals;

// Expects a framework error n (code -(500 + n)) with its catalogue text.
void ExpectFrameworkError(const std::function<void()> &operation, int n, const std::string &context) {
    try {
        operation();
        ADD_FAILURE() << context << ": no error";
    } catch (const CodedError &e) {
        EXPECT_EQ(e.code(), -(500 + n)) << context;
        EXPECT_EQ(e.message(), messages::Text(MessageCatalogue::VdSnmp, n)) << context;
    }
}

struct RoundTrip {
    const char *text;
    std::uint32_t syntax;
    const char *rawHex;
};

TEST(RawValue, PacksAndReadsBackEverySyntax) {
    const RoundTrip cases[] = {
        {"true", syntax::Boolean, "01000000"},
        {"false", syntax::Boolean, "00000000"},
        {"-2", syntax::Integer, "FEFFFFFF"},
        {"2147483647", syntax::Integer, "FFFFFF7F"},
        {"4294967295", syntax::Counter, "FFFFFFFF"},
        {"305419896", syntax::Gauge, "78563412"},
        {"7", syntax::UInteger, "07000000"},
        {"0A1B", syntax::OctetString, "0A1B"},
        {"", syntax::BitString, ""},
        {"FF00", syntax::Opaque, "FF00"},
        {"0011223344AA", syntax::MacAddress, "0011223344AA"},
        {"20010DB8000000000000000000000001", syntax::Ipv6Address, "20010DB8000000000000000000000001"},
        {"1.3.6.4294967295", syntax::ObjectId, "010000000300000006000000FFFFFFFF"},
        {"10.1.2.3", syntax::IpAddress, "0A010203"},
        {"192.168.0.1", syntax::NsapAddress, "C0A80001"},
        {"0:00:01.05", syntax::TimeTicks, "69000000"},
        {"3 days, 4:05:06.07", syntax::TimeTicks, "8FF2A101"},
        {"4294967296", syntax::Counter64, "0000000001000000"},
        {"18446744073709551615", syntax::Counter64, "FFFFFFFFFFFFFFFF"},
        {"1.5", syntax::Double, "000000000000F83F"},
        {"-0.1", syntax::Double, "9A9999999999B9BF"},
        {"1992-5-26,13:30:15.0", syntax::DateAndTime, "07C8051A0D1E0F002B0000"},
        {"2008-12-31,23:59:60.9,-8:30", syntax::DateAndTime, "07D80C1F173B3C092D081E"},
        {"true", syntax::Bool8, "01"},
        {"false", syntax::Bool8, "00"},
        {"true", syntax::Bool16, "0001"},
        {"-1", syntax::Int8, "FF"},
        {"200", syntax::UInt8, "C8"},
        {"65535", syntax::Int16, "FFFF"},
        {"300", syntax::UInt16, "012C"},
    };
    for (const auto &c : cases) {
        const std::string context = std::string(c.text) + " / " + std::to_string(c.syntax);
        const std::string raw = TextToRaw(c.text, c.syntax);
        EXPECT_EQ(ToHex(raw), c.rawHex) << context;
        EXPECT_EQ(RawToText(raw, c.syntax), c.text == ""s ? "(NULL)" : c.text) << context;
    }
}

TEST(RawValue, DisplayStringKeepsEveryOctet) {
    std::string all;
    for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
    for (const std::string &text : {all, "a\0b"s, "\0"s, "plain text"s}) {
        EXPECT_EQ(TextToRaw(text, syntax::DisplayString), text);
        EXPECT_EQ(RawToText(text, syntax::DisplayString), text);
    }
    EXPECT_EQ(RawToText("", syntax::DisplayString), "");
}

TEST(RawValue, PacksLooseTextsAsTheirLeadingValue) {
    const RoundTrip cases[] = {
        {"(NULL)", syntax::Integer, ""},
        {"(NULL)", syntax::DisplayString, ""},
        {"(NULL)", syntax::DateAndTime, ""},
        {"anything", syntax::Null, ""},
        {"True", syntax::Boolean, "00000000"},  // only the exact word counts
        {" 12abc", syntax::Integer, "0C000000"},
        {"abc", syntax::Integer, "00000000"},
        {"4294967296", syntax::Counter, "00000000"},  // cut to 32 bits
        {"300", syntax::UInt8, "2C"},
        {"70000", syntax::UInt16, "1170"},
        {"0a 1b c", syntax::OctetString, "00A1BC"},  // odd count: the first digit alone
        {".1.3", syntax::ObjectId, "0100000003000000"},
        {"10.1.2.3.4", syntax::IpAddress, "0A01020304"},
        {"10.1.2.300", syntax::IpAddress, "0A01022C"},
        {"12345", syntax::TimeTicks, "00000000"},  // a bare number is no TimeTicks text
        {"-5", syntax::Counter64, "0000000000000000"},
        {"1e30", syntax::Counter64, "FFFFFFFFFFFFFFFF"},
        {"12.9", syntax::Counter64, "0C00000000000000"},
        {"abc", syntax::Double, "0000000000000000"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ToHex(TextToRaw(c.text, c.syntax)), c.rawHex) << c.text << " / " << c.syntax;
}

TEST(RawValue, ReadsEmptyLongAndOddRawForms) {
    const RoundTrip cases[] = {
        {"(NULL)", syntax::Integer, ""},
        {"(NULL)", syntax::OctetString, ""},
        {"(NULL)", syntax::Null, "0102"},
        {"5", syntax::Integer, "0500000099"},  // longer forms use their first bytes
        {"10.1.2.3", syntax::IpAddress, "0A01020304"},
        {"1", syntax::ObjectId, "01000000FF"},  // a partial sub-identifier is ignored
        {"(NULL)", syntax::ObjectId, "010203"},
        {"-128", syntax::Int8, "80"},
        {"true", syntax::Bool16, "0100"},
        {"0-0-0,0:0:0.0", syntax::DateAndTime, "0000000000000000000000"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RawToText(FromHex(c.rawHex), c.syntax), c.text) << c.rawHex << " / " << c.syntax;
}

TEST(RawValue, RefusesRawFormsShorterThanTheSyntax) {
    const RoundTrip cases[] = {
        {"", syntax::Boolean, "010000"},       {"", syntax::Integer, "01"},
        {"", syntax::IpAddress, "0A0102"},     {"", syntax::TimeTicks, "010203"},
        {"", syntax::Counter64, "01020304050607"}, {"", syntax::Double, "01020304050607"},
        {"", syntax::LocalDateTime, "01"},     {"", syntax::MacAddress, "0102030405"},
        {"", syntax::DateAndTime, "07C8051A0D1E0F00"}, {"", syntax::Ipv6Address, "000102030405060708090A0B0C0D0E"},
        {"", syntax::Bool16, "01"},            {"", syntax::UInt16, "01"},
    };
    for (const auto &c : cases)
        ExpectFrameworkError([&] { RawToText(FromHex(c.rawHex), c.syntax); }, 18,
                             std::string(c.rawHex) + " / " + std::to_string(c.syntax));
}

TEST(RawValue, RefusesTextsThatAreNoValueOfTheSyntax) {
    const RoundTrip cases[] = {
        {"hello", syntax::DateAndTime, ""},
        {"1992-5-26", syntax::DateAndTime, ""},
        {"70000-1-1,0:0:0.0", syntax::DateAndTime, ""},   // a year cut to 16 bits would be wrong
        {"1992-5-300,0:0:0.0", syntax::DateAndTime, ""},
        {"1992-5-26,13:30:15.0,+8", syntax::DateAndTime, ""},
        {"hello", syntax::LocalDateTime, ""},
        {"1.3.x", syntax::ObjectId, ""},
        {"a.b.c.d", syntax::IpAddress, ""},
        {"zz", syntax::OctetString, ""},              // never 00
        {"0x8100", syntax::BitString, ""},            // never 00 81 00
        {"00:11:22:33:44:55", syntax::Opaque, ""},     // separators belong to MAC addresses only
        {"00:11:22:33:44:5z", syntax::MacAddress, ""},
    };
    for (const auto &c : cases)
        ExpectFrameworkError([&] { TextToRaw(c.text, c.syntax); }, 18, std::string(c.text) + " / " + std::to_string(c.syntax));
}

TEST(RawValue, RefusesUnknownSyntaxesInAllThreeOperations) {
    for (std::uint32_t s : {0u, 7u, 63u, 78u, 192u, 199u, 0xFFFFFFFFu}) {
        const std::string context = "syntax " + std::to_string(s);
        ExpectFrameworkError([&] { TextToRaw("1", s); }, 11, context);
        ExpectFrameworkError([&] { TextToRaw("(NULL)", s); }, 11, context);
        ExpectFrameworkError([&] { RawToText("\x01\x02\x03\x04", s); }, 11, context);
        ExpectFrameworkError([&] { RawToText("", s); }, 11, context);
        ExpectFrameworkError([&] { ExtractPart("\x01\x02\x03\x04", 0, s); }, 11, context);
    }
}

TEST(RawValue, ExtractsFieldsAndRefusesFieldsBeyondTheValue) {
    const std::string raw = FromHex("000102030405");
    const struct {
        std::size_t offset;
        std::uint32_t syntax;
        const char *partHex;
    } cases[] = {
        {4, syntax::UInt16, "0405"},
        {0, syntax::UInt8, "00"},
        {2, syntax::Integer, "02030405"},
        {0, syntax::MacAddress, "000102030405"},
        {2, syntax::DisplayString, "02030405"},
        {5, syntax::OctetString, "05"},
        {1, syntax::ObjectId, "0102030405"},
        {0, syntax::Null, ""},
        // Past the end a variable-length field is empty; nothing beyond the value is read.
        {6, syntax::BitString, ""},
        {7, syntax::OctetString, ""},
        {1000, syntax::Opaque, ""},
        {std::numeric_limits<std::size_t>::max(), syntax::DisplayString, ""},
        {100, syntax::ObjectId, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ToHex(ExtractPart(raw, c.offset, c.syntax)), c.partHex) << c.offset << " / " << c.syntax;

    EXPECT_EQ(ExtractPart("", 3, syntax::Integer), "");
    const struct {
        std::size_t offset;
        std::uint32_t syntax;
    } beyond[] = {
        {5, syntax::UInt16}, {3, syntax::Integer}, {6, syntax::UInt8}, {0, syntax::DateAndTime},
        {1, syntax::MacAddress}, {std::numeric_limits<std::size_t>::max(), syntax::UInt8},
    };
    for (const auto &c : beyond)
        ExpectFrameworkError([&] { ExtractPart(raw, c.offset, c.syntax); }, 19,
                             std::to_string(c.offset) + " / " + std::to_string(c.syntax));
}

TEST(RawValue, LocalDateTimeUsesTheLocaleAndRoundTrips) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::string raw = TextToRaw("2008/05/26 01:30:00 pm", syntax::LocalDateTime);
    EXPECT_EQ(raw, DoubleOctets(39594.5625));
    EXPECT_EQ(RawToText(raw, syntax::LocalDateTime), "2008/05/26 01:30:00 pm");
    EXPECT_EQ(RawToText(DoubleOctets(std::nan("")), syntax::LocalDateTime), "(NULL)");
    QLocale::setDefault(QLocale::system());
}

}  // namespace
