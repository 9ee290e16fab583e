#include "shell/single_instance.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QWidget>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kAnswerWaitMs = 1000;
const char kRaiseRequest[] = "raise\n";

}  // namespace

QString SingleInstance::SocketName(const QString &title) {
    // A second display of the same user is another desk: its windows are not handed over.
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
    QString name = (display.isEmpty() ? QStringLiteral("nodisplay") : display) + QStringLiteral("-") + title;
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return QStringLiteral("qsw7400-") + name;
}

QString SingleInstance::PrivateDirectory() {
    const QString path = QDir::temp().filePath(QStringLiteral("qsw7400-%1").arg(::geteuid()));
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) return {};
    struct stat st {};
    // Made by someone else, or open to others: a socket there could be taken or answered by them.
    if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() ||
        (st.st_mode & 077) != 0)
        return {};
    return path;
}

QString SingleInstance::SocketPath(const QString &title) {
    const QString directory = PrivateDirectory();
    return directory.isEmpty() ? QString() : QDir(directory).filePath(SocketName(title));
}

bool SingleInstance::HandOver(const QString &title) {
    const QString path = SocketPath(title);
    if (path.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(kAnswerWaitMs)) return false;
    socket.write(kRaiseRequest);
    return socket.waitForBytesWritten(kAnswerWaitMs);
}

SingleInstance::SingleInstance(const QString &title, QWidget *window)
    : server_(new QLocalServer(this)), window_(window) {
    const QString name = SocketPath(title);
    if (name.isEmpty()) return;
    server_->setSocketOptions(QLocalServer::UserAccessOption);
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
