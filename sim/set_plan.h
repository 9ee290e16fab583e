#pragma once
// One SET request checked as a whole before anything changes, then applied at once.
#include "mib_model.h"

#include <variant>

// Error statuses of the protocol, by their numbers.
enum class SetError {
    WrongType = 7,
    WrongLength = 8,
    WrongValue = 10,
    NoCreation = 11,
    InconsistentValue = 12,
    NotWritable = 17,
};

struct SetBinding {
    Oid name;
    Value value;
};

struct SetFailure {
    std::size_t binding; // position in the request, from 0
    SetError error;
};

class SetPlan {
public:
    static std::variant<SetPlan, SetFailure> prepare(MibModel& model, const std::vector<SetBinding>& bindings);
    void apply(MibModel& model) const;

private:
    struct NewRow {
        Table* table;
        Oid index;
        std::map<std::uint32_t, Value> values;
    };
    std::vector<NewRow> creates_;
    std::vector<std::pair<Table*, Oid>> destroys_;
    std::vector<SetBinding> writes_;

    NewRow* pendingRow(const Table* table, const Oid& index);
    bool destroying(const Table* table, const Oid& index) const;
    std::optional<SetError> planStatus(const MibModel::Cell& cell, const SetBinding& binding);
    // The first binding that names an object of a relation the request would break.
    std::optional<SetFailure> brokenRelation(const MibModel& model, const std::vector<SetBinding>& bindings) const;
};
