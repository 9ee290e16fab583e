#include "snmpd_runner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QTextStream>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace {

constexpr int kStartAttempts = 3;
constexpr int kReadyTimeoutMs = 10000;
constexpr char kSnmpd[] = "/usr/sbin/snmpd";

}  // namespace

std::uint16_t FreeUdpPort() {
    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (s < 0) throw std::runtime_error("no UDP socket");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    const bool ok = ::bind(s, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
                    ::getsockname(s, reinterpret_cast<sockaddr *>(&address), &length) == 0;
    ::close(s);
    if (!ok) throw std::runtime_error("no free UDP port");
    return ntohs(address.sin_port);
}

SnmpdRunner::SnmpdRunner(QStringList extraConfiguration)
    : extraConfiguration_(std::move(extraConfiguration)), engineId_(QRandomGenerator::global()->generate()) {
    if (!dir_.isValid() || !QDir(dir_.path()).mkdir("conf")) throw std::runtime_error("no temporary folder for snmpd");
    for (int attempt = 0; attempt < kStartAttempts; ++attempt) {
        if (StartOn(FreeUdpPort())) return;
    }
    throw std::runtime_error("snmpd did not start");
}

SnmpdRunner::~SnmpdRunner() { Stop(); }

bool SnmpdRunner::running() const { return process_ && process_->state() == QProcess::Running; }

void SnmpdRunner::Stop() {
    if (!process_) return;
    if (process_->state() != QProcess::NotRunning) {
        process_->terminate();
        if (!process_->waitForFinished(3000)) {
            process_->kill();
            process_->waitForFinished(3000);
        }
    }
    process_.reset();
}

void SnmpdRunner::Restart() {
    Stop();
    if (!StartOn(port_)) throw std::runtime_error("snmpd did not start again");
}

qint64 SnmpdRunner::processId() const { return process_ ? process_->processId() : 0; }

void SnmpdRunner::WriteConfiguration(std::uint16_t port) const {
    // Apart from the persistent folder: snmpd rewrites its persistent snmpd.conf when it stops.
    QFile file(dir_.filePath("conf/snmpd.conf"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write snmpd.conf");
    QTextStream out(&file);
    // An engine ID per agent, so that v3 keys localised for one agent never match another; kept
    // across restarts, so that a restarted agent is the same engine with its boots counted up.
    out << "engineID qswtest" << engineId_ << "\n";
    out << "agentaddress udp:127.0.0.1:" << port << "\n";
    out << "dontLogTCPWrappersConnects yes\n";
    out << "sysservices 72\n";
    out << "view systemonly included .1.3.6.1.2.1.1\n";
    out << "rocommunity " << kReadCommunity << " 127.0.0.1\n";
    out << "rwcommunity " << kWriteCommunity << " 127.0.0.1\n";
    out << "rocommunity " << kLimitedCommunity << " 127.0.0.1 -V systemonly\n";
    out << "createUser " << kMd5Des.name << " MD5 " << kMd5Des.authPass << " DES " << kMd5Des.privPass << "\n";
    out << "createUser " << kShaAes.name << " SHA " << kShaAes.authPass << " AES " << kShaAes.privPass << "\n";
    out << "createUser " << kAuthOnly.name << " MD5 " << kAuthOnly.authPass << "\n";
    out << "rwuser " << kMd5Des.name << " priv\n";
    out << "rwuser " << kShaAes.name << " priv\n";
    out << "rwuser " << kAuthOnly.name << " auth\n";
    for (const QString &line : extraConfiguration_) out << line << "\n";
}

bool SnmpdRunner::StartOn(std::uint16_t port) {
    Stop();
    WriteConfiguration(port);
    process_ = std::make_unique<QProcess>();
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("SNMP_PERSISTENT_DIR", dir_.path());
    // Only these folders: no system-wide configuration, and the persistent one so that the engine's
    // boots are read back (-C would skip them too).
    environment.insert("SNMPCONFPATH", dir_.filePath("conf") + ":" + dir_.path());
    environment.insert("MIBS", "");
    process_->setProcessEnvironment(environment);
    process_->setProcessChannelMode(QProcess::MergedChannels);
    process_->start(kSnmpd, {"-f", "-Lo", "-p", dir_.filePath("snmpd.pid"), "-M", dir_.path()});
    if (!process_->waitForStarted(5000)) return false;
    QByteArray output;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kReadyTimeoutMs) {
        process_->waitForReadyRead(100);
        output += process_->readAll();
        if (output.contains("NET-SNMP version")) {
            process_->closeReadChannel(QProcess::StandardOutput);
            port_ = port;
            return true;
        }
        if (process_->state() == QProcess::NotRunning) return false;
    }
    return false;
}
