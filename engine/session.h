#pragma once

#include "engine/snmp_adapter.h"
#include "engine/walk_cut.h"

#include <cstdint>
#include <memory>
#include <string>

// The agent.
struct VdSNMPDevice {
    std::string host = "127.0.0.1";
    std::uint16_t port = 161;
    // Tables are walked with GetBulk on v2c and v3 unless the agent does bulk badly.
    bool useGetBulk = true;
    // A table walk ends after this many rows, saying so (an agent whose table never ends).
    int maxRows = kDefaultMaxRows;
};

// SNMPv3 context put into every PDU.
struct VdSNMPScope {
    std::string contextEngineID;
    std::string contextName;
};

// How to authenticate; numbers as the configuration gives them (version 0 v1, 1 v2c, 3 v3;
// level 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv; auth 1 none, 2 MD5, 3 SHA; priv 1 none, 2 DES,
// 4 AES-128, 9 IDEA which is refused).
struct VdSNMPSecurity {
    std::uint8_t version = 0;
    std::string readCommunity = "readcm";
    std::string writeCommunity = "writecm";
    std::int32_t securityModel = 1;
    std::int32_t securityLevel = 1;
    std::string securityName;
    std::string authPassword;
    std::string privPassword;
    std::int32_t authProtocol = 1;
    std::int32_t privProtocol = 1;
};

// Process-wide session state; every request copies the parameters when it is created.
extern std::unique_ptr<snmp::Session> GlobalSession;
extern VdSNMPDevice SessionDevice;
extern VdSNMPScope SessionScope;
extern VdSNMPSecurity SessionSecurity;
extern std::int32_t SessionTimeout;  // hundredths of a second

inline constexpr char kBootCounterFile[] = "VdSNMP_PP_BootCounter";
inline constexpr char kLocalEngineId[] = "VdSNMP_PP_Application";

// Creates the session (once; a later call keeps it), counts this start in the boot counter file
// of directory, sets the v3 identity, resets the global parameters and starts the event pump.
// Raises -506, -507 or -508.
void CreateGlobalSession(const std::string &directory);

// The boot count the v3 engine runs with since the last CreateGlobalSession.
unsigned LocalEngineBoots();

std::string JoinPath(const std::string &directory, const std::string &name);

// Whether host is a dotted IPv4 address or a name the system resolves. A text made of digits and
// dots only must be a valid dotted quad: it is never handed to the resolver.
bool IsValidAgentAddress(const std::string &host);

// SNMPv1 cannot carry Counter64 values: settings that read them move from version 1 to 2c.
bool CarriesCounter64(const VdSNMPSecurity &security);
void UseV2cForCounter64(VdSNMPSecurity &security);

// The target one request goes to; raises -509 for an invalid agent address.
snmp::Target BuildTargets(const VdSNMPDevice &device, const VdSNMPSecurity &security, int timeout,
                          int retries);
