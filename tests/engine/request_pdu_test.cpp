#include "engine/coded_error.h"
#include "engine/descriptor.h"
#include "engine/request.h"

#include "support/error_code.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Oids(const snmp::Pdu &pdu) {
    std::vector<std::string> out;
    for (const auto &b : pdu.bindings) out.push_back(b.oid);
    return out;
}

snmp::Pdu Response(std::initializer_list<std::pair<const char *, std::int64_t>> bindings) {
    snmp::Pdu pdu;
    for (const auto &[oid, value] : bindings) {
        snmp::VarBind b;
        b.oid = oid;
        b.type = snmp::type::Integer;
        b.integer = value;
        pdu.bindings.push_back(b);
    }
    return pdu;
}

const DescriptorRecord kScalars[] = {
    {"1.3.6.1.2.1.7.1", "a", syntax::Integer, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.7.2", "b", syntax::Integer, access_bit::Writable, nullptr},
    {"1.3.6.1.2.1.7.3", "c", syntax::Integer, access_bit::ReadWrite | access_bit::Excluded, nullptr},
    {"1.3.6.1.2.1.7.4", "d", syntax::Counter, access_bit::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

TEST(BuildPdu, ReadStartIdentifiersPerKind) {
    VdSNMPRequest request;
    request.security.securityLevel = 3;
    request.scope.contextName = "ctx";
    request.list = VdSNMPVarList(kScalars, VdSNMPVarList::ScalarGroup, 0);
    request.list.Item(0).lastOid = "stale";
    auto pdu = request.BuildPdu(VdSNMPRequest::PduMode::ReadStart);
    EXPECT_EQ(Oids(pdu), (std::vector<std::string>{"1.3.6.1.2.1.7.1.0", "1.3.6.1.2.1.7.4.0"}));
    EXPECT_EQ(pdu.bindings[0].type, snmp::type::Null);
    EXPECT_EQ(pdu.securityLevel, 3);
    EXPECT_EQ(pdu.contextName, "ctx");
    EXPECT_EQ(request.list.Item(0).lastOid, "");

    request.list = VdSNMPVarList(kScalars, VdSNMPVarList::SingleInstance, 0);
    request.list.instance = "1";
    EXPECT_EQ(Oids(request.BuildPdu(VdSNMPRequest::PduMode::ReadStart)),
              (std::vector<std::string>{"1.3.6.1.2.1.7.1.1", "1.3.6.1.2.1.7.4.1"}));

    request.list = VdSNMPVarList(kScalars, VdSNMPVarList::Table, 0);
    request.list.instance = "";
    EXPECT_EQ(Oids(request.BuildPdu(VdSNMPRequest::PduMode::ReadStart)),
              (std::vector<std::string>{"1.3.6.1.2.1.7.1", "1.3.6.1.2.1.7.4"}));
}

TEST(BuildPdu, ReadNextOnScalarsRaises510AndUnknownKind515) {
    VdSNMPRequest request;
    request.list = VdSNMPVarList(kScalars, VdSNMPVarList::SingleInstance, 0);
    EXPECT_EQ(CodeOf([&] { request.BuildPdu(VdSNMPRequest::PduMode::ReadNext); }), -510);
    request.list.kind = 7;
    EXPECT_EQ(CodeOf([&] { request.ReadStep(true); }), -515);
    EXPECT_EQ(CodeOf([&] { request.BuildPdu(VdSNMPRequest::PduMode::Write); }), -515);
}

const DescriptorRecord kRows[] = {
    {"1.3.6.1.4.1.9.1.1", "slot", syntax::Integer, access_bit::Index, nullptr},
    {"1.3.6.1.4.1.9.1.2", "address", syntax::IpAddress, access_bit::Index, nullptr},
    {"1.3.6.1.4.1.9.1.3", "mode", syntax::Integer, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.9.1.4", "state", syntax::Integer, access_bit::Readable, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

TEST(BuildPdu, WriteOfATableRowAddressesItByItsEncodedIndex) {
    VdSNMPRequest request;
    request.list = VdSNMPVarList(kRows, VdSNMPVarList::TableWithCreation, 2);
    request.list.Item(0).value = "3";
    request.list.Item(1).value = "10.0.0.9";
    request.list.Item(2).value = "4";
    const auto pdu = request.BuildPdu(VdSNMPRequest::PduMode::Write);
    ASSERT_EQ(Oids(pdu), (std::vector<std::string>{"1.3.6.1.4.1.9.1.3.3.10.0.0.9"}));
    EXPECT_EQ(pdu.bindings[0].type, snmp::type::Integer);
    EXPECT_EQ(pdu.bindings[0].integer, 4);
}

const DescriptorRecord kNamedRows[] = {
    {"1.3.6.1.4.1.9.2.1", "name", syntax::DisplayString, access_bit::Index | access_bit::Implied, nullptr},
    {"1.3.6.1.4.1.9.2.2", "mode", syntax::Integer, access_bit::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

// A row whose index gives no sub-identifiers is addressed by the column itself, never "column.";
// a list without index items holds scalars, instance 0.
TEST(BuildPdu, WriteOfARowWithoutIndexSubIdentifiersHasNoTrailingDot) {
    struct Case {
        const DescriptorRecord *table;
        int indexCount;
        const char *oid;
    } cases[] = {
        {kNamedRows, 1, "1.3.6.1.4.1.9.2.2"},
        {kNamedRows + 1, 0, "1.3.6.1.4.1.9.2.2.0"},
    };
    for (const Case &c : cases) {
        VdSNMPRequest request;
        request.list = VdSNMPVarList(c.table, VdSNMPVarList::TableWithCreation, c.indexCount);
        request.list.Item(c.indexCount).value = "1";
        EXPECT_EQ(Oids(request.BuildPdu(VdSNMPRequest::PduMode::Write)), std::vector<std::string>{c.oid});
    }
}

// Records the items a write loads and fails on the last one, so that nothing is sent.
class RecordingRequest : public VdSNMPRequest {
public:
    void LoadValue(int i, snmp::VarBind &binding) override {
        loaded.push_back(std::to_string(i) + "=" + list.Item(i).value);
        if (i == failAt) throw CodedError("stop", -999);
        VdSNMPRequest::LoadValue(i, binding);
    }
    std::vector<std::string> loaded;
    int failAt = -1;
};

class Values : public ValueSource {
public:
    std::string Value(int k) const override { return "10" + std::to_string(k); }
};

TEST(Write, SendsOnlyTheSelectionAndRestoresTheListOnEveryPath) {
    RecordingRequest request;
    request.list = VdSNMPVarList(kScalars, VdSNMPVarList::ScalarGroup, 0);
    for (int i = 0; i < request.list.Count(); ++i) {
        request.list.Item(i).access |= access_bit::Writable;
        request.list.Item(i).value = "v" + std::to_string(i);
    }
    const VdSNMPVarList before(request.list);
    request.failAt = 2;
    Values values;
    EXPECT_EQ(CodeOf([&] { request.Write(false, "0,2", &values); }), -999);
    EXPECT_EQ(request.loaded, (std::vector<std::string>{"0=100", "2=101"}));
    for (int i = 0; i < request.list.Count(); ++i) {
        EXPECT_EQ(request.list.Item(i).value, before.Item(i).value);
        EXPECT_EQ(request.list.Item(i).access, before.Item(i).access);
    }

    request.device.host = "1.2.3.400";
    EXPECT_EQ(CodeOf([&] { request.WriteAsync(nullptr, nullptr, false, "1", &values); }), -509);
    EXPECT_EQ(request.list.Item(1).value, "v1");
    EXPECT_EQ(request.list.Item(0).access, before.Item(0).access);
    EXPECT_EQ(request.pending, 0);
}

TEST(Write, ValueThatDoesNotConvertIsRefusedBeforeSending) {
    VdSNMPRequest request;
    request.list = VdSNMPVarList(kScalars, VdSNMPVarList::ScalarGroup, 0);
    request.list.Item(3).value = "12 packets";
    EXPECT_EQ(CodeOf([&] { request.Write(false, "3"); }), -518);
    EXPECT_EQ(request.list.Item(3).value, "12 packets");
}

const DescriptorRecord kTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "index", syntax::Integer, access_bit::Index, nullptr},
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", syntax::Integer, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.2.2.1.3", "ifType", syntax::Integer, access_bit::Readable, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

// One walk of kTable fed with hand-made responses.
class Walker {
public:
    Walker() { request.list = VdSNMPVarList(kTable, VdSNMPVarList::Table, 1); }
    VdSNMPRequest::StepEnd Step(const snmp::Pdu &response, int code = 0) {
        request.BuildPdu(first_ ? VdSNMPRequest::PduMode::ReadStart : VdSNMPRequest::PduMode::ReadNext);
        first_ = false;
        return request.ProcessResponse(response, code);
    }
    const std::string &Value(int i) { return request.list.Item(i).value; }
    VdSNMPRequest request;

private:
    bool first_ = true;
};

class Walk : public ::testing::Test, public Walker {};

using End = VdSNMPRequest::StepEnd;

TEST_F(Walk, TwoRowsTakeThreeSteps) {
    EXPECT_EQ(Step(Response({{"1.3.6.1.2.1.2.2.1.1.1", 1}, {"1.3.6.1.2.1.2.2.1.3.1", 6}})), End::MoreRows);
    EXPECT_EQ(Value(0), "1");
    EXPECT_EQ(Value(2), "6");
    EXPECT_EQ(Step(Response({{"1.3.6.1.2.1.2.2.1.1.2", 2}, {"1.3.6.1.2.1.2.2.1.3.2", 24}})), End::MoreRows);
    EXPECT_EQ(Value(0), "2");
    EXPECT_EQ(Step(Response({{"1.3.6.1.2.1.2.2.1.2.1", 0}, {"1.3.6.1.2.1.2.2.1.4.1", 0}})), End::Over);
    EXPECT_EQ(Value(1), "(NOTDONE)");
    EXPECT_EQ(Value(2), "(NOTDONE)");
}

TEST_F(Walk, RowIndexComesFromAColumnThatHasNotEnded) {
    Step(Response({{"1.3.6.1.2.1.2.2.1.1.1", 1}, {"1.3.6.1.2.1.2.2.1.3.1", 6}}));
    // ifIndex has ended (its get-next landed on instance 1 of the next column); ifType goes on at 5.
    EXPECT_EQ(Step(Response({{"1.3.6.1.2.1.2.2.1.2.1", 0}, {"1.3.6.1.2.1.2.2.1.3.5", 6}})), End::MoreRows);
    EXPECT_EQ(Value(0), "5");
    EXPECT_EQ(Value(1), "(NOTDONE)");
    // The ended column goes on from the row just read, so a sparse column can show up again later.
    EXPECT_EQ(request.list.Item(1).lastOid, "1.3.6.1.2.1.2.2.1.1.5");
}

TEST_F(Walk, AnIndexColumnThatEndsFirstTakesTheRowIndexFromTheOthers) {
    // The index item is itself a requested column, as tables whose index is readable have it.
    request.list.Item(0).access = access_bit::Readable;
    request.list.Item(1).access |= access_bit::Excluded;
    Step(Response({{"1.3.6.1.2.1.2.2.1.1.1", 1}, {"1.3.6.1.2.1.2.2.1.3.1", 6}}));
    EXPECT_EQ(Step(Response({{"1.3.6.1.2.1.2.2.1.2.1", 0}, {"1.3.6.1.2.1.2.2.1.3.5", 6}})), End::MoreRows);
    EXPECT_EQ(Value(0), "5");
    EXPECT_EQ(request.list.Item(0).lastOid, "1.3.6.1.2.1.2.2.1.1.5");
}

TEST_F(Walk, SameIdentifierAgainOrGoingBackwardsEndsTheColumnAndSaysWhich) {
    Step(Response({{"1.3.6.1.2.1.2.2.1.1.7", 7}, {"1.3.6.1.2.1.2.2.1.3.7", 6}}));
    EXPECT_TRUE(request.WalkCuts().empty());
    EXPECT_EQ(Step(Response({{"1.3.6.1.2.1.2.2.1.1.7", 7}, {"1.3.6.1.2.1.2.2.1.3.7", 6}})), End::Over);
    ASSERT_EQ(request.WalkCuts().size(), 2u);
    EXPECT_EQ(request.WalkCuts()[0].why, WalkCut::Why::Repeated);
    EXPECT_EQ(request.WalkCuts()[1].column, "ifType");
    EXPECT_NE(WalkCutText(request.WalkCuts()).find("\"ifIndex\" ended early"), std::string::npos);

    // Going back ends the column for this row; the others go on, and it is said once per walk.
    Walker backwards;
    backwards.Step(Response({{"1.3.6.1.2.1.2.2.1.1.7", 7}, {"1.3.6.1.2.1.2.2.1.3.7", 6}}));
    EXPECT_EQ(backwards.Step(Response({{"1.3.6.1.2.1.2.2.1.1.3", 3}, {"1.3.6.1.2.1.2.2.1.3.8", 6}})), End::MoreRows);
    EXPECT_EQ(backwards.Value(0), "8");
    EXPECT_EQ(backwards.Value(1), "(NOTDONE)");
    EXPECT_EQ(backwards.Step(Response({{"1.3.6.1.2.1.2.2.1.1.1", 1}, {"1.3.6.1.2.1.2.2.1.3.9", 6}})), End::MoreRows);
    ASSERT_EQ(backwards.request.WalkCuts().size(), 1u);
    const WalkCut &cut = backwards.request.WalkCuts()[0];
    EXPECT_EQ(cut.why, WalkCut::Why::WentBack);
    EXPECT_EQ(cut.asked, "1.3.6.1.2.1.2.2.1.1.7");
    EXPECT_EQ(cut.returned, "1.3.6.1.2.1.2.2.1.1.3");

    // The end of a v2c view echoes the name too, but says so by its type: no cut.
    Walker ended;
    ended.Step(Response({{"1.3.6.1.2.1.2.2.1.1.7", 7}, {"1.3.6.1.2.1.2.2.1.3.7", 6}}));
    snmp::Pdu end = Response({{"1.3.6.1.2.1.2.2.1.1.7", 0}, {"1.3.6.1.2.1.2.2.1.3.7", 0}});
    for (snmp::VarBind &b : end.bindings) b.type = snmp::type::EndOfMibView;
    EXPECT_EQ(ended.Step(end), End::Over);
    EXPECT_TRUE(ended.request.WalkCuts().empty());
}

TEST_F(Walk, RowLimitEndsTheWalkAfterItsRowsAndSaysSo) {
    request.device.maxRows = 2;
    EXPECT_EQ(Step(Response({{"1.3.6.1.2.1.2.2.1.1.1", 1}, {"1.3.6.1.2.1.2.2.1.3.1", 6}})), End::MoreRows);
    EXPECT_EQ(Step(Response({{"1.3.6.1.2.1.2.2.1.1.2", 2}, {"1.3.6.1.2.1.2.2.1.3.2", 6}})), End::MoreRows);
    EXPECT_TRUE(request.WalkCuts().empty());
    EXPECT_FALSE(request.ReadStep(false));  // nothing is sent: no session is needed
    ASSERT_EQ(request.WalkCuts().size(), 1u);
    EXPECT_EQ(request.WalkCuts()[0].rows, 2);
    EXPECT_NE(WalkCutText(request.WalkCuts()).find("limit of 2 rows"), std::string::npos);
    EXPECT_EQ(Value(0), "2");  // the last row read stays
}

TEST_F(Walk, NoSuchNameEchoEndsTheWalkOtherwiseTheErrorStands) {
    Step(Response({{"1.3.6.1.2.1.2.2.1.1.1", 1}, {"1.3.6.1.2.1.2.2.1.3.1", 6}}));
    EXPECT_EQ(CodeOf([&] { Step(Response({{"1.3.6.1.2.1.2.2.1.1.9", 0}}), -102); }), -102);
    EXPECT_EQ(Step(Response({{"1.3.6.1.2.1.2.2.1.1.1", 0}, {"1.3.6.1.2.1.2.2.1.3.1", 0}}), -102), End::EchoEnded);
}

TEST_F(Walk, ShortResponseIsNeverReadPastItsEnd) {
    EXPECT_EQ(CodeOf([&] { Step(Response({{"1.3.6.1.2.1.2.2.1.1.1", 1}})); }), -411);
    EXPECT_EQ(CodeOf([&] { Step(Response({}), -102); }), -102);
}

TEST_F(Walk, ExtraBindingsAreIgnored) {
    EXPECT_EQ(Step(Response({{"1.3.6.1.2.1.2.2.1.1.1", 1}, {"1.3.6.1.2.1.2.2.1.3.1", 6}, {"1.3.9", 0}})),
              End::MoreRows);
}

TEST(WalkOverScalars, TableOfKind2WithoutIndexGivesOneRow) {
    VdSNMPRequest request;
    request.list = VdSNMPVarList(kScalars, VdSNMPVarList::Table, 0);
    request.list.Item(2).access &= ~access_bit::Excluded;
    request.list.Item(1).access |= access_bit::Readable;
    request.BuildPdu(VdSNMPRequest::PduMode::ReadStart);
    EXPECT_EQ(request.ProcessResponse(Response({{"1.3.6.1.2.1.7.1.0", 1},
                                                {"1.3.6.1.2.1.7.2.0", 2},
                                                {"1.3.6.1.2.1.7.3.0", 3},
                                                {"1.3.6.1.2.1.7.4.0", 4}}),
                                      0),
              VdSNMPRequest::StepEnd::MoreRows);
    EXPECT_EQ(request.list.Item(3).value, "4");
    request.BuildPdu(VdSNMPRequest::PduMode::ReadNext);
    EXPECT_EQ(request.ProcessResponse(Response({{"1.3.6.1.2.1.7.2.0", 2},
                                                {"1.3.6.1.2.1.7.3.0", 3},
                                                {"1.3.6.1.2.1.7.4.0", 4},
                                                {"1.3.6.1.2.1.7.5.1", 4}}),
                                      0),
              VdSNMPRequest::StepEnd::Over);
}

TEST(WalkEnded, ColumnBoundaryIsADotNotAPrefix) {
    VdSNMPRequest request;
    request.list = VdSNMPVarList(kTable, VdSNMPVarList::Table, 1);
    const std::string column = "1.3.6.1.2.1.4.21.1.1";
    EXPECT_TRUE(request.WalkEnded(column, "", "1.3.6.1.2.1.4.21.1.10.0"));
    EXPECT_FALSE(request.WalkEnded(column, "", column + ".10"));
    EXPECT_TRUE(request.WalkEnded(column, column + ".10", column + ".10"));
    EXPECT_TRUE(request.WalkEnded(column, "", column));
    request.list.kind = VdSNMPVarList::ScalarGroup;
    EXPECT_FALSE(request.WalkEnded(column, "", "1.9"));
}

}  // namespace
