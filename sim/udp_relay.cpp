#include "udp_relay.h"

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t kMaxDatagram = 65535;
constexpr std::size_t kMaxPeers = 256;
constexpr auto kPeerIdle = std::chrono::seconds(60);
constexpr std::size_t kMaxDelayed = 10000; // a flood under --delay is dropped, not hoarded

std::uint64_t keyOf(const sockaddr_in& address)
{
    return (static_cast<std::uint64_t>(address.sin_addr.s_addr) << 16) | address.sin_port;
}

int boundSocket(const in_addr& address, std::uint16_t port)
{
    int fd = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr = address;
    local.sin_port = htons(port);
    if (bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

} // namespace

UdpRelay::UdpRelay(unsigned delayMs, unsigned dropEvery) : delayMs_(delayMs), dropEvery_(dropEvery) {}

UdpRelay::~UdpRelay()
{
    for (auto& entry : peers_)
        close(entry.second.socket);
    if (front_ >= 0)
        close(front_);
}

std::optional<std::string> UdpRelay::open(const std::string& address, std::uint16_t port, std::uint16_t agentPort)
{
    agent_.sin_family = AF_INET;
    agent_.sin_port = htons(agentPort);
    if (inet_pton(AF_INET, address.c_str(), &agent_.sin_addr) != 1)
        return "bad address " + address;
    front_ = boundSocket(agent_.sin_addr, port);
    if (front_ < 0)
        return "cannot listen on " + address + ":" + std::to_string(port);
    sockaddr_in bound{};
    socklen_t length = sizeof bound;
    getsockname(front_, reinterpret_cast<sockaddr*>(&bound), &length);
    port_ = ntohs(bound.sin_port);
    return std::nullopt;
}

void UdpRelay::prepare(int& maxFdPlusOne, fd_set& readable, timeval& timeout) const
{
    FD_SET(front_, &readable);
    maxFdPlusOne = std::max(maxFdPlusOne, front_ + 1);
    for (const auto& entry : peers_) {
        FD_SET(entry.second.socket, &readable);
        maxFdPlusOne = std::max(maxFdPlusOne, entry.second.socket + 1);
    }
    if (queue_.empty())
        return;
    auto wait = std::chrono::duration_cast<std::chrono::microseconds>(queue_.front().due - Clock::now()).count();
    wait = std::max<long long>(wait, 0);
    long long current = static_cast<long long>(timeout.tv_sec) * 1000000 + timeout.tv_usec;
    if (wait < current) {
        timeout.tv_sec = static_cast<time_t>(wait / 1000000);
        timeout.tv_usec = static_cast<suseconds_t>(wait % 1000000);
    }
}

void UdpRelay::process(const fd_set& readable)
{
    if (FD_ISSET(front_, &readable))
        readClients();
    readAgentAnswers(readable);
    sendDue();
}

void UdpRelay::readClients()
{
    std::vector<char> buffer(kMaxDatagram);
    while (true) {
        sockaddr_in client{};
        socklen_t length = sizeof client;
        ssize_t size = recvfrom(front_, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&client), &length);
        if (size < 0)
            return;
        if (dropEvery_ && ++received_ % dropEvery_ == 0)
            continue;
        if (queue_.size() >= kMaxDelayed || !peerFor(client))
            continue;
        queue_.push_back({Clock::now() + std::chrono::milliseconds(delayMs_), keyOf(client),
                          std::string(buffer.data(), static_cast<std::size_t>(size))});
    }
}

void UdpRelay::readAgentAnswers(const fd_set& readable)
{
    std::vector<char> buffer(kMaxDatagram);
    for (auto& entry : peers_) {
        Peer& peer = entry.second;
        if (!FD_ISSET(peer.socket, &readable))
            continue;
        ssize_t size;
        while ((size = recv(peer.socket, buffer.data(), buffer.size(), 0)) >= 0)
            sendto(front_, buffer.data(), static_cast<std::size_t>(size), 0,
                   reinterpret_cast<const sockaddr*>(&peer.client), sizeof peer.client);
    }
}

void UdpRelay::sendDue()
{
    auto now = Clock::now();
    while (!queue_.empty() && queue_.front().due <= now) {
        const Delayed& next = queue_.front();
        if (auto peer = peers_.find(next.peer); peer != peers_.end())
            send(peer->second.socket, next.datagram.data(), next.datagram.size(), 0);
        queue_.pop_front();
    }
}

UdpRelay::Peer* UdpRelay::peerFor(const sockaddr_in& client)
{
    auto now = Clock::now();
    if (auto it = peers_.find(keyOf(client)); it != peers_.end()) {
        it->second.lastUsed = now;
        return &it->second;
    }
    forgetIdlePeers();
    if (peers_.size() >= kMaxPeers)
        return nullptr;
    int fd = boundSocket(agent_.sin_addr, 0);
    if (fd < 0)
        return nullptr;
    if (connect(fd, reinterpret_cast<const sockaddr*>(&agent_), sizeof agent_) != 0) {
        close(fd);
        return nullptr;
    }
    Peer& peer = peers_[keyOf(client)];
    peer = Peer{fd, client, now};
    return &peer;
}

void UdpRelay::forgetIdlePeers()
{
    auto now = Clock::now();
    for (auto it = peers_.begin(); it != peers_.end();) {
        if (now - it->second.lastUsed > kPeerIdle) {
            close(it->second.socket);
            it = peers_.erase(it);
        } else {
            ++it;
        }
    }
}
