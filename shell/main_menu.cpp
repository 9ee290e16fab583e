#include "shell/main_menu.h"

#include <QMenu>
#include <QMenuBar>

namespace {

struct TopLevel {
    const char *caption;
    const char *name;
};

// Captions exactly as shown, trailing blank of "Security " included.
constexpr TopLevel kTopLevel[] = {
    {"Basic Configuration", "BasicConfiguration1"},
    {"Single IP Configuration", "SingleIPConfiguration1"},
    {"Bridge", "Bridge1"},
    {"VLAN", "VLAN1"},
    {"RMON", "RMON1"},
    {"SNMP V3", "SNMPV31"},
    {"Security ", "Security1"},
    {"Layer2 Management", "Layer2Management1"},
    {"Layer 3 Management", "Layer3Management1"},
    {"Help", "Help1"},
};

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
    for (const TopLevel &top : kTopLevel) {
        QMenu *menu = bar->addMenu(QString::fromLatin1(top.caption));
        menu->setObjectName(QString::fromLatin1(top.name));
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
