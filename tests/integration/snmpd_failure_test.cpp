#include "agent_requests.h"

#include "engine/coded_error.h"
#include "engine/descriptor.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

#include "support/error_code.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class SnmpdFailures : public ::testing::Test {
protected:
    static void SetUpTestSuite() { agent_ = std::make_unique<SnmpdRunner>(); }
    static void TearDownTestSuite() { agent_.reset(); }

    std::unique_ptr<VdSNMPRequest> MakeRequest(const Profile &profile, std::uint16_t port = 0) {
        auto request = std::make_unique<VdSNMPRequest>();
        UseProfile(*request, profile, port != 0 ? port : agent_->port());
        request->list = SystemScalars();
        return request;
    }

    static std::unique_ptr<SnmpdRunner> agent_;
};

std::unique_ptr<SnmpdRunner> SnmpdFailures::agent_;

// For v3 the first try is the library's discovery of the agent's engine: it times out the same way.
TEST_F(SnmpdFailures, ClosedPortTimesOutAfterEveryTry) {
    for (const Profile *profile : {&kV2c, &kV3Md5Des}) {
        SCOPED_TRACE(profile->name);
        auto request = MakeRequest(*profile, FreeUdpPort());
        request->timeout = 20;
        request->retries = 2;
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(CodeOf([&] { request->ReadStep(true); }), -405);
        EXPECT_GE(clock.elapsed(), 550);  // three tries of 200 ms
        EXPECT_LT(clock.elapsed(), 2500);

        // The caller is not held while the agent's engine is looked for: the failure comes later.
        AsyncWalk walk;
        walk.request = request.get();
        walk.Run();
        EXPECT_LT(walk.startedAfterMs, 150);
        EXPECT_EQ(walk.last.status, -405);
        EXPECT_EQ(walk.last.message, "SNMP request timed out!");
        EXPECT_TRUE(walk.last.finished);
        EXPECT_TRUE(walk.rows.empty());
        EXPECT_EQ(request->pending, 0);
    }
}

TEST_F(SnmpdFailures, WrongCommunityIsATimeOut) {
    auto request = MakeRequest(kV2c);
    request->security.readCommunity = "not-a-community";
    request->timeout = 20;
    EXPECT_EQ(CodeOf([&] { request->ReadStep(true); }), -405);
}

// The SET goes out with the write community as configured, empty or not: the agent knows no empty
// community and drops it (the read community would have brought an access error instead).
TEST_F(SnmpdFailures, EmptyWriteCommunityIsSentAsItIs) {
    for (const Profile *profile : {&kV1, &kV2c}) {
        auto request = MakeRequest(*profile);
        request->security.writeCommunity.clear();
        request->timeout = 20;
        request->list.Item(3).value = "nobody";
        EXPECT_EQ(CodeOf([&] { request->Write(false, "3"); }), -405) << profile->name;
    }
}

struct V3Failure {
    const char *name;
    const char *userName;
    const char *authPass;
    int privProtocol;
    int code;
};

void PrintTo(const V3Failure &failure, std::ostream *out) { *out << failure.name; }

class SnmpdV3Failures : public SnmpdFailures, public ::testing::WithParamInterface<V3Failure> {};

