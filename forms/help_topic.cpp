#include "forms/help_topic.h"

#include <QAction>
#include <QMenu>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char kProperty[] = "helpTopic";

}  // namespace

void SetHelpTopic(QObject &windowOrItem, const QString &anchor) { windowOrItem.setProperty(kProperty, anchor); }

QString HelpTopicOf(const QWidget *widget) {
    if (const auto *menu = qobject_cast<const QMenu *>(widget); menu != nullptr && menu->activeAction() != nullptr) {
        const QVariant topic = menu->activeAction()->property(kProperty);
        if (topic.isValid()) return topic.toString();
    }
    for (const QWidget *w = widget != nullptr ? widget->window() : nullptr; w != nullptr;
         w = w->parentWidget() != nullptr ? w->parentWidget()->window() : nullptr) {
        const QVariant topic = w->property(kProperty);
        if (topic.isValid()) return topic.toString();
    }
    return {};
}
