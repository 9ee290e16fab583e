#include "editor/snmp_editor_panel.h"

#include "binding/ui/message_box.h"
#include "engine/coded_error.h"
#include "binding/ui/request2edits.h"
#include "editor/binding_state_guard.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"
#include "forms/exchange_scope.h"
#include "editor/multicast_address.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The rows of a multicast range: from, to, access and state.
constexpr int kFromRow = 1;
constexpr int kToRow = 2;
constexpr int kAccessRow = 3;
constexpr int kStateRow = 4;

bool IsActiveBox(const QCheckBox *box) { return !box->isHidden() && box->isEnabledTo(box->parentWidget()); }

}  // namespace

TSNMPEditorPanel::TSNMPEditorPanel(QWidget *parent, VdSNMPRequest2Edits *binding)
    : TSNMPPanel(parent, nullptr, binding) {
    editsPanel = new TEditsPanel(contentArea(), binding);
    editsPanel->onRowCheck = [this](QCheckBox *box) { RowCheckClicked(box); };
    buttons_->SetCheckedButton->setEnabled(false);
    connect(buttons_->SetCheckedButton, &QPushButton::clicked, this,
            [this] { SetChecked(buttons_->SetCheckedButton); });
    connect(buttons_->CheckAllButton, &QPushButton::clicked, this, [this] { CheckAll(); });
    connect(buttons_->ClearChecksButton, &QPushButton::clicked, this, [this] { ClearChecks(); });
    editsPanel->ArrangeCtrlBtn(buttons_);
    SetContent(editsPanel);
}

void TSNMPEditorPanel::SetEditWidth(int width) {
    editsPanel->SetEditWidth(width);
    SetContent(editsPanel);
    if (owningForm() != nullptr) AttachToForm(owningForm());
}

void TSNMPEditorPanel::SetVarFormat(int i, const std::string &format) { editsPanel->SetRowFormat(i, format); }

void TSNMPEditorPanel::UpdateSetButton() {
    if (TCtrlBtnPanel *strip = editsPanel->buttons()) strip->SetCheckedButton->setEnabled(editsPanel->CheckedRowCount() > 0);
}

// Hidden rows (a status drop-down emptied by the Edit dialog, for one) are never checked by these.
void TSNMPEditorPanel::CheckAll() {
    for (int i = 0; i < editsPanel->RowCount(); ++i)
        if (IsActiveBox(editsPanel->Row(i).checkBox)) editsPanel->CheckRow(i);
    if (editsPanel->CheckedRowCount() >= 1) UpdateSetButton();
}

void TSNMPEditorPanel::ClearChecks() {
    for (int i = 0; i < editsPanel->RowCount(); ++i)
        if (IsActiveBox(editsPanel->Row(i).checkBox)) editsPanel->UncheckRow(i);
    if (editsPanel->CheckedRowCount() == 0) UpdateSetButton();
}

void TSNMPEditorPanel::RowCheckClicked(QCheckBox *sender) {
    if (editsPanel->multicastRangeMode && editsPanel->RowCount() > kStateRow &&
        sender != editsPanel->Row(kStateRow).checkBox && sender->isChecked())
        CheckAll();
    UpdateSetButton();
}

bool TSNMPEditorPanel::MulticastRowsAcceptable() {
    auto refuse = [this](const char *text) {
        MessageBox::Ok(this, QStringLiteral("Error"), QLatin1String(text));
        return false;
    };
    if (editsPanel->RowCount() <= kStateRow) return refuse("Some fields need to be checked!");
    auto checked = [this](int i) { return editsPanel->Row(i).checkBox->isChecked(); };
    if (!checked(kStateRow)) return refuse("Some fields need to be checked!");
    const bool any = checked(kFromRow) || checked(kToRow) || checked(kAccessRow);
    const bool all = checked(kFromRow) && checked(kToRow) && checked(kAccessRow);
    if (any && !all) return refuse("Some fields need to be checked!");
    if (!IsMulticastAddress(editsPanel->RowText(kFromRow))) return refuse("Bad value of FromIP field!");
    if (!IsMulticastAddress(editsPanel->RowText(kToRow))) return refuse("Bad value of ToIP field!");
    if (editsPanel->RowText(kAccessRow) == "none") return refuse("Bad value of Access field!");
    return true;
}

