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
#include <QPointer>
#include <QPushButton>
#include <QTimer>

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
    // A write under way gives the button back once it has ended.
    if (TCtrlBtnPanel *strip = editsPanel->buttons())
        strip->SetCheckedButton->setEnabled(!exchanging() && editsPanel->CheckedRowCount() > 0);
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
    if (!exchanging() && WriteAcceptable()) WriteChecked(sender);
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
    const bool closeAfter = sender != nullptr && sender->property("tag").toInt() == 1;
    StartExchange(sender);
    AfterRead([this, button = QPointer<QPushButton>(sender), closeAfter] { SendChecked(button, closeAfter); });
}

void TSNMPEditorPanel::AfterRead(std::function<void()> next) {
    if (!binding_->busy) {
        next();
        return;
    }
    // The read ends after its current step.
    binding_->request.alive = false;
    binding_->ended = [this, next = std::move(next)](const std::optional<std::string> &) {
        QTimer::singleShot(0, this, [this, next] {
            binding_->request.alive = true;
            next();
        });
    };
}

void TSNMPEditorPanel::SendChecked(QPushButton *sender, bool closeAfter) {
    if (closeAfter && sender == nullptr) {
        // The dialog went before anything was sent.
        EndExchange();
        return;
    }
    VdSNMPVarList &list = binding_->request.list;
    try {
        // The exclusion marks end with the sending of the write.
        BindingStateGuard marks(*binding_);
        ExchangeScope scope(binding_);
        // Rows left unticked are neither collected nor checked.
        for (int i = 0; i < editsPanel->RowCount(); ++i)
            if (!editsPanel->Row(i).checkBox->isChecked()) list.Item(i).access |= access_bit::Excluded;
        binding_->OnSetCollect();
        binding_->ended = [this, button = QPointer<QPushButton>(sender), closeAfter](const std::optional<std::string> &error) {
            // Out of the pump's delivery: a box or a close of the dialog comes after it.
            QTimer::singleShot(0, this, [this, button, closeAfter, error] { WriteEnded(button, closeAfter, error); });
        };
        binding_->Set(false, false, "");
    } catch (const CodedError &e) {
        // Refused before anything was sent.
        binding_->ended = nullptr;
        EndExchange();
        // The refused field has been named, and keeps the focus.
        if (e.code() == VdSNMPRequest2Edits::kFieldRefused) {
            binding_->ShowSetStatus(e.message());
            return;
        }
        const int row = RefusedRow();
        if (row < 0) {
            binding_->ShowStatus(e.message());
            if (closeAfter) MessageBox::Ok(this, QStringLiteral("Error"), QString::fromStdString(e.message()));
            return;
        }
        // The values stay as typed and the field is named and focused.
        RefuseRow(row, e.message(), closeAfter);
    }
}

void TSNMPEditorPanel::WriteEnded(QPushButton *sender, bool closeAfter, const std::optional<std::string> &error) {
    if (error) {
        // The device refused the write or did not answer, which the memo says: the dialog stays open
        // with what was typed, and says why over the memo it covers.
        if (closeAfter) MessageBox::Tell(this, QStringLiteral("Error"), QString::fromStdString(*error));
        EndExchange();
        return;
    }
    EndExchange();
    if (closeAfter && sender != nullptr) sender->window()->close();
}

void TSNMPEditorPanel::StartExchange(QPushButton *from) {
    std::vector<QPushButton *> buttons = ExchangeButtons();
    buttons.push_back(from);
    QWidget *dialog = from != nullptr && from->window() != window() ? from->window() : nullptr;
    exchange_.Start({window(), dialog}, buttons);
}

void TSNMPEditorPanel::EndExchange() {
    if (!exchanging()) return;
    exchange_.End();
    UpdateSetButton();
    ExchangeEnded();
}

std::vector<QPushButton *> TSNMPEditorPanel::ExchangeButtons() const {
    return {buttons_->RefreshButton, buttons_->SetCheckedButton};
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
