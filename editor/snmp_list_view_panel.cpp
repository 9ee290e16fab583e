#include "editor/snmp_list_view_panel.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "binding/ui/sortable_list.h"
#include "binding/ui/table_rows_model.h"
#include "editor/binding_state_guard.h"
#include "editor/ctrl_btn_panel.h"
#include "editor/edits_panel.h"
#include "editor/editor_error.h"
#include "editor/export_file.h"
#include "forms/exchange_scope.h"
#include "editor/list_copy.h"
#include "editor/list_view_panel.h"
#include "editor/status_choice_trim.h"
#include "engine/row_probe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QMenu>
#include <QShortcut>
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
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

constexpr int kEditDialogEditWidth = 200;
constexpr char kNoRowText[] = "The row to delete is no longer listed; nothing was sent.";
constexpr int kEditWaitMs = 1000;

}  // namespace

TSNMPListViewPanel::TSNMPListViewPanel(QWidget *parent, VdSNMPRequest2Edits *binding)
    : TSNMPEditorPanel(parent, binding) {
    listPanel = new TListViewPanel(contentArea(), binding);
    beforeAdd = [this](QPushButton *) { editsPanel->ClearAllRows(); };

    SortableList *list = listPanel->listView;
    connect(list, &QAbstractItemView::doubleClicked, this, [this] { DoubleClick(); });
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { Click(); });
    // A filter can take selected rows out of the list: the buttons follow what stays selected.
    connect(list, &SortableList::shownRowsChanged, this, [this] {
        UpdateCount();
        Click();
    });
    copyAction_ = new QAction(QStringLiteral("Copy"), list);
    copyAction_->setObjectName(QStringLiteral("copyRowsAction"));
    copyAction_->setShortcut(QKeySequence::Copy);
    copyAction_->setShortcutContext(Qt::WidgetShortcut);
    connect(copyAction_, &QAction::triggered, this, [this] { CopyRows(); });
    list->addAction(copyAction_);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) { ShowListMenu(at); });
    auto *find = new QShortcut(QKeySequence::Find, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    find->setObjectName(QStringLiteral("filterShortcut"));
    connect(find, &QShortcut::activated, this, [this] {
        listPanel->filterEdit->setFocus(Qt::ShortcutFocusReason);
        listPanel->filterEdit->selectAll();
    });
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
    SortableList *list = listPanel->listView;
    list->selectionModel()->disconnect(this);
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
    if (exchanging()) {
        readAfterExchange_ = true;
        return;
    }
    ReadTable();
}

void TSNMPListViewPanel::ReadTable() {
    if (binding_->asyncMode && binding_->busy) return;
    buttons_->EditButton->setEnabled(false);
    buttons_->DeleteButton->setEnabled(false);
    for (QPushButton *b : rowButtons_) b->setEnabled(false);
    Refresh();
}

QPushButton *TSNMPListViewPanel::AddTableButton(const QString &objectName, const QString &caption, bool forRow,
                                                std::function<void()> action) {
    QPushButton *button = buttons_->AddTableButton(objectName, caption);
    if (forRow) {
        button->setEnabled(false);
        rowButtons_.push_back(button);
    }
    connect(button, &QPushButton::clicked, this, [this, action = std::move(action)] {
        action();
        RefreshTable();
    });
    return button;
}

void TSNMPListViewPanel::MaskSecret(int varIndex) {
    const std::vector<int> order = binding_->request.list.ListViewColumnOrder();
    const auto at = std::find(order.begin(), order.end(), varIndex);
    if (at != order.end()) listPanel->listView->SetSecretColumn(static_cast<int>(at - order.begin()));
    editsPanel->MaskRow(varIndex);
}

std::vector<std::string> TSNMPListViewPanel::SelectedRowValues() {
    const std::vector<int> selected = listPanel->listView->SelectedReadRows();
    if (selected.size() != 1) return {};
    // From the row's cells: the binding's values may hold what a dialog is editing.
    const VdSNMPVarList &list = binding_->request.list;
    const TableRowsModel &rows = listPanel->listView->rows();
    std::vector<std::string> values(static_cast<std::size_t>(list.Count()));
    int column = 0;
    for (int i : list.ListViewColumnOrder())
        if (column < rows.columnCount()) values[static_cast<std::size_t>(i)] = rows.Value(selected.front(), column++);
    return values;
}

