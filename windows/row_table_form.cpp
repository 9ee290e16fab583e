#include "windows/row_table_form.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "binding/whole_value_check.h"
#include "editor/binding_state_guard.h"
#include "forms/exchange_scope.h"
#include "engine/coded_error.h"
#include "engine/session.h"

#include <QComboBox>
#include <QPointer>
#include <QTreeWidget>

#include <utility>

namespace {

bool IsTextSyntax(std::uint32_t s) { return s == syntax::DisplayString || IsHexSyntax(s); }

// Leaves out of one write the variables without a value to send: a choice or number left empty
// (packing would invent a 0) and the placeholders. Returns how many variables the write carries.
int LeaveOutEmptyValues(VdSNMPVarList &list) {
    int carried = 0;
    for (int i = 0; i < list.Count(); ++i) {
        if ((list.IsTable() && i < list.indexCount) || !list.IsEditable(i)) continue;
        VarItem &item = list.Item(i);
        if (IsReservedValueText(item.value) || (item.value.empty() && !IsTextSyntax(item.syntax)))
            item.access |= access_bit::Excluded;
        else
            ++carried;
    }
    return carried;
}

}  // namespace

TRowTableForm::TRowTableForm(QWidget *parent)
    : TDeviceForm(parent), table_(AdoptBinding(std::make_unique<VdSNMPRequest2Edits>(this))) {}

TRowTableForm::~TRowTableForm() = default;

void TRowTableForm::Design(const char *name, int width, int height) {
    setObjectName(QString::fromLatin1(name));
    resize(width, height);
}

void TRowTableForm::BuildTable(const DescriptorRecord *descriptors, int indexCount, const char *caption,
                               QTreeWidget *list, QObject *statusTarget, bool toggleEditors) {
    list_ = list;
    table_->SetStatusTarget(statusTarget);
    try {
        table_->request.list.Assign(VdSNMPVarList(descriptors, VdSNMPVarList::TableWithCreation, indexCount));
        table_->request.list.caption = caption;
        table_->BindListView(list, toggleEditors);
        ready_ = true;
    } catch (const CodedError &e) {
        table_->ShowStatus(e.message());
    }
    table_->getDone = [this](VdSNMPRequest2Controls &, const VdSNMPError &) {
        // The buttons come back before the window's rules set them by the rows read.
        if (writing_) ShowWriting(false);
        ReadDone();
        SelectionChanged();
    };
    // Connected after the binding's own handler, which has put the row into the controls by then.
    connect(list, &QTreeWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
}

void TRowTableForm::RefreshCurrent() {
    if (!ready_ || table_->busy) return;
    // Its end reports through getDone.
    ExchangeScope::Get(table_);
}

void TRowTableForm::Refresh() {
    table_->request.alive = true;
    RefreshCurrent();
}

row_table::Rows TRowTableForm::ListedRows() const {
    row_table::Rows rows;
    for (int r = 0; r < list_->topLevelItemCount(); ++r) {
        const QTreeWidgetItem *item = list_->topLevelItem(r);
        row_table::Cells cells;
        for (int c = 0; c < item->columnCount(); ++c) cells.push_back(FromQString(item->text(c)));
        rows.push_back(std::move(cells));
    }
    return rows;
}

row_table::Cells TRowTableForm::SelectedCells() const {
    row_table::Cells cells;
    const QList<QTreeWidgetItem *> selected = list_->selectedItems();
    if (selected.isEmpty()) return cells;
    for (int c = 0; c < selected.front()->columnCount(); ++c) cells.push_back(FromQString(selected.front()->text(c)));
    return cells;
}

bool TRowTableForm::HasSelection() const { return !list_->selectedItems().isEmpty(); }

void TRowTableForm::PinIndexToSelection() {
    if (!HasSelection()) return;
    table_->ReadSelectedRow();
    for (int i = 0; i < table_->request.list.indexCount; ++i) table_->ValuesToControls(i);
}

void TRowTableForm::ShowSelectedRow() {
    if (!HasSelection()) return;
    table_->ReadSelectedRow();
    table_->ValuesToControls(-1);
}

void TRowTableForm::WriteRow(VdSNMPRequest2Edits &binding, const std::vector<int> &excluded, Written then) {
    if (!ready_) {
        if (then) then(std::string(row_table::kBusyMessage));
        return;
    }
    // One write at a time; a walk in flight would interleave its rows with the write's reload: it
    // ends first.
    if (writing_ || (table_->busy && !ExchangeScope::StopAndWait(*table_))) {
        binding.ShowSetStatus(row_table::kBusyMessage);
        if (then) then(std::string(row_table::kBusyMessage));
        return;
    }
    table_->request.alive = true;
    binding.request.alive = true;
    std::optional<std::string> error;
    {
        ExchangeScope scope(&binding);
        BindingStateGuard marks(binding);  // the exclusions end with the sending of the write
        VdSNMPVarList &list = binding.request.list;
        for (int i : excluded) list.Item(i).access |= access_bit::Excluded;
        try {
            binding.OnSetCollect();
            if (LeaveOutEmptyValues(list) == 0) {
                error = row_table::kNothingToWriteMessage;
            } else {
                ShowWriting(true);
                binding.ended = [this, then](const std::optional<std::string> &failure) {
                    // The device's refusal is on the status target already.
                    if (failure) ShowWriting(false);
                    else ReadAfterWrite();
                    if (then) then(failure);
                };
                binding.Set(false, false);
            }
        } catch (const CodedError &e) {
            error = e.message();
        }
    }
    if (!error) return;
    if (binding.ended) {
        // Refused before anything was sent.
        binding.ended = nullptr;
        ShowWriting(false);
    }
    binding.ShowSetStatus(*error);
    if (then) then(error);
}

void TRowTableForm::ShowWriting(bool writing) {
    writing_ = writing;
    if (writing) writingShown_.Start({this, writingDialog_.data()}, exchangeButtons_);
    else writingShown_.End();
}

void TRowTableForm::ReadAfterWrite() {
    // The dialog is done; the window stays busy until the table is read again.
    if (writingDialog_ != nullptr) writingDialog_->unsetCursor();
    table_->ended = [this](const std::optional<std::string> &) { ShowWriting(false); };
    RefreshCurrent();
    if (table_->ended && !table_->busy) std::exchange(table_->ended, nullptr)(std::nullopt);
}

void TRowTableForm::WriteFromDialog(QDialog *dialog, VdSNMPRequest2Edits &binding, const std::vector<int> &excluded) {
    writingDialog_ = dialog;
    WriteRow(binding, excluded, [this, dialog = QPointer<QDialog>(dialog)](const std::optional<std::string> &error) {
        writingDialog_ = nullptr;
        if (dialog == nullptr) return;
        if (!error) {
            dialog->accept();
            return;
        }
        MessageBox::Tell(dialog, MessageBox::ModuleCaption(), QString::fromStdString(*error), MessageBox::Icon::Warning);
    });
}

void TRowTableForm::Refuse(QWidget *window, const std::string &message, QWidget *field) {
    if (!message.empty())
        MessageBox::Ok(window, MessageBox::ModuleCaption(), QString::fromStdString(message), MessageBox::Icon::Warning);
    if (field != nullptr) field->setFocus();
}

void TRowTableForm::Choose(QComboBox *box, const char *label) { box->setCurrentIndex(box->findText(QString::fromLatin1(label))); }
