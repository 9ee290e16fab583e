#pragma once

#include <string>

class MenuCatalogue;

// The module's help: an HTML guide to its windows and to every entry of its menu catalogue, with
// the settings each editor and table shows.
std::string HelpDocument(const MenuCatalogue &catalogue);
