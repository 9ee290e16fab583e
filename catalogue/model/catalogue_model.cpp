#include "catalogue/model/catalogue_model.h"

#include "catalogue/model/entry_path.h"
#include "engine/number_text.h"
#include "engine/option_list.h"

bool PanelRecipe::HasAdjustment(Adjustment::Type type) const {
    for (const Adjustment &a : adjustments) {
        if (a.type == type) return true;
    }
    return false;
}

void PanelRecipe::BuildTable() {
    descriptors_.clear();
    descriptors_.reserve(records.size() + 1);
    for (const CatalogueRecord &r : records) {
        descriptors_.push_back({r.oid.c_str(), r.label.c_str(), r.syntax, r.access, r.options});
    }
    descriptors_.push_back({nullptr, nullptr, 0, 0, nullptr});
}

std::string EntryCaption(const MenuEntry &entry, const std::string &hostText) {
    return entry.titleWithHost ? entry.title + hostText : entry.title;
}

const VdOptionList *MenuCatalogue::SharedOptionList(
    int valueKind, const std::vector<std::pair<std::string, std::string>> &entries) {
    // Identical enumerations share one list; the key spells kind, values and labels unambiguously.
    std::string key = std::to_string(valueKind);
    for (const auto &[value, label] : entries) {
        key += '\0' + value + '\x01' + label;
    }
    for (std::size_t i = 0; i < optionKeys_.size(); ++i) {
        if (optionKeys_[i] == key) return optionLists_[i].get();
    }
    std::vector<OptionRecord> records;
    records.reserve(entries.size() + 1);
    for (const auto &[value, label] : entries) {
        if (valueKind == VdOptionList::Integer) records.push_back({ParseSigned32(value).value(), label.c_str()});
        else records.push_back({value.c_str(), label.c_str()});
    }
    records.push_back({0, nullptr});
    optionLists_.push_back(std::make_unique<VdOptionList>(records.data(), valueKind));
    optionKeys_.push_back(std::move(key));
    return optionLists_.back().get();
}

namespace {

struct PathSearch {
    const std::vector<std::string> &wanted;  // folded already when the match is folded
    MenuCatalogue::CaptionMatch match;
    std::vector<std::string> spelt;

    bool Matches(const std::string &caption, std::size_t at) const {
        return (match == MenuCatalogue::CaptionMatch::Folded ? FoldedCaption(caption) : caption) == wanted[at];
    }

    const MenuEntry *In(const std::vector<MenuEntry> &entries, std::size_t at) {
        for (const MenuEntry &e : entries) {
            if (e.kind == EntryKind::Separator || !Matches(e.caption, at)) continue;
            spelt.push_back(e.caption);
            if (at + 1 == wanted.size()) return &e;
            if (const MenuEntry *found = In(e.children, at + 1)) return found;
            spelt.pop_back();
        }
        return nullptr;
    }
};

}  // namespace

const MenuEntry *MenuCatalogue::Find(const std::vector<std::string> &path, CaptionMatch match,
                                     std::vector<std::string> *spelt) const {
    if (path.size() < 2) return nullptr;
    std::vector<std::string> wanted = path;
    if (match == CaptionMatch::Folded)
        for (std::string &caption : wanted) caption = FoldedCaption(caption);
    for (const Menu &m : menus_) {
        PathSearch search{wanted, match, {m.caption}};
        if (!search.Matches(m.caption, 0)) continue;
        const MenuEntry *found = search.In(m.entries, 1);
        if (found == nullptr) continue;
        if (spelt != nullptr) *spelt = std::move(search.spelt);
        return found;
    }
    return nullptr;
}
