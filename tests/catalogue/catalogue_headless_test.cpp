// Every editor, table and pages entry of the catalogue reads without a window, as --show reads it,
// and prints in each of its three forms.
#include "catalogue_fixture.h"

#include "catalogue/model/entry_reader.h"
#include "catalogue/model/entry_reading.h"
#include "engine/coded_error.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

namespace {

class CatalogueHeadless : public CatalogueSuite, public ::testing::TestWithParam<EntryCase> {
protected:
    static void SetUpTestSuite() { StartSimulator(); }
    static void TearDownTestSuite() { StopSimulator(); }
};

TEST_P(CatalogueHeadless, ReadsEveryPageAndPrintsIt) {
    const MenuEntry &entry = *GetParam().entry;
    EntryReading reading;
    try {
        reading = ReadEntry(entry, GetParam().path, entry.title);
    } catch (const CodedError &e) {
        FAIL() << e.what();
    }
    ASSERT_EQ(reading.pages.size(), entry.panels.size());
    for (std::size_t k = 0; k < reading.pages.size(); ++k) {
        const PageReading &page = reading.pages[k];
        EXPECT_FALSE(page.columns.empty());
        EXPECT_FALSE(page.rows.empty()) << "page " << k << ": the simulator serves every object";
        for (const auto &row : page.rows) EXPECT_EQ(row.size(), page.columns.size());
    }
    EXPECT_FALSE(FormatText(reading).empty());
    EXPECT_FALSE(FormatCsv(reading).empty());
    QJsonParseError error;
    QJsonDocument::fromJson(QByteArray::fromStdString(FormatJson(reading)), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueHeadless, ::testing::ValuesIn(WindowEntries()), CaseName);

}  // namespace
