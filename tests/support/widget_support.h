#pragma once
// Waiting on and driving real widgets in tests.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

class QWidget;

// Processes events until the condition holds; false after the time-out.
bool WaitUntil(const std::function<bool()> &condition, int timeoutMs = 10000);

// Runs action on the modal dialog called name as soon as it is shown (polled from the event loop)
// while the returned watcher lives.
[[nodiscard]] std::unique_ptr<QTimer> WhenModal(const QString &name, std::function<void(QWidget *)> action);

// With QSW_SCREENS_DIR set, saves a picture of the widget there for a look by eye.
void SaveScreen(QWidget *widget, const QString &name);

// The control called name inside window, found the way a user's eye would: by the name the design
// gives it. A control that is missing or of another kind fails the test.
template <class Control>
Control *Named(const QObject *window, const char *name) {
    auto *control = window->findChild<Control *>(QString::fromLatin1(name));
    if (control == nullptr) throw std::logic_error(std::string("no control called ") + name);
    return control;
}

class QLabel;
// The one panel of a window's status bar.
QLabel *StatusPanel(const QObject *window);

// A left mouse click on the button called name inside window, then AwaitIdle of its window.
void Click(const QObject *window, const char *name);
// As a user would: waits while the window shows the busy cursor of an exchange it started (or until
// it has gone).
void AwaitIdle(const QPointer<QWidget> &window);

// The item labelled text chosen in the drop-down called name, reported as a user's choice.
void TypeChoice(const QObject *window, const char *name, const QString &text);
