#pragma once

#include <QObject>
#include <QString>

#include <functional>

// F1 anywhere in the module (the main window, its menus, every window and dialog it opens): the
// help at the section of the menu item or window it was pressed in (forms/help_topic.h).
class HelpKey : public QObject {
public:
    // open gets the section's anchor; the filter lives as long as parent.
    HelpKey(std::function<void(const QString &anchor)> open, QObject *parent);
    ~HelpKey() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const QString &)> open_;
};
