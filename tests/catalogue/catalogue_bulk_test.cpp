// Every table of the catalogue reads the same rows with GETBULK as one GETNEXT per row.
#include "catalogue_fixture.h"

#include "catalogue/model/entry_reader.h"
#include "catalogue/model/entry_reading.h"
#include "engine/coded_error.h"
#include "engine/session.h"
#include "engine/var_list.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<EntryCase> TableEntries() {
    std::vector<EntryCase> tables;
    for (const EntryCase &c : WindowEntries()) {
        const auto &panels = c.entry->panels;
        if (std::any_of(panels.begin(), panels.end(), [](const PanelRecipe &b) {
                return b.listKind == VdSNMPVarList::Table || b.listKind == VdSNMPVarList::TableWithCreation;
            }))
            tables.push_back(c);
    }
    return tables;
}

// The rows as text, with values that never read the same twice reduced to whether they are there.
std::vector<std::vector<std::string>> StableRows(const PageReading &page) {
    std::vector<std::vector<std::string>> rows = page.rows;
    for (auto &row : rows)
        for (std::size_t c = 0; c < row.size() && c < page.moving.size(); ++c)
            if (page.moving[c] && !row[c].empty() && row[c] != "(NOTDONE)") row[c] = "<moving>";
    return rows;
}

class CatalogueBulk : public CatalogueSuite, public ::testing::TestWithParam<EntryCase> {
protected:
    static void SetUpTestSuite() {
        StartSimulator();
        SessionSecurity.version = 1;
    }
    static void TearDownTestSuite() {
        SessionDevice.useGetBulk = true;
        StopSimulator();
    }
    EntryReading Read(bool bulk) {
        SessionDevice.useGetBulk = bulk;
        const MenuEntry &entry = *GetParam().entry;
        return ReadEntry(entry, GetParam().path, entry.title);
    }
};

TEST_P(CatalogueBulk, GetBulkReadsTheRowsOfGetNext) {
    EntryReading bulk, next;
    try {
        bulk = Read(true);
        next = Read(false);
    } catch (const CodedError &e) {
        FAIL() << e.what();
    }
    ASSERT_EQ(bulk.pages.size(), next.pages.size());
    for (std::size_t k = 0; k < bulk.pages.size(); ++k) {
        if (!bulk.pages[k].table) continue;
        EXPECT_EQ(bulk.pages[k].instances, next.pages[k].instances) << "page " << k;
        EXPECT_EQ(StableRows(bulk.pages[k]), StableRows(next.pages[k])) << "page " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueBulk, ::testing::ValuesIn(TableEntries()), CaseName);

}  // namespace
