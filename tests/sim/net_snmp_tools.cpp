#include "net_snmp_tools.h"

#include <QProcessEnvironment>

namespace {

// mibs: the MIB modules to load from mibDir; none keeps identifiers numeric.
ToolResult runWithMibs(const QString& tool, const QStringList& arguments, const QString& mibDir, const QString& mibs,
                       int timeoutMs)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("MIBS", mibs);
    return {runProcess(tool, QStringList{"-M", mibDir} + arguments, environment, timeoutMs)};
}

} // namespace

ToolResult runTool(const QString& tool, const QStringList& arguments, int timeoutMs)
{
    return runWithMibs(tool, QStringList{"-On"} + arguments, "/dev/null", "", timeoutMs);
}

ToolResult runV2c(const QString& tool, const QString& agent, const QStringList& rest, const QString& community)
{
    return runTool(tool, QStringList{"-v2c", "-c", community, agent} + rest);
}

ToolResult runIpMacBindingTable(const QString& agent)
{
    return runWithMibs("snmptable", {"-v2c", "-c", "public", "-Ci", "-Cf", "|", agent, "QSW-SIM-TEST-MIB::ipMacBindingTable"},
                       QSW_SOURCE_DIR "/tests/sim/mibs", "QSW-SIM-TEST-MIB", 60000);
}
