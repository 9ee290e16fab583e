#include "engine/option_list.h"
#include "engine/coded_error.h"
#include "engine/descriptor.h"
#include "engine/index_codec.h"
#include "engine/request.h"

#include "support/error_code.h"

#include <gtest/gtest.h>

namespace {

struct IndexCase {
    std::uint32_t syntax;
    bool impliedLast;
    const char *suffix;
    const char *value;  // null: only the round trip is checked
    const char *rest;
};

const IndexCase kCases[] = {
    {syntax::Boolean, false, "1.9", "true", "9"},
    {syntax::Boolean, false, "0", "false", ""},
    {syntax::Integer, false, "4294967295.3", "-1", "3"},
    {syntax::OctetString, false, "3.1.171.255.7", "01ABFF", "7"},
    {syntax::OctetString, false, "0.4", "", "4"},
    {syntax::OctetString, true, "1.171", "01AB", ""},
    {syntax::BitString, false, "1.128", "80", ""},
    {syntax::Opaque, false, "1.15", "0F", ""},
    {syntax::DisplayString, false, "2.104.105.1", "hi", "1"},
    {syntax::DisplayString, true, "104.105", "hi", ""},
    {syntax::ObjectId, false, "3.1.3.6.9", "1.3.6", "9"},
    {syntax::ObjectId, true, "1.3.6", "1.3.6", ""},
    {syntax::IpAddress, false, "10.0.0.1.5", "10.0.0.1", "5"},
    {syntax::NsapAddress, false, "192.168.1.2", "192.168.1.2", ""},
    {syntax::Counter, false, "4294967295", "4294967295", ""},
    {syntax::Gauge, false, "7.8", "7", "8"},
    {syntax::UInteger, false, "9", "9", ""},
    {syntax::TimeTicks, false, "360000.2", nullptr, "2"},
    {syntax::Counter64, false, "1.2", "4294967298", ""},
    {syntax::Double, false, "0.1073217536", "1.5", ""},
    {syntax::MacAddress, false, "0.17.34.51.68.255.1", "0011223344FF", "1"},
    {syntax::DateAndTime, false, "7.234.5.26.13.30.15.0.43.8.0", nullptr, ""},
    {syntax::Ipv6Address, false, "32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1.4", "20010DB8000000000000000000000001", "4"},
    {syntax::Ipv6Address, true, "1.2", "0102", ""},
    {syntax::Null, false, "5", "(NULL)", "5"},
};

class IndexComponents : public ::testing::TestWithParam<IndexCase> {};

TEST_P(IndexComponents, DecodeThenEncodeGivesTheConsumedSubIdentifiers) {
    const IndexCase &c = GetParam();
    std::string value;
    const std::string rest = DecodeIndexComponent(c.syntax, c.impliedLast, c.suffix, value);
    if (c.value != nullptr) {
        EXPECT_EQ(value, c.value);
    }
    EXPECT_EQ(rest, c.rest);
    const std::string suffix = c.suffix;
    std::string consumed = suffix.substr(0, suffix.size() - rest.size());
    if (!rest.empty() && !consumed.empty()) consumed.pop_back();
    EXPECT_EQ(EncodeIndexComponent(c.syntax, c.impliedLast, value), consumed);
}

INSTANTIATE_TEST_SUITE_P(EverySyntax, IndexComponents, ::testing::ValuesIn(kCases));

struct ShortCase {
    std::uint32_t syntax;
    const char *suffix;
};

const ShortCase kShortCases[] = {
    {syntax::Integer, ""},
    {syntax::IpAddress, "1.2.3"},
    {syntax::OctetString, "5.1.2"},
    {syntax::DisplayString, "4294967295.1"},  // a prefix far beyond what remains allocates nothing
    {syntax::ObjectId, "2.1"},
    {syntax::MacAddress, "1.2.3.4.5"},
    {syntax::DateAndTime, "7.234.5.26.13.30.15.0.43.8"},
    {syntax::Counter64, "1"},
    {syntax::Double, "1"},
    {syntax::Ipv6Address, "1.2.3.4.5.6.7.8.9.10.11.12.13.14.15"},
};

TEST(IndexComponentsTooShort, FailWith514) {
    for (const auto &c : kShortCases) {
        std::string value = "kept";
        EXPECT_EQ(CodeOf([&] { DecodeIndexComponent(c.syntax, false, c.suffix, value); }), -514)
            << c.syntax << " " << c.suffix;
    }
}

TEST(IndexComponentsUnknownSyntax, FailWith511) {
    std::string value;
    EXPECT_EQ(CodeOf([&] { DecodeIndexComponent(99, false, "1", value); }), -511);
    EXPECT_EQ(CodeOf([&] { EncodeIndexComponent(193, false, "1"); }), -511);
}

// A MAC or IPv6 address of another size would name no row, or cut short another row.
TEST(IndexComponentsEncode, MacAndIpv6OfAnotherSizeAreRefused) {
    for (const char *text : {"", "0011", "00112233445566"})
        EXPECT_EQ(CodeOf([&] { EncodeIndexComponent(syntax::MacAddress, false, text); }), -518) << text;
    EXPECT_EQ(CodeOf([] { EncodeIndexComponent(syntax::Ipv6Address, false, "0011"); }), -518);
    EXPECT_EQ(CodeOf([] { EncodeIndexComponent(syntax::Ipv6Address, false, std::string(34, '1')); }), -518);
    EXPECT_EQ(CodeOf([] { EncodeIndexComponent(syntax::Integer, false, "abc"); }), -518);
}

const OptionRecord kStatus[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
const VdOptionList kStatusOptions(kStatus, VdOptionList::Integer);

// Index items of a kind 3 list: an integer with options, then an IMPLIED text.
const DescriptorRecord kRows[] = {
    {"1.3.6.1.4.1.9.1.1", "status", syntax::Integer, access_bit::Index, &kStatusOptions},
    {"1.3.6.1.4.1.9.1.2", "name", syntax::DisplayString, access_bit::Index | access_bit::Implied, nullptr},
    {"1.3.6.1.4.1.9.1.3", "value", syntax::Integer, access_bit::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

TEST(RequestIndex, DecodesLabelsAndImpliedLastItemAndEncodesBack) {
    VdSNMPRequest request;
    request.list = VdSNMPVarList(kRows, VdSNMPVarList::TableWithCreation, 2);
    request.DecodeIndex("2.104.105");
    EXPECT_EQ(request.list.Item(0).value, "down");
    EXPECT_EQ(request.list.Item(1).value, "hi");
    EXPECT_EQ(request.list.Item(0).lastOid, "1.3.6.1.4.1.9.1.1.2.104.105");
    EXPECT_EQ(request.list.Item(1).lastOid, "1.3.6.1.4.1.9.1.2.104.105");
    EXPECT_EQ(request.EncodeIndex(), "2.104.105");
}

TEST(RequestIndex, ImpliedItemThatIsNotLastKeepsItsPrefix) {
    VdSNMPRequest request;
    request.list = VdSNMPVarList(kRows, VdSNMPVarList::TableWithCreation, 2);
    std::swap(request.list.Item(0), request.list.Item(1));
    request.DecodeIndex("2.104.105.1");
    EXPECT_EQ(request.list.Item(0).value, "hi");
    EXPECT_EQ(request.list.Item(1).value, "up");
    EXPECT_EQ(request.EncodeIndex(), "2.104.105.1");
}

TEST(RequestIndex, SuffixThatRunsOutRaises514) {
    VdSNMPRequest request;
    request.list = VdSNMPVarList(kRows, VdSNMPVarList::TableWithCreation, 2);
    EXPECT_EQ(CodeOf([&] { request.DecodeIndex("2"); }), -514);
    EXPECT_EQ(CodeOf([&] { request.DecodeIndex(""); }), -514);
}

}  // namespace
