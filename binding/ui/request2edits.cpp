#include "binding/ui/request2edits.h"

#include "engine/option_list.h"
#include "binding/position_list.h"
#include "binding/ui/list_rows.h"
#include "binding/ui/option_controls.h"
#include "binding/ui/radio_group.h"
#include "engine/messages.h"
#include "engine/coded_error.h"
#include "engine/port_ranges.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

namespace {

bool OpensField(char c) {
    return c == 's' || c == 'h' || c == 'i' || c == 'u' || c == 'f' || c == 'n';
}

// Number of fields of an input format: every "%" followed by a type letter opens one.
std::size_t FieldCount(const std::string &format) {
    std::size_t fields = 0;
    for (std::size_t i = 0; i + 1 < format.size(); ++i)
        if (format[i] == '%' && OpensField(format[i + 1])) ++fields;
    return fields;
}

// The format cut before every "%" but the first character: one piece per field with the literal
// text that follows it.
std::vector<std::string> FieldPieces(const std::string &format) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t i = 1; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        pieces.push_back(format.substr(start, i - start));
        start = i;
    }
    pieces.push_back(format.substr(start));
    return pieces;
}

}  // namespace

VdSNMPRequest2Edits::VdSNMPRequest2Edits(QWidget *owner)
    : VdSNMPRequest2Controls(owner), constraint_(owner, true) {}

VdSNMPRequest2Edits::~VdSNMPRequest2Edits() {
    QObject::disconnect(selectionConnection_);
    DropPendingRows();
}

void VdSNMPRequest2Edits::CheckVarIndex(int varIndex) const {
    if (varIndex < 0 || varIndex >= request.list.Count()) throw messages::CommonError(12);
}

void VdSNMPRequest2Edits::BindControl(int varIndex, std::size_t offset, std::uint32_t syntax,
                                      const VdOptionList *optionList, QWidget *control, QLineEdit *secondControl) {
    CheckVarIndex(varIndex);
    if (control == nullptr) throw messages::FrameworkError(21);
    ControlBinding binding;
    binding.varIndex = varIndex;
    binding.offset = offset;
    binding.syntax = syntax;
    binding.optionList = optionList;
    binding.controls.push_back(control);
    const VdOptionList *options = binding.EffectiveOptions(request.list.Item(varIndex));
    const ControlClass cls = ClassOf(control);
    if (cls == ControlClass::ComboBox || cls == ControlClass::RadioGroup) {
        if (options == nullptr) throw messages::FrameworkError(20);
        if (cls == ControlClass::ComboBox && secondControl == nullptr &&
            options->valueKind() == VdOptionList::TextPrefix)
            throw messages::FrameworkError(22);
        if (auto *box = qobject_cast<QComboBox *>(control))
            FillComboBox(*options, box);
        else
            FillRadioGroup(*options, qobject_cast<VdRadioGroup *>(control));
    }
    if (cls == ControlClass::ComboBox && secondControl != nullptr) binding.controls.push_back(secondControl);
    bindings_.push_back(std::move(binding));
}

void VdSNMPRequest2Edits::BindStaticText(int varIndex, QLabel *staticText) {
    CheckVarIndex(varIndex);
    BindControl(varIndex, 0, request.list.Item(varIndex).syntax, nullptr, staticText);
}

void VdSNMPRequest2Edits::BindComboBox(int varIndex, QComboBox *comboBox) {
    CheckVarIndex(varIndex);
    BindComboBoxPart(varIndex, 0, request.list.Item(varIndex).syntax, nullptr, comboBox);
}

void VdSNMPRequest2Edits::BindComboBoxPart(int varIndex, std::size_t offset, std::uint32_t syntax,
                                           const VdOptionList *optionList, QComboBox *comboBox) {
    if (comboBox != nullptr) comboBox->setEditable(false);
    BindControl(varIndex, offset, syntax, optionList, comboBox);
}

void VdSNMPRequest2Edits::BindEdits(int varIndex, const std::string &format, const std::vector<QLineEdit *> &edits) {
    CheckVarIndex(varIndex);
    BindEditBoxes(varIndex, 0, request.list.Item(varIndex).syntax, nullptr, format, edits, true);
}

void VdSNMPRequest2Edits::BindEditsPart(int varIndex, std::size_t offset, std::uint32_t syntax,
                                        const VdOptionList *optionList, const std::string &format,
                                        const std::vector<QLineEdit *> &edits) {
    BindEditBoxes(varIndex, offset, syntax, optionList, format, edits, true);
}

void VdSNMPRequest2Edits::BindPanel(int varIndex, const std::string &format, QWidget *panel) {
    CheckVarIndex(varIndex);
    if (panel == nullptr) throw messages::FrameworkError(21);
    std::vector<QLineEdit *> edits;
    constraint_.BuildEditRow(panel, format, &edits);
    BindEditBoxes(varIndex, 0, request.list.Item(varIndex).syntax, nullptr, format, edits, false);
}

