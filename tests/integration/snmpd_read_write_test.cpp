#include "agent_requests.h"

#include "engine/coded_error.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Reads, walks and writes against one snmpd, for every protocol version and v3 security.
class SnmpdReadWrite : public ::testing::TestWithParam<Profile> {
protected:
    static void SetUpTestSuite() { agent_ = std::make_unique<SnmpdRunner>(); }
    static void TearDownTestSuite() { agent_.reset(); }

    std::unique_ptr<VdSNMPRequest> MakeRequest(const VdSNMPVarList &list) {
        auto request = std::make_unique<VdSNMPRequest>();
        UseProfile(*request, GetParam(), agent_->port());
        request->list = list;
        return request;
    }

    static std::unique_ptr<SnmpdRunner> agent_;
};

std::unique_ptr<SnmpdRunner> SnmpdReadWrite::agent_;

TEST_P(SnmpdReadWrite, ReadsSystemScalarsInOneGet) {
    auto request = MakeRequest(SystemScalars());
    EXPECT_FALSE(request->ReadStep(true));
    const VdSNMPVarList &l = request->list;
    EXPECT_NE(l.Item(0).value.find("Linux"), std::string::npos);
    EXPECT_EQ(l.Item(1).value.rfind("1.3.6.1.4.1.", 0), 0u) << l.Item(1).value;
    EXPECT_NE(l.Item(2).value.find(':'), std::string::npos) << l.Item(2).value;
    EXPECT_EQ(l.Item(5).value, "72");
    EXPECT_EQ(l.Item(0).lastOid, "1.3.6.1.2.1.1.1.0");
}

TEST_P(SnmpdReadWrite, WalksInterfaceTableWithDecodedIndex) {
    auto request = MakeRequest(InterfaceTable());
    std::vector<std::string> indexes;
    bool first = true;
    while (request->ReadStep(first)) {
        first = false;
        const VdSNMPVarList &l = request->list;
        EXPECT_EQ(l.Item(0).value, l.Item(1).value) << "index decoded from the instance";
        EXPECT_EQ(l.Item(0).lastOid, "1.3.6.1.2.1.2.2.1.1." + l.Item(1).value);
        EXPECT_FALSE(l.Item(2).value.empty());
        indexes.push_back(l.Item(0).value);
    }
    EXPECT_EQ(static_cast<int>(indexes.size()), SnmpwalkCount(agent_->port(), "1.3.6.1.2.1.2.2.1.1"));
    for (int i = 1; i < request->list.Count(); ++i) EXPECT_EQ(request->list.Item(i).value, "(NOTDONE)");
}

TEST_P(SnmpdReadWrite, AsynchronousWalkThroughThePumpMatchesTheSynchronousOne) {
    auto syncRequest = MakeRequest(InterfaceTable());
    const auto expected = WalkSync(*syncRequest);

    auto request = MakeRequest(InterfaceTable());
    AsyncWalk walk;
    walk.request = request.get();
    walk.Run();
    ASSERT_TRUE(walk.done);
    EXPECT_EQ(walk.last.status, 0) << walk.last.message;
    EXPECT_EQ(walk.last.message, "Ok!");
    EXPECT_EQ(walk.last.agent.host, "127.0.0.1");
    EXPECT_EQ(walk.last.agent.port, agent_->port());
    ASSERT_EQ(walk.rows.size(), expected.size());
    for (std::size_t r = 0; r < expected.size(); ++r) {
        // Counters move between the two walks; compare everything before ifInOctets.
        EXPECT_EQ(walk.rows[r].substr(0, walk.rows[r].rfind('|')), expected[r].substr(0, expected[r].rfind('|')));
    }
    EXPECT_EQ(request->pending, 0);
}

TEST_P(SnmpdReadWrite, SetsAndReadsBackContactAndLocation) {
    const std::string stamp = GetParam().name + std::string(" ") +
                              QDateTime::currentDateTime().toString("hhmmsszzz").toStdString();
    auto request = MakeRequest(SystemScalars());
    request->list.Item(3).value = "contact " + stamp;
    request->list.Item(4).value = "location " + stamp;
    EXPECT_FALSE(request->Write(false));

    auto reader = MakeRequest(SystemScalars());
    reader->ReadStep(true);
    EXPECT_EQ(reader->list.Item(3).value, "contact " + stamp);
    EXPECT_EQ(reader->list.Item(4).value, "location " + stamp);
}

TEST_P(SnmpdReadWrite, AsynchronousWriteCompletesWithSuccess) {
    auto request = MakeRequest(SystemScalars());
    request->list.Item(3).value = std::string("async ") + GetParam().name;
    struct Result {
        VdSNMPError error;
        bool done = false;
    } result;
    request->WriteAsync(
        [](void *owner, const VdSNMPError &e, VdSNMPVarList &) {
            auto *r = static_cast<Result *>(owner);
            r->error = e;
            r->done = true;
        },
        &result, false, "3");
    WaitUntil(result.done, 10000);
    ASSERT_TRUE(result.done);
    EXPECT_EQ(result.error.status, 0) << result.error.message;
    EXPECT_TRUE(result.error.finished);

    auto reader = MakeRequest(SystemScalars());
    reader->ReadStep(true);
    EXPECT_EQ(reader->list.Item(3).value, std::string("async ") + GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Versions, SnmpdReadWrite, ::testing::Values(kV1, kV2c, kV3Md5Des, kV3ShaAes, kV3AuthOnly),
                         [](const auto &info) { return std::string(info.param.name); });

}  // namespace
