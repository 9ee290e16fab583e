#pragma once

#include <string>
#include <vector>

class MenuCatalogue;

// The module's help: an HTML guide to its windows and to every entry of its menu catalogue, with
// the settings each editor and table shows, after a contents list linking every section.
std::string HelpDocument(const MenuCatalogue &catalogue);

// The anchor of a menu's or an entry's section, named by its captions from the top-level menu
// down: the words in lower case joined by '-', so "Basic Configuration>MIB II>IF Table" is
// "menu-basic-configuration-mib-ii-if-table".
std::string HelpAnchor(const std::vector<std::string> &path);

// The sections of the windows that belong to no entry: the main window (the top) and the contents.
inline constexpr char kHelpMainWindowAnchor[] = "main-window";
inline constexpr char kHelpContentsAnchor[] = "contents";
