#pragma once

#include <set>
#include <string>

class MenuCatalogue;

// The whole catalogue as JSON: the top-level menus, then every entry (submenus and separators left
// out) with its path of captions, kind, title, window adjustments and panels with their records.
// Window entries say whether their window is available: whether its class is among windowClasses.
std::string CatalogueJson(const MenuCatalogue &catalogue, const std::set<std::string> &windowClasses);
