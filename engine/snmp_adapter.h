#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The one place that talks to the SNMP protocol library. Everything here is plain C++; the library's
// own types stay inside snmp_adapter.cpp. Statuses use the numbering of the message catalogues
// (TranslateStatus), whatever the library reports.
namespace snmp {

// BER tags of the values on the wire.
namespace type {
enum : std::uint8_t {
    Integer = 0x02,
    OctetString = 0x04,
    Null = 0x05,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter = 0x41,
    Gauge = 0x42,
    TimeTicks = 0x43,
    Opaque = 0x44,
    Counter64 = 0x46,
    UInteger = 0x47,
    NoSuchObject = 0x80,
    NoSuchInstance = 0x81,
    EndOfMibView = 0x82,
};
}  // namespace type

// Outcomes in the catalogue numbering.
namespace status {
inline constexpr int Success = 0;
inline constexpr int OperationFailed = -1;
inline constexpr int Timeout = -5;
inline constexpr int ResponseReceived = -6;
inline constexpr int SessionClosing = -8;
inline constexpr int InvalidPdu = -11;
inline constexpr int InvalidOid = -17;
inline constexpr int InvalidAddress = -18;
inline constexpr int TransportFailed = -22;
inline constexpr int UnsupportedSecurityModel = -1402;
inline constexpr int UnsupportedSecurityLevel = 1403;
inline constexpr int UnknownSecurityName = 1404;
inline constexpr int EncryptionError = 1405;
inline constexpr int DecryptionError = 1406;
inline constexpr int AuthenticationFailure = 1408;
inline constexpr int UnknownEngineId = 1410;
inline constexpr int NotInTimeWindow = 1411;
inline constexpr int UnsupportedAuthProtocol = 1412;
inline constexpr int UnsupportedPrivProtocol = 1413;
}  // namespace status

// Protocol numbers as the configuration gives them.
namespace protocol {
inline constexpr int None = 1;
inline constexpr int HmacMd5 = 2;
inline constexpr int HmacSha = 3;
inline constexpr int Des = 2;
inline constexpr int Aes128 = 4;  // beyond the original numbering; costs nothing here
inline constexpr int Idea = 9;
}  // namespace protocol

struct VarBind {
    std::string oid;  // dotted, no leading dot
    std::uint8_t type = type::Null;
    std::int64_t integer = 0;        // INTEGER
    std::uint64_t unsignedValue = 0; // Counter, Gauge, TimeTicks, UInteger, Counter64
    std::string octets;              // OCTET STRING, Opaque, IpAddress (4 octets); dotted for OBJECT IDENTIFIER
};

struct Pdu {
    std::vector<VarBind> bindings;
    int errorStatus = 0;
    int errorIndex = 0;
    int securityLevel = 1;
    std::string contextName;
    std::string contextEngineId;
    // GetBulk only: the leading bindings asked once, and how many successors of each of the others.
    int nonRepeaters = 0;
    int maxRepetitions = 0;
};

// Where and how one request goes. Versions 0 (v1), 1 (v2c) and 3; time-out in hundredths of a second.
struct Target {
    std::string host;
    std::uint16_t port = 161;
    int version = 0;
    int retries = 1;
    int timeout = 100;
    std::string readCommunity;
    std::string writeCommunity;
    int securityModel = 3;
    std::string securityName;
    int authProtocol = protocol::None;
    int privProtocol = protocol::None;
    std::string authPassword;
    std::string privPassword;
};

enum class Command { Get, GetNext, GetBulk, Set };

// reason: ResponseReceived (response holds the answer), Timeout, SessionClosing, or any other status
// of the library (send failure, security failures reported by the agent).
using CompletionHandler = std::function<void(int reason, const Pdu &response)>;

class Channel;

// The process's SNMP session. Requests go out from sockets bound by the system to free local
// ports, one per agent and set of credentials.
class Session {
public:
    Session();
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    // The v3 identity of this side.
    void SetLocalEngine(const std::string &engineId, unsigned boots);
    unsigned LocalEngineBoots() const;

    // Blocks until the answer or the last retry. Returns the library status, or the agent's error
    // status when the response carries one; response is filled whenever one arrived.
    int Send(Command command, const Target &target, const Pdu &request, Pdu &response);

    // Returns the status of the send; on success done is called later from ProcessPending (or with
    // SessionClosing when the session is destroyed first).
    int SendAsync(Command command, const Target &target, const Pdu &request, CompletionHandler done);

    // Completes done with response at the next ProcessPending, as if an agent had answered: for
    // answers already at hand.
    void Answer(const Pdu &response, CompletionHandler done);

    // Handles what is ready without waiting: datagrams that arrived, time-outs and retries that are
    // due, completions held back while a synchronous request was waiting, and answers at hand,
    // also those the completions add, for a few milliseconds at most.
    void ProcessPending();

    // Called with the socket of every channel the session opens.
    std::function<void(int socket)> onSocketOpened;

    // Library callback entry (internal). The library may report a request more than once; only
    // the first report completes it.
    int Complete(std::uintptr_t call, int reason, const Pdu &response);
    // Library callback entry (internal): a v3 request of that library session went unanswered.
    void EngineUnsure(const void *librarySession);

private:
    Channel *ChannelFor(const Target &target, int securityLevel, int &result);
    std::uintptr_t Register(CompletionHandler done);
    void Hold(std::uintptr_t call, int reason, const Pdu &response);
    void Deliver(std::uintptr_t call, int reason, const Pdu &response);
    void DeliverHeld(std::chrono::steady_clock::time_point until);
    void StartDiscovery(Channel &channel);
    void FinishDiscovery(Channel &channel);
    int DiscoverNow(Channel &channel);

    std::map<std::string, std::unique_ptr<Channel>> channels_;
    std::map<std::uintptr_t, CompletionHandler> calls_;
    struct Held;
    std::vector<std::unique_ptr<Held>> held_;
    int synchronousDepth_ = 0;
    bool closing_ = false;
};

}  // namespace snmp
