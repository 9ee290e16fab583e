#include "table_fill.h"

namespace {

// The smallest index above `index` that the table's index columns accept, counting like an
// odometer; empty when there is none.
Oid nextIndex(const Table& table, Oid index)
{
    for (std::size_t pos = index.size(); pos-- > 0;) {
        if (index[pos] != UINT32_MAX) {
            ++index[pos];
            if (decodeIndex(table, index))
                return index;
        }
        index[pos] = 0;
    }
    return {};
}

std::map<std::uint32_t, Value> templateRow(const MibModel& model, const Table& table)
{
    std::map<std::uint32_t, Value> values;
    if (table.rows.empty())
        return values;
    for (const auto& [number, column] : table.columns)
        if (!column.index)
            if (const Instance* instance = model.find(concat(concat(table.entry, {number}), *table.rows.begin())))
                values[number] = instance->value;
    return values;
}

} // namespace

std::optional<std::string> fillTable(MibModel& model, const FillSpec& fill)
{
    Table* table = model.findTable(fill.table);
    if (!table)
        table = model.findTable(concat(fill.table, {1}));
    if (!table)
        return "--fill: no table " + formatOid(fill.table) + " in the profiles";
    auto values = templateRow(model, *table);
    Oid index = table->rows.empty() ? Oid{0} : *table->rows.rbegin();
    for (std::size_t added = 0; added < fill.rows; ++added) {
        index = nextIndex(*table, index);
        if (index.empty())
            return "--fill: table " + formatOid(table->entry) + " has no index left after " +
                   std::to_string(added) + " rows";
        model.putRow(*table, index, values);
    }
    return std::nullopt;
}
