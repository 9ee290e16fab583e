#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QLocalServer;
class QWidget;

// One module per device, user and display: the first instance for a host listens on a local socket
// named after its main window's title in a folder only its user can enter; a later start by the same
// user on the same display asks it to come to the front and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // A valid local socket name for a window title on the current display.
    static QString SocketName(const QString &title);

    // The user's private folder for these sockets in the temporary directory (mode 0700, owned by
    // the user, no link), created when missing; empty when it is not private, so that nobody else
    // can take a socket's place or answer in it.
    static QString PrivateDirectory();

    // Where the socket for a title lies; empty without a private folder.
    static QString SocketPath(const QString &title);

    // Tells a running instance with this title to raise its window; false when none answers.
    static bool HandOver(const QString &title);

    // Listens for later starts and raises window when one arrives.
    SingleInstance(const QString &title, QWidget *window);
    ~SingleInstance() override;

    bool isListening() const;

private:
    void RaiseWindow();

    QLocalServer *server_;
    QPointer<QWidget> window_;
};
