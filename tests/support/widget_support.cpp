#include "support/widget_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QWidget>

namespace {

// Beyond two tries of the longest time-out a window sets.
constexpr int kClickWaitMs = 15000;

}  // namespace

bool WaitUntil(const std::function<bool()> &condition, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

std::unique_ptr<QTimer> WhenModal(const QString &name, std::function<void(QWidget *)> action) {
    auto poll = std::make_unique<QTimer>();
    poll->setInterval(10);
    QObject::connect(poll.get(), &QTimer::timeout, [timer = poll.get(), name, action = std::move(action)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal->objectName() != name) return;
        timer->stop();
        action(modal);
    });
    poll->start();
    return poll;
}

void SaveScreen(QWidget *widget, const QString &name) {
    const QString directory = qEnvironmentVariable("QSW_SCREENS_DIR");
    if (directory.isEmpty()) return;
    widget->grab().save(directory + QLatin1Char('/') + name + QStringLiteral(".png"));
}


void Click(const QObject *window, const char *name) {
    auto *button = Named<QAbstractButton>(window, name);
    const QPointer<QWidget> shown = button->window();
    QTest::mouseClick(button, Qt::LeftButton);
    AwaitIdle(shown);
}

void AwaitIdle(const QPointer<QWidget> &window) {
    WaitUntil([&] { return window.isNull() || window->cursor().shape() != Qt::BusyCursor; }, kClickWaitMs);
}

void TypeChoice(const QObject *window, const char *name, const QString &text) {
    auto *box = Named<QComboBox>(window, name);
    const int index = box->findText(text, Qt::MatchExactly);
    if (index < 0) throw std::logic_error("no item " + text.toStdString());
    // The choice as the drop-down reports a user's: its index, then its activation.
    box->setCurrentIndex(index);
    emit box->activated(index);
    emit box->textActivated(text);
}

QLabel *StatusPanel(const QObject *window) { return Named<QLabel>(window, "StatusPanel0"); }
