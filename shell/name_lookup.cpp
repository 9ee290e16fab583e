#include "shell/host_resolver.h"

#include <QHostAddress>
#include <QHostInfo>

std::optional<std::string> LookUpIPv4(const std::string &hostName) {
    const QHostInfo info = QHostInfo::fromName(QString::fromStdString(hostName));
    for (const QHostAddress &address : info.addresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol) return address.toString().toStdString();
    return std::nullopt;
}
