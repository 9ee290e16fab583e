#include "engine/session.h"

#include "engine/boot_counter.h"
#include "engine/messages.h"
#include "engine/coded_error.h"
#include "engine/event_pump.h"

#include <arpa/inet.h>
#include <netdb.h>

#include <new>

std::unique_ptr<snmp::Session> GlobalSession;
VdSNMPDevice SessionDevice;
VdSNMPScope SessionScope;
VdSNMPSecurity SessionSecurity;
std::int32_t SessionTimeout = 100;

namespace {

constexpr int kCannotCreateSession = 6;
constexpr int kCannotLoadBoots = 7;
constexpr int kCannotSaveBoots = 8;
constexpr int kInvalidAddress = 9;

void CreateSessionOnce() {
    if (GlobalSession) return;
    try {
        GlobalSession = std::make_unique<snmp::Session>();
    } catch (const std::bad_alloc &) {
        throw messages::FrameworkError(kCannotCreateSession);
    }
    GlobalSession->onSocketOpened = [](int socket) { EventProcessor.WatchSocket(socket); };
}

}  // namespace

std::string JoinPath(const std::string &directory, const std::string &name) {
    if (directory.empty()) return name;
    if (directory.back() == '/' || directory.back() == '\\') return directory + name;
    return directory + "/" + name;
}

void CreateGlobalSession(const std::string &directory) {
    CreateSessionOnce();
    const std::string file = JoinPath(directory, kBootCounterFile);
    unsigned boots = 0;
    const int loaded = boot_counter::Get(file, kLocalEngineId, boots);
    if (loaded != boot_counter::Found && loaded != boot_counter::NoEntry && loaded != boot_counter::CannotOpen)
        throw messages::FrameworkError(kCannotLoadBoots);
    if (boot_counter::Save(file, kLocalEngineId, boots + 1) != 0)
        throw messages::FrameworkError(kCannotSaveBoots);
    GlobalSession->SetLocalEngine(kLocalEngineId, boots + 1);

    SessionDevice = VdSNMPDevice{};
    SessionScope = VdSNMPScope{};
    SessionSecurity = VdSNMPSecurity{};
    SessionTimeout = 100;
    EventProcessor.Start();
}

unsigned LocalEngineBoots() { return GlobalSession ? GlobalSession->LocalEngineBoots() : 0; }

bool IsValidAgentAddress(const std::string &host) {
    if (host.empty()) return false;
    if (host.find_first_not_of("0123456789.") == std::string::npos) {
        in_addr address{};
        return inet_pton(AF_INET, host.c_str(), &address) == 1;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo *found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0) return false;
    freeaddrinfo(found);
    return true;
}

snmp::Target BuildTargets(const VdSNMPDevice &device, const VdSNMPSecurity &security, int timeout,
                          int retries) {
    if (!IsValidAgentAddress(device.host)) throw messages::FrameworkError(kInvalidAddress);
    snmp::Target t;
    t.host = device.host;
    t.port = device.port;
    t.version = security.version;
    t.retries = retries;
    t.timeout = timeout;
    if (security.version == 3) {
        t.securityModel = security.securityModel;
        t.securityName = security.securityName;
        t.authProtocol = security.authProtocol;
        t.privProtocol = security.privProtocol;
        t.authPassword = security.authPassword;
        t.privPassword = security.privPassword;
    } else {
        t.readCommunity = security.readCommunity;
        t.writeCommunity = security.writeCommunity;
    }
    return t;
}

bool CarriesCounter64(const VdSNMPSecurity &security) { return security.version != 0; }

void UseV2cForCounter64(VdSNMPSecurity &security) {
    if (!CarriesCounter64(security)) security.version = 1;
}
