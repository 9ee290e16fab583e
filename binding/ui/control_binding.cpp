#include "binding/ui/control_binding.h"

#include "binding/ui/radio_group.h"
#include "engine/descriptor.h"
#include "engine/var_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

bool ControlBinding::CoversWholeValue(const VarItem &item) const {
    return offset == 0 && syntax == item.syntax;
}

const VdOptionList *ControlBinding::EffectiveOptions(const VarItem &item) const {
    if (optionList != nullptr) return optionList;
    return CoversWholeValue(item) ? item.options : nullptr;
}

bool IsBooleanSyntax(std::uint32_t s) {
    return s == syntax::Boolean || s == syntax::Bool8 || s == syntax::Bool16;
}

ControlClass ClassOf(const QWidget *control) {
    if (qobject_cast<const QLabel *>(control)) return ControlClass::Label;
    if (qobject_cast<const QCheckBox *>(control)) return ControlClass::CheckBox;
    if (qobject_cast<const QComboBox *>(control)) return ControlClass::ComboBox;
    if (qobject_cast<const VdRadioGroup *>(control)) return ControlClass::RadioGroup;
    if (qobject_cast<const QLineEdit *>(control)) return ControlClass::Edit;
    return ControlClass::Unsupported;
}

QString ToQString(const std::string &text) { return QString::fromStdString(text); }

std::string FromQString(const QString &text) { return text.toStdString(); }
