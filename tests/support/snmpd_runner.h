#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>
#include <string>

// Debian's snmpd on 127.0.0.1 at a free UDP port, with a configuration of its own in a temporary
// folder; stopped by the destructor. Communities "public" (read) and "private" (write); v3 users
// "md5des" (MD5/DES, authPriv), "shaaes" (SHA/AES, authPriv), "authonly" (MD5, authNoPriv).
// Community "limited" (v1/v2c, read) sees the system group only, so its walks meet the end of the
// agent's view. sysContact and sysLocation stay writable.
class SnmpdRunner {
public:
    struct User {
        const char *name;
        const char *authPass;
        const char *privPass;
    };
    static constexpr User kMd5Des{"md5des", "md5desAuthPass", "md5desPrivPass"};
    static constexpr User kShaAes{"shaaes", "shaaesAuthPass", "shaaesPrivPass"};
    static constexpr User kAuthOnly{"authonly", "authonlyPass", ""};
    static constexpr char kReadCommunity[] = "public";
    static constexpr char kWriteCommunity[] = "private";
    static constexpr char kLimitedCommunity[] = "limited";

    // Starts the agent and waits until it answers; throws std::runtime_error when it does not.
    // extraConfiguration: lines added to its snmpd.conf (users of a test's own).
    explicit SnmpdRunner(QStringList extraConfiguration = {});
    ~SnmpdRunner();
    SnmpdRunner(const SnmpdRunner &) = delete;
    SnmpdRunner &operator=(const SnmpdRunner &) = delete;

    std::uint16_t port() const { return port_; }
    bool running() const;
    void Stop();
    // Stops the agent and starts it again on the same port with the same engine ID and persistent
    // folder: the same engine, its boots counted up. Throws std::runtime_error when it does not start.
    void Restart();
    qint64 processId() const;

private:
    bool StartOn(std::uint16_t port);
    void WriteConfiguration(std::uint16_t port) const;

    QTemporaryDir dir_;
    const QStringList extraConfiguration_;
    const std::uint32_t engineId_;
    std::unique_ptr<QProcess> process_;
    std::uint16_t port_ = 0;
};

// A UDP port on 127.0.0.1 that nothing listens on at the moment of the call.
std::uint16_t FreeUdpPort();
