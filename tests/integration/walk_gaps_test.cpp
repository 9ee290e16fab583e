#include "agent_requests.h"

#include "support/sim_runner.h"

#include "engine/descriptor.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

// A small agent: three scalars of which the middle one is missing, then a table of three rows whose
// name column skips row 2 and whose last column, the end of the agent's view, has row 1 only.
constexpr char kProfile[] = R"(object 1.5.1.1.0 first DisplayString ro value="a"
object 1.5.1.3.0 third DisplayString ro value="c"
object 1.5.2.1.1.1 index1 Integer ro value=1
object 1.5.2.1.1.2 index2 Integer ro value=2
object 1.5.2.1.1.3 index3 Integer ro value=3
object 1.5.2.1.2.1 name1 DisplayString ro value="one"
object 1.5.2.1.2.3 name3 DisplayString ro value="three"
object 1.5.2.1.3.1 last1 DisplayString ro value="x"
)";

const DescriptorRecord kScalars[] = {
    {"1.5.1.1", "first", syntax::DisplayString, access_bit::Readable, nullptr},
    {"1.5.1.2", "second", syntax::DisplayString, access_bit::Readable, nullptr},
    {"1.5.1.3", "third", syntax::DisplayString, access_bit::Readable, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

const DescriptorRecord kTable[] = {
    {"1.5.2.1.1", "index", syntax::Integer, access_bit::Index, nullptr},
    {"1.5.2.1.1", "number", syntax::Integer, access_bit::Readable, nullptr},
    {"1.5.2.1.2", "name", syntax::DisplayString, access_bit::Readable, nullptr},
    {"1.5.2.1.3", "last", syntax::DisplayString, access_bit::Readable, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

struct WalkCase {
    const char *name;
    const Profile *profile;
    const DescriptorRecord *table;
    std::uint8_t kind;
    int indexCount;
    std::vector<std::string> rows;
    bool bulk = true;  // v2c only: GETBULK, or one GETNEXT per row
};

void PrintTo(const WalkCase &c, std::ostream *out) { *out << c.name; }

const std::vector<std::string> kTableRows{"1|1|one|x", "2|2||(NOTDONE)", "3|3|three|(NOTDONE)"};
const std::vector<std::string> kScalarRows{"a|(NOTDONE)|c"};

class WalkGaps : public ::testing::TestWithParam<WalkCase> {
protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        const std::string path = dir_->filePath("gaps.profile").toStdString();
        std::ofstream(path) << kProfile;
        sim_ = new SimRunner({"--no-default-profile", "--profile", QString::fromStdString(path)});
    }
    static void TearDownTestSuite() {
        delete sim_;
        delete dir_;
    }
    static QTemporaryDir *dir_;
    static SimRunner *sim_;
};

QTemporaryDir *WalkGaps::dir_ = nullptr;
SimRunner *WalkGaps::sim_ = nullptr;

// Every row holds its own values: a cell the agent skips stays empty and the column is asked again
// from the same point; a column that ends (also at the end of a v1 agent's view) shows "(NOTDONE)"
// while the others go on; GETBULK gives the same rows as GETNEXT.
TEST_P(WalkGaps, RowsHoldTheirOwnValuesSynchronouslyAndAsynchronously) {
    const WalkCase &c = GetParam();
    VdSNMPRequest request;
    UseProfile(request, *c.profile, sim_->port());
    request.list = VdSNMPVarList(c.table, c.kind, c.indexCount);
    request.device.useGetBulk = c.bulk;
    EXPECT_EQ(WalkSync(request), c.rows);

    AsyncWalk walk;
    walk.request = &request;
    walk.Run();
    EXPECT_EQ(walk.last.status, 0) << walk.last.message;
    EXPECT_TRUE(walk.last.finished);
    EXPECT_EQ(walk.rows, c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WalkGaps,
    ::testing::Values(WalkCase{"table_v1", &kV1, kTable, VdSNMPVarList::Table, 1, kTableRows},
                      WalkCase{"table_v2c", &kV2c, kTable, VdSNMPVarList::Table, 1, kTableRows},
                      WalkCase{"scalars_v1", &kV1, kScalars, VdSNMPVarList::TableWithCreation, 0, kScalarRows},
                      WalkCase{"scalars_v2c", &kV2c, kScalars, VdSNMPVarList::TableWithCreation, 0, kScalarRows},
                      WalkCase{"table_v2c_getnext", &kV2c, kTable, VdSNMPVarList::Table, 1, kTableRows, false},
                      WalkCase{"scalars_v2c_getnext", &kV2c, kScalars, VdSNMPVarList::TableWithCreation, 0,
                               kScalarRows, false}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
