#include "catalogue/model/catalogue_model.h"

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
        if (valueKind == VdOptionList::Integer) records.push_back({std::stoi(value), label.c_str()});
        else records.push_back({value.c_str(), label.c_str()});
    }
    records.push_back({0, nullptr});
    optionLists_.push_back(std::make_unique<VdOptionList>(records.data(), valueKind));
    optionKeys_.push_back(std::move(key));
    return optionLists_.back().get();
}

namespace {

const MenuEntry *FindIn(const std::vector<MenuEntry> &entries, const std::vector<std::string> &path,
                        std::size_t at) {
    for (const MenuEntry &e : entries) {
        if (e.kind == EntryKind::Separator || e.caption != path[at]) continue;
        if (at + 1 == path.size()) return &e;
        if (const MenuEntry *found = FindIn(e.children, path, at + 1)) return found;
    }
    return nullptr;
}

}  // namespace

const MenuEntry *MenuCatalogue::Find(const std::vector<std::string> &path) const {
    if (path.size() < 2) return nullptr;
    for (const Menu &m : menus_) {
        if (m.caption == path[0]) return FindIn(m.entries, path, 1);
    }
    return nullptr;
}
