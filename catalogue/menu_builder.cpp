#include "catalogue/menu_builder.h"

#include "catalogue/model/help_document.h"
#include "forms/help_topic.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>


class MenuBarBuilder {
public:
    explicit MenuBarBuilder(const MenuActions &actions) : actions_(actions) {}

    void AddEntries(QMenu *menu, const std::vector<MenuEntry> &entries) {
        for (const MenuEntry &e : entries) {
            if (e.kind == EntryKind::Separator) {
                menu->addSeparator();
                continue;
            }
            path_.push_back(e.caption);
            const QString caption = QString::fromStdString(e.caption);
            QAction *item = nullptr;
            if (e.kind == EntryKind::Submenu) {
                QMenu *sub = menu->addMenu(caption);
                sub->setObjectName(MenuItemName(e.caption, e.objectName));
                item = sub->menuAction();
                AddEntries(sub, e.children);
            } else {
                item = menu->addAction(caption);
                Dispatch(item, e);
            }
            item->setObjectName(MenuItemName(e.caption, e.objectName));
            SetHelpTopic(*item, QString::fromStdString(HelpAnchor(path_)));
            items_.items_.emplace_back(&e, item);
            path_.pop_back();
        }
    }

    void StartMenu(const std::string &caption) { path_ = {caption}; }

    MenuBarItems Take() { return std::move(items_); }

private:
    void Dispatch(QAction *item, const MenuEntry &e) {
        const std::function<void(const MenuEntry &)> *action = nullptr;
        switch (e.kind) {
        case EntryKind::Editor:
        case EntryKind::Table:
        case EntryKind::Pages: action = &actions_.openEntry; break;
        case EntryKind::Window: action = &actions_.openWindow; break;
        case EntryKind::ExternalModule: action = &actions_.startModule; break;
        case EntryKind::Command: action = &actions_.runCommand; break;
        case EntryKind::Help: action = &actions_.openHelp; break;
        case EntryKind::Submenu:
        case EntryKind::Separator: return;
        }
        QObject::connect(item, &QAction::triggered, item, [&e, run = *action] { run(e); });
    }

    const MenuActions &actions_;
    MenuBarItems items_;
    std::vector<std::string> path_;  // captions down to the entry being added
};

QAction *MenuBarItems::Item(const MenuEntry &entry) const {
    for (const auto &[e, item] : items_)
        if (e == &entry) return item;
    return nullptr;
}

void MenuBarItems::Enable(Mark mark, bool enabled, const QString &whyNot) const {
    for (const auto &[e, item] : items_) {
        if (!(e->*mark)) continue;
        item->setEnabled(enabled);
        item->setToolTip(enabled ? QString() : whyNot);
        item->setStatusTip(enabled ? QString() : whyNot);
    }
}

namespace {

class DisabledItemHints : public QObject {
public:
    DisabledItemHints(QObject *parent, QLabel *statusLine) : QObject(parent), statusLine_(statusLine) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::MouseMove && statusLine_ != nullptr) {
            const auto *menu = static_cast<QMenu *>(watched);
            const QAction *item = menu->actionAt(static_cast<QMouseEvent *>(event)->position().toPoint());
            if (item != nullptr && !item->isEnabled() && !item->statusTip().isEmpty())
                statusLine_->setText(item->statusTip());
        }
        return false;
    }

private:
    QPointer<QLabel> statusLine_;
};

}  // namespace

void ShowWhyDisabled(QMenuBar *bar, QLabel *statusLine) {
    auto *hints = new DisabledItemHints(bar, statusLine);
    for (QMenu *menu : bar->findChildren<QMenu *>()) {
        menu->setToolTipsVisible(true);
        menu->installEventFilter(hints);
    }
}

void MenuBarItems::Show(Mark mark, bool visible) const {
    for (const auto &[e, item] : items_)
        if (e->*mark) item->setVisible(visible);
}

QString MenuItemName(const std::string &caption, const std::string &objectName) {
    if (!objectName.empty()) return QString::fromStdString(objectName);
    QString name;
    for (QChar c : QString::fromStdString(caption)) {
        if (c.isLetterOrNumber()) name += c;
    }
    return name + QLatin1Char('1');
}

MenuBarItems BuildMenuBar(QMenuBar *bar, const MenuCatalogue &catalogue, const MenuActions &actions) {
    bar->setObjectName(QStringLiteral("MainMenu"));
    MenuBarBuilder builder(actions);
    for (const Menu &m : catalogue.menus()) {
        QMenu *menu = bar->addMenu(QString::fromStdString(m.caption));
        menu->setObjectName(MenuItemName(m.caption));
        builder.StartMenu(m.caption);
        builder.AddEntries(menu, m.entries);
    }
    return builder.Take();
}
