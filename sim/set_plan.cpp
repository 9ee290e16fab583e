#include "set_plan.h"

#include <algorithm>

namespace {

std::optional<SetError> toSetError(ValueFault fault)
{
    switch (fault) {
    case ValueFault::WrongType: return SetError::WrongType;
    case ValueFault::WrongLength: return SetError::WrongLength;
    case ValueFault::WrongValue: return SetError::WrongValue;
    case ValueFault::None: break;
    }
    return std::nullopt;
}

const ObjectType* typeOf(MibModel& model, const Oid& name, const std::optional<MibModel::Cell>& cell)
{
    if (const Instance* instance = model.find(name))
        return instance->type;
    if (cell)
        return &cell->table->columns.at(cell->column).type;
    return nullptr;
}

bool isStatusCell(const std::optional<MibModel::Cell>& cell)
{
    return cell && cell->table->status.column != 0 && cell->column == cell->table->status.column;
}

} // namespace

SetPlan::NewRow* SetPlan::pendingRow(const Table* table, const Oid& index)
{
    auto it = std::find_if(creates_.begin(), creates_.end(),
                           [&](const NewRow& row) { return row.table == table && row.index == index; });
    return it == creates_.end() ? nullptr : &*it;
}

bool SetPlan::destroying(const Table* table, const Oid& index) const
{
    return std::any_of(destroys_.begin(), destroys_.end(),
                       [&](const auto& row) { return row.first == table && row.second == index; });
}

std::optional<SetError> SetPlan::planStatus(const MibModel::Cell& cell, const SetBinding& binding)
{
    const RowStatusRule& rule = cell.table->status;
    const std::int64_t requested = binding.value.asSigned();
    const bool exists = cell.table->rows.count(cell.index) > 0;
    if (std::find(rule.destroy.begin(), rule.destroy.end(), requested) != rule.destroy.end()) {
        // Destroying a row that is not there is no error.
        if (exists && !destroying(cell.table, cell.index))
            destroys_.emplace_back(cell.table, cell.index);
        return std::nullopt;
    }
    auto create = std::find_if(rule.create.begin(), rule.create.end(),
                               [&](const auto& pair) { return pair.first == requested; });
    if (exists) {
        // createAndGo on a live row is a conflict; "valid" style values simply stay.
        if (create != rule.create.end() && create->second != create->first)
            return SetError::InconsistentValue;
        writes_.push_back(binding);
        return std::nullopt;
    }
    if (create == rule.create.end())
        return SetError::InconsistentValue;
    if (pendingRow(cell.table, cell.index) || !decodeIndex(*cell.table, cell.index))
        return SetError::NoCreation;
    Value stored = binding.value;
    stored.number = static_cast<std::uint64_t>(create->second);
    creates_.push_back({cell.table, cell.index, {{cell.column, stored}}});
    return std::nullopt;
}

std::variant<SetPlan, SetFailure> SetPlan::prepare(MibModel& model, const std::vector<SetBinding>& bindings)
{
    SetPlan plan;
    std::vector<std::optional<MibModel::Cell>> cells;
    // Every binding on its own: access, type, length and range.
    for (std::size_t i = 0; i < bindings.size(); ++i) {
        cells.push_back(model.locateCell(bindings[i].name));
        const ObjectType* type = typeOf(model, bindings[i].name, cells.back());
        if (!type || !isWritable(type->access))
            return SetFailure{i, SetError::NotWritable};
        if (auto error = toSetError(checkValue(type->syntax, type->constraint, bindings[i].value)))
            return SetFailure{i, *error};
    }
    // Status columns decide which rows appear and disappear.
    for (std::size_t i = 0; i < bindings.size(); ++i)
        if (isStatusCell(cells[i]))
            if (auto error = plan.planStatus(*cells[i], bindings[i]))
                return SetFailure{i, *error};
    // Then the other columns: existing rows, rows created by this request, or nothing.
    for (std::size_t i = 0; i < bindings.size(); ++i) {
        if (isStatusCell(cells[i]))
            continue;
        if (cells[i] && plan.destroying(cells[i]->table, cells[i]->index))
            return SetFailure{i, SetError::InconsistentValue};
        if (const Instance* instance = model.find(bindings[i].name)) {
            SetBinding write = bindings[i];
            if (instance->type->testAndIncr) {
                // A spin lock: only the value just read is taken, and it then moves on.
                if (write.value.asSigned() != static_cast<std::int64_t>(instance->value.number))
                    return SetFailure{i, SetError::InconsistentValue};
                write.value.number = (instance->value.number + 1) % 2147483648u;
            }
            plan.writes_.push_back(write);
            continue;
        }
        NewRow* row = cells[i] ? plan.pendingRow(cells[i]->table, cells[i]->index) : nullptr;
        if (!row || cells[i]->table->columns.at(cells[i]->column).index)
            return SetFailure{i, SetError::NoCreation};
        row->values[cells[i]->column] = bindings[i].value;
    }
    if (auto failure = plan.brokenRelation(model, bindings))
        return *failure;
    return plan;
}

std::optional<SetFailure> SetPlan::brokenRelation(const MibModel& model, const std::vector<SetBinding>& bindings) const
{
    // The value an object would hold once the request is applied.
    auto after = [&](const Oid& oid) -> std::optional<std::int64_t> {
        for (auto it = writes_.rbegin(); it != writes_.rend(); ++it)
            if (it->name == oid)
                return it->value.asSigned();
        if (const Instance* instance = model.find(oid))
            return instance->value.asSigned();
        return std::nullopt;
    };
    for (const Relation& relation : model.relations()) {
        const auto named = std::find_if(bindings.begin(), bindings.end(), [&](const SetBinding& binding) {
            return binding.name == relation.left || binding.name == relation.right;
        });
        const auto left = after(relation.left);
        const auto right = after(relation.right);
        if (named == bindings.end() || !left || !right)
            continue;
        const std::int64_t bound = relation.factor * *right + relation.offset;
        if (relation.atMost ? *left > bound : *left < bound)
            return SetFailure{static_cast<std::size_t>(named - bindings.begin()), SetError::InconsistentValue};
    }
    return std::nullopt;
}

void SetPlan::apply(MibModel& model) const
{
    for (const NewRow& row : creates_)
        model.putRow(*row.table, row.index, row.values);
    for (const SetBinding& binding : writes_)
        model.write(binding.name, binding.value);
    for (const auto& [table, index] : destroys_)
        model.removeRow(*table, index);
}
