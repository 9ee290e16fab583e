#include "live_values.h"

#include "device_clock.h"

LiveValues::LiveValues(const MibModel& model, StatisticReader statistics)
    : model_(model), statistics_(std::move(statistics)), start_(Clock::now())
{
}

namespace {

std::uint64_t wrap(WireType wire, std::uint64_t value)
{
    return wire == WireType::Counter64 ? value : value & 0xFFFFFFFFu;
}

std::uint64_t millisecondsSince(LiveValues::Clock::time_point since)
{
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(LiveValues::Clock::now() - since).count());
}

} // namespace

Value LiveValues::current(const Oid& name, const Instance& instance) const
{
    if (!instance.type->live)
        return instance.value;
    const LiveRule& rule = *instance.type->live;
    Value value = instance.value;
    switch (rule.kind) {
    case LiveRule::Kind::Uptime:
        value.number = wrap(WireType::TimeTicks, millisecondsSince(start_) / 10);
        break;
    case LiveRule::Kind::Grow: {
        const std::uint32_t row = name.empty() ? 0 : name.back();
        if (!rule.growingRows.empty() && rule.growingRows.count(row) == 0) break;
        const std::uint64_t rate = rule.rate + rule.rateStep * row;
        value.number = wrap(value.type, value.number + rate * millisecondsSince(instance.since) / 1000);
        break;
    }
    case LiveRule::Kind::Toggle:
        if ((millisecondsSince(start_) / 1000 / rule.periodSeconds) % 2 == 1 && rule.byte < value.octets.size())
            value.octets[rule.byte] = static_cast<char>(rule.toggled);
        break;
    case LiveRule::Kind::RowCount: {
        const Table* table = model_.findTable(rule.table);
        value.number = table ? table->rows.size() : 0;
        break;
    }
    case LiveRule::Kind::Stat:
        value.number = wrap(value.type, statistics_(rule.stat).value_or(0));
        break;
    case LiveRule::Kind::Clock:
        // A written time is kept with the moment it was written, so it reads back moved on.
        value.octets = dateAndTimeAfter(value.octets, std::chrono::milliseconds(millisecondsSince(instance.since)));
        break;
    }
    return value;
}