void TSNMPListViewPanel::Click() {
    // Rows removed by a walk, or a selection this panel clears itself, are no user's click; a walk
    // that ends while a row dialog has the editor grid leaves what is typed there alone; a write
    // under way gives the buttons back at its end.
    if (selectingInternally_ || binding_->busy || exchanging() || editsPanel->window() != window()) return;
    const std::size_t selected = listPanel->listView->SelectedReadRows().size();
    if (selected > 0) {
        // Edit and Delete address one row; several rows are selected for copying.
        if (!noEdit) buttons_->EditButton->setEnabled(selected == 1);
        buttons_->DeleteButton->setEnabled(selected == 1);
        for (QPushButton *b : rowButtons_) b->setEnabled(selected == 1);
        return;
    }
    if (!noEdit) buttons_->EditButton->setEnabled(false);
    buttons_->DeleteButton->setEnabled(false);
    for (QPushButton *b : rowButtons_) b->setEnabled(false);
    editsPanel->ClearAllRows();
}

void TSNMPListViewPanel::DoubleClick() {
    if (listPanel->listView->SelectedReadRows().size() == 1 && !noEdit && !exchanging()) EditAction();
}

void TSNMPListViewPanel::UpdateCount() {
    const SortableList *list = listPanel->listView;
    const QString read = QString::number(list->readRowCount());
    buttons_->SamplesCount->setText(list->filter().isEmpty()
                                        ? read
                                        : QString::number(list->shownRowCount()) + QStringLiteral(" / ") + read);
}

QString TSNMPListViewPanel::RowHint(int row) const {
    const SortableList *list = listPanel->listView;
    QStringList lines;
    // Hidden columns belong to variables the user is not shown.
    for (int k : list->ShownColumns()) lines << list->caption(k).trimmed() + QStringLiteral(": ") + list->rows().ShownText(row, k);
    return lines.join(QLatin1Char('\n'));
}

void TSNMPListViewPanel::ShowPortList(int varIndex, int ports) {
    const std::vector<int> order = binding_->request.list.ListViewColumnOrder();
    const auto at = std::find(order.begin(), order.end(), varIndex);
    if (at != order.end()) listPanel->listView->SetPortListColumn(static_cast<int>(at - order.begin()), ports);
    portListVars_.push_back(varIndex);
}

void TSNMPListViewPanel::SetExportEntry(std::vector<std::string> path, std::string title, std::string page) {
    exportPath_ = std::move(path);
    exportTitle_ = std::move(title);
    exportPage_ = std::move(page);
}

void TSNMPListViewPanel::CopyRows() {
    const std::vector<int> rows = listPanel->listView->SelectedReadRows();
    if (rows.empty()) return;
    QApplication::clipboard()->setText(RowsAsTabText(*listPanel->listView, rows));
}

std::string TSNMPListViewPanel::ExportText(const std::string &format) const {
    EntryReading reading{exportPath_, exportTitle_, {ListPage(*listPanel->listView, exportPage_)}};
    // Port lists add their ranges beside the hex, as for a script.
    const SortableList &list = *listPanel->listView;
    const std::vector<int> order = binding_->request.list.ListViewColumnOrder();
    for (std::size_t k = 0; k < order.size() && k < static_cast<std::size_t>(list.columnCount()); ++k)
        if (!list.isColumnHidden(static_cast<int>(k)))
            reading.pages.front().portLists.push_back(std::count(portListVars_.begin(), portListVars_.end(), order[k]) > 0);
    return format == "json" ? FormatJson(reading) : FormatCsv(reading);
}

void TSNMPListViewPanel::ExportList() {
    if (const std::optional<ExportTarget> target = AskExportFile(window(), QStringLiteral("Export")))
        SaveExport(window(), target->file, ExportText(target->format));
}

