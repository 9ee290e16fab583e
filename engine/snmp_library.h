#pragma once
// The adapter's own pieces, shared by its files and by nothing else: the library's set-up, the
// conversion of PDUs both ways, and the discovery of a v3 agent's engine.

#include "engine/snmp_adapter.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace snmp {

// One library session per target. A v3 session learns its agent's engine identity without
// blocking: requests wait in `waiting` while a discovery is in flight.
class Channel {
public:
    Channel(void *handle, int socket, bool knowsEngine) : handle(handle), socket(socket), knowsEngine(knowsEngine) {}
    ~Channel();
    void *const handle;
    const int socket;
    bool knowsEngine;
    std::uintptr_t discovery = 0;  // in flight
    bool engineUnsure = false;     // a request timed out: discover again before the next one
    enum class Found { Nothing, Engine, Failure } found = Found::Nothing;
    struct Waiting {
        netsnmp_pdu *pdu;
        std::uintptr_t call;
    };
    std::vector<Waiting> waiting;
};

// ---- The library's set-up (snmp_library.cpp).

// The library's error numbers in the catalogue numbering; anything else is "Operation failed!".
int MapLibraryError(int libraryError);
void InitLibraryOnce();
int LibraryVersion(int version);
// Refuses, before anything is sent, what the library cannot do for a target.
int CheckTarget(const Target &t, int securityLevel);
// Targets that share every setting share one library session.
std::string ChannelKey(const Target &t, int securityLevel);
// Fills the v3 user of a library session; false when a pass phrase is refused.
bool SetUser(netsnmp_session &s, const Target &t, int securityLevel);

// ---- PDUs both ways (snmp_pdu.cpp).

// The library's PDU for a request; null with status set when an identifier does not convert.
netsnmp_pdu *BuildLibraryPdu(Command command, const Target &t, const Pdu &request, int &result);
Pdu FromLibraryPdu(const netsnmp_pdu *pdu);
// The status a report PDU stands for.
int ReportStatus(netsnmp_pdu *pdu);

// ---- Discovery of a v3 agent's engine (snmp_discovery.cpp).

// Drops what the session knows of its agent's engine, so that the next discovery learns it anew.
void ForgetEngine(Channel &channel);

// ---- The session's calls (snmp_adapter.cpp).

// A new call number: requests and discoveries are known to the library by number only.
std::uintptr_t NextCallNumber();
// The library's report of a request's outcome.
int LibraryCallback(int op, netsnmp_session *session, int, netsnmp_pdu *pdu, void *magic);

}  // namespace snmp
