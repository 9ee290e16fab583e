#pragma once

#include <string>
#include <vector>

// The value of an option source record: a number for integer lists, a text for text lists.
struct OptionValue {
    constexpr OptionValue(int n) : number(n) {}
    constexpr OptionValue(const char *t) : text(t) {}
    int number = 0;
    const char *text = nullptr;
};

// One row of a static option source table; a table ends with a record whose label is null.
struct OptionRecord {
    OptionValue optionValue;
    const char *optionLabel;
};

// Translation between the value texts that travel over SNMP and the labels the user sees.
class VdOptionList {
public:
    enum ValueKind { Integer = 1, Text = 2, TextPrefix = 3 };

    struct Entry {
        std::string value;  // decimal text for integer lists
        std::string label;
        int number = 0;     // integer lists only
    };

    VdOptionList(const OptionRecord *table, int valueKind, bool caseSensitive = false);

    // Appends the rows of another source table of the same value kind.
    void AppendTable(const OptionRecord *table);

    int valueKind() const { return valueKind_; }
    bool caseSensitive() const { return caseSensitive_; }
    int Count() const { return static_cast<int>(entries_.size()); }
    const Entry &EntryAt(int i) const { return entries_[static_cast<std::size_t>(i)]; }

    int IndexOfLabel(const std::string &text) const;
    int IndexOfValue(const std::string &text) const;
    std::string LabelOf(const std::string &valueText) const;
    std::string ValueOf(const std::string &labelText) const;

private:
    bool Matches(const std::string &text, const std::string &key) const;

    int valueKind_;
    bool caseSensitive_;
    std::vector<Entry> entries_;
};
