#pragma once
// Waiting on and driving real widgets in tests.
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class QWidget;

// Processes events until the condition holds; false after the time-out.
bool WaitUntil(const std::function<bool()> &condition, int timeoutMs = 10000);

// Runs action on the modal dialog called name as soon as it is shown (polled from the event loop)
// while the returned watcher lives.
[[nodiscard]] std::unique_ptr<QTimer> WhenModal(const QString &name, std::function<void(QWidget *)> action);

// With QSW_SCREENS_DIR set, saves a picture of the widget there for a look by eye.
void SaveScreen(QWidget *widget, const QString &name);
