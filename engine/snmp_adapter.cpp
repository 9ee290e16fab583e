#include "engine/snmp_library.h"

#include <poll.h>

namespace snmp {

struct Session::Held {
    std::uintptr_t call;
    int reason;
    Pdu response;
};

namespace {

// Outstanding calls are known to the library by number only, so a late or repeated report of a
// call that has completed finds nothing.
std::map<std::uintptr_t, Session *> &CallOwners() {
    // Never destroyed: a session closed at exit reports its outstanding calls through the callback.
    static auto *owners = new std::map<std::uintptr_t, Session *>;
    return *owners;
}

// Pass phrases shorter than the library's minimum are refused by it, before anything is sent.
constexpr int kAuthenticationError = 1407;
// How long one pass may go on delivering answers at hand before the event loop gets its turn.
constexpr std::chrono::milliseconds kHeldDeliveryLimit{4};

}  // namespace

std::uintptr_t NextCallNumber() {
    static std::uintptr_t last = 0;
    return ++last;
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
    const std::uintptr_t call = NextCallNumber();
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

}  // namespace snmp
