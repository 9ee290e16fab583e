// Secrets in snapshots: the catalogue marks them, a redacted page keeps none of them, and a changed
// secret still gives a changed mark.
#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/entry_reading.h"
#include "catalogue/model/redaction.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

void Visit(const std::vector<MenuEntry> &entries, std::vector<const CatalogueRecord *> &out) {
    for (const MenuEntry &e : entries) {
        for (const PanelRecipe &b : e.panels)
            for (const CatalogueRecord &r : b.records) out.push_back(&r);
        Visit(e.children, out);
    }
}

TEST(Redaction, EveryCommunityKeyAndPasswordOfTheCatalogueIsMarkedSecret) {
    std::vector<const CatalogueRecord *> records;
    for (const Menu &menu : MenuCatalogue::Instance().menus()) Visit(menu.entries, records);
    // Texts named so; key numbers (LACP keys), key identifiers and file paths are no secrets.
    const QRegularExpression named(QStringLiteral("community name|password|pass phrase|\\bkey\\b(?! id| admin| file| rekeying)"),
                                   QRegularExpression::CaseInsensitiveOption);
    int secrets = 0;
    for (const CatalogueRecord *r : records) {
        const bool text = r->syntax == 4 || r->syntax == 76;
        const bool expected = text && named.match(QString::fromStdString(r->label)).hasMatch();
        EXPECT_EQ(r->secret, expected) << r->label << " " << r->oid;
        secrets += r->secret ? 1 : 0;
    }
    EXPECT_GE(secrets, 11);
}

TEST(Redaction, SecretValuesAndTheInstancesThatSpellThemBecomeMarks) {
    PageReading table;
    table.table = true;
    table.columns = {"Server Key", "Port"};
    table.keyColumns = 1;
    table.secret = {true, false};
    table.rows = {{"s3cret", "1812"}, {"other", "1813"}};
    table.instances = {"6.115.51.99.114.101.116", "5.111.116.104.101.114"};
    PageReading editor;
    editor.columns = {"Label", "Value"};
    editor.secret = {false, true};
    editor.rows = {{"State", "enabled"}, {"Password", "s3cret"}};

    PageReading again = table;
    RedactSecrets(table, "Menu>Entry>");
    RedactSecrets(editor, "Menu>Entry>");
    RedactSecrets(again, "Menu>Entry>");
    for (const auto &row : table.rows) EXPECT_EQ(row[0].rfind("(redacted ", 0), 0u) << row[0];
    EXPECT_EQ(table.rows[0][1], "1812");
    EXPECT_NE(table.rows[0][0], table.rows[1][0]);
    for (const std::string &instance : table.instances) EXPECT_EQ(instance.find("115.51.99"), std::string::npos);
    EXPECT_EQ(again.rows, table.rows);  // the same secret, the same mark
    EXPECT_EQ(again.instances, table.instances);
    EXPECT_EQ(editor.rows[0][1], "enabled");
    EXPECT_EQ(editor.rows[1][1].rfind("(redacted ", 0), 0u);
    // Equal secrets in two places do not give the same mark.
    EXPECT_NE(editor.rows[1][1], table.rows[0][0]);
}

}  // namespace
