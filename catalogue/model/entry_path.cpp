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

FoundEntry FindEntryByPath(const MenuCatalogue &catalogue, const std::string &text) {
    std::vector<std::string> captions;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find('>', start)) != std::string::npos; start = at + 1)
        captions.push_back(text.substr(start, at - start));
    captions.push_back(text.substr(start));
    FoundEntry found;
    found.entry = catalogue.Find(captions, MenuCatalogue::CaptionMatch::Folded, &found.path);
    if (found.entry == nullptr) found.path.clear();
    return found;
}

FoundEntry FindWriteEntry(const MenuCatalogue &catalogue, const std::string &text, std::string &page) {
    FoundEntry found = FindEntryByPath(catalogue, text);
    const std::size_t last = text.rfind('>');
    if (found.entry != nullptr || last == std::string::npos) return found;
    found = FindEntryByPath(catalogue, text.substr(0, last));
    if (found.entry == nullptr || found.entry->kind != EntryKind::Pages) return {};
    page = text.substr(last + 1);
    return found;
}

namespace {

bool PathTo(const std::vector<MenuEntry> &entries, const MenuEntry &wanted, std::vector<std::string> &path) {
    for (const MenuEntry &e : entries) {
        path.push_back(e.caption);
        if (&e == &wanted || PathTo(e.children, wanted, path)) return true;
        path.pop_back();
    }
    return false;
}

}  // namespace

std::vector<std::string> EntryPath(const MenuCatalogue &catalogue, const MenuEntry &entry) {
    for (const Menu &menu : catalogue.menus()) {
        std::vector<std::string> path{menu.caption};
        if (PathTo(menu.entries, entry, path)) return path;
    }
    return {};
}
