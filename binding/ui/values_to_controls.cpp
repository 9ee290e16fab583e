#include "binding/multi_box_fields.h"
#include "engine/option_list.h"
#include "binding/raw_value.h"
#include "binding/whole_value_check.h"
#include "binding/ui/option_controls.h"
#include "binding/ui/radio_group.h"
#include "binding/ui/request2edits.h"
#include "engine/messages.h"
#include "engine/coded_error.h"
#include "engine/descriptor.h"
#include "engine/readable_values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// Bit 0 of a bit map is the most significant bit of its first byte.
bool BitIsSet(const std::string &raw, int bit) {
    const auto byte = static_cast<std::size_t>(bit / 8);
    if (byte >= raw.size()) throw messages::FrameworkError(19);
    return (static_cast<unsigned char>(raw[byte]) >> (7 - bit % 8)) & 1;
}

void ShowOnCheckBoxes(const ControlBinding &binding, const VdOptionList *options, const std::string &text,
                      const std::string &raw) {
    if (binding.bitPositions) {
        for (std::size_t k = 0; k < binding.bitPositions->size(); ++k) {
            const bool set = BitIsSet(raw, (*binding.bitPositions)[k]);
            if (auto *box = qobject_cast<QCheckBox *>(binding.controls[k].data())) box->setChecked(set);
        }
        return;
    }
    auto *box = qobject_cast<QCheckBox *>(binding.controls[0].data());
    if (options != nullptr) {
        int position = options->IndexOfLabel(text);
        if (position < 0) position = options->IndexOfValue(text);
        box->setChecked(position > 0);  // the first option means unchecked
        return;
    }
    if (!IsBooleanSyntax(binding.syntax)) throw messages::FrameworkError(17);
    box->setChecked(text == "true");
}

void ShowOnComboBox(const ControlBinding &binding, const VdOptionList &options, const std::string &text) {
    auto *box = qobject_cast<QComboBox *>(binding.controls[0].data());
    SelectInComboBox(options, box, text);
    if (binding.controls.size() < 2 || !binding.controls[1]) return;
    // The second control holds what follows the chosen option's prefix (and its dot for identifiers).
    std::size_t cut = 0;
    if (box->currentIndex() >= 0) {
        cut = FromQString(box->currentText()).size();
        if (binding.syntax == syntax::ObjectId && cut < text.size() && text[cut] == '.') ++cut;
    }
    qobject_cast<QLineEdit *>(binding.controls[1].data())->setText(ToQString(text.substr(std::min(cut, text.size()))));
}

void ShowOnEdits(const ControlBinding &binding, const std::string &text, const std::string &raw) {
    if (binding.controls.size() == 1) {
        qobject_cast<QLineEdit *>(binding.controls[0].data())->setText(ToQString(text));
        return;
    }
    const auto boxes = ValueToBoxes(binding.syntax, text, raw, binding.controls.size());
    if (!boxes) return;
    for (std::size_t i = 0; i < boxes->size(); ++i)
        if (auto *edit = qobject_cast<QLineEdit *>(binding.controls[i].data())) edit->setText(ToQString((*boxes)[i]));
}

}  // namespace

void VdSNMPRequest2Edits::ValuesToControls(int varIndex) {
    for (const ControlBinding &binding : bindings_) {
        if (varIndex >= 0 && binding.varIndex != varIndex) continue;
        if (binding.varIndex >= request.list.Count()) throw messages::CommonError(12);
        const VarItem &item = request.list.Item(binding.varIndex);
        if (item.access & access_bit::Excluded) continue;
        ShowValue(binding, item);
    }
}

void VdSNMPRequest2Edits::ShowValue(const ControlBinding &binding, const VarItem &item) {
    QWidget *control = binding.controls.front().data();
    if (control == nullptr) return;  // its window is gone
    const ControlClass cls = ClassOf(control);
    std::string text = item.options ? item.options->ValueOf(item.value) : item.value;
    // Bytes are needed for fields, bits and octet boxes only, so a whole value shown as text (an
    // empty date, say) never has to convert. A placeholder has no bytes: its fields show it as is.
    const bool needsBytes = !binding.CoversWholeValue(item) || binding.bitPositions ||
                            (cls == ControlClass::Edit && binding.controls.size() > 1);
    std::string raw;
    if (needsBytes && !IsReservedValueText(item.value)) {
        raw = TextToRaw(text, item.syntax);
        if (!binding.CoversWholeValue(item)) {
            raw = ExtractPart(raw, binding.offset, binding.syntax);
            text = RawToText(raw, binding.syntax);
        }
    }
    const VdOptionList *options = binding.EffectiveOptions(item);
    if (options != nullptr) text = options->LabelOf(text);
    if (binding.portCount > 0) {
        control->setProperty(kPortListValueProperty, ToQString(text));
        text = PortListText(text, binding.portCount).value_or(text);
    }
    if ((cls == ControlClass::ComboBox || cls == ControlClass::RadioGroup) && options == nullptr)
        throw messages::FrameworkError(20);

    switch (cls) {
    case ControlClass::Label: qobject_cast<QLabel *>(control)->setText(ToQString(text)); break;
    case ControlClass::CheckBox: ShowOnCheckBoxes(binding, options, text, raw); break;
    case ControlClass::ComboBox: ShowOnComboBox(binding, *options, text); break;
    case ControlClass::RadioGroup: SelectInRadioGroup(*options, qobject_cast<VdRadioGroup *>(control), text); break;
    case ControlClass::Edit: ShowOnEdits(binding, text, raw); break;
    case ControlClass::Unsupported: throw messages::FrameworkError(21);
    }
}
