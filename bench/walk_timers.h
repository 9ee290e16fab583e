#pragma once

#include "engine/request.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>

// One timed walk: values read and the time it took.
struct WalkTiming {
    long values = 0;
    double milliseconds = 0;
    double MicrosecondsPerValue() const {
        return values > 0 ? milliseconds * 1000.0 / static_cast<double>(values) : 0;
    }
};

// Walks the request's table step by step with synchronous requests.
WalkTiming TimeSynchronousWalk(VdSNMPRequest &request);

// Walks it with asynchronous requests completed through the event pump; raises when a step fails.
WalkTiming TimeAsynchronousWalk(VdSNMPRequest &request);

// Runs one of net-snmp's walk tools (v2c, numeric identifiers) over the same subtree; options go
// to the tool before the agent (for snmpbulkwalk: "-Cr<max-repetitions>"). One value per line.
WalkTiming TimeNetSnmpWalk(const QString &tool, const QStringList &options, std::uint16_t port,
                           const std::string &community, const std::string &subtree);
