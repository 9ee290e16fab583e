#include "engine/option_list.h"

#include <gtest/gtest.h>

namespace {

const OptionRecord kAdminStatus[] = {{2, "disabled"}, {3, "enabled"}, {-1, "unknown"}, {0, nullptr}};
const OptionRecord kAuthProtocols[] = {{"1.3.6.1.6.3.10.1.1.1", "None"},
                                       {"1.3.6.1.6.3.10.1.1.2", "MD5"},
                                       {"1.3.6.1.6.3.10.1.1.3", "SHA"},
                                       {0, nullptr}};
// Prefix values: the label replaces only the beginning of a text.
const OptionRecord kEnterprises[] = {{"1.3.6.1.4.1.9.", "cisco:"},
                                     {"1.3.6.1.4.1.", "enterprise:"},
                                     {"1.3.6.1.4.1.9", "never reached"},
                                     {0, nullptr}};

struct Translation {
    const char *from;
    const char *to;
};

TEST(VdOptionList, IntegerListTranslatesValuesAndLabels) {
    const VdOptionList list(kAdminStatus, VdOptionList::Integer);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.EntryAt(2).value, "-1");
    EXPECT_EQ(list.EntryAt(2).number, -1);

    const Translation labels[] = {
        {"3", "enabled"}, {" 3 ", "enabled"}, {"+2", "disabled"}, {"-1", "unknown"},
        {"7", "7"},       {"3x", "3x"},       {"(NULL)", "(NULL)"}, {"", ""},
    };
    for (const auto &t : labels) EXPECT_EQ(list.LabelOf(t.from), t.to) << t.from;

    const Translation values[] = {
        {"enabled", "3"}, {"Enabled", "3"}, {"DISABLED", "2"}, {"enabled ", "enabled "}, {"9", "9"},
    };
    for (const auto &t : values) EXPECT_EQ(list.ValueOf(t.from), t.to) << t.from;

    // A control selects by label first, then by value.
    EXPECT_EQ(list.IndexOfLabel("disabled"), 0);
    EXPECT_EQ(list.IndexOfLabel("2"), -1);
    EXPECT_EQ(list.IndexOfValue("2"), 0);
    EXPECT_EQ(list.IndexOfValue("9"), -1);
    EXPECT_EQ(list.IndexOfValue("(NULL)"), -1);
}

TEST(VdOptionList, CaseSensitiveListMatchesExactly) {
    const VdOptionList list(kAdminStatus, VdOptionList::Integer, true);
    EXPECT_EQ(list.ValueOf("enabled"), "3");
    EXPECT_EQ(list.ValueOf("Enabled"), "Enabled");

    const OptionRecord umlauts[] = {{1, "Ärger"}, {0, nullptr}};
    EXPECT_EQ(VdOptionList(umlauts, VdOptionList::Integer).ValueOf("ärger"), "1");
    EXPECT_EQ(VdOptionList(umlauts, VdOptionList::Integer, true).ValueOf("ärger"), "ärger");
}

TEST(VdOptionList, TextListComparesWholeTexts) {
    const VdOptionList list(kAuthProtocols, VdOptionList::Text);
    const Translation labels[] = {
        {"1.3.6.1.6.3.10.1.1.2", "MD5"},
        {"1.3.6.1.6.3.10.1.1.2.0", "1.3.6.1.6.3.10.1.1.2.0"},
        {"1.3.6.1.6.3.10.1.1", "1.3.6.1.6.3.10.1.1"},
    };
    for (const auto &t : labels) EXPECT_EQ(list.LabelOf(t.from), t.to) << t.from;
    EXPECT_EQ(list.ValueOf("md5"), "1.3.6.1.6.3.10.1.1.2");
    EXPECT_EQ(list.ValueOf("SHA1"), "SHA1");
}

TEST(VdOptionList, PrefixListReplacesOnlyTheBeginning) {
    const VdOptionList list(kEnterprises, VdOptionList::TextPrefix);
    const Translation labels[] = {
        {"1.3.6.1.4.1.9.1.516", "cisco:1.516"},       // the first matching prefix wins
        {"1.3.6.1.4.1.2021.4", "enterprise:2021.4"},
        {"1.3.6.1.4.1.", "enterprise:"},
        {"1.3.6.1.4.1", "1.3.6.1.4.1"},                // shorter than every prefix
        {"1.3.6.1.2.1", "1.3.6.1.2.1"},
    };
    for (const auto &t : labels) EXPECT_EQ(list.LabelOf(t.from), t.to) << t.from;
    EXPECT_EQ(list.ValueOf("CISCO:1.516"), "1.3.6.1.4.1.9.1.516");
    EXPECT_EQ(VdOptionList(kEnterprises, VdOptionList::TextPrefix, true).ValueOf("CISCO:1"), "CISCO:1");
}

TEST(VdOptionList, BuildsFromSeveralTablesInOrder) {
    VdOptionList list(nullptr, VdOptionList::Integer);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.LabelOf("3"), "3");
    list.AppendTable(kAdminStatus);
    const OptionRecord more[] = {{3, "duplicate"}, {4, "testing"}, {0, nullptr}};
    list.AppendTable(more);
    ASSERT_EQ(list.Count(), 5);
    EXPECT_EQ(list.LabelOf("3"), "enabled");  // the first entry with the value
    EXPECT_EQ(list.LabelOf("4"), "testing");
    EXPECT_EQ(list.EntryAt(4).label, "testing");
}

}  // namespace
