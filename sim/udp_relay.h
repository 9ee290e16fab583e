#pragma once
// A UDP relay in front of the agent that delays or drops requests, for fault tests.
#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>

#include <netinet/in.h>
#include <sys/select.h>

class UdpRelay {
public:
    using Clock = std::chrono::steady_clock;

    UdpRelay(unsigned delayMs, unsigned dropEvery);
    ~UdpRelay();
    UdpRelay(const UdpRelay&) = delete;
    UdpRelay& operator=(const UdpRelay&) = delete;

    // Listens on address:port (0 picks a free port) and forwards to the agent on agentPort.
    // Returns an error text on failure.
    std::optional<std::string> open(const std::string& address, std::uint16_t port, std::uint16_t agentPort);
    std::uint16_t port() const { return port_; }

    // Adds the relay's sockets and shortens the timeout to the next delayed request.
    void prepare(int& maxFdPlusOne, fd_set& readable, timeval& timeout) const;
    // Reads what arrived and sends what is due.
    void process(const fd_set& readable);

private:
    struct Peer {
        int socket = -1;       // connected to the agent, one per client so answers find their way back
        sockaddr_in client{};
        Clock::time_point lastUsed;
    };
    struct Delayed {
        Clock::time_point due;
        std::uint64_t peer;
        std::string datagram;
    };

    unsigned delayMs_;
    unsigned dropEvery_;
    unsigned long received_ = 0;
    int front_ = -1;
    std::uint16_t port_ = 0;
    sockaddr_in agent_{};
    std::map<std::uint64_t, Peer> peers_;
    std::deque<Delayed> queue_;

    void readClients();
    void readAgentAnswers(const fd_set& readable);
    void sendDue();
    Peer* peerFor(const sockaddr_in& client);
    void forgetIdlePeers();
};
