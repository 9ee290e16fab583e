#include "binding/ui/message_box.h"

#include "engine/event_pump.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

#include <deque>

namespace {

struct Record {
    std::deque<MessageBox::Button> answers;
    QString caption;
    QString text;
    int shown = 0;
    int unanswered = 0;
};

Record &record() {
    static Record r;
    return r;
}

QMessageBox::Icon ToolkitIcon(MessageBox::Icon icon) {
    switch (icon) {
    case MessageBox::Icon::Information: return QMessageBox::Information;
    case MessageBox::Icon::Warning: return QMessageBox::Warning;
    case MessageBox::Icon::Error: return QMessageBox::Critical;
    case MessageBox::Icon::Question: return QMessageBox::Question;
    case MessageBox::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MessageBox::Button MessageBox::Ok(QWidget *parent, const QString &caption, const QString &text, Icon icon) {
    return Show(parent, caption, text, QMessageBox::Ok, QMessageBox::Ok, icon);
}

MessageBox::Button MessageBox::YesNo(QWidget *parent, const QString &caption, const QString &text, Icon icon) {
    return Show(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, icon);
}

MessageBox::Button MessageBox::YesNoChange(QWidget *parent, const QString &caption, const QString &text, Icon icon) {
    return Show(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, icon);
}

MessageBox::Button MessageBox::OkCancel(QWidget *parent, const QString &caption, const QString &text,
                                        Icon icon) {
    return Show(parent, caption, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, icon);
}

QString MessageBox::ModuleCaption() { return QCoreApplication::applicationName(); }

MessageBox::Button MessageBox::Show(QWidget *parent, const QString &caption, const QString &text,
                                    QMessageBox::StandardButtons buttons, Button defaultButton, Icon icon) {
    Record &r = record();
    r.caption = caption;
    r.text = text;
    ++r.shown;
    if (!r.answers.empty()) {
        const Button answer = r.answers.front();
        r.answers.pop_front();
        return answer;
    }
    // Nobody could press a button on the offscreen platform: a modal loop there would never end.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        ++r.unanswered;
        return defaultButton;
    }
    QMessageBox box(ToolkitIcon(icon), caption, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return static_cast<Button>(box.exec());
}

void MessageBox::Tell(QWidget *parent, const QString &caption, const QString &text, Icon icon) {
    if (!EventProcessor.IsProcessing()) {
        Ok(parent, caption, text, icon);
        return;
    }
    QObject *context = parent != nullptr ? static_cast<QObject *>(parent) : QCoreApplication::instance();
    QTimer::singleShot(0, context, [parent, caption, text, icon] { Ok(parent, caption, text, icon); });
}

void MessageBox::setNextAnswer(Button button) { record().answers.push_back(button); }

QString MessageBox::lastCaption() { return record().caption; }

QString MessageBox::lastText() { return record().text; }

int MessageBox::shownCount() { return record().shown; }

int MessageBox::unansweredCount() { return record().unanswered; }

void MessageBox::reset() { record() = Record(); }
