#include "engine/option_list.h"
#include "engine/var_list.h"

#include <QString>

#include <cctype>
#include <charconv>

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

bool ParseWholeInt(const std::string &text, int &out) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    if (first == std::string::npos) return false;
    const char *begin = text.data() + first;
    const char *end = text.data() + last + 1;
    if (*begin == '+') ++begin;
    auto [ptr, ec] = std::from_chars(begin, end, out);
    return ec == std::errc() && ptr == end;
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
        int number = 0;
        if (text == kNullText || !ParseWholeInt(text, number)) return -1;
        for (int i = 0; i < Count(); ++i) {
            if (entries_[static_cast<std::size_t>(i)].number == number) return i;
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
