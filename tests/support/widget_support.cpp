#include "support/widget_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

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
    QTest::mouseClick(Named<QAbstractButton>(window, name), Qt::LeftButton);
}

void TypeChoice(const QObject *window, const char *name, const QString &text) {
    auto *box = Named<QComboBox>(window, name);
    if (box->findText(text, Qt::MatchExactly) < 0) throw std::logic_error("no item " + text.toStdString());
    box->setFocus();
    if (QLineEdit *edit = box->lineEdit()) {
        // An editable drop-down takes the typed text with Return.
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    } else {
        // Typing selects the first item that starts with the text; an item that is a prefix of
        // another placed earlier would be missed, which the check below reports.
        QTest::keyClicks(box, text);
    }
    if (box->currentText() != text) throw std::logic_error("typing did not choose " + text.toStdString());
}

QLabel *StatusPanel(const QObject *window) { return Named<QLabel>(window, "StatusPanel0"); }
