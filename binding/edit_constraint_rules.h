#pragma once

#include <optional>
#include <string>
#include <vector>

// The input rule of one edit field, parsed from a format such as "%i{n1x4094}" or "%n,{l3fn}".
struct ConstraintRule {
    enum Flag { AutoAdvance = 1, FixedLength = 2, ValueRequired = 4 };

    char type = 's';        // f h i n s u
    char delimiter = 0;     // type n only
    double minimum = 0;     // types f i u n
    double maximum = 0;
    int maxLength = 0;      // 0: no limit
    int flags = 0;
    char advanceChar = 0;   // 0: none
    int width = 0;          // 0: leave the control's width

    bool has(Flag f) const { return (flags & f) != 0; }
};

// Parses one field format; raises CodedError -2 (common entry 2) when it is malformed.
ConstraintRule ParseConstraint(const std::string &format);

// The engine's reserved value texts, which are neither filtered nor checked.
bool IsReservedValueText(const std::string &text);

// The text as typing leaves it: the first character the rule does not allow at its place is
// dropped, again and again, until none is left. `removed` receives the count of dropped characters.
// The filter is prefix-stable: the filtered prefix of a text is the prefix of its filtered text.
std::string FilterTyped(const ConstraintRule &rule, const std::string &text, int *removed = nullptr);

// The check made when the user leaves a field: nothing when the text is acceptable, otherwise the
// refusal message (a common catalogue text with its placeholders filled in).
std::optional<std::string> RefusalOf(const ConstraintRule &rule, const std::string &text);

// A format of adjacent field formats, cut before every "%" after the first character.
std::vector<std::string> SplitSequence(const std::string &format);

// One control of an edit row: a literal label or a field format.
struct EditRowPiece {
    bool isField = false;
    std::string text;
};

// A composite format such as "%i{n0x255}.%i{n0x255}" read into labels and fields, left to right.
// "%%" is a literal "%".
std::vector<EditRowPiece> SplitEditRow(const std::string &format);
