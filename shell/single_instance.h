#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QLocalServer;
class QWidget;

// One module per device: the first instance for a host listens on a local socket named after its
// main window's title; a later start for the same host asks it to come to the front and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // A valid local socket name for a window title.
    static QString SocketName(const QString &title);

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
