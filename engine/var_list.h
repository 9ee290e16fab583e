#pragma once

#include "engine/descriptor.h"

#include <memory>
#include <optional>
#include <string>

// The reserved value texts: no value, and a column whose walk has ended. Neither is ever sent.
inline constexpr char kNullText[] = "(NULL)";
inline constexpr char kNotDoneText[] = "(NOTDONE)";
#include <vector>

// One variable of a request, with its current value as text.
struct VarItem {
    std::string oid;
    std::string label;
    std::uint32_t syntax = 0;
    std::uint32_t access = 0;
    const VdOptionList *options = nullptr;  // shared, long-lived
    std::optional<std::string> readExpression;
    std::optional<std::string> writeExpression;
    std::optional<std::string> spareText;
    std::string value;
    std::string lastOid;  // walk position
};

// The variables of one request, built from a descriptor table.
class VdSNMPVarList {
public:
    enum Kind : std::uint8_t { ScalarGroup = 0, SingleInstance = 1, Table = 2, TableWithCreation = 3 };

    VdSNMPVarList() = default;
    VdSNMPVarList(const DescriptorRecord *table, std::uint8_t kind, int indexCount);
    VdSNMPVarList(const VdSNMPVarList &source);
    VdSNMPVarList &operator=(const VdSNMPVarList &source);

    // Takes kind, index count, caption and deep copies of the items; keeps this list's instance.
    void Assign(const VdSNMPVarList &source);
    void AppendTable(const DescriptorRecord *table);
    void AddItem(const std::string &oid, const std::string &label, std::uint32_t syntax,
                 std::uint32_t access, const VdOptionList *options = nullptr,
                 const std::string &readExpression = {}, const std::string &writeExpression = {},
                 const std::string &spareText = {});
    void AppendToOids(const std::string &suffix);
    void Clear() { items_.clear(); }

    int Count() const { return static_cast<int>(items_.size()); }
    VarItem &Item(int i) { return items_[static_cast<std::size_t>(i)]; }
    const VarItem &Item(int i) const { return items_[static_cast<std::size_t>(i)]; }

    bool IsTable() const { return kind == Table || kind == TableWithCreation; }
    bool IsImplied(int i) const;
    bool IsRequested(int i) const;
    bool IsEditable(int i) const;
    bool IsColumn(int i) const;
    bool IsHiddenColumn(int i) const;
    int ColumnCount() const;
    int HiddenColumnCount() const;

    // What a panel shows, computed once for the windows and the headless reader: a table's shown
    // columns in list order; a list view's column order (hidden columns first, then the shown ones);
    // an editor's lines (every variable not hidden).
    std::vector<int> ShownColumns() const;
    std::vector<int> ListViewColumnOrder() const;
    std::vector<int> ShownLines() const;

    std::string instance;
    int indexCount = 0;
    std::uint8_t kind = ScalarGroup;
    std::string caption;

private:
    std::vector<VarItem> items_;
};
