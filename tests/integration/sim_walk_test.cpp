#include "agent_requests.h"

#include "support/sim_runner.h"

#include "engine/event_pump.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

std::unique_ptr<VdSNMPRequest> SimRequest(const SimRunner &sim, const Profile &profile, const VdSNMPVarList &list) {
    auto request = std::make_unique<VdSNMPRequest>();
    UseProfile(*request, profile, sim.port());
    request->list = list;
    return request;
}

// The identifier of the last object the simulator has, found with snmpwalk.
std::string LastObject(const SimRunner &sim) {
    const auto walk = runProcess("snmpwalk", {"-v2c", "-c", "public", "-On", "-Oq", sim.agent(), ".1"});
    const QStringList lines = walk.out.split('\n', Qt::SkipEmptyParts);
    if (lines.isEmpty()) return {};
    return lines.last().section(' ', 0, 0).mid(1).toStdString();
}

TEST(SimulatorWalk, V1WalkOfTheLastColumnEndsAtTheEchoedNoSuchName) {
    SimRunner sim({"--v1-echo-end"});
    const std::string last = LastObject(sim);
    ASSERT_FALSE(last.empty());
    VdSNMPVarList list;
    list.kind = VdSNMPVarList::Table;
    list.AddItem(last.substr(0, last.rfind('.')), "last", syntax::OctetString, access_bit::Readable);
    auto request = SimRequest(sim, kV1, list);
    ExpectWalksEndWithRows(*request);
}

// The agent hands the same identifier back from the second step on: each column ends there, so
// the walk stops after its first row instead of asking for ever.
TEST(SimulatorWalk, AgentThatRepeatsTheIdentifierEndsTheWalk) {
    SimRunner sim({"--stuck-walk", "1.3.6.1.2.1.2.2"});
    auto request = SimRequest(sim, kV2c, InterfaceTable());
    int steps = 0;
    for (bool first = true; request->ReadStep(first) && steps < 10000; first = false) ++steps;
    EXPECT_EQ(steps, 1);
    ASSERT_FALSE(request->WalkCuts().empty());
    EXPECT_EQ(request->WalkCuts()[0].why, WalkCut::Why::Repeated);

    AsyncWalk walk;
    walk.request = request.get();
    walk.Run();
    EXPECT_EQ(walk.last.status, 0) << walk.last.message;
    EXPECT_TRUE(walk.last.finished);
    EXPECT_EQ(walk.rows.size(), 1u);
}

// Each answer is handled when its datagram arrives, not at the next 20 ms tick of the pump.
TEST(SimulatorWalk, AsynchronousWalkIsNotPacedByThePumpTick) {
    constexpr int kRows = 400;
    SimRunner sim({"--fill", "1.3.6.1.2.1.2.2=" + QString::number(kRows)});
    auto request = SimRequest(sim, kV2c, InterfaceTable());
    AsyncWalk walk;
    walk.request = request.get();
    QElapsedTimer clock;
    clock.start();
    walk.Run();
    EXPECT_EQ(walk.last.status, 0) << walk.last.message;
    EXPECT_GE(walk.rows.size(), static_cast<std::size_t>(kRows));
    EXPECT_LT(clock.elapsed(), kRows * _SnmpEventProcessor::kIntervalMs / 2);  // paced: kRows ticks
}

// An agent whose table never ends: a walk stops at the row limit with its rows, and says so.
TEST(SimulatorWalk, EndlessTableStopsAtTheRowLimitWithItsRows) {
    constexpr std::size_t kLimit = 150;
    SimRunner sim({"--endless", "1.3.6.1.2.1.2.2.1"});
    for (const bool bulk : {false, true}) {
        SCOPED_TRACE(bulk ? "GetBulk" : "GetNext");
        auto request = SimRequest(sim, kV2c, InterfaceTable());
        request->device.useGetBulk = bulk;
        request->device.maxRows = static_cast<int>(kLimit);
        EXPECT_EQ(WalkSync(*request).size(), kLimit);
        ASSERT_EQ(request->WalkCuts().size(), 1u);
        EXPECT_EQ(request->WalkCuts()[0].why, WalkCut::Why::RowLimit);

        AsyncWalk walk;
        walk.request = request.get();
        walk.Run();
        EXPECT_EQ(walk.last.status, 0) << walk.last.message;
        EXPECT_TRUE(walk.last.finished);
        EXPECT_EQ(walk.rows.size(), kLimit);
        EXPECT_EQ(request->WalkCuts().size(), 1u);
    }
}

}  // namespace

namespace {

// The rows without their last column, a counter that moves between two walks.
std::vector<std::string> StableColumns(std::vector<std::string> rows) {
    for (std::string &row : rows) row.erase(row.rfind('|'));
    return rows;
}

// Agents with a small message size: one refuses a large GETBULK with tooBig (the walk asks again
// with half the repetitions until the answer fits, and with GETNEXT when not even one fits), the
// other cuts its answer short, inside a row (the walk goes on from the last whole binding of each
// column). Either way the rows are those of one GETNEXT per row, synchronously and asynchronously.
TEST(SimulatorWalk, SmallMessageSizesGiveTheRowsOfGetNext) {
    const struct {
        QStringList options;
        int maxRepetitions;  // what the walk ends up asking
    } kAgents[] = {
        {{"--bulk-too-big", "7"}, 7},
        {{"--bulk-too-big", "0"}, 1},
        {{"--max-message", "600"}, 40},
    };
    for (const auto &agent : kAgents) {
        SCOPED_TRACE(agent.options.join(' ').toStdString());
        SimRunner sim(agent.options + QStringList{"--fill", "1.3.6.1.2.1.2.2=60"});
        auto request = SimRequest(sim, kV2c, InterfaceTable());
        request->device.useGetBulk = false;
        const std::vector<std::string> expected = StableColumns(WalkSync(*request));
        ASSERT_EQ(expected.size(), 112u);

        request->device.useGetBulk = true;
        EXPECT_EQ(StableColumns(WalkSync(*request)), expected);
        EXPECT_GT(request->BulkRepetitions(), 0);
        EXPECT_LE(request->BulkRepetitions(), agent.maxRepetitions);
        AsyncWalk walk;
        walk.request = request.get();
        walk.Run();
        EXPECT_EQ(walk.last.status, 0) << walk.last.message;
        EXPECT_EQ(StableColumns(walk.rows), expected);
    }
}

}  // namespace
