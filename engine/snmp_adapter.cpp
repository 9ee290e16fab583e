#include "engine/snmp_adapter.h"

#include "engine/oid_text.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <poll.h>

#include <algorithm>
#include <cstring>

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

struct Session::Held {
    std::uintptr_t call;
    int reason;
    Pdu response;
};

namespace {

// Outstanding calls are known to the library by number only, so a late or repeated report of a
// call that has completed finds nothing.
std::uintptr_t g_lastCall = 0;
std::map<std::uintptr_t, Session *> &CallOwners() {
    // Never destroyed: a session closed at exit reports its outstanding calls through the callback.
    static auto *owners = new std::map<std::uintptr_t, Session *>;
    return *owners;
}

// The library's error numbers in the catalogue numbering; anything else is "Operation failed!".
struct ErrorMapping {
    int libraryError;
    int status;
};
constexpr ErrorMapping kErrorMappings[] = {
    {SNMPERR_TIMEOUT, status::Timeout},
    {SNMPERR_BAD_SENDTO, status::TransportFailed},
    {SNMPERR_BAD_ADDRESS, status::InvalidAddress},
    {SNMPERR_UNKNOWN_SEC_MODEL, status::UnsupportedSecurityModel},
    {SNMPERR_UNKNOWN_USER_NAME, status::UnknownSecurityName},
    {SNMPERR_USM_UNKNOWNSECURITYNAME, status::UnknownSecurityName},
    {SNMPERR_UNSUPPORTED_SEC_LEVEL, status::UnsupportedSecurityLevel},
    {SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL, status::UnsupportedSecurityLevel},
    {SNMPERR_AUTHENTICATION_FAILURE, status::AuthenticationFailure},
    {SNMPERR_USM_AUTHENTICATIONFAILURE, status::AuthenticationFailure},
    {SNMPERR_USM_ENCRYPTIONERROR, status::EncryptionError},
    {SNMPERR_DECRYPTION_ERR, status::DecryptionError},
    {SNMPERR_USM_DECRYPTIONERROR, status::DecryptionError},
    {SNMPERR_UNKNOWN_ENG_ID, status::UnknownEngineId},
    {SNMPERR_USM_UNKNOWNENGINEID, status::UnknownEngineId},
    {SNMPERR_NOT_IN_TIME_WINDOW, status::NotInTimeWindow},
    {SNMPERR_USM_NOTINTIMEWINDOW, status::NotInTimeWindow},
};

int MapLibraryError(int libraryError) {
    for (const auto &m : kErrorMappings) {
        if (m.libraryError == libraryError) return m.status;
    }
    return status::OperationFailed;
}

// Pass phrases shorter than the library's minimum are refused by it, before anything is sent.
constexpr int kAuthenticationError = 1407;
// How long one pass may go on delivering answers at hand before the event loop gets its turn.
constexpr std::chrono::milliseconds kHeldDeliveryLimit{4};

void InitLibraryOnce() {
    static bool done = false;
    if (done) return;
    done = true;
    // No configuration files, no persistent state, no MIB files: identifiers are numeric.
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_NO_TOKEN_WARNINGS, 1);
    // No folder holds anything for the library: it can neither read nor create state there.
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, "/dev/null");
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, "/dev/null");
    netsnmp_set_mib_directory("");
    // The module writes no log; the library's messages go nowhere.
    snmp_disable_log();
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_NONE, LOG_EMERG);
    init_snmp("qsw7400");
}

int LibraryVersion(int version) {
    switch (version) {
    case 0: return SNMP_VERSION_1;
    case 1: return SNMP_VERSION_2c;
    default: return SNMP_VERSION_3;
    }
}

