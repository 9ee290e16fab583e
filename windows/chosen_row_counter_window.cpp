#include "windows/chosen_row_counter_window.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "windows/binding_read.h"
#include "windows/logic/counter_tables.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>


namespace {

const QString kNotSupported = QStringLiteral("This device don't support it!");

}  // namespace

TChosenRowCounterWindow::TChosenRowCounterWindow(QWidget *parent, const Layout &layout, const RowListDesign &rows,
                                                 std::vector<std::string> names)
    : TCounterWindow(parent, layout, CounterMonitor::Style::ChosenRow, std::move(names), kChosenRowFirstCounterCell),
      rows_(rows) {
    auto *top = new QWidget;
    top->setObjectName(QStringLiteral("topPanel"));
    auto *topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    rowList_ = new QTreeWidget;
    rowList_->setObjectName(rows.listName);
    if (rows.listHeight > 0) rowList_->setFixedHeight(rows.listHeight);
    topLayout->addWidget(rowList_);
    auto *labels = new QGridLayout;
    ST_Index = new QLabel;
    ST_Index->setObjectName(QStringLiteral("ST_Index"));
    ST_Descr = new QLabel;
    ST_Descr->setObjectName(QStringLiteral("ST_Descr"));
    labels->addWidget(new QLabel(rows.indexLabel), 0, 0);
    labels->addWidget(ST_Index, 0, 1);
    labels->addWidget(new QLabel(rows.descriptionLabel), 0, 2);
    labels->addWidget(ST_Descr, 0, 3);
    labels->setColumnStretch(1, 1);
    labels->setColumnStretch(3, 3);
    topLayout->addLayout(labels);
    leftArea()->insertWidget(0, top);

    refreshButton_ = new QPushButton(QStringLiteral("Refresh"));
    refreshButton_->setObjectName(rows.refreshButton);
    refreshButton_->setAutoDefault(false);
    upperControls()->addWidget(refreshButton_);
    connect(refreshButton_, &QPushButton::clicked, this, [this] {
        ReadRows([this](bool ok) { RowsRead(ok); });
    });
}

TChosenRowCounterWindow::~TChosenRowCounterWindow() = default;

void TChosenRowCounterWindow::Opening() {
    ST_Time->setText(QString::fromStdString(TimeOfDay()));
    SelectFirstInterval();
    listBinding_ = NewBinding();
    listBinding_->request.list.Assign(VdSNMPVarList(rows_.listTable, VdSNMPVarList::TableWithCreation, 1));
    if (rows_.listRetries >= 0) listBinding_->request.retries = rows_.listRetries;
    listBinding_->BindListView(rowList_, true);
    listBinding_->BindStaticText(0, ST_Index);
    listBinding_->BindStaticText(1, ST_Descr);
    // Connected after the binding's own handler, which has put the row into the labels by then.
    connect(rowList_, &QTreeWidget::itemSelectionChanged, this, [this] { RowChosen(); });
    rowsRead_ = std::make_unique<BindingRead>(listBinding_);
    ReadRows([this](bool ok) { RowsRead(ok); });
}

void TChosenRowCounterWindow::ReadRows(std::function<void(bool ok)> then) {
    if (listBinding_ == nullptr || listBinding_->busy) return;
    rowsRead_->Start(std::move(then));
}

void TChosenRowCounterWindow::RowsRead(bool ok) {
    if (rowList_->topLevelItemCount() == 0) {
        // A failed read has put its error on the status panel already.
        NothingToWatch();
        if (ok) {
            statusPanel()->setText(kNotSupported);
            MessageBox::Ok(this, MessageBox::ModuleCaption(), kNotSupported, MessageBox::Icon::Warning);
        }
        return;
    }
    if (counterBinding() == nullptr) {
        BeginWatching();
        return;
    }
    RowsRefreshed();
}

void TChosenRowCounterWindow::BeginWatching() {
    SetCounterBinding(NewBinding());
    SelectRow(std::max(0, RowOf(preferredRow_)));
    ResetToShownRow();
    Timer1->start();
}

void TChosenRowCounterWindow::NothingToWatch() {
    SetPolling(false);
    polledIndex_.clear();
    StartNewMeasurement();
    monitor_.Reset(TimeOfDay());
    ShowRows();
    ST_Index->clear();
    ST_Descr->clear();
    // The clock goes on; Refresh reads the list again.
    Timer1->start();
}

void TChosenRowCounterWindow::SelectRow(int k) {
    selecting_ = true;
    rowList_->clearSelection();
    if (QTreeWidgetItem *item = rowList_->topLevelItem(k)) {
        rowList_->setCurrentItem(item);
        item->setSelected(true);
    }
    selecting_ = false;
}

int TChosenRowCounterWindow::RowOf(const std::string &index) const {
    const QString text = QString::fromStdString(index);
    for (int k = 0; k < rowList_->topLevelItemCount(); ++k)
        if (rowList_->topLevelItem(k)->text(0) == text) return k;
    return -1;
}

void TChosenRowCounterWindow::RowChosen() {
    if (selecting_ || rowList_->selectedItems().isEmpty()) return;
    ResetToShownRow();
}

void TChosenRowCounterWindow::BT_ResetClick() { ResetToShownRow(); }

void TChosenRowCounterWindow::ResetToShownRow() {
    if (counterBinding() == nullptr || ST_Index->text().isEmpty()) return;
    SetPolling(false);
    polledIndex_ = ST_Index->text().toStdString();
    counterListStale_ = true;
    StartNewMeasurement();
    monitor_.Reset(TimeOfDay());
    ShowRows();
    SetPolling(true);
}

void TChosenRowCounterWindow::BindingsReleased() {
    rowsRead_.reset();
    listBinding_ = nullptr;
    TCounterWindow::BindingsReleased();
}

void TChosenRowCounterWindow::BeforePoll() {
    if (!counterListStale_) return;
    VdSNMPRequest &request = counterBinding()->request;
    request.list.Assign(VdSNMPVarList(rows_.counterTable, VdSNMPVarList::SingleInstance, 0));
    request.list.AppendToOids(polledIndex_);
    request.ReloadSession();
    counterListStale_ = false;
}
