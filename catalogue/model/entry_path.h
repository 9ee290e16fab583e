#pragma once

#include <string>
#include <vector>

class MenuCatalogue;
struct MenuEntry;

struct FoundEntry {
    const MenuEntry *entry = nullptr;  // nullptr when no entry has that path
    std::vector<std::string> path;     // the captions as the catalogue spells them
};

// The entry named by its captions from the top-level menu down, joined by ">"; blanks around each
// caption and letter case do not matter. Separators are never found.
FoundEntry FindEntryByPath(const MenuCatalogue &catalogue, const std::string &text);