// Refuses, before anything is sent, what the library cannot do for a target.
int CheckTarget(const Target &t, int securityLevel) {
    if (t.version != 0 && t.version != 1 && t.version != 3) return status::OperationFailed;
    if (t.version != 3) return status::Success;
    if (t.securityModel != SNMP_SEC_MODEL_USM) return status::UnsupportedSecurityModel;
    if (securityLevel < SNMP_SEC_LEVEL_NOAUTH || securityLevel > SNMP_SEC_LEVEL_AUTHPRIV)
        return status::UnsupportedSecurityLevel;
    const bool authenticates = securityLevel >= SNMP_SEC_LEVEL_AUTHNOPRIV;
    const bool encrypts = securityLevel == SNMP_SEC_LEVEL_AUTHPRIV;
    if (authenticates) {
        if (t.authProtocol == protocol::None) return status::UnsupportedSecurityLevel;
        if (t.authProtocol != protocol::HmacMd5 && t.authProtocol != protocol::HmacSha)
            return status::UnsupportedAuthProtocol;
    }
    if (encrypts) {
        if (t.privProtocol == protocol::None) return status::UnsupportedSecurityLevel;
        if (t.privProtocol != protocol::Des && t.privProtocol != protocol::Aes128)
            return status::UnsupportedPrivProtocol;
    }
    return status::Success;
}

std::string ChannelKey(const Target &t, int securityLevel) {
    std::string key = std::to_string(t.version) + '|' + t.host + '|' + std::to_string(t.port) + '|' +
                      std::to_string(t.timeout) + '|' + std::to_string(t.retries);
    if (t.version == 3) {
        key += '|' + std::to_string(securityLevel) + '|' + t.securityName + '|' +
               std::to_string(t.authProtocol) + '|' + t.authPassword + '|' +
               std::to_string(t.privProtocol) + '|' + t.privPassword;
    }
    return key;
}

bool LocalizeKey(const oid *hash, std::size_t hashLength, const std::string &passPhrase, u_char *key,
                 std::size_t &keyLength) {
    return generate_Ku(hash, static_cast<u_int>(hashLength),
                       reinterpret_cast<const u_char *>(passPhrase.data()), passPhrase.size(), key,
                       &keyLength) == SNMPERR_SUCCESS;
}

// Fills the v3 user of a library session; false when a pass phrase is refused.
bool SetUser(netsnmp_session &s, const Target &t, int securityLevel) {
    s.securityModel = SNMP_SEC_MODEL_USM;
    s.securityLevel = securityLevel;
    s.securityName = const_cast<char *>(t.securityName.c_str());
    s.securityNameLen = t.securityName.size();
    if (securityLevel < SNMP_SEC_LEVEL_AUTHNOPRIV) return true;
    s.securityAuthProto = t.authProtocol == protocol::HmacSha ? usmHMACSHA1AuthProtocol
                                                               : usmHMACMD5AuthProtocol;
    s.securityAuthProtoLen = USM_AUTH_PROTO_MD5_LEN;
    s.securityAuthKeyLen = USM_AUTH_KU_LEN;
    if (!LocalizeKey(s.securityAuthProto, s.securityAuthProtoLen, t.authPassword, s.securityAuthKey,
                     s.securityAuthKeyLen))
        return false;
    if (securityLevel < SNMP_SEC_LEVEL_AUTHPRIV) return true;
    s.securityPrivProto = t.privProtocol == protocol::Aes128 ? usmAESPrivProtocol : usmDESPrivProtocol;
    s.securityPrivProtoLen = USM_PRIV_PROTO_DES_LEN;
    s.securityPrivKeyLen = USM_PRIV_KU_LEN;
    return LocalizeKey(s.securityAuthProto, s.securityAuthProtoLen, t.privPassword, s.securityPrivKey,
                       s.securityPrivKeyLen);
}

u_char *CopyOctets(const std::string &text) {
    auto *copy = static_cast<u_char *>(std::malloc(text.size() + 1));
    if (copy == nullptr) return nullptr;
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = 0;
    return copy;
}

std::vector<oid> ToLibraryOid(const std::vector<std::uint32_t> &subIds) {
    return std::vector<oid>(subIds.begin(), subIds.end());
}

