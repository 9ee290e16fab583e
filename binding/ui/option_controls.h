#pragma once

#include <string>

class QComboBox;
class VdOptionList;
class VdRadioGroup;

// Option lists on choice controls. The control's items are the list's labels in list order, so an
// item's position is the option's position.

// Replaces the items by the labels and chooses none of them.
void FillComboBox(const VdOptionList &list, QComboBox *box);
void FillRadioGroup(const VdOptionList &list, VdRadioGroup *group);

// Chooses the option whose label is text, else the one whose value is text, else none; so a
// control can be set from a read value's label as well as from a raw value.
void SelectInComboBox(const VdOptionList &list, QComboBox *box, const std::string &text);
void SelectInRadioGroup(const VdOptionList &list, VdRadioGroup *group, const std::string &text);
