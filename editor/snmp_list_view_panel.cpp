#include "editor/snmp_list_view_panel.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "editor/binding_state_guard.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"
#include "editor/editor_error.h"
#include "forms/exchange_scope.h"
#include "editor/list_view_panel.h"
#include "editor/status_choice_trim.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QDialog>
#include <QEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolTip>
#include <QTreeWidget>

namespace {

constexpr int kEditDialogEditWidth = 200;
constexpr int kEditWaitMs = 1000;

}  // namespace

TSNMPListViewPanel::TSNMPListViewPanel(QWidget *parent, VdSNMPRequest2Edits *binding)
    : TSNMPEditorPanel(parent, binding) {
    listPanel = new TListViewPanel(contentArea(), binding);
    beforeAdd = [this](QPushButton *) { editsPanel->ClearAllRows(); };

    QTreeWidget *list = listPanel->listView;
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this] { DoubleClick(); });
    connect(list, &QTreeWidget::itemSelectionChanged, this, [this] { Click(); });
    QAbstractItemModel *model = list->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { UpdateCount(); });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { UpdateCount(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { UpdateCount(); });
    list->viewport()->installEventFilter(this);

    disconnect(buttons_->RefreshButton, &QPushButton::clicked, this, nullptr);
    connect(buttons_->RefreshButton, &QPushButton::clicked, this, [this] { RefreshTable(); });
    connect(buttons_->EditButton, &QPushButton::clicked, this, [this] { EditAction(); });
    connect(buttons_->AddButton, &QPushButton::clicked, this, [this] { AddAction(); });
    connect(buttons_->DeleteButton, &QPushButton::clicked, this, [this] { DeleteAction(); });

    // A row selected while the table was still loading counts once the read has ended.
    QPointer<TSNMPListViewPanel> self(this);
    binding->getDone = [self, previous = binding->getDone](VdSNMPRequest2Controls &b, const VdSNMPError &e) {
        if (previous) previous(b, e);
        if (self) self->Click();
    };

    listPanel->ArrangeCtrlBtn(buttons_);
    if (editsPanel->AllRowsReadOnly()) {
        buttons_->EditButton->hide();
        buttons_->LayoutButtons();
    }
    SetContent(listPanel);
}

TSNMPListViewPanel::~TSNMPListViewPanel() {
    // The list view goes with the child widgets, after this part of the panel is gone.
    QTreeWidget *list = listPanel->listView;
    list->model()->disconnect(this);
    list->disconnect(this);
    list->viewport()->removeEventFilter(this);
}

void TSNMPListViewPanel::SetStatus(int index, const std::string &value, const char *error, int &statusIndex,
                                   std::string &statusValue, QPushButton *button) {
    const auto *combo = index >= 0 && index < editsPanel->RowCount()
                            ? qobject_cast<const QComboBox *>(editsPanel->Row(index).editor)
                            : nullptr;
    if (combo == nullptr || combo->findText(ToQString(value), Qt::MatchExactly) < 0)
        RaiseEditorError(std::string(error) + value);
    statusIndex = index;
    statusValue = value;
    button->show();
    buttons_->LayoutButtons();
}

void TSNMPListViewPanel::SetAddStatus(int index, const std::string &value) {
    SetStatus(index, value, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:", listPanel->addIndex,
              listPanel->addValue, buttons_->AddButton);
}

void TSNMPListViewPanel::SetDeleteStatus(int index, const std::string &value) {
    SetStatus(index, value, "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:", listPanel->deleteIndex,
              listPanel->deleteValue, buttons_->DeleteButton);
}

void TSNMPListViewPanel::RefreshTable() {
    if (binding_->asyncMode && binding_->busy) return;
    buttons_->EditButton->setEnabled(false);
    buttons_->DeleteButton->setEnabled(false);
    Refresh();
}