bool AddBinding(netsnmp_pdu *pdu, const VarBind &b) {
    const auto name = SplitOid(b.oid);
    if (!name || name->empty() || name->size() > MAX_OID_LEN) return false;
    const auto n = ToLibraryOid(*name);
    netsnmp_variable_list *added = nullptr;
    switch (b.type) {
    case type::Integer: {
        long v = static_cast<long>(b.integer);
        added = snmp_pdu_add_variable(pdu, n.data(), n.size(), ASN_INTEGER, &v, sizeof v);
        break;
    }
    case type::OctetString:
    case type::Opaque:
    case type::IpAddress:
        added = snmp_pdu_add_variable(pdu, n.data(), n.size(), b.type, b.octets.data(), b.octets.size());
        break;
    case type::ObjectId: {
        const auto value = SplitOid(b.octets);
        if (!value || value->size() > MAX_OID_LEN) return false;
        const auto v = ToLibraryOid(*value);
        added = snmp_pdu_add_variable(pdu, n.data(), n.size(), ASN_OBJECT_ID, v.data(), v.size() * sizeof(oid));
        break;
    }
    case type::Counter:
    case type::Gauge:
    case type::TimeTicks:
    case type::UInteger: {
        u_long v = static_cast<u_long>(b.unsignedValue & 0xFFFFFFFFu);
        added = snmp_pdu_add_variable(pdu, n.data(), n.size(), b.type, &v, sizeof v);
        break;
    }
    case type::Counter64: {
        counter64 v{};
        v.high = static_cast<u_long>(b.unsignedValue >> 32);
        v.low = static_cast<u_long>(b.unsignedValue & 0xFFFFFFFFu);
        added = snmp_pdu_add_variable(pdu, n.data(), n.size(), ASN_COUNTER64, &v, sizeof v);
        break;
    }
    default:
        added = snmp_pdu_add_variable(pdu, n.data(), n.size(), ASN_NULL, nullptr, 0);
        break;
    }
    return added != nullptr;
}

int CommandCode(Command c) {
    switch (c) {
    case Command::Get: return SNMP_MSG_GET;
    case Command::GetNext: return SNMP_MSG_GETNEXT;
    case Command::GetBulk: return SNMP_MSG_GETBULK;
    case Command::Set: return SNMP_MSG_SET;
    }
    return SNMP_MSG_GET;
}

// The library's PDU for a request; null with status set when an identifier does not convert.
netsnmp_pdu *BuildLibraryPdu(Command command, const Target &t, const Pdu &request, int &result) {
    netsnmp_pdu *pdu = snmp_pdu_create(CommandCode(command));
    if (pdu == nullptr) {
        result = status::OperationFailed;
        return nullptr;
    }
    if (t.version == 3) {
        pdu->securityLevel = request.securityLevel;
        pdu->contextName = reinterpret_cast<char *>(CopyOctets(request.contextName));
        pdu->contextNameLen = request.contextName.size();
        if (!request.contextEngineId.empty()) {
            pdu->contextEngineID = CopyOctets(request.contextEngineId);
            pdu->contextEngineIDLen = request.contextEngineId.size();
        }
    } else {
        const std::string &community = command == Command::Set ? t.writeCommunity : t.readCommunity;
        pdu->community = CopyOctets(community);
        pdu->community_len = community.size();
    }
    if (command == Command::GetBulk) {
        pdu->non_repeaters = request.nonRepeaters;
        pdu->max_repetitions = request.maxRepetitions;
    }
    for (const auto &b : request.bindings) {
        if (!AddBinding(pdu, b)) {
            snmp_free_pdu(pdu);
            result = status::InvalidOid;
            return nullptr;
        }
    }
    result = status::Success;
    return pdu;
}

std::string OidText(const oid *name, std::size_t length) {
    std::string out;
    for (std::size_t i = 0; i < length; ++i) {
        if (i > 0) out += '.';
        out += std::to_string(name[i]);
    }
    return out;
}

