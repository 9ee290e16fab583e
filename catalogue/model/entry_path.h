#pragma once

#include <string>
#include <vector>

class MenuCatalogue;
struct MenuEntry;

struct FoundEntry {
    const MenuEntry *entry = nullptr;  // nullptr when no entry has that path
    std::vector<std::string> path;     // the captions as the catalogue spells them
};

// Labels carry blanks that widen their window column; a script wants the words.
std::string TrimmedCaption(const std::string &caption);
// A caption as the finders compare it: trimmed, letters in lower case.
std::string FoldedCaption(const std::string &caption);

// The entry named by its captions from the top-level menu down, joined by ">"; blanks around each
// caption and letter case do not matter. Separators are never found.
FoundEntry FindEntryByPath(const MenuCatalogue &catalogue, const std::string &text);
// The entry a write names, and in page the page when the last caption names one of a pages entry
// rather than an entry of its own.
FoundEntry FindWriteEntry(const MenuCatalogue &catalogue, const std::string &text, std::string &page);

// The captions from the top-level menu down to this entry of the catalogue; empty for an entry
// that is not one of its own.
std::vector<std::string> EntryPath(const MenuCatalogue &catalogue, const MenuEntry &entry);
