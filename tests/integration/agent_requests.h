#pragma once

#include "engine/request.h"
#include "support/snmpd_runner.h"

#include <ostream>
#include <string>
#include <vector>

// How the integration tests reach snmpd.
struct Profile {
    const char *name;
    int version;
    const SnmpdRunner::User *user;  // v3 only
    int authProtocol;
    int privProtocol;
    int securityLevel;
};

// Test names show the profile's name.
inline void PrintTo(const Profile &profile, std::ostream *out) { *out << profile.name; }

extern const Profile kV1;
extern const Profile kV2c;
extern const Profile kV3Md5Des;
extern const Profile kV3ShaAes;
extern const Profile kV3AuthOnly;

// Points a request at 127.0.0.1:port with the profile's credentials and a short time-out.
void UseProfile(VdSNMPRequest &request, const Profile &profile, std::uint16_t port);

// The system group (kind 0) and ifTable (kind 2, one index item followed by ifIndex as a column).
VdSNMPVarList SystemScalars();
VdSNMPVarList InterfaceTable();

// Rows of a walk, each the values of the items joined with '|'.
std::string RowText(const VdSNMPVarList &list);
std::vector<std::string> WalkSync(VdSNMPRequest &request);

// Drives an asynchronous walk through the event pump until it finishes or timeoutMs pass.
struct AsyncWalk {
    VdSNMPRequest *request = nullptr;
    std::vector<std::string> rows;
    VdSNMPError last;
    bool done = false;
    void (*afterFirstRow)(void *data) = nullptr;
    void *afterFirstRowData = nullptr;
    long long startedAfterMs = 0;  // how long the first asynchronous call held its caller

    void Run(int timeoutMs = 15000);
    static void OnStep(void *owner, const VdSNMPError &error, VdSNMPVarList &list);
};

// Walks synchronously, then asynchronously: both give the same rows, at least one, and the
// asynchronous walk finishes with success.
void ExpectWalksEndWithRows(VdSNMPRequest &request);

// Processes Qt events until done is true or timeoutMs pass.
void WaitUntil(const bool &done, int timeoutMs);

// The instance count snmpwalk sees under a column: the oracle for the engine's walks.
int SnmpwalkCount(std::uint16_t port, const std::string &column);
