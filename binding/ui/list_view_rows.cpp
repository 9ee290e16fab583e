#include "binding/ui/request2edits.h"

#include "binding/ui/list_rows.h"
#include "binding/ui/chosen_widths.h"
#include "binding/ui/sortable_list.h"
#include "binding/ui/tree_widget_rows.h"
#include "engine/coded_error.h"
#include "forms/ui_parts.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPalette>
#include <QStyle>

#include <algorithm>

namespace {

constexpr int kHeaderPadding = 16;
constexpr int kCellPadding = 12;

std::unique_ptr<ListRows> RowsOf(QTreeView *listView) {
    if (auto *sortable = qobject_cast<SortableList *>(listView)) return sortable->MakeListRows();
    if (auto *tree = qobject_cast<QTreeWidget *>(listView)) return std::make_unique<TreeWidgetRows>(tree);
    return nullptr;
}

}  // namespace

void VdSNMPRequest2Edits::BindListView(QTreeView *listView, bool toggle) {
    QObject::disconnect(selectionConnection_);
    DropPendingRows();
    rows_ = RowsOf(listView);
    listView_ = rows_ ? listView : nullptr;
    toggleEditors = toggle;
    if (!listView_) return;
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
    selectionConnection_ = rows_->OnSelectionChanged(listView, [this] { SelectionChanged(); });
    BuildColumns();
}

void VdSNMPRequest2Edits::SelectionChanged() {
    if (!rows_ || rows_->SelectedValues().empty()) return;
    try {
        OnItemSelected(true);
    } catch (const CodedError &e) {
        ShowError(e.message());
    }
}

int VdSNMPRequest2Edits::HeaderWidth(int column) const {
    const QHeaderView *header = listView_->header();
    const QString caption = listView_->model()->headerData(column, Qt::Horizontal).toString();
    // A list sorted by a header click shows its mark beside the caption.
    const int mark = qobject_cast<const SortableList *>(listView_.data())
                         ? header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) + kHeaderPadding / 2
                         : 0;
    return QFontMetrics(header->font()).horizontalAdvance(caption) + kHeaderPadding + mark;
}

void VdSNMPRequest2Edits::BuildColumns() {
    if (!listView_ || !rows_) return;
    const std::vector<int> order = request.list.ListViewColumnOrder();
    if (rows_->columnCount() >= static_cast<int>(order.size())) return;
    QStringList captions;
    for (int i : order) captions << ToQString(request.list.Item(i).label);
    rows_->SetCaptions(captions);
    QHeaderView *header = listView_->header();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    for (int column = 0; column < static_cast<int>(order.size()); ++column) {
        const bool hidden = request.list.IsHiddenColumn(order[static_cast<std::size_t>(column)]);
        listView_->setColumnHidden(column, hidden);
        if (!hidden) listView_->setColumnWidth(column, HeaderWidth(column));
    }
}

void VdSNMPRequest2Edits::FitColumns() {
    if (!listView_ || WidthsChosen(listView_.data())) return;
    const QAbstractItemModel *model = listView_->model();
    const QFontMetrics metrics(listView_->font());
    const int cap = metrics.averageCharWidth() * kFitCharacters;
    const int rows = std::min(model->rowCount(), kFitRows);
    for (int column = 0; column < model->columnCount(); ++column) {
        if (listView_->isColumnHidden(column)) continue;
        int widest = 0;
        for (int row = 0; row < rows; ++row)
            widest = std::max(widest, metrics.horizontalAdvance(model->index(row, column).data().toString()));
        const int fit = std::max(HeaderWidth(column), std::min(widest + kCellPadding, cap));
        if (fit > listView_->columnWidth(column)) listView_->setColumnWidth(column, fit);
    }
}

void VdSNMPRequest2Edits::AddRow() {
    if (!rows_) return;
    StageRow();
    rows_->ShowStaged();
}

void VdSNMPRequest2Edits::StageRow() {
    std::vector<std::string_view> cells;
    for (int i : request.list.ListViewColumnOrder()) cells.emplace_back(request.list.Item(i).value);
    rows_->Stage(cells);
}

// Each insertion makes the view lay out every row again: rows read by a walk reach it in batches,
// the first at once and then at most every kRowBatchMs, longer apart as the list grows, so a long
// walk costs a few layouts, not one per row, and the count shown still grows while it runs.
bool VdSNMPRequest2Edits::QueueRow() {
    if (!rows_) return false;
    StageRow();
    const int shown = rows_->shownRows();
    if (sinceFlush_.isValid() && sinceFlush_.elapsed() < std::max(kRowBatchMs, shown / kRowsPerBatchMs)) return false;
    FlushRows();
    return true;
}

void VdSNMPRequest2Edits::FlushRows() {
    sinceFlush_.start();
    if (!rows_) return;
    const bool first = rows_->shownRows() == 0;
    rows_->ShowStaged();
    // The columns fit what the first rows show as soon as they are there.
    if (first && rows_->shownRows() > 0) FitColumns();
}

void VdSNMPRequest2Edits::DropPendingRows() {
    if (rows_) rows_->DropStaged();
    sinceFlush_.invalidate();
}

void VdSNMPRequest2Edits::ReadSelectedRow() {
    if (!rows_) return;
    const std::vector<std::string> values = rows_->SelectedValues();
    if (values.empty()) return;
    std::size_t column = 0;
    for (int i : request.list.ListViewColumnOrder()) {
        if (column >= values.size()) break;
        request.list.Item(i).value = values[column++];
    }
}
