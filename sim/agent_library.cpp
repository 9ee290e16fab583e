#include "agent_library.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr const char* kAppName = "qsw7400-sim";

std::filesystem::path makeStateDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "qsw7400-sim-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary directory");
    return pattern;
}

void keepToOwnFiles(const std::filesystem::path& stateDir)
{
    const std::string dir = stateDir.string();
    // Environment first: the library consults it before its own settings in some paths.
    setenv("SNMPCONFPATH", dir.c_str(), 1);
    setenv("SNMP_PERSISTENT_DIR", dir.c_str(), 1);
    setenv("MIBDIRS", dir.c_str(), 1);
    setenv("MIBS", "", 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, dir.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, dir.c_str());
}

void runConfigLine(const std::string& line)
{
    std::string copy = line;
    netsnmp_config(copy.data());
}

std::string securityLevel(const UserSpec& user)
{
    if (user.auth == "none")
        return "noauth";
    return "auth";
}

} // namespace

AgentLibrary::AgentLibrary(bool verbose) : stateDir_(makeStateDir())
{
    keepToOwnFiles(stateDir_);
    snmp_disable_log();
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_STDERR, verbose ? LOG_DEBUG : LOG_ERR);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_AGENTX_MASTER, 0);
    // A text engine ID avoids the host name look-up of the default kind; the pid keeps two
    // simulators on one machine apart.
    std::string engineId = std::string(kAppName) + "-" + std::to_string(getpid());
    setup_engineID(nullptr, engineId.c_str());
    init_agent(kAppName);
}

AgentLibrary::~AgentLibrary()
{
    snmp_shutdown(kAppName);
    std::error_code ignored;
    std::filesystem::remove_all(stateDir_, ignored);
}

void AgentLibrary::configureAccess(const SimOptions& options)
{
    init_snmp(kAppName);
    if (options.maxMessage > 0)
        netsnmp_ds_set_int(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_MSG_SEND_MAX, static_cast<int>(options.maxMessage));
    // The library's standard views appear only after a configuration file read, so name our own.
    runConfigLine("view everything included .1");
    runConfigLine("rocommunity " + options.readCommunity + " default -V everything");
    runConfigLine("rwcommunity " + options.writeCommunity + " default -V everything");
    for (const UserSpec& user : options.users) {
        std::string create = "createUser " + user.name;
        if (user.auth != "none")
            create += " " + user.auth + " " + user.authPass;
        if (user.priv != "none")
            create += " " + user.priv + " " + user.privPass;
        runConfigLine(create);
        runConfigLine("rwuser " + user.name + " " + securityLevel(user) + " -V everything");
    }
}

std::variant<std::uint16_t, std::string> AgentLibrary::listen(const std::string& address, std::uint16_t port)
{
    const std::string endpoint = "udp:" + address + ":" + std::to_string(port);
    netsnmp_transport* transport = netsnmp_tdomain_transport(endpoint.c_str(), 1, "udp");
    if (!transport)
        return "cannot listen on " + address + ":" + std::to_string(port);
    sockaddr_in bound{};
    socklen_t length = sizeof bound;
    if (getsockname(transport->sock, reinterpret_cast<sockaddr*>(&bound), &length) != 0) {
        netsnmp_transport_free(transport);
        return "cannot serve " + endpoint;
    }
    // From here the library owns the transport, also when registering fails.
    if (netsnmp_register_agent_nsap(transport) <= 0)
        return "cannot serve " + endpoint;
    return ntohs(bound.sin_port);
}