void TSNMPListViewPanel::Click() {
    // Rows removed by a walk, or a selection this panel clears itself, are no user's click.
    if (selectingInternally_ || binding_->busy) return;
    if (!listPanel->listView->selectedItems().isEmpty()) {
        if (!noEdit) buttons_->EditButton->setEnabled(true);
        buttons_->DeleteButton->setEnabled(true);
        return;
    }
    if (!noEdit) buttons_->EditButton->setEnabled(false);
    buttons_->DeleteButton->setEnabled(false);
    editsPanel->ClearAllRows();
}

void TSNMPListViewPanel::DoubleClick() {
    if (!listPanel->listView->selectedItems().isEmpty() && !noEdit) EditAction();
}

void TSNMPListViewPanel::UpdateCount() {
    buttons_->SamplesCount->setText(QString::number(listPanel->listView->topLevelItemCount()));
}

QString TSNMPListViewPanel::RowHint(const QTreeWidgetItem *item) const {
    const QTreeWidget *list = listPanel->listView;
    const QTreeWidgetItem *header = list->headerItem();
    qsizetype widest = 0;
    for (int k = 0; k < list->columnCount(); ++k) widest = std::max(widest, header->text(k).size());
    QString hint;
    for (int k = 0; k < list->columnCount(); ++k) {
        // Hidden columns belong to variables the user is not shown.
        if (list->isColumnHidden(k)) continue;
        const QString caption = header->text(k);
        hint += caption + QString(widest - caption.size(), QLatin1Char('\t')) + QStringLiteral("  ") + item->text(k) +
                QLatin1Char('\n');
    }
    return hint;
}

bool TSNMPListViewPanel::eventFilter(QObject *watched, QEvent *event) {
    if (watched == listPanel->listView->viewport() && event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        if (const QTreeWidgetItem *item = listPanel->listView->itemAt(help->pos()))
            QToolTip::showText(help->globalPos(), RowHint(item), listPanel->listView->viewport());
        else
            QToolTip::hideText();
        return true;
    }
    return TSNMPEditorPanel::eventFilter(watched, event);
}

QString TSNMPListViewPanel::OwnCaption() const {
    // On a page the tab names the table; directly on a window its caption does.
    for (const QWidget *w = this; w != nullptr && !w->isWindow(); w = w->parentWidget()) {
        const auto *stack = qobject_cast<const QStackedWidget *>(w->parentWidget());
        const auto *tabs = stack != nullptr ? qobject_cast<const QTabWidget *>(stack->parentWidget()) : nullptr;
        if (tabs != nullptr) return tabs->tabText(tabs->indexOf(const_cast<QWidget *>(w)));
    }
    return window()->windowTitle();
}

QDialog *TSNMPListViewPanel::CreateRowDialog(const char *name, const QString &caption, TSNMPPanel *&frame) {
    auto *dialog = new QDialog(window());
    dialog->setObjectName(QLatin1String(name));
    dialog->setWindowTitle(caption);
    binding_->SetMessageOwner(dialog);
    frame = new TSNMPPanel(dialog, messages(), binding_);
    TCtrlBtnPanel *strip = frame->buttons();
    strip->SetCheckedButton->setProperty("tag", 1);
    connect(strip->SetCheckedButton, &QPushButton::clicked, this, [this, strip] { SetChecked(strip->SetCheckedButton); });
    connect(strip->CheckAllButton, &QPushButton::clicked, this, [this] { CheckAll(); });
    connect(strip->ClearChecksButton, &QPushButton::clicked, this, [this] { ClearChecks(); });
    return dialog;
}

void TSNMPListViewPanel::LendEditsPanel(QDialog *dialog, TSNMPPanel *frame) {
    editsPanel->ArrangeCtrlBtn(frame->buttons());
    frame->buttons()->RefreshButton->hide();
    frame->buttons()->LayoutButtons();
    editsPanel->Layout();
    frame->SetContent(editsPanel);
    frame->AttachToForm(dialog);
}

void TSNMPListViewPanel::ReturnEditsPanel(QDialog *dialog) {
    editsPanel->hide();
    editsPanel->setParent(contentArea());
    delete dialog;
    binding_->SetMessageOwner(window());
    RefreshTable();
}

void TSNMPListViewPanel::AddAction() {
    if (beforeAdd) beforeAdd(buttons_->AddButton);
    RunAddDialog();
    if (afterAdd) afterAdd(buttons_->AddButton);
}

