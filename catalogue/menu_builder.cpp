#include "catalogue/menu_builder.h"

#include "catalogue/model/catalogue_model.h"
#include "shell/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// Takes the shell's items out of a menu so the catalogue can put them back in its order.
QList<QAction *> TakeItems(QMenu *menu) {
    QList<QAction *> items = menu->actions();
    for (QAction *item : items) menu->removeAction(item);
    return items;
}

QAction *Reuse(QList<QAction *> &spare, const QString &caption, bool submenu) {
    for (QAction *item : spare) {
        if ((item->menu() != nullptr) == submenu && !item->isSeparator() && item->text() == caption) {
            spare.removeOne(item);
            return item;
        }
    }
    return nullptr;
}

void AddEntries(QMenu *menu, const std::vector<MenuEntry> &entries, QList<QAction *> &spare,
                const MenuActions &actions) {
    for (const MenuEntry &e : entries) {
        const QString caption = QString::fromStdString(e.caption);
        if (e.kind == EntryKind::Separator) {
            menu->addSeparator();
            continue;
        }
        const QString name = e.objectName.empty() ? MenuItemName(e.caption) : QString::fromStdString(e.objectName);
        if (e.kind == EntryKind::Submenu) {
            QAction *shellItem = Reuse(spare, caption, true);
            QMenu *sub = shellItem != nullptr ? shellItem->menu() : new QMenu(caption, menu);
            menu->addMenu(sub);
            if (shellItem == nullptr) {
                sub->setObjectName(name);
                sub->menuAction()->setObjectName(name);
            }
            AddEntries(sub, e.children, spare, actions);
            continue;
        }
        QAction *item = Reuse(spare, caption, false);
        const bool reused = item != nullptr;
        if (reused) {
            menu->addAction(item);
        } else {
            item = menu->addAction(caption);
            item->setObjectName(name);
        }
        switch (e.kind) {
        case EntryKind::Editor:
        case EntryKind::Table:
        case EntryKind::Pages:
            QObject::connect(item, &QAction::triggered, item, [&e, open = actions.openEntry] { open(e); });
            break;
        case EntryKind::ExternalModule:
            if (reused) break;  // the shell starts its own module items
            QObject::connect(item, &QAction::triggered, item,
                             [argument = e.argument, launch = actions.launchModule] { launch(argument); });
            break;
        default:
            // Dedicated windows come with their own windows; until then the entry is there but off.
            if (!reused) item->setEnabled(false);
            break;
        }
    }
}

}  // namespace

QString MenuItemName(const std::string &caption) {
    QString name;
    for (QChar c : QString::fromStdString(caption)) {
        if (c.isLetterOrNumber()) name += c;
    }
    return name + QLatin1Char('1');
}

void BuildCatalogueMenus(QMenuBar *bar, const MenuCatalogue &catalogue, const MenuActions &actions) {
    for (const Menu &m : catalogue.menus()) {
        QMenu *menu = TopLevelMenu(bar, QString::fromStdString(m.caption));
        if (menu == nullptr || m.entries.empty()) continue;
        QList<QAction *> spare = TakeItems(menu);
        AddEntries(menu, m.entries, spare, actions);
        // Shell items the catalogue does not list keep their place after it.
        for (QAction *item : spare) menu->addAction(item);
    }
}
