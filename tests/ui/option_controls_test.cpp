#include "engine/option_list.h"
#include "binding/ui/option_controls.h"
#include "binding/ui/radio_group.h"

#include <QComboBox>
#include <QRadioButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

const OptionRecord kStates[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const OptionRecord kAuthProtocols[] = {{"1.3.6.1.6.3.10.1.1.1", "None"},
                                       {"1.3.6.1.6.3.10.1.1.2", "MD5"},
                                       {"1.3.6.1.6.3.10.1.1.3", "SHA"},
                                       {nullptr, nullptr}};

struct SelectCase {
    const char *text;
    int index;
};

// Label first, raw value second, nothing when neither matches (and a previous choice goes).
const SelectCase kStateSelections[] = {{"enabled", 1}, {"disabled", 0}, {"ENABLED", 1}, {"2", 0},
                                       {"3", 1},       {"9", -1},       {"(NULL)", -1}};

TEST(OptionControls, ComboBoxIsFilledWithTheLabelsAndSelectsByLabelOrValue) {
    const VdOptionList states(kStates, VdOptionList::Integer);
    QComboBox box;
    box.addItem("stale");
    FillComboBox(states, &box);
    ASSERT_EQ(box.count(), 2);
    EXPECT_EQ(box.itemText(0), "disabled");
    EXPECT_EQ(box.itemText(1), "enabled");
    EXPECT_EQ(box.currentIndex(), -1) << "an option the device never gave is not shown as chosen";
    for (const SelectCase &c : kStateSelections) {
        SelectInComboBox(states, &box, "enabled");
        SelectInComboBox(states, &box, c.text);
        EXPECT_EQ(box.currentIndex(), c.index) << c.text;
    }
}

TEST(OptionControls, TextValuedListSelectsByObjectIdentifier) {
    const VdOptionList protocols(kAuthProtocols, VdOptionList::Text);
    QComboBox box;
    FillComboBox(protocols, &box);
    SelectInComboBox(protocols, &box, "1.3.6.1.6.3.10.1.1.2");
    EXPECT_EQ(box.currentText(), "MD5");
}

TEST(OptionControls, RadioGroupIsFilledWithTheLabelsAndSelectsByLabelOrValue) {
    const VdOptionList states(kStates, VdOptionList::Integer);
    VdRadioGroup group;
    group.setObjectName("RG_State");
    group.setItems({"old one", "old two", "old three"});
    FillRadioGroup(states, &group);
    EXPECT_EQ(group.items(), (QStringList{"disabled", "enabled"}));
    EXPECT_EQ(group.button(1)->objectName(), "RG_State_Radio1");
    EXPECT_EQ(group.itemIndex(), -1);
    for (const SelectCase &c : kStateSelections) {
        SelectInRadioGroup(states, &group, "enabled");
        SelectInRadioGroup(states, &group, c.text);
        EXPECT_EQ(group.itemIndex(), c.index) << c.text;
    }
}

TEST(RadioGroup, ReportsEveryChangeOfTheChosenItemOnce) {
    VdRadioGroup group;
    group.setItems({"a", "b", "c"});
    QSignalSpy changes(&group, &VdRadioGroup::itemIndexChanged);

    group.setItemIndex(2);
    group.setItemIndex(2);         // no change
    group.button(0)->click();      // the user
    group.setItemIndex(7);         // outside: none chosen
    group.setItemIndex(-1);        // still none

    ASSERT_EQ(changes.count(), 3);
    EXPECT_EQ(changes[0][0].toInt(), 2);
    EXPECT_EQ(changes[1][0].toInt(), 0);
    EXPECT_EQ(changes[2][0].toInt(), -1);
    EXPECT_FALSE(group.button(0)->isChecked());
}

}  // namespace