Pdu FromLibraryPdu(const netsnmp_pdu *pdu) {
    Pdu out;
    out.errorStatus = static_cast<int>(pdu->errstat);
    out.errorIndex = static_cast<int>(pdu->errindex);
    out.securityLevel = pdu->securityLevel;
    for (auto *v = pdu->variables; v != nullptr; v = v->next_variable) {
        VarBind b;
        b.oid = OidText(v->name, v->name_length);
        b.type = v->type;
        switch (v->type) {
        case ASN_INTEGER:
            b.integer = *v->val.integer;
            break;
        case ASN_OCTET_STR:
        case ASN_OPAQUE:
        case ASN_IPADDRESS:
            b.octets.assign(reinterpret_cast<const char *>(v->val.string), v->val_len);
            break;
        case ASN_OBJECT_ID:
            b.octets = OidText(v->val.objid, v->val_len / sizeof(oid));
            break;
        case ASN_COUNTER:
        case ASN_GAUGE:
        case ASN_TIMETICKS:
        case ASN_UINTEGER:
            b.unsignedValue = static_cast<std::uint32_t>(*v->val.integer);
            break;
        case ASN_COUNTER64:
            b.unsignedValue = (static_cast<std::uint64_t>(v->val.counter64->high & 0xFFFFFFFFu) << 32) |
                              (v->val.counter64->low & 0xFFFFFFFFu);
            break;
        default:
            break;
        }
        out.bindings.push_back(std::move(b));
    }
    return out;
}

int ReportStatus(netsnmp_pdu *pdu) { return MapLibraryError(snmpv3_get_report_type(pdu)); }

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

// After a discovery found the engine: the user's keys localised for it.
bool AdoptEngine(Channel &channel) {
    netsnmp_session *s = snmp_sess_session(channel.handle);
    s->flags &= ~SNMP_FLAGS_USER_CREATED;  // the library makes the user once per session otherwise
    channel.knowsEngine = s->securityEngineIDLen > 0 && usm_create_user_from_session(s) == SNMPERR_SUCCESS;
    return channel.knowsEngine;
}

int LibraryCallback(int op, netsnmp_session *session, int, netsnmp_pdu *pdu, void *magic) {
    const auto call = reinterpret_cast<std::uintptr_t>(magic);
    const auto owner = CallOwners().find(call);
    if (owner == CallOwners().end()) return 1;
    Pdu response;
    int reason = status::OperationFailed;
    switch (op) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
        if (pdu != nullptr && pdu->command == SNMP_MSG_REPORT) {
            reason = ReportStatus(pdu);
        } else if (pdu != nullptr) {
            reason = status::ResponseReceived;
            response = FromLibraryPdu(pdu);
        }
        break;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
        reason = status::Timeout;
        // A v3 agent that stopped answering may come back as another engine at the same address.
        if (session->version == SNMP_VERSION_3) owner->second->EngineUnsure(session);
        break;
    case NETSNMP_CALLBACK_OP_SEND_FAILED:
        reason = status::TransportFailed;
        break;
    case NETSNMP_CALLBACK_OP_SEC_ERROR:
        reason = pdu != nullptr && pdu->command == SNMP_MSG_REPORT ? ReportStatus(pdu)
                                                                   : MapLibraryError(session->s_snmp_errno);
        break;
    case NETSNMP_CALLBACK_OP_RESEND:
    case NETSNMP_CALLBACK_OP_CONNECT:
        return 1;
    default:
        break;
    }
    return owner->second->Complete(call, reason, response);
}

}  // namespace

Channel::~Channel() {
    if (discovery != 0) Discoveries().erase(discovery);
    for (const Waiting &w : waiting) snmp_free_pdu(w.pdu);
    snmp_sess_close(handle);
}

Session::Session() { InitLibraryOnce(); }

