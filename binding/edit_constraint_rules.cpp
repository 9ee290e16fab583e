#include "binding/edit_constraint_rules.h"

#include "engine/messages.h"
#include "engine/coded_error.h"
#include "engine/num_list.h"
#include "engine/var_list.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Common catalogue entries of the input checks.
enum CommonEntry {
    kBadFormat = 2,
    kEmptyValue = 3,
    kTextTooLong = 4,
    kTextLength = 5,
    kHexTooLong = 6,
    kHexLength = 7,
    kNumberRange = 8,
    kTooManyNumbers = 9,
    kNumberCount = 10,
    kListNumberRange = 11,
};

[[noreturn]] void BadFormat() { throw messages::CommonError(kBadFormat); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Delimiters and advance characters are single printable ASCII characters; a digit would be
// indistinguishable from the numbers around it.
char SignCharacter(char c) {
    if (c < ' ' || c > '~') BadFormat();
    return c;
}

// The longest run of characters from `allowed` at `pos`; at least one is required.
std::string TakeRun(const std::string &text, std::size_t &pos, std::string_view allowed) {
    const std::size_t start = pos;
    while (pos < text.size() && allowed.find(text[pos]) != std::string_view::npos) ++pos;
    if (pos == start) BadFormat();
    return text.substr(start, pos - start);
}

int TakeCount(const std::string &text, std::size_t &pos) {
    const std::string digits = TakeRun(text, pos, "0123456789");
    int value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size()) BadFormat();
    return value;
}

// A bound must be one whole number: "1-2" or ".." is no number.
double TakeBound(const std::string &text, std::size_t &pos) {
    const std::string run = TakeRun(text, pos, "-0123456789.");
    double value = 0;
    auto [end, ec] = std::from_chars(run.data(), run.data() + run.size(), value);
    if (ec != std::errc() || end != run.data() + run.size() || !std::isfinite(value)) BadFormat();
    return value;
}

int TakeFlags(const std::string &text, std::size_t &pos) {
    int flags = 0;
    for (int taken = 0; taken < 3 && pos < text.size(); ++taken, ++pos) {
        int flag = 0;
        switch (text[pos]) {
        case 'a': flag = ConstraintRule::AutoAdvance; break;
        case 'f': flag = ConstraintRule::FixedLength; break;
        case 'n': flag = ConstraintRule::ValueRequired; break;
        default: return flags;
        }
        if ((flags & flag) != 0) return flags;
        flags |= flag;
    }
    return flags;
}

void ReadOptions(const std::string &options, ConstraintRule &rule) {
    std::size_t pos = 0;
    while (pos < options.size()) {
        switch (options[pos++]) {
        case 'e':
            if (pos >= options.size()) BadFormat();
            rule.advanceChar = SignCharacter(options[pos++]);
            break;
        case 'l':
            rule.maxLength = TakeCount(options, pos);
            rule.flags = TakeFlags(options, pos);
            break;
        case 'w': rule.width = TakeCount(options, pos); break;
        case 'n': rule.minimum = TakeBound(options, pos); break;
        case 'x': rule.maximum = TakeBound(options, pos); break;
        default: BadFormat();
        }
    }
}

void SetDefaultBounds(ConstraintRule &rule) {
    switch (rule.type) {
    case 'i':
        rule.minimum = std::numeric_limits<std::int32_t>::min();
        rule.maximum = std::numeric_limits<std::int32_t>::max();
        break;
    case 'u':
    case 'n':
        rule.minimum = 0;
        rule.maximum = std::numeric_limits<std::uint32_t>::max();
        break;
    case 'f':
        // The smallest positive normal double, as the format language defines it.
        rule.minimum = std::numeric_limits<double>::min();
        rule.maximum = std::numeric_limits<double>::max();
        break;
    default: break;
    }
}

