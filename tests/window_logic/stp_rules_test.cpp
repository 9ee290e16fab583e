// Which writes a spanning-tree Set sends, and timer texts that are not numbers.
#include "windows/logic/stp_rules.h"

#include <gtest/gtest.h>

namespace {

using namespace stp;

TEST(StpWrites, AChangedVersionGoesAloneAndFirstExceptIntoMstp) {
    struct Case {
        const char *chosen, *running;
        bool mstpTable;
        std::vector<std::vector<int>> readOnly;  // per write
        std::vector<bool> carriesVersion;
    };
    const std::vector<int> allButVersion = {kMaxAge, kHelloTime, kForwardDelay, kMaxHops, kTxHoldCount, kForwardBpdu};
    const Case cases[] = {
        {"rstp", "rstp", false, {{kVersion}}, {false}},
        {"rstp", "stp", false, {allButVersion, {kVersion}}, {true, false}},
        {"stp", "", false, {allButVersion, {kVersion}}, {true, false}},  // running version unknown
        {"mstp", "mstp", true, {{kVersion}}, {false}},
        {"mstp", "rstp", true, {{}}, {true}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.running) + " -> " + c.chosen);
        const WritePlan plan = PlanWrites(c.chosen, c.running);
        EXPECT_EQ(plan.mstpTable, c.mstpTable);
        ASSERT_EQ(plan.writes.size(), c.readOnly.size());
        for (std::size_t k = 0; k < plan.writes.size(); ++k) {
            EXPECT_EQ(plan.writes[k].readOnlyRows, c.readOnly[k]);
            EXPECT_EQ(plan.writes[k].carriesVersion, c.carriesVersion[k]);
        }
    }
}

TEST(StpTimers, TextsThatAreNoNumbersOrNoVersionStopTheSet) {
    EXPECT_EQ(CheckTimers("rstp", {"20", "2000", "15OO", "200"}), kDataErrorMessage);
    EXPECT_EQ(CheckTimers("rstp", {"20", "2000", "1500", " 200"}), kDataErrorMessage);
    EXPECT_EQ(CheckTimers("", {"20", "2000", "1500", "200"}), kEmptyFieldsMessage);
    EXPECT_EQ(CheckTimers("rstp", {"70000", "2000", "1500", "200"}), kMaxHopsMessage);
}

}  // namespace
