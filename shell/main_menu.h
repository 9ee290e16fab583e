#pragma once

#include <QList>

class QAction;
class QMenu;
class QMenuBar;

// The items of the main window's menu bar the shell itself acts on; the catalogue fills the rest.
struct MainMenuItems {
    QMenuBar *bar = nullptr;
    QAction *saveChanges = nullptr;
    QAction *reboot = nullptr;
    QAction *rmonStatistics = nullptr;
    QAction *rmonHistory = nullptr;
    QAction *rmonAlarmEvent = nullptr;
    QAction *snmpConfigure = nullptr;
    QAction *help = nullptr;
    QList<QAction *> snmpV3;  // usable on SNMPv3 sessions only

    QList<QAction *> rmonModules() const { return {rmonStatistics, rmonHistory, rmonAlarmEvent}; }
};

// Builds the top-level menus, in menu-bar order, and the shell's own items into bar.
MainMenuItems BuildMainMenu(QMenuBar *bar);

// The top-level menu with this caption, or null.
QMenu *TopLevelMenu(QMenuBar *bar, const QString &caption);
