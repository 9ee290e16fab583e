#pragma once

#include "catalogue/model/catalogue_model.h"

#include <QList>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QAction;
class QLabel;
class QMenuBar;

// The named actions the main window offers the menu bar; every item dispatches to one of them.
struct MenuActions {
    std::function<void(const MenuEntry &)> openEntry;    // editor, table and pages entries
    std::function<void(const MenuEntry &)> openWindow;   // dedicated windows
    std::function<void(const MenuEntry &)> startModule;  // external modules
    std::function<void(const MenuEntry &)> runCommand;   // device commands
    std::function<void(const MenuEntry &)> openHelp;
};

// The menu bar's items by the catalogue entries they were made from.
class MenuBarItems {
public:
    // The item of an entry (a submenu's menu action); nullptr for separators and unknown entries.
    QAction *Item(const MenuEntry &entry) const;
    // An item mark of the menu data: v3Only, localLayoutOnly, followsRmonState.
    using Mark = bool MenuEntry::*;
    // Lets the items with a mark follow the main window's state. A disabled item says why in its
    // tooltip and status tip (whyNot; nothing when empty).
    void Enable(Mark mark, bool enabled, const QString &whyNot = {}) const;
    void Show(Mark mark, bool visible) const;

    const std::vector<std::pair<const MenuEntry *, QAction *>> &all() const { return items_; }

private:
    friend class MenuBarBuilder;
    std::vector<std::pair<const MenuEntry *, QAction *>> items_;
};

// Fills the menu bar with the catalogue's top-level menus and every one of their items, in menu
// order with separators and submenus.
MenuBarItems BuildMenuBar(QMenuBar *bar, const MenuCatalogue &catalogue, const MenuActions &actions);

// Shows the status tip of a disabled item the mouse is over on statusLine: a disabled item is never
// current, so the menus say nothing of it by themselves.
void ShowWhyDisabled(QMenuBar *bar, QLabel *statusLine);

// The object name of an entry's menu item: the name the menu data gives it, or its caption's letters
// and digits followed by "1".
QString MenuItemName(const std::string &caption, const std::string &objectName = {});
