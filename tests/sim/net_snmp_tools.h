#pragma once
// Runs net-snmp's command-line tools (snmpget, snmpwalk, snmpset, snmptable, ...) against an
// agent, numeric identifiers only and no MIB files.
#include "support/sim_runner.h"

#include <QString>
#include <QStringList>

struct ToolResult : ProcessOutcome {
    QStringList lines() const { return out.split('\n', Qt::SkipEmptyParts); }
};

// tool: "snmpget", ...; arguments: everything after the common "-M /dev/null -On".
ToolResult runTool(const QString& tool, const QStringList& arguments, int timeoutMs = 60000);

// v2c with the given community: runTool(tool, {"-v2c", "-c", community, agent} + rest).
ToolResult runV2c(const QString& tool, const QString& agent, const QStringList& rest,
                  const QString& community = QStringLiteral("public"));

// snmptable of the IP-MAC binding table, laid out by the small test MIB under tests/sim/mibs:
// a header line, then "index|ip|mac|status|ports|action|mode" per row.
ToolResult runIpMacBindingTable(const QString& agent);