Session::~Session() {
    closing_ = true;
    channels_.clear();
    held_.clear();
    auto calls = std::move(calls_);
    calls_.clear();
    for (auto &[id, done] : calls) {
        CallOwners().erase(id);
        done(status::SessionClosing, Pdu{});
    }
}

void Session::SetLocalEngine(const std::string &engineId, unsigned boots) {
    set_exact_engineID(reinterpret_cast<const u_char *>(engineId.data()), engineId.size());
    // The library's configuration hook counts the boot it is given plus this one.
    std::string previous = std::to_string(boots > 0 ? boots - 1 : 0);
    engineBoots_conf("engineBoots", previous.data());
}

unsigned Session::LocalEngineBoots() const { return static_cast<unsigned>(snmpv3_local_snmpEngineBoots()); }

Channel *Session::ChannelFor(const Target &target, int securityLevel, int &result) {
    const std::string key = ChannelKey(target, securityLevel);
    if (auto it = channels_.find(key); it != channels_.end()) return it->second.get();
    netsnmp_session s;
    snmp_sess_init(&s);
    std::string peer = "udp:" + target.host + ":" + std::to_string(target.port);
    s.peername = peer.data();
    s.version = LibraryVersion(target.version);
    s.retries = target.retries;
    s.timeout = static_cast<long>(target.timeout) * 10000L;  // hundredths of a second to microseconds
    if (target.version == 3) {
        if (!SetUser(s, target, securityLevel)) {
            result = kAuthenticationError;
            return nullptr;
        }
        s.flags |= SNMP_FLAGS_DONT_PROBE;  // discovered when a request needs it, without blocking
    } else {
        // Every PDU carries its own community; the library fills an empty one from the session's,
        // so the session's is empty too and an empty write community goes out as it is.
        static u_char kNoCommunity[] = "";
        s.community = kNoCommunity;
        s.community_len = 0;
    }
    void *handle = snmp_sess_open(&s);
    if (handle == nullptr) {
        result = MapLibraryError(s.s_snmp_errno);
        return nullptr;
    }
    // The library drops the flag from the session it keeps: without it a send would discover first.
    if (target.version == 3) snmp_sess_session(handle)->flags |= SNMP_FLAGS_DONT_PROBE;
    auto channel = std::make_unique<Channel>(handle, snmp_sess_transport(handle)->sock, target.version != 3);
    Channel *opened = channel.get();
    channels_.emplace(key, std::move(channel));
    if (onSocketOpened) onSocketOpened(opened->socket);
    return opened;
}

int Session::Send(Command command, const Target &target, const Pdu &request, Pdu &response) {
    int result = CheckTarget(target, request.securityLevel);
    if (result != status::Success) return result;
    Channel *channel = ChannelFor(target, request.securityLevel, result);
    if (channel == nullptr) return result;
    if (!channel->knowsEngine && (result = DiscoverNow(*channel)) != status::Success) return result;
    netsnmp_pdu *pdu = BuildLibraryPdu(command, target, request, result);
    if (pdu == nullptr) return result;
    netsnmp_pdu *answer = nullptr;
    ++synchronousDepth_;
    const int rc = snmp_sess_synch_response(channel->handle, pdu, &answer);
    --synchronousDepth_;
    if (rc == STAT_TIMEOUT && target.version == 3) ForgetEngine(*channel);
    if (rc == STAT_SUCCESS && answer != nullptr) {
        response = FromLibraryPdu(answer);
        snmp_free_pdu(answer);
        return response.errorStatus;
    }
    if (answer != nullptr) snmp_free_pdu(answer);
    if (rc == STAT_TIMEOUT) return status::Timeout;
    return MapLibraryError(snmp_sess_session(channel->handle)->s_snmp_errno);
}

