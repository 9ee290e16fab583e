#pragma once

#include <QString>

#include <functional>
#include <string>

class QAction;
class QMenuBar;
class MenuCatalogue;
struct MenuEntry;

// What the menu bar's entries dispatch to besides the generic recipe.
struct MenuActions {
    std::function<void(const MenuEntry &)> openEntry;              // editor, table and pages entries
    std::function<void(const std::string &argument)> launchModule;  // external module entries
};

// Fills the menu bar's top-level menus with the catalogue's entries, in menu order with their
// separators and submenus. Items the shell already placed (commands, help, module items) are
// reused where an entry carries the same caption, so they keep their handlers. Window entries stay
// disabled until their windows exist.
void BuildCatalogueMenus(QMenuBar *bar, const MenuCatalogue &catalogue, const MenuActions &actions);

// The object name of an entry's menu item: its caption's letters and digits followed by "1".
QString MenuItemName(const std::string &caption);