void VdSNMPRequest2Edits::BindEditBoxes(int varIndex, std::size_t offset, std::uint32_t syntax,
                                        const VdOptionList *optionList, const std::string &format,
                                        const std::vector<QLineEdit *> &edits, bool attach) {
    CheckVarIndex(varIndex);
    const std::size_t fields = FieldCount(format);
    if (fields == 0) throw messages::CommonError(2);
    if (edits.size() < fields) throw messages::FrameworkError(22);
    for (std::size_t k = 0; k < fields; ++k)
        if (edits[k] == nullptr) throw messages::FrameworkError(22);
    if (attach) {
        const std::vector<std::string> pieces = FieldPieces(format);
        std::size_t attached = 0;
        try {
            for (; attached < fields; ++attached) constraint_.Attach(pieces[attached], edits[attached]);
        } catch (...) {
            for (std::size_t k = 0; k < attached; ++k) constraint_.Detach(edits[k]);
            throw;
        }
    }
    ControlBinding binding;
    binding.varIndex = varIndex;
    binding.offset = offset;
    binding.syntax = syntax;
    binding.optionList = optionList;
    for (std::size_t k = 0; k < fields; ++k) binding.controls.push_back(edits[k]);
    bindings_.push_back(std::move(binding));
}

void VdSNMPRequest2Edits::BindPortList(int varIndex, int ports, QLineEdit *edit) {
    BindEditBoxes(varIndex, 0, request.list.Item(varIndex).syntax, nullptr, "%s", {edit}, true);
    bindings_.back().portCount = ports;
    constraint_.SetCheck(edit, [ports](const std::string &text) -> std::optional<std::string> {
        PortRangesResult parsed = ParsePortList(text, ports);
        if (parsed.octets) return std::nullopt;
        return std::move(parsed.error);
    });
}

void VdSNMPRequest2Edits::BindCheckBoxBits(int varIndex, const std::string &bitPositions,
                                           const std::vector<QCheckBox *> &checkBoxes) {
    CheckVarIndex(varIndex);
    std::vector<int> positions = ParsePositionList(bitPositions);
    if (checkBoxes.size() < positions.size()) throw messages::FrameworkError(22);
    ControlBinding binding;
    binding.varIndex = varIndex;
    binding.syntax = request.list.Item(varIndex).syntax;
    for (std::size_t k = 0; k < positions.size(); ++k) {
        if (checkBoxes[k] == nullptr) throw messages::FrameworkError(22);
        binding.controls.push_back(checkBoxes[k]);
    }
    binding.bitPositions = std::move(positions);
    bindings_.push_back(std::move(binding));
}

void VdSNMPRequest2Edits::Unbind(int varIndex) {
    std::erase_if(bindings_, [&](const ControlBinding &binding) {
        if (binding.varIndex != varIndex) return false;
        for (const QPointer<QWidget> &control : binding.controls)
            if (auto *edit = qobject_cast<QLineEdit *>(control.data()); edit && constraint_.IsAttached(edit))
                constraint_.Detach(edit);
        return true;
    });
}

void VdSNMPRequest2Edits::EnableControls(bool enable) {
    for (const ControlBinding &binding : bindings_)
        for (const QPointer<QWidget> &control : binding.controls)
            if (control) control->setEnabled(enable);
}

void VdSNMPRequest2Edits::SetMessageOwner(QWidget *window) { constraint_.setOwnerWindow(window); }

void VdSNMPRequest2Edits::OnGetBegin() {
    if (!listView_ || !rows_) return;
    BuildColumns();
    DropPendingRows();
    rows_->Clear();
}

void VdSNMPRequest2Edits::OnGetResult() {
    if (!listView_) {
        ValuesToControls(-1);
        return;
    }
    // A synchronous walk lets the window answer between batches (an asynchronous one returns to the
    // event loop after every step anyway).
    if (QueueRow()) QCoreApplication::processEvents();
}

bool VdSNMPRequest2Edits::FieldsAcceptable() {
    for (const ControlBinding &binding : bindings_) {
        if (binding.varIndex >= request.list.Count() || !request.list.IsEditable(binding.varIndex)) continue;
        for (const QPointer<QWidget> &control : binding.controls) {
            auto *edit = qobject_cast<QLineEdit *>(control.data());
            if (edit == nullptr || edit->isHidden() || !edit->isEnabled() || !constraint_.IsAttached(edit)) continue;
            if (!constraint_.ExitCheck(edit)) return false;
        }
    }
    return true;
}

void VdSNMPRequest2Edits::OnSetCollect() {
    // Every way to Set runs the checks that leaving a field runs (Return in a dialog leaves none).
    if (!FieldsAcceptable()) throw CodedError(constraint_.lastRefusal().toStdString(), kFieldRefused);
    for (int i = 0; i < request.list.Count(); ++i) request.list.Item(i).value.clear();
    if (listView_) ReadSelectedRow();
    ControlsToValues(-1);
}

void VdSNMPRequest2Edits::OnGetError(const VdSNMPError &error) {
    // The rows read before the failure stay shown.
    FlushRows();
    VdSNMPRequest2Controls::OnGetError(error);
}

void VdSNMPRequest2Edits::OnGetEnd() {
    FlushRows();
    if (!listView_) return;
    FitColumns();
    if (toggleEditors && request.list.kind == VdSNMPVarList::Table) EnableControls(false);
}

void VdSNMPRequest2Edits::OnItemSelected(bool selected) {
    if (!selected) return;
    if (toggleEditors) EnableControls(true);
    if (listView_) ReadSelectedRow();
    ValuesToControls(-1);
}