void TSNMPListViewPanel::RunAddDialog() {
    TSNMPPanel *frame = nullptr;
    QDialog *dialog = CreateRowDialog("AddDialog", OwnCaption() + QStringLiteral(" (Add)"), frame);
    const int indexCount = binding_->request.list.indexCount;
    for (int i = 0; i < indexCount && i < editsPanel->RowCount(); ++i) {
        editsPanel->MakeRowEditable(i);
        editsPanel->CheckRow(i);
        editsPanel->Row(i).checkBox->setEnabled(false);
    }
    const int status = listPanel->addIndex;
    if (status >= 0 && status < editsPanel->RowCount()) {
        editsPanel->Row(status).editor->setEnabled(false);
        editsPanel->Row(status).checkBox->setEnabled(false);
        editsPanel->CheckRow(status);
        editsPanel->SetRowValue(status, listPanel->addValue);
    }
    LendEditsPanel(dialog, frame);
    selectingInternally_ = true;
    listPanel->listView->clearSelection();
    selectingInternally_ = false;
    buttons_->EditButton->setEnabled(false);
    buttons_->DeleteButton->setEnabled(false);
    dialog->exec();
    ReturnEditsPanel(dialog);
}

void TSNMPListViewPanel::HideEditButton() {
    buttons_->EditButton->hide();
    buttons_->LayoutButtons();
    noEdit = true;
}

void TSNMPListViewPanel::EditAction() {
    if (beforeEdit) beforeEdit(buttons_->EditButton);
    RunEditDialog();
    if (afterEdit) afterEdit(buttons_->EditButton);
}

void TSNMPListViewPanel::RunEditDialog() {
    if (binding_->asyncMode) {
        // Let a walk in flight end its current step before the row is edited.
        ExchangeScope::StopAndWait(*binding_, kEditWaitMs);
        binding_->request.alive = true;
    }
    TSNMPPanel *frame = nullptr;
    QDialog *dialog = CreateRowDialog("EditDialog", window()->windowTitle(), frame);
    frame->buttons()->SetCheckedButton->setEnabled(false);
    editsPanel->SetRowsCheckState(false);
    editsPanel->SetEditWidth(kEditDialogEditWidth);
    LendEditsPanel(dialog, frame);
    // An existing row can be neither created again nor destroyed from here.
    StatusChoiceTrim trim(*editsPanel);
    if (listPanel->addIndex >= 0) trim.Remove(listPanel->addIndex, listPanel->addValue);
    if (listPanel->deleteIndex >= 0) trim.Remove(listPanel->deleteIndex, listPanel->deleteValue);
    // A status row left without values takes no room.
    editsPanel->Layout();
    dialog->exec();
    trim.Restore();
    editsPanel->Layout();
    ReturnEditsPanel(dialog);
}

void TSNMPListViewPanel::DeleteAction() {
    if (MessageBox::YesNoChange(this, QStringLiteral("Delete"), QStringLiteral("Are you sure to delete ?")) !=
        QMessageBox::Yes)
        return;
    // Without a selected row there is no instance to address.
    if (listPanel->deleteIndex < 0 || listPanel->listView->selectedItems().isEmpty()) return;
    BindingStateGuard modeGuard(*binding_);
    {
        // Only the row-status column goes out; the marks end with the set.
        BindingStateGuard marksGuard(*binding_);
        ExchangeScope scope(binding_);
        VdSNMPVarList &list = binding_->request.list;
        for (int i = list.indexCount; i < list.Count(); ++i)
            if (i != listPanel->deleteIndex) list.Item(i).access |= access_bit::Excluded;
        try {
            binding_->OnSetCollect();
            if (listPanel->deleteIndex >= 0 && listPanel->deleteIndex < list.Count())
                list.Item(listPanel->deleteIndex).value = listPanel->deleteValue;
            binding_->Set(false, false, "");
        } catch (const CodedError &e) {
            binding_->ShowStatus(e.message());
        }
    }
    RefreshTable();
}
