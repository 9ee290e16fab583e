#include "binding/multi_box_fields.h"
#include "engine/option_list.h"
#include "binding/raw_value.h"
#include "binding/ui/radio_group.h"
#include "binding/ui/request2edits.h"
#include "binding/whole_value_check.h"
#include "engine/messages.h"
#include "engine/coded_error.h"
#include "engine/descriptor.h"
#include "engine/hex_text.h"
#include "engine/port_ranges.h"
#include "engine/readable_values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kBadValueCode = -518;  // a text that does not convert to its syntax

std::string TextOf(const QPointer<QWidget> &control) {
    if (auto *edit = qobject_cast<QLineEdit *>(control.data())) return FromQString(edit->text());
    if (auto *label = qobject_cast<QLabel *>(control.data())) return FromQString(label->text());
    return {};
}

std::string LabelToValue(const VdOptionList *options, const std::string &label) {
    return options ? options->ValueOf(label) : label;
}

// The bytes of a bit map from its check boxes, grown with zero bytes up to the highest bit.
std::string BitsPart(const ControlBinding &binding) {
    std::string part;
    for (std::size_t k = 0; k < binding.bitPositions->size(); ++k) {
        const int bit = (*binding.bitPositions)[k];
        const auto byte = static_cast<std::size_t>(bit / 8);
        if (part.size() <= byte) part.resize(byte + 1, '\0');
        const auto mask = static_cast<unsigned char>(0x80u >> (bit % 8));
        auto *box = qobject_cast<QCheckBox *>(binding.controls[k].data());
        unsigned char value = static_cast<unsigned char>(part[byte]);
        value = box && box->isChecked() ? value | mask : value & ~mask;
        part[byte] = static_cast<char>(value);
    }
    return part;
}

std::string CheckBoxText(const ControlBinding &binding, const VdOptionList *options) {
    const bool checked = qobject_cast<QCheckBox *>(binding.controls[0].data())->isChecked();
    if (options != nullptr) {
        const int position = checked ? 1 : 0;  // option 0 means unchecked, option 1 checked
        if (options->Count() <= position) throw messages::FrameworkError(20);
        return options->EntryAt(position).value;
    }
    if (!IsBooleanSyntax(binding.syntax)) throw messages::FrameworkError(17);
    return checked ? "true" : "false";
}

std::string ComboBoxText(const ControlBinding &binding, const VdOptionList *options) {
    if (options == nullptr) throw messages::FrameworkError(20);
    std::string label = FromQString(qobject_cast<QComboBox *>(binding.controls[0].data())->currentText());
    if (binding.controls.size() > 1 && binding.controls[1]) {
        if (binding.syntax == syntax::ObjectId) label += '.';
        label += TextOf(binding.controls[1]);
    }
    return options->ValueOf(label);
}

std::string RadioGroupText(const ControlBinding &binding, const VdOptionList *options) {
    if (options == nullptr) throw messages::FrameworkError(20);
    const auto *group = qobject_cast<VdRadioGroup *>(binding.controls[0].data());
    const int index = group->itemIndex();
    const QStringList items = group->items();
    return options->ValueOf(index >= 0 && index < items.size() ? FromQString(items[index]) : std::string{});
}

// The bytes the fields are written over: those of the current value, none when it has no value or
// its text is not one of its syntax (the fields then start from nothing).
std::string CurrentRaw(const std::string &current, std::uint32_t s) {
    if (IsReservedValueText(current) || current.empty()) return {};
    try {
        return TextToRaw(current, s);
    } catch (const CodedError &e) {
        if (e.code() != kBadValueCode) throw;
        return {};
    }
}

