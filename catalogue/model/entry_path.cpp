#include "catalogue/model/entry_path.h"

#include "catalogue/model/catalogue_model.h"

#include <algorithm>
#include <cctype>

std::string TrimmedCaption(const std::string &caption) {
    auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    auto begin = std::find_if_not(caption.begin(), caption.end(), blank);
    auto end = std::find_if_not(caption.rbegin(), std::make_reverse_iterator(begin), blank).base();
    return std::string(begin, end);
}

std::string FoldedCaption(const std::string &caption) {
    std::string out = TrimmedCaption(caption);
    for (char &c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

namespace {

std::vector<std::string> FoldedCaptions(const std::string &text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find('>', start)) != std::string::npos; start = at + 1)
        parts.push_back(FoldedCaption(text.substr(start, at - start)));
    parts.push_back(FoldedCaption(text.substr(start)));
    return parts;
}

const MenuEntry *FindIn(const std::vector<MenuEntry> &entries, const std::vector<std::string> &wanted,
                        std::size_t at, std::vector<std::string> &path) {
    for (const MenuEntry &e : entries) {
        if (e.kind == EntryKind::Separator || FoldedCaption(e.caption) != wanted[at]) continue;
        path.push_back(e.caption);
        if (at + 1 == wanted.size()) return &e;
        if (const MenuEntry *found = FindIn(e.children, wanted, at + 1, path)) return found;
        path.pop_back();
    }
    return nullptr;
}

}  // namespace

FoundEntry FindEntryByPath(const MenuCatalogue &catalogue, const std::string &text) {
    const std::vector<std::string> wanted = FoldedCaptions(text);
    FoundEntry found;
    if (wanted.size() < 2) return found;
    for (const Menu &menu : catalogue.menus()) {
        if (FoldedCaption(menu.caption) != wanted[0]) continue;
        found.path = {menu.caption};
        found.entry = FindIn(menu.entries, wanted, 1, found.path);
        if (found.entry != nullptr) return found;
    }
    return {};
}