std::string Refusal(int entry, std::initializer_list<std::pair<const char *, std::string>> values) {
    std::string text = messages::Text(MessageCatalogue::Common, entry);
    for (const auto &[word, value] : values) text = ReplacePlaceholder(text, word, value);
    return text;
}

// General decimal form with up to 15 significant digits; whole numbers show without decimals.
std::string BoundText(double bound) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, bound, std::chars_format::general, 15);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}

// Characters, not bytes: a UTF-8 continuation byte does not start a character.
int CharacterCount(const std::string &text) {
    int count = 0;
    for (unsigned char c : text) count += (c & 0xC0) != 0x80;
    return count;
}

// The leading number of a text; a text that starts with no number has none.
std::optional<double> LeadingNumber(const std::string &text) {
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || std::isnan(value)) return std::nullopt;
    return value;
}

std::optional<std::string> NumberRefusal(const ConstraintRule &rule, const std::string &text) {
    const auto value = LeadingNumber(text);
    if (value && *value >= rule.minimum && *value <= rule.maximum) return std::nullopt;
    return Refusal(kNumberRange, {{"[MIN]", BoundText(rule.minimum)}, {"[MAX]", BoundText(rule.maximum)}});
}

std::optional<std::string> LengthRefusal(const ConstraintRule &rule, const std::string &text) {
    if (rule.maxLength <= 0) return std::nullopt;
    const bool hex = rule.type == 'h';
    const int length = CharacterCount(text);
    if (rule.has(ConstraintRule::FixedLength)) {
        if (length == rule.maxLength) return std::nullopt;
        return Refusal(hex ? kHexLength : kTextLength, {{"[LEN]", std::to_string(rule.maxLength)}});
    }
    if (length <= rule.maxLength) return std::nullopt;
    return Refusal(hex ? kHexTooLong : kTextTooLong, {{"[MAXLEN]", std::to_string(rule.maxLength)}});
}

std::uint32_t ListBound(double bound) {
    constexpr double kTop = std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(std::clamp(std::trunc(bound), 0.0, kTop));
}

// The number list wraps numbers beyond 32 bits around; such a number is out of every range.
bool HasNumberBeyond32Bits(const std::string &text, char delimiter) {
    std::uint64_t number = 0;
    bool inFraction = false;
    for (char c : text) {
        if (c == delimiter) {
            number = 0;
            inFraction = false;
        } else if (c == '.') {
            inFraction = true;
        } else if (IsDigit(c) && !inFraction) {
            number = number * 10 + static_cast<std::uint64_t>(c - '0');
            if (number > std::numeric_limits<std::uint32_t>::max()) return true;
        }
    }
    return false;
}

std::optional<std::string> ListRefusal(const ConstraintRule &rule, const std::string &text) {
    const std::string delimiter(1, rule.delimiter);
    VdUIntList list;
    list.delimiter = rule.delimiter;
    list.Parse(text);
    if (rule.maxLength > 0) {
        const std::string limit = std::to_string(rule.maxLength);
        if (rule.has(ConstraintRule::FixedLength) && list.count() != rule.maxLength)
            return Refusal(kNumberCount, {{"[DELIMITER]", delimiter}, {"[COUNT]", limit}});
        if (!rule.has(ConstraintRule::FixedLength) && list.count() > rule.maxLength)
            return Refusal(kTooManyNumbers, {{"[DELIMITER]", delimiter}, {"[MAXCOUNT]", limit}});
    }
    const std::uint32_t low = ListBound(rule.minimum);
    const std::uint32_t high = ListBound(rule.maximum);
    if (list.AllInRange(low, high) && !HasNumberBeyond32Bits(text, rule.delimiter)) return std::nullopt;
    return Refusal(kListNumberRange, {{"[DELIMITER]", delimiter},
                                      {"[MIN]", std::to_string(low)},
                                      {"[MAX]", std::to_string(high)}});
}

}  // namespace

