#include "binding/edit_constraint_rules.h"
#include "engine/coded_error.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>

bool operator==(const EditRowPiece &a, const EditRowPiece &b) { return a.isField == b.isField && a.text == b.text; }

void PrintTo(const EditRowPiece &p, std::ostream *os) { *os << (p.isField ? "field " : "label ") << p.text; }

namespace {

constexpr int A = ConstraintRule::AutoAdvance;
constexpr int F = ConstraintRule::FixedLength;
constexpr int N = ConstraintRule::ValueRequired;

struct ParseCase {
    const char *format;
    char type;
    double minimum;
    double maximum;
    int maxLength;
    int flags;
    char advanceChar = 0;
    int width = 0;
    char delimiter = 0;
};

TEST(EditConstraintParse, ReadsTypeBoundsLengthFlagsAndDefaults) {
    const ParseCase cases[] = {
        {"%i", 'i', INT32_MIN, INT32_MAX, 0, 0},
        {"%i{}", 'i', INT32_MIN, INT32_MAX, 0, 0},
        {"%u", 'u', 0, UINT32_MAX, 0, 0},
        {"%f", 'f', DBL_MIN, DBL_MAX, 0, 0},
        {"%s{l32}", 's', 0, 0, 32, 0},
        {"%u{n0x65535l5}", 'u', 0, 65535, 5, 0},
        {"%i{n-779x839}", 'i', -779, 839, 0, 0},
        {"%i{n0x999936l6a}", 'i', 0, 999936, 6, A},
        {"%i{n1x10l2a}", 'i', 1, 10, 2, A},
        {"%i{w30n0x255l3}", 'i', 0, 255, 3, 0, 0, 30},
        {"%h{l4fna}", 'h', 0, 0, 4, F | N | A},
        {"%i{n1n5x9x7}", 'i', 5, 7, 0, 0},      // a later option overwrites an earlier one
        {"%i{l3al4}", 'i', INT32_MIN, INT32_MAX, 4, 0},  // flags belong to their own "l"
        {"%i{e.n1.5}", 'i', 1.5, INT32_MAX, 0, 0, '.'},
        {"%n,{l3f}", 'n', 0, UINT32_MAX, 3, F, 0, 0, ','},
        {"%n.", 'n', 0, UINT32_MAX, 0, 0, 0, 0, '.'},
    };
    for (const ParseCase &c : cases) {
        SCOPED_TRACE(c.format);
        const ConstraintRule r = ParseConstraint(c.format);
        EXPECT_EQ(r.type, c.type);
        EXPECT_EQ(r.minimum, c.minimum);
        EXPECT_EQ(r.maximum, c.maximum);
        EXPECT_EQ(r.maxLength, c.maxLength);
        EXPECT_EQ(r.flags, c.flags);
        EXPECT_EQ(r.advanceChar, c.advanceChar);
        EXPECT_EQ(r.width, c.width);
        EXPECT_EQ(r.delimiter, c.delimiter);
    }
}

TEST(EditConstraintParse, AcceptsEveryFormatTheSystemUses) {
    const char *formats[] = {
        "%i", "%s", "%s{l2}", "%s{l12}", "%s{l16}", "%s{l22}", "%s{l32}", "%u{n0x65535l5}",
        "%i{n-779x839}", "%i{n0x7}", "%i{n0x7l1}", "%i{n0x8l1}", "%i{n0x15}", "%i{n0x16}",
        "%i{n0x255l3}", "%i{n0x65535}", "%i{n0x65535l5}", "%i{n0x255000}", "%i{n0x999936l6a}",
        "%i{n0x1000000}", "%i{n0x16777214l8}", "%i{n0x16777214l8a}", "%i{n0x2147483647l10}",
        "%i{n1x10}", "%i{n1x10l2a}", "%i{n1x16l2}", "%i{n1x20l2a}", "%i{n1x32l2a}", "%i{n1x255}",
        "%i{n1x255l3}", "%i{n1x255l3a}", "%i{n1x256l3}", "%i{n1x4094}", "%i{n1x65535}",
        "%i{n1x65535l5}", "%i{n1x65535l5a}", "%i{n30x120l3}", "%i{n30x99999}", "%i{n100x1000l4a}",
        "%i{n400x3000l4a}", "%i{n600x4000l4a}",
    };
    for (const char *format : formats) EXPECT_NO_THROW(ParseConstraint(format)) << format;
}

TEST(EditConstraintParse, RefusesMalformedFormatsWithCodeMinusTwo) {
    const char *formats[] = {
        "",          "%",         "i",        "%x",       "%I",        "%n",       "%n5",
        "%i{",       "%i{n1x4",   "%i}",      "%ix",      "%i{}x",     "%i{q}",    "%i{n}",
        "%i{l}",     "%i{w}",     "%i{e}",    "%i{n1-2}", "%i{x..}",   "%i{l3aa}", "%i{l3n0x5}",
        "%i{l99999999999}",
    };
    for (const char *format : formats) {
        SCOPED_TRACE(format);
        try {
            ParseConstraint(format);
            ADD_FAILURE() << "accepted";
        } catch (const CodedError &e) {
            EXPECT_EQ(e.code(), -2);
            EXPECT_EQ(e.message(), "Bad format specifier of edit's constraint!");
        }
    }
}

struct FilterCase {
    const char *format;
    const char *typed;
    const char *kept;
    int removed;
};

TEST(EditConstraintFilter, DropsWhatTheTypeDoesNotTakeWhereItStands) {
    const FilterCase cases[] = {
        {"%i{n1x4094}", "12a", "12", 1},
        {"%i", "-12", "-12", 0},
        {"%i", "1-2", "12", 1},
        {"%i", "a-5", "-5", 1},  // once the letter is gone the sign stands first
        {"%i", "--5", "-5", 1},
        {"%u", "-5", "5", 1},
        {"%f", "-1.5.2", "-1.52", 1},
        {"%f", "1e5", "15", 1},
        {"%h", "0aFg9", "0aF9", 1},
        {"%n,", "1,,2", "1,2", 1},
        {"%n,", ",1", "1", 1},
        {"%n.", "10.1.2.3", "10.1.2.3", 0},
        {"%n.", "1 .2", "1.2", 1},
        {"%i", "1\xC3\xA9" "2", "12", 1},  // a two-byte character counts once
        {"%s", "any text, even \xC3\xA9", "any text, even \xC3\xA9", 0},
    };
    for (const FilterCase &c : cases) {
        SCOPED_TRACE(std::string(c.format) + " <- " + c.typed);
        int removed = -1;
        EXPECT_EQ(FilterTyped(ParseConstraint(c.format), c.typed, &removed), c.kept);
        EXPECT_EQ(removed, c.removed);
    }
}

struct ExitCase {
    const char *format;
    const char *text;
    const char *refusal;  // nullptr: accepted
};

TEST(EditConstraintExit, AcceptsOrRefusesWithTheCatalogueText) {
    const ExitCase cases[] = {
        {"%i{n1x4094}", "1", nullptr},
        {"%i{n1x4094}", "4094", nullptr},
        {"%i{n1x4094}", "0", "Please enter a number between 1 and 4094!"},
        {"%i{n1x4094}", "5000", "Please enter a number between 1 and 4094!"},
        {"%i{n-779x839}", "-780", "Please enter a number between -779 and 839!"},
        {"%i", "2147483648", "Please enter a number between -2147483648 and 2147483647!"},
        {"%i", "-", "Please enter a number between -2147483648 and 2147483647!"},  // no number at all
        {"%u", "4294967295", nullptr},
        {"%f{n0.5x1.25}", "1.3", "Please enter a number between 0.5 and 1.25!"},
        {"%f", "0", "Please enter a number between 2.2250738585072e-308 and 1.79769313486232e+308!"},
        {"%i{n1x4094}", "", nullptr},
        {"%i{n1x4094}", "(NULL)", nullptr},
        {"%s{l2n}", "(NOTDONE)", nullptr},
        {"%s{l2n}", "", "Empty value is not allowed!"},
        {"%s{l4}", "abcd", nullptr},
        {"%s{l4}", "abcde", "Please enter a string whose length is less than 4!"},
        {"%s{l3}", "\xC3\xA4\xC3\xB6\xC3\xBC", nullptr},  // three characters, six bytes
        {"%s{l4f}", "abc", "Please enter a string whose length is 4!"},
        {"%h{l4}", "ABCDE", "Please enter a hex string whose length is less than 4!"},
        {"%h{l4f}", "AB", "Please enter a hex string whose length is 4!"},
        {"%h{l4f}", "ABCD", nullptr},
        {"%n,{l3f}", "1,2,3", nullptr},
        {"%n,{l3f}", "1,2",
         "Please enter a delimited number string with delimiter ','.\nHere,the count of the number is equal to 3!"},
        {"%n,{l2}", "1,2,3",
         "Please enter a delimited number string with delimiter ','.\nHere,the count of the number is less than 2!"},
        {"%n.{n1x10}", "1.20",
         "Please enter a delimited number string with delimiter '.'.\nHere,each number is between 1 and 10!"},
        {"%n.{n1.9x10.9}", "1.10", nullptr},  // bounds are cut to whole numbers
        {"%n,", "4294967296",  // would wrap around to 0 in a 32-bit list
         "Please enter a delimited number string with delimiter ','.\nHere,each number is between 0 and 4294967295!"},
    };
    for (const ExitCase &c : cases) {
        SCOPED_TRACE(std::string(c.format) + " <- " + c.text);
        const auto refusal = RefusalOf(ParseConstraint(c.format), c.text);
        if (c.refusal == nullptr) {
            EXPECT_FALSE(refusal.has_value()) << *refusal;
        } else {
            ASSERT_TRUE(refusal.has_value());
            EXPECT_EQ(*refusal, c.refusal);
        }
    }
}

TEST(EditConstraintSplit, CutsSequencesBeforeEveryLaterPercent) {
    const std::string field = "%i{w30n0x255l3}";
    EXPECT_EQ(SplitSequence(field + field + field + field),
              (std::vector<std::string>{field, field, field, field}));
    EXPECT_EQ(SplitSequence("%i"), (std::vector<std::string>{"%i"}));
}

struct RowCase {
    const char *format;
    std::vector<EditRowPiece> pieces;
};

TEST(EditConstraintSplit, ReadsEditRowsIntoLabelsAndFields) {
    const RowCase cases[] = {
        {"%i.%i", {{true, "%i"}, {false, "."}, {true, "%i"}}},
        {"%i{n0x255}.%i{n0x255}", {{true, "%i{n0x255}"}, {false, "."}, {true, "%i{n0x255}"}}},
        {"%n.{l4}x", {{true, "%n.{l4}"}, {false, "x"}}},
        {"at 100%% %u{l3}", {{false, "at 100% "}, {true, "%u{l3}"}}},
        {"%i%u", {{true, "%i"}, {true, "%u"}}},
        {"%i{n1{x}}!", {{true, "%i{n1{x}}"}, {false, "!"}}},  // braces nest
        {"%i{n1%u", {{true, "%i{n1"}, {true, "%u"}}},        // a "%" ends an unclosed field
        {"text only", {{false, "text only"}}},
        {"%", {{true, "%"}}},
    };
    for (const RowCase &c : cases) EXPECT_EQ(SplitEditRow(c.format), c.pieces) << c.format;
}

}  // namespace