void TSNMPListViewPanel::ShowListMenu(const QPoint &at) {
    SortableList *list = listPanel->listView;
    const QModelIndex item = list->indexAt(at);
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("listMenu"));
    menu.addAction(copyAction_);
    copyAction_->setEnabled(!list->SelectedReadRows().empty());
    QAction *cell = menu.addAction(QStringLiteral("Copy Cell"));
    cell->setObjectName(QStringLiteral("copyCellAction"));
    cell->setEnabled(item.isValid());
    const QString text = item.data().toString();
    connect(cell, &QAction::triggered, this, [text] { QApplication::clipboard()->setText(text); });
    menu.addSeparator();
    QAction *order = menu.addAction(QStringLiteral("Index Order"));
    order->setObjectName(QStringLiteral("readOrderAction"));
    order->setEnabled(!list->inReadOrder());
    connect(order, &QAction::triggered, list, &SortableList::ShowReadOrder);
    if (list->hasSecretColumns()) {
        QAction *secrets = menu.addAction(QStringLiteral("Show Secrets"));
        secrets->setObjectName(QStringLiteral("showSecretsAction"));
        secrets->setCheckable(true);
        secrets->setChecked(list->secretsShown());
        connect(secrets, &QAction::toggled, list, &SortableList::ShowSecrets);
    }
    QAction *save = menu.addAction(QStringLiteral("Export List..."));
    save->setObjectName(QStringLiteral("exportAction"));
    connect(save, &QAction::triggered, this, [this] { ExportList(); });
    if (exportEntry) {
        QAction *whole = menu.addAction(QStringLiteral("Export All Pages..."));
        whole->setObjectName(QStringLiteral("exportEntryAction"));
        connect(whole, &QAction::triggered, this, [this] { exportEntry(); });
    }
    menu.exec(list->viewport()->mapToGlobal(at));
    copyAction_->setEnabled(true);
}

