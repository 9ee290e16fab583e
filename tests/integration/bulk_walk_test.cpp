#include "agent_requests.h"

#include "engine/descriptor.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// MIB-II tables whose values hold still between two walks.
const DescriptorRecord kInterfaces[] = {
    {"1.3.6.1.2.1.2.2.1.1", "index", syntax::Integer, access_bit::Index, nullptr},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", syntax::DisplayString, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.2.2.1.3", "ifType", syntax::Integer, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.2.2.1.4", "ifMtu", syntax::Integer, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.2.2.1.6", "ifPhysAddress", syntax::OctetString, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.2.2.1.7", "ifAdminStatus", syntax::Integer, access_bit::Readable, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

const DescriptorRecord kAddresses[] = {
    {"1.3.6.1.2.1.4.20.1.1", "ipAdEntAddr", syntax::IpAddress, access_bit::Index, nullptr},
    {"1.3.6.1.2.1.4.20.1.2", "ipAdEntIfIndex", syntax::Integer, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.4.20.1.3", "ipAdEntNetMask", syntax::IpAddress, access_bit::Readable, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

const DescriptorRecord kCapabilities[] = {
    {"1.3.6.1.2.1.1.9.1.1", "sysORIndex", syntax::Integer, access_bit::Index, nullptr},
    {"1.3.6.1.2.1.1.9.1.2", "sysORID", syntax::ObjectId, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.1.9.1.3", "sysORDescr", syntax::DisplayString, access_bit::Readable, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

// The agent's own count of the messages and GETNEXT requests it received.
const DescriptorRecord kTraffic[] = {
    {"1.3.6.1.2.1.11.1", "snmpInPkts", syntax::Counter, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.11.16", "snmpInGetNexts", syntax::Counter, access_bit::Readable, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

const DescriptorRecord *const kTables[] = {kInterfaces, kAddresses, kCapabilities};

class SnmpdBulkWalk : public ::testing::TestWithParam<Profile> {
protected:
    static void SetUpTestSuite() { agent_ = std::make_unique<SnmpdRunner>(); }
    static void TearDownTestSuite() { agent_.reset(); }
    static std::unique_ptr<SnmpdRunner> agent_;
};

std::unique_ptr<SnmpdRunner> SnmpdBulkWalk::agent_;

// GETBULK answers several rows per request; the walk still gives exactly the rows of one GETNEXT
// per row, synchronously and asynchronously.
TEST_P(SnmpdBulkWalk, GivesTheRowsOfGetNext) {
    for (const DescriptorRecord *table : kTables) {
        SCOPED_TRACE(table[0].label);
        VdSNMPRequest request;
        UseProfile(request, GetParam(), agent_->port());
        request.list = VdSNMPVarList(table, VdSNMPVarList::Table, 1);
        request.device.useGetBulk = false;
        const auto rows = WalkSync(request);
        ASSERT_FALSE(rows.empty());
        request.device.useGetBulk = true;
        EXPECT_EQ(WalkSync(request), rows);

        AsyncWalk walk;
        walk.request = &request;
        walk.Run();
        EXPECT_EQ(walk.last.status, 0) << walk.last.message;
        EXPECT_EQ(walk.rows, rows);
    }
}

// The walk really asks for several rows at a time: no GETNEXT at all, and far fewer messages than
// rows.
TEST_P(SnmpdBulkWalk, AsksForManyRowsPerMessage) {
    VdSNMPRequest counters;
    UseProfile(counters, GetParam(), agent_->port());
    counters.list = VdSNMPVarList(kTraffic, VdSNMPVarList::ScalarGroup, 0);
    auto count = [&](int i) {
        counters.ReadStep(true);
        return std::stoll(counters.list.Item(i).value);
    };
    VdSNMPRequest request;
    UseProfile(request, GetParam(), agent_->port());
    request.list = VdSNMPVarList(kCapabilities, VdSNMPVarList::Table, 1);
    request.device.useGetBulk = true;
    const long long packets = count(0), nexts = count(1);
    const auto rows = WalkSync(request);
    ASSERT_GE(rows.size(), 4u);
    EXPECT_EQ(count(1), nexts);
    // One GETNEXT per row would take as many messages as rows, plus the reads of the counters.
    EXPECT_LT(count(0) - packets, 4 + static_cast<long long>(rows.size()) / 2);
}

INSTANTIATE_TEST_SUITE_P(Versions, SnmpdBulkWalk, ::testing::Values(kV2c, kV3ShaAes),
                         [](const auto &info) { return std::string(info.param.name); });

}  // namespace
