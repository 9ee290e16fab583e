#include "engine/var_list.h"

#include "engine/option_list.h"

#include <gtest/gtest.h>

namespace {

const OptionRecord kStatusOptions[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
const VdOptionList kStatus(kStatusOptions, VdOptionList::Integer);
const std::string kInitialValue = "7";
const std::string kInitialLastOid = "1.3.6.1.2.1.2.2.1.7.3";

const DescriptorRecord kPortTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", syntax::Integer, access_bit::Index, nullptr},
    {"1.3.6.1.2.1.2.2.1.2", "Description", syntax::DisplayString, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.2.2.1.7", "Admin status", syntax::Integer, access_bit::ReadWrite, &kStatus, "read", "write",
     "spare", &kInitialValue, &kInitialLastOid},
    {"1.3.6.1.2.1.2.2.1.99", "Secret", syntax::OctetString, access_bit::Writable, nullptr},
    {"1.3.6.1.2.1.2.2.1.98", "Internal", syntax::Integer, access_bit::Readable | access_bit::Hidden, nullptr},
    {" ", "Computed", syntax::Integer, access_bit::Derived, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

const DescriptorRecord kEmptyTable[] = {{nullptr, nullptr, 0, 0, nullptr}};

TEST(VdSNMPVarList, BuildsOneItemPerRecordWithOwnCopies) {
    const VdSNMPVarList list(kPortTable, VdSNMPVarList::TableWithCreation, 1);
    ASSERT_EQ(list.Count(), 6);
    EXPECT_EQ(list.kind, VdSNMPVarList::TableWithCreation);
    EXPECT_EQ(list.indexCount, 1);
    EXPECT_EQ(list.instance, "");
    EXPECT_EQ(list.caption, "");

    const VarItem &admin = list.Item(2);
    EXPECT_EQ(admin.oid, "1.3.6.1.2.1.2.2.1.7");
    EXPECT_EQ(admin.label, "Admin status");
    EXPECT_EQ(admin.syntax, syntax::Integer);
    EXPECT_EQ(admin.access, access_bit::ReadWrite);
    EXPECT_EQ(admin.options, &kStatus);
    EXPECT_EQ(admin.readExpression, "read");
    EXPECT_EQ(admin.writeExpression, "write");
    EXPECT_EQ(admin.spareText, "spare");
    EXPECT_EQ(admin.value, "7");
    EXPECT_EQ(admin.lastOid, kInitialLastOid);

    const VarItem &description = list.Item(1);
    EXPECT_FALSE(description.readExpression.has_value());
    EXPECT_FALSE(description.spareText.has_value());
    EXPECT_EQ(description.value, "");
    EXPECT_EQ(description.lastOid, "");
    EXPECT_EQ(description.options, nullptr);
    EXPECT_EQ(list.Item(5).oid, " ");

    EXPECT_EQ(VdSNMPVarList(kEmptyTable, VdSNMPVarList::ScalarGroup, 0).Count(), 0);
    EXPECT_EQ(VdSNMPVarList(nullptr, VdSNMPVarList::Table, 2).Count(), 0);
}

TEST(VdSNMPVarList, AssignCopiesItemsDeeplyAndKeepsTheInstance) {
    VdSNMPVarList source(kPortTable, VdSNMPVarList::Table, 1);
    source.caption = "Ports";
    source.instance = "9";
    source.Item(1).value = "port one";
    source.Item(1).lastOid = "1.3.6.1.2.1.2.2.1.2.1";

    VdSNMPVarList request;
    request.instance = "1";
    request.AddItem("1.3.6.1.2.1.1.5", "Name", syntax::DisplayString, access_bit::ReadWrite);
    request = source;
    EXPECT_EQ(request.instance, "1");
    EXPECT_EQ(request.caption, "Ports");
    EXPECT_EQ(request.kind, VdSNMPVarList::Table);
    EXPECT_EQ(request.indexCount, 1);
    ASSERT_EQ(request.Count(), source.Count());  // the old item is gone
    EXPECT_EQ(request.Item(1).value, "port one");
    EXPECT_EQ(request.Item(1).lastOid, "1.3.6.1.2.1.2.2.1.2.1");
    EXPECT_EQ(request.Item(2).options, &kStatus);

    request.Item(1).value = "changed";
    EXPECT_EQ(source.Item(1).value, "port one");

    const VdSNMPVarList copy(source);
    EXPECT_EQ(copy.instance, "");
    EXPECT_EQ(copy.Count(), source.Count());

    request = request;  // self-assignment keeps the items
    EXPECT_EQ(request.Count(), source.Count());
}

TEST(VdSNMPVarList, AddsAppendsAndClearsItems) {
    VdSNMPVarList list(kPortTable, VdSNMPVarList::Table, 1);
    list.AddItem("1.3.6.1.4.1.1.1", "Save", syntax::Integer, access_bit::Writable, &kStatus, "", "w", "");
    ASSERT_EQ(list.Count(), 7);
    const VarItem &added = list.Item(6);
    EXPECT_FALSE(added.readExpression.has_value());  // an empty text is absent
    EXPECT_EQ(added.writeExpression, "w");
    EXPECT_FALSE(added.spareText.has_value());
    EXPECT_EQ(added.options, &kStatus);

    list.AppendTable(kPortTable);
    EXPECT_EQ(list.Count(), 13);
    EXPECT_EQ(list.Item(7).label, "Index");

    list.AppendToOids("3");
    EXPECT_EQ(list.Item(0).oid, "1.3.6.1.2.1.2.2.1.1.3");
    EXPECT_EQ(list.Item(6).oid, "1.3.6.1.4.1.1.1.3");

    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

// The role predicates for one item at a position of a list of a given kind.
struct RoleCase {
    std::uint32_t access;
    std::uint8_t kind;
    int indexCount;
    int position;
    bool requested, editable, column, hidden, implied;
};

TEST(VdSNMPVarList, AccessBitsGiveEachItemItsRoles) {
    using L = VdSNMPVarList;
    const RoleCase cases[] = {
        // access, kind, indexCount, position: requested, editable, column, hidden, implied
        {1, L::TableWithCreation, 2, 0, false, true, true, false, false},   // index typed when a row is created
        {1, L::Table, 2, 1, false, true, true, false, false},
        {1, L::TableWithCreation, 2, 2, false, false, true, false, false},  // past the index items
        {1, L::ScalarGroup, 2, 0, false, false, true, false, false},
        {1, L::SingleInstance, 1, 0, false, false, true, false, false},
        {65, L::TableWithCreation, 2, 1, false, true, true, false, true},
        {2, L::ScalarGroup, 0, 0, true, false, true, false, false},
        {6, L::ScalarGroup, 0, 0, true, true, true, false, false},
        {4, L::ScalarGroup, 0, 0, false, true, false, true, false},          // write-only
        {8, L::Table, 0, 0, false, false, true, false, false},
        {2 | 16, L::Table, 0, 0, true, false, false, true, false},
        {6 | 32, L::ScalarGroup, 0, 0, false, false, false, true, false},    // excluded for one operation
        {1 | 32, L::TableWithCreation, 1, 0, false, false, false, true, false},
        {0, L::ScalarGroup, 0, 0, false, false, false, false, false},
    };
    for (const auto &c : cases) {
        VdSNMPVarList list;
        list.kind = c.kind;
        list.indexCount = c.indexCount;
        for (int i = 0; i <= c.position; ++i) list.AddItem("1.3.6.1", "x", syntax::Integer, c.access);
        const int i = c.position;
        const std::string context = "access " + std::to_string(c.access) + ", kind " + std::to_string(c.kind) +
                                    ", position " + std::to_string(i);
        EXPECT_EQ(list.IsRequested(i), c.requested) << context;
        EXPECT_EQ(list.IsEditable(i), c.editable) << context;
        EXPECT_EQ(list.IsColumn(i), c.column) << context;
        EXPECT_EQ(list.IsHiddenColumn(i), c.hidden) << context;
        EXPECT_EQ(list.IsImplied(i), c.implied) << context;
    }
}

TEST(VdSNMPVarList, CountsShownAndHiddenColumns) {
    VdSNMPVarList list(kPortTable, VdSNMPVarList::Table, 1);
    EXPECT_EQ(list.ColumnCount(), 4);        // index, description, admin status, computed
    EXPECT_EQ(list.HiddenColumnCount(), 2);  // write-only, hidden
    list.Item(1).access |= access_bit::Excluded;
    EXPECT_EQ(list.ColumnCount(), 3);
    EXPECT_EQ(list.HiddenColumnCount(), 3);
}

}  // namespace