bool TSNMPListViewPanel::eventFilter(QObject *watched, QEvent *event) {
    if (watched == listPanel->listView->viewport() && event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const SortableList *list = listPanel->listView;
        if (const QModelIndex item = list->indexAt(help->pos()); item.isValid())
            QToolTip::showText(help->globalPos(), RowHint(list->ReadRow(item.row())), list->viewport());
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

QDialog *TSNMPListViewPanel::CreateRowDialog(const char *name, const QString &caption, TSNMPPanel *&frame,
                                             SetAction set) {
    auto *dialog = new QDialog(window());
    dialog->setObjectName(QLatin1String(name));
    dialog->setWindowTitle(caption);
    binding_->SetMessageOwner(dialog);
    frame = new TSNMPPanel(dialog, messages(), binding_);
    TCtrlBtnPanel *strip = frame->buttons();
    strip->SetCheckedButton->setProperty("tag", 1);
    connect(strip->SetCheckedButton, &QPushButton::clicked, this,
            [this, strip, set] { (this->*set)(strip->SetCheckedButton); });
    connect(strip->CheckAllButton, &QPushButton::clicked, this, [this] { CheckAll(); });
    connect(strip->ClearChecksButton, &QPushButton::clicked, this, [this] { ClearChecks(); });
    if (editsPanel->hasMaskedRows()) {
        QCheckBox *show = strip->AddCheck(QStringLiteral("showSecrets"), QStringLiteral("Show secrets"));
        editsPanel->ShowSecrets(false);
        connect(show, &QCheckBox::toggled, editsPanel, &TEditsPanel::ShowSecrets);
    }
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
    QDialog *dialog =
        CreateRowDialog("AddDialog", OwnCaption() + QStringLiteral(" (Add)"), frame, &TSNMPListViewPanel::AddChecked);
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

void TSNMPListViewPanel::AddChecked(QPushButton *sender) {
    const int status = listPanel->addIndex;
    if (status < 0 || !AddWritesOverExistingRow(listPanel->addValue)) {
        SetChecked(sender);
        return;
    }
    if (!WriteAcceptable() || !binding_->FieldsAcceptable()) return;
    // The row the typed index values name; the list keeps the values it held.
    VdSNMPVarList &list = binding_->request.list;
    std::vector<std::string> held;
    for (int i = 0; i < list.indexCount; ++i) held.push_back(list.Item(i).value);
    std::string instance;
    bool named = true;
    try {
        for (int i = 0; i < list.indexCount; ++i) binding_->ControlsToValues(i);
        instance = binding_->request.EncodeIndex();
    } catch (const CodedError &) {
        named = false;
    }
    for (int i = 0; i < list.indexCount; ++i) list.Item(i).value = held[static_cast<std::size_t>(i)];
    if (!named) {
        WriteChecked(sender);  // refuses the index field that does not convert, naming it
        return;
    }
    // What is read is what is written: the fields wait for the answer.
    probe_ = std::make_unique<RowProbe>(binding_->request, status, instance);
    editsPanel->setEnabled(false);
    sender->setEnabled(false);
    QPointer<QPushButton> button(sender);
    probe_->Start([this, button](bool exists, const std::string &error) {
        // Out of the pump's delivery: the write that may follow waits for its answer.
        QTimer::singleShot(0, this, [this, button, exists, error] { AddRead(button, exists, error); });
    });
}

void TSNMPListViewPanel::AddRead(QPushButton *sender, bool exists, const std::string &error) {
    editsPanel->setEnabled(true);
    if (sender == nullptr) return;  // the dialog was closed meanwhile
    sender->setEnabled(true);
    QWidget *dialog = sender->window();
    if (!error.empty()) {
        const std::string text = "Whether the row exists could not be read; nothing was written: " + error;
        binding_->ShowSetStatus(text);
        MessageBox::Ok(dialog, QStringLiteral("Error"), QString::fromStdString(text), MessageBox::Icon::Error);
        return;
    }
    if (exists) {
        QStringList index;
        for (int i = 0; i < binding_->request.list.indexCount; ++i) index << ToQString(editsPanel->RowText(i));
        const QString question = QStringLiteral("The row ") + index.join(QStringLiteral(", ")) +
                                 QStringLiteral(" exists already. Write over its values?");
        if (MessageBox::YesNoChange(dialog, dialog->windowTitle(), question, MessageBox::Icon::Question) !=
            QMessageBox::Yes)
            return;
    }
    WriteChecked(sender);
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
    QDialog *dialog = CreateRowDialog("EditDialog", window()->windowTitle(), frame, &TSNMPListViewPanel::SetChecked);
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
    if (exchanging()) return;
    const QString session = writeQuestion ? writeQuestion() : QString();
    if (MessageBox::YesNoChange(this, QStringLiteral("Delete"),
                                session.isEmpty() ? QStringLiteral("Are you sure to delete ?") : session) !=
        QMessageBox::Yes)
        return;
    // Without a selected row there is no instance to address.
    if (listPanel->deleteIndex < 0 || listPanel->listView->SelectedReadRows().empty()) return;
    StartExchange(buttons_->DeleteButton);
    AfterRead([this] { SendDelete(); });
}

void TSNMPListViewPanel::SendDelete() {
    if (listPanel->listView->SelectedReadRows().empty()) {
        // A read that ended meanwhile took the row away.
        binding_->ShowSetStatus(kNoRowText);
        ReadAfterDelete();
        return;
    }
    bool sent = false;
    {
        // Only the row-status column goes out; the marks end with the sending of the write.
        BindingStateGuard marks(*binding_);
        ExchangeScope scope(binding_);
        VdSNMPVarList &list = binding_->request.list;
        for (int i = list.indexCount; i < list.Count(); ++i)
            if (i != listPanel->deleteIndex) list.Item(i).access |= access_bit::Excluded;
        try {
            binding_->OnSetCollect();
            if (listPanel->deleteIndex >= 0 && listPanel->deleteIndex < list.Count())
                list.Item(listPanel->deleteIndex).value = listPanel->deleteValue;
            // Out of the pump's delivery; the device's refusal is on the memo already.
            binding_->ended = [this](const std::optional<std::string> &) {
                QTimer::singleShot(0, this, [this] { ReadAfterDelete(); });
            };
            binding_->Set(false, false, "");
            sent = true;
        } catch (const CodedError &e) {
            binding_->ended = nullptr;
            binding_->ShowStatus(e.message());
        }
    }
    if (!sent) ReadAfterDelete();
}

void TSNMPListViewPanel::ReadAfterDelete() {
    binding_->ended = [this](const std::optional<std::string> &) { EndExchange(); };
    ReadTable();
    // No read started: the exchange has ended here.
    if (binding_->ended && !binding_->busy) std::exchange(binding_->ended, nullptr)(std::nullopt);
}

std::vector<QPushButton *> TSNMPListViewPanel::ExchangeButtons() const {
    std::vector<QPushButton *> buttons = TSNMPEditorPanel::ExchangeButtons();
    buttons.insert(buttons.end(), {buttons_->AddButton, buttons_->EditButton, buttons_->DeleteButton});
    buttons.insert(buttons.end(), rowButtons_.begin(), rowButtons_.end());
    return buttons;
}

void TSNMPListViewPanel::ExchangeEnded() {
    // Edit, Delete and the row buttons follow the selection the read left.
    Click();
    if (std::exchange(readAfterExchange_, false)) ReadTable();
}
