#include "binding/ui/request2edits.h"

#include "binding/ui/chosen_widths.h"
#include "binding/ui/sortable_list.h"
#include "engine/coded_error.h"
#include "forms/ui_parts.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPalette>
#include <QTreeWidget>

#include <algorithm>

namespace {

constexpr int kHeaderPadding = 16;

}  // namespace

void VdSNMPRequest2Edits::BindListView(QTreeWidget *listView, bool toggle) {
    QObject::disconnect(selectionConnection_);
    listView_ = listView;
    toggleEditors = toggle;
    if (listView == nullptr) return;
    listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView->setSelectionMode(QAbstractItemView::SingleSelection);
    listView->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView->setAllColumnsShowFocus(true);
    listView->setRootIsDecorated(false);
    listView->setItemsExpandable(false);
    listView->setUniformRowHeights(true);
    // The selected row stays as visible when the focus moves to the editors.
    QPalette palette = listView->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    listView->setPalette(palette);
    listView->setStyleSheet(GridListStyle());
    // Handlers connected earlier run first, as the list view's own selection handler did.
    selectionConnection_ = QObject::connect(listView, &QTreeWidget::itemSelectionChanged, listView,
                                            [this] { SelectionChanged(); });
    BuildColumns();
}

void VdSNMPRequest2Edits::SelectionChanged() {
    const QList<QTreeWidgetItem *> selected = listView_->selectedItems();
    if (selected.isEmpty()) return;
    try {
        OnItemSelected(listView_, selected.front(), true);
    } catch (const CodedError &e) {
        ShowError(e.message());
    }
}

void VdSNMPRequest2Edits::BuildColumns() {
    if (!listView_) return;
    const std::vector<int> order = request.list.ListViewColumnOrder();
    // A fresh QTreeWidget shows one default column headed "1"; it counts as no column at all.
    int existing = listView_->columnCount();
    if (existing == 1 && listView_->headerItem()->text(0) == QStringLiteral("1")) existing = 0;
    if (existing >= static_cast<int>(order.size())) return;
    QStringList captions;
    for (int i : order) captions << ToQString(request.list.Item(i).label);
    listView_->clear();
    listView_->setColumnCount(0);
    listView_->setHeaderLabels(captions);
    QHeaderView *header = listView_->header();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    const QFontMetrics metrics(header->font());
    for (int column = 0; column < static_cast<int>(order.size()); ++column) {
        const bool hidden = request.list.IsHiddenColumn(order[static_cast<std::size_t>(column)]);
        listView_->setColumnHidden(column, hidden);
        if (!hidden) listView_->setColumnWidth(column, metrics.horizontalAdvance(captions[column]) + kHeaderPadding);
    }
}

void VdSNMPRequest2Edits::FitColumns() {
    if (!listView_ || WidthsChosen(listView_.data())) return;
    for (int column = 0; column < listView_->columnCount(); ++column) {
        if (listView_->isColumnHidden(column)) continue;
        const int before = listView_->columnWidth(column);
        listView_->resizeColumnToContents(column);
        if (listView_->columnWidth(column) < before) listView_->setColumnWidth(column, before);
    }
}

std::string CellValue(const QTreeWidgetItem &row, int column) {
    const std::string exact = row.data(column, kCellValueRole).toByteArray().toStdString();
    const QString shown = row.text(column);
    if (shown == ToQString(exact)) return exact;
    const QVariant form = row.data(column, kCellShownRole);
    return !form.isNull() && shown == form.toString() ? exact : FromQString(shown);
}

QTreeWidgetItem *VdSNMPRequest2Edits::RowItem() const {
    // One count for every list: only the order of a list's own rows matters.
    static qint64 readSequence = 0;
    auto *row = new SortableRow(readSequence++);
    int column = 0;
    for (int i : request.list.ListViewColumnOrder()) {
        const std::string &value = request.list.Item(i).value;
        row->setText(column, ToQString(value));
        row->setData(column++, kCellValueRole, QByteArray::fromStdString(value));
    }
    if (const auto *sortable = qobject_cast<const SortableList *>(listView_.data())) sortable->ShowForms(*row);
    return row;
}

void VdSNMPRequest2Edits::AddRow() {
    if (listView_) listView_->addTopLevelItem(RowItem());
}

// Each insertion makes the view lay out every row again: rows read by a walk reach it in batches,
// the first at once and then at most every kRowBatchMs, longer apart as the list grows, so a long
// walk costs a few layouts, not one per row, and the count shown still grows while it runs.
bool VdSNMPRequest2Edits::QueueRow() {
    pendingRows_.append(RowItem());
    const int shown = listView_ ? listView_->topLevelItemCount() : 0;
    if (sinceFlush_.isValid() && sinceFlush_.elapsed() < std::max(kRowBatchMs, shown / kRowsPerBatchMs)) return false;
    FlushRows();
    return true;
}

void VdSNMPRequest2Edits::FlushRows() {
    sinceFlush_.start();
    if (pendingRows_.isEmpty()) return;
    if (listView_) listView_->addTopLevelItems(pendingRows_);
    else qDeleteAll(pendingRows_);
    pendingRows_.clear();
}

void VdSNMPRequest2Edits::DropPendingRows() {
    qDeleteAll(pendingRows_);
    pendingRows_.clear();
    sinceFlush_.invalidate();
}

void VdSNMPRequest2Edits::ReadSelectedRow() {
    if (!listView_) return;
    const QList<QTreeWidgetItem *> selected = listView_->selectedItems();
    if (selected.isEmpty()) return;
    const QTreeWidgetItem *row = selected.front();
    int column = 0;
    for (int i : request.list.ListViewColumnOrder()) {
        if (column >= row->columnCount()) break;
        request.list.Item(i).value = CellValue(*row, column++);
    }
}
