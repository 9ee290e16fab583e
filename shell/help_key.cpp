#include "shell/help_key.h"

#include "forms/help_topic.h"
#include "shell/help_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

HelpKey::HelpKey(std::function<void(const QString &)> open, QObject *parent)
    : QObject(parent), open_(std::move(open)) {
    qApp->installEventFilter(this);
}

HelpKey::~HelpKey() { qApp->removeEventFilter(this); }

bool HelpKey::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || widget == nullptr) return false;
    // The help window's own F1 changes nothing.
    if (qobject_cast<HelpWindow *>(widget->window()) != nullptr) return true;
    open_(HelpTopicOf(widget));
    return true;
}
