#pragma once

#include <string>

class MenuCatalogue;

// The whole catalogue as JSON: the top-level menus, then every entry (submenus and separators left
// out) with its path of captions, kind, title, window adjustments and bindings with their records.
std::string CatalogueJson(const MenuCatalogue &catalogue);
