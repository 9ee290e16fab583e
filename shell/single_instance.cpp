#include "shell/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QWidget>

namespace {

constexpr int kAnswerWaitMs = 1000;
const char kRaiseRequest[] = "raise\n";

}  // namespace

QString SingleInstance::SocketName(const QString &title) {
    QString name = title;
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return QStringLiteral("qsw7400-") + name;
}

bool SingleInstance::HandOver(const QString &title) {
    QLocalSocket socket;
    socket.connectToServer(SocketName(title));
    if (!socket.waitForConnected(kAnswerWaitMs)) return false;
    socket.write(kRaiseRequest);
    return socket.waitForBytesWritten(kAnswerWaitMs);
}

SingleInstance::SingleInstance(const QString &title, QWidget *window)
    : server_(new QLocalServer(this)), window_(window) {
    const QString name = SocketName(title);
    // A socket left behind by an instance that crashed answers nobody; take its place.
    if (!server_->listen(name) && !HandOver(title)) {
        QLocalServer::removeServer(name);
        server_->listen(name);
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains('\n')) RaiseWindow();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

SingleInstance::~SingleInstance() { server_->close(); }

bool SingleInstance::isListening() const { return server_->isListening(); }

void SingleInstance::RaiseWindow() {
    if (!window_) return;
    window_->showNormal();
    window_->raise();
    window_->activateWindow();
}