// A port list's edit as a value: the value it was filled with while it still shows that, else the
// typed ranges or hex over the list's octets, octets beyond the list kept as they were read.
std::string PortListValue(const ControlBinding &binding) {
    const QWidget *edit = binding.controls[0].data();
    const std::string text = TextOf(binding.controls[0]);
    if (text.empty() || IsReservedValueText(text)) return text;
    const std::string filled = FromQString(edit->property(kPortListValueProperty).toString());
    const std::optional<std::string> shown = PortListText(filled, binding.portCount);
    if (shown == text) return filled;
    PortRangesResult parsed = ParsePortList(text, binding.portCount);
    if (!parsed.octets) throw CodedError(parsed.error, kBadValueCode);
    const std::size_t digits = 2 * parsed.octets->size();
    return ToHex(*parsed.octets) + (shown && filled.size() > digits ? filled.substr(digits) : std::string{});
}

void WritePart(std::string &raw, std::size_t offset, const std::string &part) {
    if (raw.size() < offset + part.size()) raw.resize(offset + part.size(), '\0');
    raw.replace(offset, part.size(), part);
}

}  // namespace

// The text a binding's controls give for its field, as a value (options turned back into values).
std::string VdSNMPRequest2Edits::CollectPart(const ControlBinding &binding, const VarItem &item,
                                             const std::string &currentText, std::size_t rawLength) {
    const VdOptionList *options = binding.EffectiveOptions(item);
    switch (ClassOf(binding.controls[0].data())) {
    case ControlClass::Label: return LabelToValue(options, TextOf(binding.controls[0]));
    case ControlClass::CheckBox: return CheckBoxText(binding, options);
    case ControlClass::ComboBox: return ComboBoxText(binding, options);
    case ControlClass::RadioGroup: return RadioGroupText(binding, options);
    case ControlClass::Edit: {
        if (binding.portCount > 0) return PortListValue(binding);
        if (binding.controls.size() == 1) return LabelToValue(options, TextOf(binding.controls[0]));
        std::vector<std::string> boxes;
        for (const QPointer<QWidget> &control : binding.controls) boxes.push_back(TextOf(control));
        return LabelToValue(options, BoxesToValue(binding.syntax, boxes, currentText, rawLength));
    }
    case ControlClass::Unsupported: break;
    }
    throw messages::FrameworkError(21);
}

void VdSNMPRequest2Edits::ControlsToValues(int varIndex) {
    for (int i = 0; i < request.list.Count(); ++i) {
        if (varIndex >= 0 && i != varIndex) continue;
        if (request.list.IsEditable(i)) CollectVariable(i);
    }
}

void VdSNMPRequest2Edits::CollectVariable(int varIndex) {
    VarItem &item = request.list.Item(varIndex);
    const std::string current = item.options ? item.options->ValueOf(item.value) : item.value;
    std::string raw = CurrentRaw(current, item.syntax);
    bool bound = false;
    bool emptyWhole = false;
    for (const ControlBinding &binding : bindings_) {
        if (binding.varIndex != varIndex || !binding.controls.front()) continue;
        const bool first = !bound;
        bound = true;
        // A DisplayString is rebuilt from its fields.
        if (first && item.syntax == syntax::DisplayString) raw.clear();
        if (binding.bitPositions) {
            WritePart(raw, binding.offset, BitsPart(binding));
            continue;
        }
        const std::string text = CollectPart(binding, item, current, raw.size());
        if (IsReservedValueText(text)) {
            item.value = text;  // a placeholder is kept as it stands, never converted into a value
            return;
        }
        if (binding.CoversWholeValue(item) && text.empty()) {
            raw.clear();
            emptyWhole = true;
            continue;
        }
        const bool whole = binding.CoversWholeValue(item);
        const std::string part = whole ? WholeValueRaw(text, binding.syntax) : TextToRaw(text, binding.syntax);
        // A first binding of the whole value replaces the old value, so a shorter text leaves no tail.
        if (first && whole)
            raw = part;
        else
            WritePart(raw, binding.offset, part);
    }
    if (!bound) return;
    if (emptyWhole && raw.empty()) {
        // An empty field holds no value: packing would invent a 0 or a NULL for it.
        item.value.clear();
        return;
    }
    item.value = RawToText(raw, item.syntax);
    if (item.options) item.value = item.options->LabelOf(item.value);
}
