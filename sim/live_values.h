#pragma once
// Values of live objects at the moment they are read: up-time, growing counters, a flapping port.
#include "mib_model.h"

#include <chrono>
#include <functional>

class LiveValues {
public:
    using Clock = std::chrono::steady_clock;
    using StatisticReader = std::function<std::optional<std::uint64_t>(std::string_view)>;

    LiveValues(const MibModel& model, StatisticReader statistics);
    // name: the instance's identifier (a growing column may grow faster row by row).
    Value current(const Oid& name, const Instance& instance) const;

private:
    const MibModel& model_;
    StatisticReader statistics_;
    Clock::time_point start_;
};
