#include "engine/snmp_library.h"

#include <cstring>

namespace snmp {

namespace {

// Discoveries in flight, so that an answer after its channel closed finds nothing.
std::map<std::uintptr_t, Channel *> &Discoveries() {
    static std::map<std::uintptr_t, Channel *> discoveries;
    return discoveries;
}

// The answer to a discovery is a report that names the agent's engine; the session keeps it when
// it has none (the library may have done so already).
void TakeEngine(netsnmp_session *session, const netsnmp_pdu *report) {
    if (session->securityEngineIDLen == 0 && report->securityEngineIDLen > 0)
        snmpv3_clone_engineID(&session->securityEngineID, &session->securityEngineIDLen, report->securityEngineID,
                              report->securityEngineIDLen);
}

int DiscoveryCallback(int op, netsnmp_session *session, int, netsnmp_pdu *pdu, void *magic) {
    const auto found = Discoveries().find(reinterpret_cast<std::uintptr_t>(magic));
    if (found == Discoveries().end() || op == NETSNMP_CALLBACK_OP_RESEND || op == NETSNMP_CALLBACK_OP_CONNECT) return 1;
    Channel &channel = *found->second;
    Discoveries().erase(found);
    channel.discovery = 0;
    if ((op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || op == NETSNMP_CALLBACK_OP_SEC_ERROR) && pdu != nullptr)
        TakeEngine(session, pdu);
    channel.found = session->securityEngineIDLen > 0 ? Channel::Found::Engine : Channel::Found::Failure;
    return 1;
}

// A GET without a user, as the library's own discovery sends it; the empty user lets the library
// take the report that answers it.
netsnmp_pdu *DiscoveryPdu() {
    static const char kNoName[] = "";
    if (usm_get_user(nullptr, 0, const_cast<char *>(kNoName)) == nullptr) {
        struct usmUser *user = usm_create_user();
        if (user == nullptr) return nullptr;
        user->name = strdup(kNoName);
        user->secName = strdup(kNoName);
        user->authProtocolLen = OID_LENGTH(usmNoAuthProtocol);
        user->authProtocol = snmp_duplicate_objid(usmNoAuthProtocol, user->authProtocolLen);
        user->privProtocolLen = OID_LENGTH(usmNoPrivProtocol);
        user->privProtocol = snmp_duplicate_objid(usmNoPrivProtocol, user->privProtocolLen);
        usm_add_user(user);
    }
    netsnmp_pdu *pdu = snmp_pdu_create(SNMP_MSG_GET);
    if (pdu == nullptr) return nullptr;
    pdu->version = SNMP_VERSION_3;
    pdu->securityName = strdup(kNoName);
    pdu->securityNameLen = 0;
    pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    pdu->securityModel = SNMP_SEC_MODEL_USM;
    return pdu;
}

// After a discovery found the engine: the user's keys localised for it.
bool AdoptEngine(Channel &channel) {
    netsnmp_session *s = snmp_sess_session(channel.handle);
    s->flags &= ~SNMP_FLAGS_USER_CREATED;  // the library makes the user once per session otherwise
    // The library keeps one user per engine and name, and never renews its keys: this session's
    // replace those another one left (a pass phrase changed since, a wrong one tried before).
    if (s->securityEngineIDLen > 0 && s->securityName != nullptr) {
        if (struct usmUser *old = usm_get_user(s->securityEngineID, s->securityEngineIDLen, s->securityName)) {
            usm_remove_user(old);
            usm_free_user(old);
        }
    }
    channel.knowsEngine = s->securityEngineIDLen > 0 && usm_create_user_from_session(s) == SNMPERR_SUCCESS;
    return channel.knowsEngine;
}

}  // namespace

// Drops what the session knows of its agent's engine, so that the next discovery learns it anew.
void ForgetEngine(Channel &channel) {
    netsnmp_session *s = snmp_sess_session(channel.handle);
    const bool contextIsEngine = s->contextEngineIDLen == s->securityEngineIDLen &&
                                 (s->securityEngineIDLen == 0 ||
                                  std::memcmp(s->contextEngineID, s->securityEngineID, s->securityEngineIDLen) == 0);
    if (contextIsEngine) {
        SNMP_FREE(s->contextEngineID);
        s->contextEngineIDLen = 0;
    }
    SNMP_FREE(s->securityEngineID);
    s->securityEngineIDLen = 0;
    channel.knowsEngine = false;
}

Channel::~Channel() {
    if (discovery != 0) Discoveries().erase(discovery);
    for (const Waiting &w : waiting) snmp_free_pdu(w.pdu);
    snmp_sess_close(handle);
}

void Session::EngineUnsure(const void *librarySession) {
    for (auto &[key, channel] : channels_)
        if (snmp_sess_session(channel->handle) == librarySession) channel->engineUnsure = true;
}

void Session::StartDiscovery(Channel &channel) {
    netsnmp_pdu *pdu = DiscoveryPdu();
    const std::uintptr_t id = NextCallNumber();
    Discoveries().emplace(id, &channel);
    channel.discovery = id;
    if (pdu == nullptr || snmp_sess_async_send(channel.handle, pdu, &DiscoveryCallback, reinterpret_cast<void *>(id)) == 0) {
        if (pdu != nullptr) snmp_free_pdu(pdu);
        Discoveries().erase(id);
        channel.discovery = 0;
        channel.found = Channel::Found::Failure;
    }
}

// The requests that waited for the discovery go out now, or fail as the discovery did.
void Session::FinishDiscovery(Channel &channel) {
    const bool failed = channel.found == Channel::Found::Failure;
    const bool known = channel.knowsEngine || (!failed && AdoptEngine(channel));
    channel.found = Channel::Found::Nothing;
    auto waiting = std::move(channel.waiting);
    channel.waiting.clear();
    for (const Channel::Waiting &w : waiting) {
        if (!known) {
            snmp_free_pdu(w.pdu);
            Hold(w.call, failed ? status::Timeout : status::OperationFailed, Pdu{});
        } else if (snmp_sess_async_send(channel.handle, w.pdu, &LibraryCallback, reinterpret_cast<void *>(w.call)) == 0) {
            snmp_free_pdu(w.pdu);
            Hold(w.call, MapLibraryError(snmp_sess_session(channel.handle)->s_snmp_errno), Pdu{});
        }
    }
}

int Session::DiscoverNow(Channel &channel) {
    netsnmp_pdu *pdu = DiscoveryPdu();
    if (pdu == nullptr) return status::OperationFailed;
    netsnmp_pdu *answer = nullptr;
    ++synchronousDepth_;
    const int rc = snmp_sess_synch_response(channel.handle, pdu, &answer);
    --synchronousDepth_;
    netsnmp_session *s = snmp_sess_session(channel.handle);
    if (answer != nullptr) {
        TakeEngine(s, answer);
        snmp_free_pdu(answer);
    }
    if (s->securityEngineIDLen == 0) return rc == STAT_TIMEOUT ? status::Timeout : MapLibraryError(s->s_snmp_errno);
    return AdoptEngine(channel) ? status::Success : status::OperationFailed;
}

}  // namespace snmp
