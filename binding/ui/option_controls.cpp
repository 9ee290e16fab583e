#include "binding/ui/option_controls.h"

#include "engine/option_list.h"
#include "binding/ui/radio_group.h"

#include <QComboBox>
#include <QStringList>

namespace {

QStringList Labels(const VdOptionList &list) {
    QStringList labels;
    for (int i = 0; i < list.Count(); ++i) labels << QString::fromStdString(list.EntryAt(i).label);
    return labels;
}

int IndexOfLabelOrValue(const VdOptionList &list, const std::string &text) {
    const int byLabel = list.IndexOfLabel(text);
    return byLabel >= 0 ? byLabel : list.IndexOfValue(text);
}

}  // namespace

void FillComboBox(const VdOptionList &list, QComboBox *box) {
    box->clear();
    box->addItems(Labels(list));
    // Nothing the device did not say is shown as chosen: Set would write it.
    box->setCurrentIndex(-1);
}

void FillRadioGroup(const VdOptionList &list, VdRadioGroup *group) { group->setItems(Labels(list)); }

void SelectInComboBox(const VdOptionList &list, QComboBox *box, const std::string &text) {
    box->setCurrentIndex(IndexOfLabelOrValue(list, text));
}

void SelectInRadioGroup(const VdOptionList &list, VdRadioGroup *group, const std::string &text) {
    group->setItemIndex(IndexOfLabelOrValue(list, text));
}
