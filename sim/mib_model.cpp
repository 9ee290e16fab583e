#include "mib_model.h"

#include <utility>

namespace {

bool isOctets(WireType wire) { return wire == WireType::OctetString || wire == WireType::Opaque; }

std::optional<std::size_t> fixedSize(const Column& column)
{
    if (column.type.syntax == Syntax::MacAddress)
        return 6;
    if (column.type.syntax == Syntax::Ipv6Address)
        return 16;
    const auto& sizes = column.type.constraint.sizes;
    if (sizes.size() == 1 && sizes.front().low == sizes.front().high)
        return static_cast<std::size_t>(sizes.front().low);
    return std::nullopt;
}

// Takes `count` sub-identifiers as octets; false when any is above 255 or too few remain.
bool takeOctets(const Oid& index, std::size_t& pos, std::size_t count, std::string& out)
{
    if (index.size() - pos < count)
        return false;
    for (std::size_t i = 0; i < count; ++i, ++pos) {
        if (index[pos] > 255)
            return false;
        out += static_cast<char>(index[pos]);
    }
    return true;
}

// Reads one index column's value from the index, advancing pos.
std::optional<Value> decodeOne(const Column& column, bool last, const Oid& index, std::size_t& pos)
{
    Value value;
    value.type = syntaxInfo(column.type.syntax).wire;
    std::size_t remaining = index.size() - pos;
    if (value.type == WireType::IpAddress) {
        if (!takeOctets(index, pos, 4, value.octets))
            return std::nullopt;
    } else if (isOctets(value.type) || value.type == WireType::ObjectId) {
        std::optional<std::size_t> count = isOctets(value.type) ? fixedSize(column) : std::nullopt;
        if (!count && column.implied && last)
            count = remaining;
        if (!count) {
            if (remaining == 0)
                return std::nullopt;
            count = index[pos++];
        }
        if (value.type == WireType::ObjectId) {
            if (index.size() - pos < *count)
                return std::nullopt;
            value.oid.assign(index.begin() + static_cast<std::ptrdiff_t>(pos),
                             index.begin() + static_cast<std::ptrdiff_t>(pos + *count));
            pos += *count;
        } else if (!takeOctets(index, pos, *count, value.octets)) {
            return std::nullopt;
        }
    } else {
        if (remaining == 0)
            return std::nullopt;
        value.number = value.type == WireType::Integer
                           ? static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<std::int32_t>(index[pos])))
                           : index[pos];
        ++pos;
    }
    if (checkValue(column.type.syntax, column.type.constraint, value) != ValueFault::None)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::map<std::uint32_t, Value>> decodeIndex(const Table& table, const Oid& index)
{
    std::vector<std::uint32_t> order = table.indexOrder;
    if (order.empty())
        for (const auto& [number, column] : table.columns)
            if (column.index)
                order.push_back(number);
    std::map<std::uint32_t, Value> values;
    std::size_t pos = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        auto column = table.columns.find(order[k]);
        if (column == table.columns.end() || !column->second.index)
            return std::nullopt;
        auto value = decodeOne(column->second, k + 1 == order.size(), index, pos);
        if (!value)
            return std::nullopt;
        values[order[k]] = *value;
    }
    if (pos != index.size() && !order.empty())
        return std::nullopt;
    if (index.empty())
        return std::nullopt;
    return values;
}

void MibModel::putObject(const Oid& oid, ObjectType type, Value value)
{
    ObjectType& stored = objectTypes_[oid];
    stored = std::move(type);
    if (stored.access == Access::NotAccessible) {
        instances_.erase(oid);
        return;
    }
    instances_[oid] = Instance{&stored, std::move(value), std::chrono::steady_clock::now()};
}

Table& MibModel::table(const Oid& entry)
{
    Table& t = tables_[entry];
    t.entry = entry;
    return t;
}

Table* MibModel::findTable(const Oid& entry)
{
    return const_cast<Table*>(std::as_const(*this).findTable(entry));
}

const Table* MibModel::findTable(const Oid& entry) const
{
    auto it = tables_.find(entry);
    return it == tables_.end() ? nullptr : &it->second;
}

void MibModel::putColumn(Table& table, std::uint32_t number, Column column)
{
    table.columns[number] = std::move(column);
    const Column& stored = table.columns[number];
    for (const Oid& index : table.rows) {
        Oid oid = concat(concat(table.entry, {number}), index);
        auto it = instances_.find(oid);
        if (stored.type.access == Access::NotAccessible) {
            if (it != instances_.end())
                instances_.erase(it);
            continue;
        }
        if (it != instances_.end() && checkValue(stored.type.syntax, stored.type.constraint, it->second.value) == ValueFault::None) {
            it->second.type = &stored.type;
            continue;
        }
        auto indexValues = decodeIndex(table, index);
        std::optional<Value> derived;
        if (stored.index && indexValues && indexValues->count(number))
            derived = indexValues->at(number);
        Value value = derived ? *derived : stored.defaultValue.value_or(defaultValue(stored.type.syntax, stored.type.constraint));
        instances_[oid] = Instance{&stored.type, value, std::chrono::steady_clock::now()};
    }
}

bool MibModel::putRow(Table& table, const Oid& index, const std::map<std::uint32_t, Value>& values)
{
    auto indexValues = decodeIndex(table, index);
    if (!indexValues)
        return false;
    table.rows.insert(index);
    auto now = std::chrono::steady_clock::now();
    for (const auto& [number, column] : table.columns) {
        if (column.type.access == Access::NotAccessible)
            continue;
        Value value;
        if (auto given = values.find(number); given != values.end())
            value = given->second;
        else if (auto derived = indexValues->find(number); derived != indexValues->end())
            value = derived->second;
        else
            value = column.defaultValue.value_or(defaultValue(column.type.syntax, column.type.constraint));
        instances_[concat(concat(table.entry, {number}), index)] = Instance{&column.type, value, now};
    }
    return true;
}

void MibModel::removeRow(Table& table, const Oid& index)
{
    for (const auto& entry : table.columns)
        instances_.erase(concat(concat(table.entry, {entry.first}), index));
    table.rows.erase(index);
}

std::optional<MibModel::Cell> MibModel::locateCell(const Oid& oid)
{
    for (std::size_t length = oid.size() >= 2 ? oid.size() - 2 : 0; length > 0; --length) {
        auto it = tables_.find(Oid(oid.begin(), oid.begin() + static_cast<std::ptrdiff_t>(length)));
        if (it == tables_.end())
            continue;
        std::uint32_t number = oid[length];
        if (!it->second.columns.count(number))
            return std::nullopt;
        return Cell{&it->second, number, Oid(oid.begin() + static_cast<std::ptrdiff_t>(length) + 1, oid.end())};
    }
    return std::nullopt;
}

Instance* MibModel::find(const Oid& oid)
{
    return const_cast<Instance*>(std::as_const(*this).find(oid));
}

const Instance* MibModel::find(const Oid& oid) const
{
    auto it = instances_.find(oid);
    return it == instances_.end() ? nullptr : &it->second;
}

void MibModel::write(const Oid& oid, const Value& value)
{
    if (Instance* instance = find(oid)) {
        instance->value = value;
        instance->since = std::chrono::steady_clock::now();
    }
}

std::set<Oid> MibModel::topArcs() const
{
    std::set<Oid> arcs;
    auto add = [&](const Oid& oid) { arcs.insert(Oid(oid.begin(), oid.begin() + std::min<std::ptrdiff_t>(2, oid.size()))); };
    for (const auto& entry : objectTypes_)
        add(entry.first);
    for (const auto& entry : tables_)
        add(entry.first);
    return arcs;
}