ConstraintRule ParseConstraint(const std::string &format) {
    if (format.size() < 2 || format[0] != '%') BadFormat();
    ConstraintRule rule;
    rule.type = format[1];
    std::size_t bracePos = 2;
    switch (rule.type) {
    case 'f': case 'h': case 'i': case 's': case 'u': break;
    case 'n':
        if (format.size() < 3 || IsDigit(format[2])) BadFormat();
        rule.delimiter = SignCharacter(format[2]);
        bracePos = 3;
        break;
    default: BadFormat();
    }
    SetDefaultBounds(rule);
    if (bracePos < format.size()) {
        if (format[bracePos] != '{' || format.size() < bracePos + 2 || format.back() != '}') BadFormat();
        ReadOptions(format.substr(bracePos + 1, format.size() - bracePos - 2), rule);
    }
    return rule;
}

bool IsReservedValueText(const std::string &text) { return text == kNullText || text == kNotDoneText; }

std::string FilterTyped(const ConstraintRule &rule, const std::string &text, int *removed) {
    if (removed != nullptr) *removed = 0;
    if (rule.type == 's') return text;
    // Each character is judged against what is kept before it, as if the ones before it that were
    // not allowed had already been dropped.
    std::string kept;
    bool keptPoint = false;
    for (const char c : text) {
        bool allowed = false;
        switch (rule.type) {
        case 'f': allowed = IsDigit(c) || (c == '-' && kept.empty()) || (c == '.' && !keptPoint); break;
        case 'h': allowed = IsHexDigit(c); break;
        case 'i': allowed = IsDigit(c) || (c == '-' && kept.empty()); break;
        case 'u': allowed = IsDigit(c); break;
        case 'n': allowed = IsDigit(c) || (c == rule.delimiter && !kept.empty() && kept.back() != c); break;
        default: allowed = true; break;
        }
        if (allowed) {
            kept += c;
            keptPoint = keptPoint || c == '.';
        } else if (removed != nullptr && (static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++*removed;  // a character, not each byte of it
        }
    }
    return kept;
}

std::optional<std::string> RefusalOf(const ConstraintRule &rule, const std::string &text) {
    if (IsReservedValueText(text)) return std::nullopt;
    if (text.empty()) {
        if (rule.has(ConstraintRule::ValueRequired)) return Refusal(kEmptyValue, {});
        return std::nullopt;
    }
    switch (rule.type) {
    case 'f': case 'i': case 'u': return NumberRefusal(rule, text);
    case 'h': case 's': return LengthRefusal(rule, text);
    case 'n': return ListRefusal(rule, text);
    default: return std::nullopt;
    }
}

std::vector<std::string> SplitSequence(const std::string &format) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t i = 1; i <= format.size(); ++i) {
        if (i == format.size() || format[i] == '%') {
            pieces.push_back(format.substr(start, i - start));
            start = i;
        }
    }
    return pieces;
}

std::vector<EditRowPiece> SplitEditRow(const std::string &format) {
    std::vector<EditRowPiece> pieces;
    std::string label;
    auto endLabel = [&] {
        if (!label.empty()) pieces.push_back({false, label});
        label.clear();
    };
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%') {
            label += format[i++];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            label += '%';
            i += 2;
            continue;
        }
        endLabel();
        std::string spec(1, format[i++]);
        // The type letter and, for lists, the delimiter.
        const std::size_t headLength = i < format.size() && format[i] == 'n' ? 2 : 1;
        for (std::size_t k = 0; k < headLength && i < format.size() && format[i] != '%'; ++k)
            spec += format[i++];
        if (i < format.size() && format[i] == '{') {
            int depth = 0;
            while (i < format.size() && format[i] != '%') {
                const char c = format[i++];
                spec += c;
                if (c == '{') ++depth;
                if (c == '}' && --depth == 0) break;
            }
        }
        pieces.push_back({true, spec});
    }
    endLabel();
    return pieces;
}
