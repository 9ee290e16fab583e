// The checks a summer-time write must pass, and the set requests it becomes.
#include "windows/logic/summer_time_rules.h"

#include <gtest/gtest.h>

namespace {

using namespace summer_time;

struct Point {
    bool ticked;
    std::vector<std::string> texts;
};

// status and offset: {ticked, text}; the points fill the rows of the status they belong to.
FormInput Form(Point status, Point offset, Point start, Point end) {
    FormInput form;
    form[kStatus] = {status.ticked, status.texts};
    form[kOffset] = {offset.ticked, offset.texts};
    const bool annual = !status.texts.empty() && status.texts[0] == kAnnual;
    form[annual ? kAnnualStart : kRepeatingStart] = {start.ticked, start.texts};
    form[annual ? kAnnualEnd : kRepeatingEnd] = {end.ticked, end.texts};
    return form;
}

const Point kMarch{true, {"Mar", "2nd", "Sun", "2", "0"}};
const Point kOctober{true, {"Oct", "last", "Sun", "3", "0"}};

Point Annual(const char *day, const char *month, const char *hour = "2", const char *minute = "0") {
    return {true, {day, month, hour, minute}};
}

struct CheckCase {
    const char *what;
    FormInput form;
    bool accepted;
    std::string message;
};

TEST(SummerTimeCheck, RefusesWithTheFirstFailingRule) {
    const Point repeating{true, {kRepeating}};
    const Point annual{true, {kAnnual}};
    const Point offset60{true, {"60"}};
    const Point none{false, {}};
    const CheckCase cases[] = {
        {"a whole repeating rule", Form(repeating, offset60, kMarch, kOctober), true, ""},
        {"status ticked but not chosen", Form({true, {""}}, offset60, kMarch, kOctober), false, kChooseStatusMessage},
        {"offset 45", Form(repeating, {true, {"45"}}, kMarch, kOctober), false, kOffsetMessage},
        {"offset 150", Form(repeating, {true, {"150"}}, kMarch, kOctober), false, kOffsetMessage},
        {"offset 0", Form(repeating, {true, {"0"}}, kMarch, kOctober), false, kOffsetMessage},
        {"ticked empty offset", Form(repeating, {true, {""}}, kMarch, kOctober), false, kOffsetMessage},
        {"offset 120", Form(repeating, {true, {"120"}}, kMarch, kOctober), true, ""},
        {"unticked offset 45", Form(repeating, {false, {"45"}}, kMarch, kOctober), true, ""},
        {"no status at all", Form({false, {""}}, none, none, none), false, ""},
        {"disable ignores the points", Form({true, {"disable"}}, none, {true, {"x"}}, none), true, ""},
        {"week not chosen", Form(repeating, none, {true, {"Mar", "", "Sun", "2", "0"}}, kOctober), false,
         kTimeMessage},
        {"hour 24", Form(repeating, none, {true, {"Mar", "1st", "Sun", "24", "0"}}, kOctober), false, kTimeMessage},
        {"minute 60", Form(repeating, none, kMarch, {true, {"Oct", "last", "Sun", "3", "60"}}), false,
         kTimeMessage},
        {"negative hour", Form(repeating, none, {true, {"Mar", "1st", "Sun", "-1", "0"}}, kOctober), false,
         kTimeMessage},
        {"23:59 fits", Form(repeating, none, {true, {"Mar", "1st", "Sat", "23", "59"}}, kOctober), true, ""},
        {"same months", Form(repeating, none, kMarch, {true, {"Mar", "last", "Sun", "3", "0"}}), false,
         kSameMonthMessage},
        {"same months, end unticked", Form(repeating, none, kMarch, {false, {"Mar", "last", "Sun", "3", "0"}}),
         true, ""},
        {"31 April", Form(annual, none, Annual("31", "Apr"), Annual("29", "Oct")), false, kTimeMessage},
        {"29 February", Form(annual, none, Annual("29", "Feb"), Annual("29", "Oct")), false, kTimeMessage},
        {"day 0", Form(annual, none, Annual("0", "Jan"), Annual("29", "Oct")), false, kTimeMessage},
        {"empty day", Form(annual, none, Annual("", "Jan"), Annual("29", "Oct")), false, kTimeMessage},
        {"month not chosen", Form(annual, none, Annual("3", ""), Annual("29", "Oct")), false, kTimeMessage},
        {"31 January, 30 April", Form(annual, none, Annual("31", "Jan"), Annual("30", "Apr")), true, ""},
        {"annual 24:00", Form(annual, none, Annual("1", "Jan", "24", "0"), Annual("29", "Oct")), false,
         kTimeMessage},
        {"annual same months", Form(annual, none, Annual("1", "Mar"), Annual("29", "Mar")), false,
         kSameMonthMessage},
    };
    for (const CheckCase &c : cases) {
        const Verdict verdict = Check(c.form);
        EXPECT_EQ(verdict.accepted, c.accepted) << c.what;
        EXPECT_EQ(verdict.message, c.message) << c.what;
    }
}

TEST(SummerTimeCheck, OnlyThePointsOfTheChosenStatusAreChecked) {
    FormInput form = Form({true, {kAnnual}}, {false, {}}, Annual("26", "Mar"), Annual("29", "Oct"));
    form[kRepeatingStart] = {true, {"", "", "", "99", "99"}};
    EXPECT_TRUE(Check(form).accepted);
}

TEST(SummerTimeWrite, StatusGoesAloneBeforeTheOffsetAndThePointsOfItsMode) {
    FormInput form = Form({true, {kRepeating}}, {true, {"60"}}, kMarch, kOctober);
    form[kAnnualStart] = {true, {"1", "Jan", "0", "0"}};  // not of the chosen mode
    EXPECT_EQ(WriteSteps(form), (std::vector<std::vector<int>>{{kStatus}, {kOffset, kRepeatingStart, kRepeatingEnd}}));

    form[kStatus].ticked = false;
    form[kRepeatingEnd].ticked = false;
    EXPECT_EQ(WriteSteps(form), (std::vector<std::vector<int>>{{kOffset, kRepeatingStart}}));
}

TEST(SummerTimeWrite, AFailureAfterTheStatusSaysWhatTookEffect) {
    const std::vector<std::vector<int>> steps{{kStatus}, {kOffset, kRepeatingStart, kRepeatingEnd}};
    EXPECT_EQ(PartialWriteText(steps, 0, "Wrong Value!"), "Wrong Value!");
    EXPECT_EQ(PartialWriteText(steps, 1, "Wrong Value!"),
              "Only part of the change took effect: Status written; Offset, Time Start, Time End not written "
              "(Wrong Value!).");
}

TEST(SummerTimeWrite, NothingTickedMeansNoRequest) {
    const FormInput form = Form({false, {kAnnual}}, {false, {"60"}}, {false, {}}, {false, {}});
    EXPECT_TRUE(WriteSteps(form).empty());
    const FormInput statusOnly = Form({true, {"disable"}}, {false, {"60"}}, {false, {}}, {false, {}});
    EXPECT_EQ(WriteSteps(statusOnly), (std::vector<std::vector<int>>{{kStatus}}));
}

TEST(SummerTimeRows, EachStatusShowsItsOwnPoints) {
    EXPECT_EQ(PointRowsShown(kRepeating), (std::vector<int>{kRepeatingStart, kRepeatingEnd}));
    EXPECT_EQ(PointRowsShown(kAnnual), (std::vector<int>{kAnnualStart, kAnnualEnd}));
    EXPECT_TRUE(PointRowsShown("disable").empty());
    EXPECT_TRUE(PointRowsShown("").empty());
    EXPECT_EQ(DetailRows(kAnnual), (std::vector<int>{kOffset, kAnnualStart, kAnnualEnd}));
}

}  // namespace
