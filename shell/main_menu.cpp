#include "shell/main_menu.h"

#include "catalogue/menu_builder.h"
#include "catalogue/model/catalogue_model.h"

#include <QMenu>
#include <QMenuBar>

namespace {

QAction *Item(QMenu *menu, const char *caption, const char *name) {
    QAction *action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction *Submenu(QMenu *menu, const char *caption, const char *name) {
    QMenu *submenu = menu->addMenu(QString::fromLatin1(caption));
    submenu->setObjectName(QString::fromLatin1(name));
    submenu->menuAction()->setObjectName(QString::fromLatin1(name));
    return submenu->menuAction();
}

}  // namespace

QMenu *TopLevelMenu(QMenuBar *bar, const QString &caption) {
    for (QAction *action : bar->actions())
        if (action->menu() && action->text() == caption) return action->menu();
    return nullptr;
}

MainMenuItems BuildMainMenu(QMenuBar *bar) {
    bar->setObjectName(QStringLiteral("MainMenu"));
    // The catalogue knows the menu bar's menus, captions exactly as shown.
    for (const Menu &top : MenuCatalogue::Instance().menus()) {
        QMenu *menu = bar->addMenu(QString::fromStdString(top.caption));
        menu->setObjectName(MenuItemName(top.caption));
    }
    auto menu = [bar](const char *caption) { return TopLevelMenu(bar, QString::fromLatin1(caption)); };

    MainMenuItems items;
    items.bar = bar;
    QMenu *basic = menu("Basic Configuration");
    items.saveChanges = Item(basic, "Save Changes", "SaveChanges1");
    items.reboot = Item(basic, "Reboot", "Reboot1");

    QMenu *rmon = menu("RMON");
    items.rmonStatistics = Item(rmon, "Statistics", "RmonStatistics1");
    items.rmonHistory = Item(rmon, "History", "RmonHistory1");
    items.rmonAlarmEvent = Item(rmon, "Alarm/Event", "RmonAlarmEvent1");

    QMenu *v3 = menu("SNMP V3");
    items.snmpConfigure = Item(v3, "SNMP Configure", "SNMPConfigure1");
    items.snmpV3 = {Item(v3, "SNMP Engine", "Engine"),
                    Item(v3, "Message Processing and Dispatching", "MPD"),
                    Submenu(v3, "SNMP Target MIB", "TARGET"),
                    Submenu(v3, "User-based Security Model", "USM"),
                    Submenu(v3, "View-based Access Control Model", "VACM"),
                    Submenu(v3, "Notifications", "Notification1"),
                    Submenu(v3, "Community", "CommunityMIB")};

    items.help = Item(menu("Help"), "Help", "H1");
    return items;
}