int Session::SendAsync(Command command, const Target &target, const Pdu &request, CompletionHandler done) {
    int result = CheckTarget(target, request.securityLevel);
    if (result != status::Success) return result;
    Channel *channel = ChannelFor(target, request.securityLevel, result);
    if (channel == nullptr) return result;
    netsnmp_pdu *pdu = BuildLibraryPdu(command, target, request, result);
    if (pdu == nullptr) return result;
    const std::uintptr_t call = Register(std::move(done));
    if (!channel->knowsEngine) {
        channel->waiting.push_back({pdu, call});
        if (channel->discovery == 0) StartDiscovery(*channel);
        return status::Success;
    }
    ++synchronousDepth_;
    const int sent = snmp_sess_async_send(channel->handle, pdu, &LibraryCallback, reinterpret_cast<void *>(call));
    --synchronousDepth_;
    if (sent == 0) {
        snmp_free_pdu(pdu);
        result = MapLibraryError(snmp_sess_session(channel->handle)->s_snmp_errno);
        if (result != status::Timeout) {
            calls_.erase(call);
            CallOwners().erase(call);
            return result;
        }
        Hold(call, status::Timeout, Pdu{});
    }
    return status::Success;
}

std::uintptr_t Session::Register(CompletionHandler done) {
    const std::uintptr_t call = ++g_lastCall;
    calls_.emplace(call, std::move(done));
    CallOwners().emplace(call, this);
    return call;
}

void Session::Answer(const Pdu &response, CompletionHandler done) {
    Hold(Register(std::move(done)), status::ResponseReceived, response);
}

void Session::Hold(std::uintptr_t call, int reason, const Pdu &response) {
    held_.push_back(std::make_unique<Held>(Held{call, reason, response}));
}

int Session::Complete(std::uintptr_t call, int reason, const Pdu &response) {
    if (closing_ || calls_.count(call) == 0) return 1;
    if (synchronousDepth_ > 0) {
        // Completions never run inside a synchronous request; the next pass delivers them.
        Hold(call, reason, response);
        return 1;
    }
    Deliver(call, reason, response);
    return 1;
}

void Session::Deliver(std::uintptr_t call, int reason, const Pdu &response) {
    const auto it = calls_.find(call);
    if (it == calls_.end()) return;
    CompletionHandler done = std::move(it->second);
    calls_.erase(it);
    CallOwners().erase(call);
    done(reason, response);
}

// A walk served from one bulk answer holds its next row while the last one is delivered: rounds
// of deliveries save an event-loop pass per row, and the time limit keeps the loop free.
void Session::DeliverHeld(std::chrono::steady_clock::time_point until) {
    do {
        auto held = std::move(held_);
        held_.clear();
        for (auto &h : held) Deliver(h->call, h->reason, h->response);
    } while (!held_.empty() && std::chrono::steady_clock::now() < until);
}

void Session::ProcessPending() {
    const auto until = std::chrono::steady_clock::now() + kHeldDeliveryLimit;
    DeliverHeld(until);

    std::vector<Channel *> channels;
    for (auto &[key, channel] : channels_) channels.push_back(channel.get());
    for (Channel *channel : channels) {
        pollfd p{channel->socket, POLLIN, 0};
        for (int n = 0; n < 256 && poll(&p, 1, 0) > 0 && (p.revents & POLLIN); ++n) {
            fd_set fds;
            FD_ZERO(&fds);
            FD_SET(channel->socket, &fds);
            snmp_sess_read(channel->handle, &fds);
        }
        snmp_sess_timeout(channel->handle);
        if (channel->engineUnsure) {
            channel->engineUnsure = false;
            ForgetEngine(*channel);
        }
        if (channel->found != Channel::Found::Nothing) FinishDiscovery(*channel);
    }
    DeliverHeld(until);
}

void Session::EngineUnsure(const void *librarySession) {
    for (auto &[key, channel] : channels_)
        if (snmp_sess_session(channel->handle) == librarySession) channel->engineUnsure = true;
}

void Session::StartDiscovery(Channel &channel) {
    netsnmp_pdu *pdu = DiscoveryPdu();
    const std::uintptr_t id = ++g_lastCall;
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
