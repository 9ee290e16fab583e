#include "engine/option_list.h"
#include "engine/number_text.h"
#include "engine/var_list.h"

#include <QString>

#include <cctype>

namespace {

bool PrefixMatches(const std::string &text, const std::string &prefix, bool caseSensitive) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        unsigned char a = static_cast<unsigned char>(text[i]);
        unsigned char b = static_cast<unsigned char>(prefix[i]);
        if (caseSensitive ? a != b : std::tolower(a) != std::tolower(b)) return false;
    }
    return true;
}

}  // namespace

VdOptionList::VdOptionList(const OptionRecord *table, int valueKind, bool caseSensitive)
    : valueKind_(valueKind), caseSensitive_(caseSensitive) {
    AppendTable(table);
}

void VdOptionList::AppendTable(const OptionRecord *table) {
    if (table == nullptr) return;
    for (const OptionRecord *r = table; r->optionLabel != nullptr; ++r) {
        Entry e;
        e.label = r->optionLabel;
        if (valueKind_ == Integer) {
            e.number = r->optionValue.number;
            e.value = std::to_string(e.number);
        } else {
            e.value = r->optionValue.text ? r->optionValue.text : "";
        }
        entries_.push_back(std::move(e));
    }
}

bool VdOptionList::Matches(const std::string &text, const std::string &key) const {
    if (valueKind_ == TextPrefix) return PrefixMatches(text, key, caseSensitive_);
    return QString::compare(QString::fromUtf8(text), QString::fromUtf8(key),
                            caseSensitive_ ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

int VdOptionList::IndexOfLabel(const std::string &text) const {
    for (int i = 0; i < Count(); ++i) {
        if (Matches(text, entries_[static_cast<std::size_t>(i)].label)) return i;
    }
    return -1;
}

int VdOptionList::IndexOfValue(const std::string &text) const {
    if (valueKind_ == Integer) {
        const std::optional<std::int32_t> number = text == kNullText ? std::nullopt : ParseSigned32(text);
        if (!number) return -1;
        for (int i = 0; i < Count(); ++i) {
            if (entries_[static_cast<std::size_t>(i)].number == *number) return i;
        }
        return -1;
    }
    for (int i = 0; i < Count(); ++i) {
        if (Matches(text, entries_[static_cast<std::size_t>(i)].value)) return i;
    }
    return -1;
}

std::string VdOptionList::LabelOf(const std::string &valueText) const {
    const int i = IndexOfValue(valueText);
    if (i < 0) return valueText;
    const Entry &e = EntryAt(i);
    if (valueKind_ == TextPrefix) return e.label + valueText.substr(e.value.size());
    return e.label;
}

std::string VdOptionList::ValueOf(const std::string &labelText) const {
    const int i = IndexOfLabel(labelText);
    if (i < 0) return labelText;
    const Entry &e = EntryAt(i);
    if (valueKind_ == TextPrefix) return e.value + labelText.substr(e.label.size());
    return e.value;
}