void TSNMPEditorPanel::SetChecked(QPushButton *sender) {
    if (WriteAcceptable()) WriteChecked(sender);
}

bool TSNMPEditorPanel::WriteAcceptable() {
    if (editsPanel->multicastRangeMode && !MulticastRowsAcceptable()) return false;
    const QString session = writeQuestion ? writeQuestion() : QString();
    const QString question = session.isEmpty() ? setQuestion : session;
    if (!question.isEmpty() &&
        MessageBox::YesNoChange(this, window()->windowTitle(), question, MessageBox::Icon::Question) != QMessageBox::Yes)
        return false;
    const VdSNMPVarList &list = binding_->request.list;
    // Empty items are found before anything is collected: an empty index or address must be
    // reported as such, not as a value the collector cannot convert.
    for (int i = 0; i < editsPanel->RowCount(); ++i) {
        const bool excluded =
            !editsPanel->Row(i).checkBox->isChecked() || (list.Item(i).access & access_bit::Excluded) != 0;
        if (!excluded && editsPanel->RowIsEmpty(i)) {
            MessageBox::Ok(this, QStringLiteral("Warning"), QStringLiteral("Some items are empty!"));
            return false;
        }
    }
    return true;
}

void TSNMPEditorPanel::WriteChecked(QPushButton *sender) {
    VdSNMPVarList &list = binding_->request.list;
    const bool closeAfter = sender != nullptr && sender->property("tag").toInt() == 1;
    {
        // Mode, exclusion marks and access bits come back however the action ends.
        BindingStateGuard guard(*binding_);
        ExchangeScope scope(binding_);
        try {
            // Rows left unticked are neither collected nor checked.
            for (int i = 0; i < editsPanel->RowCount(); ++i)
                if (!editsPanel->Row(i).checkBox->isChecked()) list.Item(i).access |= access_bit::Excluded;
            binding_->OnSetCollect();
            binding_->Set(false, false, "");
        } catch (const CodedError &e) {
            // The refused field has been named, and keeps the focus.
            if (e.code() == VdSNMPRequest2Edits::kFieldRefused) {
                binding_->ShowSetStatus(e.message());
                return;
            }
            const int row = RefusedRow();
            if (row < 0) {
                // The device refused the write or did not answer: the dialog stays open with what
                // was typed, and says why over the memo it covers.
                binding_->ShowStatus(e.message());
                if (closeAfter) MessageBox::Ok(this, QStringLiteral("Error"), QString::fromStdString(e.message()));
                return;
            }
            // Nothing was sent: the values stay as typed and the field is named and focused.
            RefuseRow(row, e.message(), closeAfter);
            return;
        }
    }
    if (closeAfter) sender->window()->close();
}

int TSNMPEditorPanel::RefusedRow() {
    for (int i = 0; i < editsPanel->RowCount(); ++i) {
        if (!editsPanel->Row(i).checkBox->isChecked() || !binding_->request.list.IsEditable(i)) continue;
        try {
            binding_->ControlsToValues(i);
            snmp::VarBind probe;
            binding_->request.LoadValue(i, probe);
        } catch (const CodedError &) {
            return i;
        }
    }
    return -1;
}

void TSNMPEditorPanel::RefuseRow(int row, const std::string &message, bool inDialog) {
    // A refusal of the write names its field already; one of the collection does not.
    const std::string label = QString::fromStdString(binding_->request.list.Item(row).label).trimmed().toStdString();
    const std::string text = message.rfind(label + ": ", 0) == 0 ? message : label + ": " + message;
    binding_->ShowSetStatus(text);
    // A dialog covers the memo it shares with its table window.
    if (inDialog) MessageBox::Ok(this, QStringLiteral("Error"), QString::fromStdString(text));
    QWidget *field = editsPanel->Row(row).editor;
    if (field != nullptr && qobject_cast<QLineEdit *>(field) == nullptr) {
        if (auto *box = field->findChild<QLineEdit *>()) field = box;
    }
    if (field == nullptr) return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(field)) edit->selectAll();
}
