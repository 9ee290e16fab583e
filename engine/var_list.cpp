#include "engine/var_list.h"

namespace {

std::optional<std::string> OptionalText(const char *text) {
    if (text == nullptr) return std::nullopt;
    return std::string(text);
}

std::optional<std::string> NonEmpty(const std::string &text) {
    if (text.empty()) return std::nullopt;
    return text;
}

}  // namespace

VdSNMPVarList::VdSNMPVarList(const DescriptorRecord *table, std::uint8_t kind, int indexCount)
    : indexCount(indexCount), kind(kind) {
    AppendTable(table);
}

VdSNMPVarList::VdSNMPVarList(const VdSNMPVarList &source) { Assign(source); }

VdSNMPVarList &VdSNMPVarList::operator=(const VdSNMPVarList &source) {
    Assign(source);
    return *this;
}

void VdSNMPVarList::Assign(const VdSNMPVarList &source) {
    if (&source == this) return;
    kind = source.kind;
    indexCount = source.indexCount;
    caption = source.caption;
    items_ = source.items_;
}

void VdSNMPVarList::AppendTable(const DescriptorRecord *table) {
    if (table == nullptr) return;
    std::size_t count = 0;
    while (table[count].oid != nullptr) ++count;
    items_.reserve(items_.size() + count);
    for (std::size_t r = 0; r < count; ++r) {
        const DescriptorRecord &d = table[r];
        VarItem item;
        item.oid = d.oid;
        item.label = d.label ? d.label : "";
        item.syntax = d.syntax;
        item.access = d.access;
        item.options = d.options;
        item.readExpression = OptionalText(d.readExpression);
        item.writeExpression = OptionalText(d.writeExpression);
        item.spareText = OptionalText(d.spareText);
        if (d.initialValue) item.value = *d.initialValue;
        if (d.initialLastOid) item.lastOid = *d.initialLastOid;
        items_.push_back(std::move(item));
    }
}

void VdSNMPVarList::AddItem(const std::string &oid, const std::string &label, std::uint32_t syntax,
                            std::uint32_t access, const VdOptionList *options,
                            const std::string &readExpression, const std::string &writeExpression,
                            const std::string &spareText) {
    VarItem item;
    item.oid = oid;
    item.label = label;
    item.syntax = syntax;
    item.access = access;
    item.options = options;
    item.readExpression = NonEmpty(readExpression);
    item.writeExpression = NonEmpty(writeExpression);
    item.spareText = NonEmpty(spareText);
    items_.push_back(std::move(item));
}

void VdSNMPVarList::AppendToOids(const std::string &suffix) {
    for (auto &item : items_) item.oid += "." + suffix;
}

bool VdSNMPVarList::IsImplied(int i) const { return (Item(i).access & access_bit::Implied) != 0; }

bool VdSNMPVarList::IsRequested(int i) const {
    const auto a = Item(i).access;
    return (a & access_bit::Excluded) == 0 && (a & access_bit::Readable) != 0;
}

bool VdSNMPVarList::IsEditable(int i) const {
    const auto a = Item(i).access;
    if (a & access_bit::Excluded) return false;
    return (a & access_bit::Writable) != 0 || (IsTable() && i < indexCount);
}

bool VdSNMPVarList::IsColumn(int i) const {
    const auto a = Item(i).access;
    return (a & (access_bit::Excluded | access_bit::Hidden)) == 0 &&
           (a & (access_bit::Index | access_bit::Derived | access_bit::Readable)) != 0;
}

bool VdSNMPVarList::IsHiddenColumn(int i) const {
    const auto a = Item(i).access;
    return a == access_bit::Writable || (a & (access_bit::Excluded | access_bit::Hidden)) != 0;
}

int VdSNMPVarList::ColumnCount() const {
    int n = 0;
    for (int i = 0; i < Count(); ++i) n += IsColumn(i) ? 1 : 0;
    return n;
}

std::vector<int> VdSNMPVarList::ShownColumns() const {
    std::vector<int> columns;
    for (int i = 0; i < Count(); ++i)
        if (IsColumn(i) && !IsHiddenColumn(i)) columns.push_back(i);
    return columns;
}

std::vector<int> VdSNMPVarList::ListViewColumnOrder() const {
    std::vector<int> order;
    for (int i = 0; i < Count(); ++i)
        if (IsHiddenColumn(i)) order.push_back(i);
    const std::vector<int> shown = ShownColumns();
    order.insert(order.end(), shown.begin(), shown.end());
    return order;
}

std::vector<int> VdSNMPVarList::ShownLines() const {
    std::vector<int> lines;
    for (int i = 0; i < Count(); ++i)
        if ((Item(i).access & access_bit::Hidden) == 0) lines.push_back(i);
    return lines;
}

int VdSNMPVarList::HiddenColumnCount() const {
    int n = 0;
    for (int i = 0; i < Count(); ++i) n += IsHiddenColumn(i) ? 1 : 0;
    return n;
}
