#pragma once
// Serves the model to the agent library: one handler registered over the whole tree.
#include "live_values.h"
#include "mib_model.h"
#include "set_plan.h"

#include <optional>

struct HandlerQuirks {
    bool v1EchoEnd = false;        // v1 get-next past the end: noSuchName with the request's bindings
    std::optional<Oid> stuckWalk;  // get-next inside this subtree does not advance
    std::optional<unsigned> bulkTooBig;  // a get-bulk asking more repetitions than this: tooBig
    std::optional<Oid> backwardsWalk;    // get-next inside this subtree goes back to its first instance
    std::optional<Oid> endlessTable;     // the columns of this table entry never end
};

class MibHandler {
public:
    MibHandler(MibModel& model, HandlerQuirks quirks);
    // Registers with the agent library; call after init_agent().
    bool registerWithAgent();

    MibModel& model() { return model_; }
    const LiveValues& live() const { return live_; }
    const HandlerQuirks& quirks() const { return quirks_; }
    std::optional<SetPlan>& pendingSet() { return pendingSet_; }

    // The instance a get-next from `name` answers with, or null past the end.
    const MibModel::Instances::value_type* nextInstance(const Oid& name, bool inclusive, bool version1) const;

private:
    MibModel& model_;
    LiveValues live_;
    HandlerQuirks quirks_;
    std::optional<SetPlan> pendingSet_;
    // The row an endless table made up last: nextInstance hands out a pointer to it.
    mutable std::optional<MibModel::Instances::value_type> madeUp_;
};