TEST_P(SnmpdV3Failures, FailSynchronouslyAndAsynchronouslyWithTheirCode) {
    const V3Failure &f = GetParam();
    auto request = MakeRequest(kV3Md5Des);
    request->security.securityName = f.userName;
    request->security.authPassword = f.authPass;
    request->security.privProtocol = f.privProtocol;
    EXPECT_EQ(CodeOf([&] { request->ReadStep(true); }), f.code);

    AsyncWalk walk;
    walk.request = request.get();
    const int started = CodeOf([&] { walk.Run(); });
    const int code = started != 0 ? started : walk.last.status;
    EXPECT_EQ(code, f.code);
    if (started == 0) {
        EXPECT_TRUE(walk.last.finished);
    }
    EXPECT_EQ(request->pending, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Security, SnmpdV3Failures,
    ::testing::Values(V3Failure{"UnknownUser", "nobody", "whateverPass", 2, -304},
                      V3Failure{"WrongPassPhrase", "md5des", "notThePassPhrase", 2, -308},
                      V3Failure{"IdeaPrivacy", "md5des", "md5desAuthPass", 9, -313},
                      V3Failure{"PrivacyForUserWithout", "authonly", "authonlyPass", 2, -303}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(SnmpdFailures, IdeaIsRefusedBeforeAnythingIsSent) {
    // Nothing listens on this port: a request that went out would wait for its time-out.
    auto request = MakeRequest(kV3Md5Des, FreeUdpPort());
    request->security.privProtocol = 9;
    request->timeout = 100;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(CodeOf([&] { request->ReadStep(true); }), -313);
    EXPECT_EQ(CodeOf([&] { request->ReadStepAsync(&AsyncWalk::OnStep, nullptr, true); }), -313);
    EXPECT_LT(clock.elapsed(), 500);
    EXPECT_EQ(request->pending, 0);
}

TEST_F(SnmpdFailures, InvalidAgentAddressRaises509) {
    auto request = MakeRequest(kV2c);
    request->device.host = "300.1.2.3";
    EXPECT_EQ(CodeOf([&] { request->ReadStep(true); }), -509);
    request->device.host = "";
    EXPECT_EQ(CodeOf([&] { request->ReadStepAsync(&AsyncWalk::OnStep, nullptr, true); }), -509);
}

TEST_F(SnmpdFailures, WriteToReadOnlyVariableRaisesAgentStatus) {
    auto request = MakeRequest(kV2c);
    request->list.Item(5).access = access_bit::ReadWrite;  // sysServices is read-only on the agent
    request->list.Item(5).value = "8";
    const int code = CodeOf([&] { request->Write(false, "5"); });
    EXPECT_TRUE(code == -117 || code == -106) << code;  // notWritable or noAccess
}

TEST(SnmpdWalkEnd, AgentStoppedInTheMiddleOfAWalkEndsItWithATimeOut) {
    SnmpdRunner agent;
    VdSNMPRequest request;
    UseProfile(request, kV2c, agent.port());
    request.timeout = 20;
    request.list = InterfaceTable();
    request.device.useGetBulk = false;  // one request per row: the agent stops between two rows
    AsyncWalk walk;
    walk.request = &request;
    walk.afterFirstRow = [](void *data) { static_cast<SnmpdRunner *>(data)->Stop(); };
    walk.afterFirstRowData = &agent;
    walk.Run();
    ASSERT_TRUE(walk.done);
    EXPECT_EQ(walk.rows.size(), 1u);
    EXPECT_EQ(walk.last.status, -405);
    EXPECT_TRUE(walk.last.finished);
}

// The "limited" community sees the system group only: a v1 walk of its last column runs into the
// end of the agent's view, where the agent answers noSuchName and echoes the request.
TEST_F(SnmpdFailures, V1WalkEndsAtTheEchoedNoSuchNameAndFailsWithoutARow) {
    static const DescriptorRecord kLastColumn[] = {
        {"1.3.6.1.2.1.1.9.1.4", "sysORUpTime", syntax::TimeTicks, access_bit::Readable, nullptr},
        {nullptr, nullptr, 0, 0, nullptr},
    };
    static const DescriptorRecord kBeyondView[] = {
        {"1.3.6.1.2.1.1.9.1.5", "beyond", syntax::Integer, access_bit::Readable, nullptr},
        {nullptr, nullptr, 0, 0, nullptr},
    };
    auto request = MakeRequest(kV1);
    request->security.readCommunity = SnmpdRunner::kLimitedCommunity;
    request->list = VdSNMPVarList(kLastColumn, VdSNMPVarList::Table, 0);
    ExpectWalksEndWithRows(*request);

    request->list = VdSNMPVarList(kBeyondView, VdSNMPVarList::Table, 0);
    EXPECT_EQ(CodeOf([&] { request->ReadStep(true); }), -102);
}

}  // namespace

namespace {

// The engine's identity and its boots, as snmpget prints them.
QStringList EngineIdAndBoots(std::uint16_t port) {
    QStringList values;
    for (const char *oid : {"1.3.6.1.6.3.10.2.1.1.0", "1.3.6.1.6.3.10.2.1.2.0"}) {
        QProcess get;
        get.start("snmpget", {"-v2c", "-c", SnmpdRunner::kReadCommunity, "-M", "/dev/null", "-Oqv",
                              QStringLiteral("127.0.0.1:%1").arg(port), oid});
        EXPECT_TRUE(get.waitForFinished(10000));
        EXPECT_EQ(get.exitCode(), 0);
        values << QString::fromLatin1(get.readAllStandardOutput()).simplified();
    }
    return values;
}

// The fault tests rely on a restarted snmpd being the same engine that counted its boots up, as a
// switch that reboots is.
TEST(SnmpdRestart, KeepsItsPortAndEngineAndCountsItsBootsUp) {
    SnmpdRunner agent;
    const std::uint16_t port = agent.port();
    const QStringList first = EngineIdAndBoots(port);
    ASSERT_FALSE(first[0].isEmpty());
    agent.Restart();
    EXPECT_EQ(agent.port(), port);
    const QStringList second = EngineIdAndBoots(port);
    EXPECT_EQ(second[0], first[0]);
    EXPECT_EQ(first[1], "1");
    EXPECT_EQ(second[1], "2");
}

}  // namespace
