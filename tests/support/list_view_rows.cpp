#include "support/list_view_rows.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTreeView>

int ListRowCount(const QTreeView *list) { return list->model()->rowCount(); }

QString ListCell(const QTreeView *list, int row, int column) {
    return list->model()->index(row, column).data().toString();
}

QStringList ListRowTexts(const QTreeView *list, int row) {
    QStringList texts;
    for (int c = 0; c < list->model()->columnCount(); ++c) texts << ListCell(list, row, c);
    return texts;
}

QString ListCaption(const QTreeView *list, int column) {
    return list->model()->headerData(column, Qt::Horizontal).toString();
}

int ListColumn(const QTreeView *list, const QString &caption) {
    for (int c = 0; c < list->model()->columnCount(); ++c)
        if (ListCaption(list, c).trimmed() == caption) return c;
    return -1;
}

int ListRowOf(const QTreeView *list, const QString &text, int column) {
    for (int r = 0; r < ListRowCount(list); ++r)
        if (ListCell(list, r, column) == text) return r;
    return -1;
}

void SelectListRow(QTreeView *list, int row) {
    list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void AddListRowToSelection(QTreeView *list, int row) {
    list->selectionModel()->select(list->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

QRect ListRowRect(const QTreeView *list, int row) {
    QRect rect;
    for (int c = 0; c < list->model()->columnCount(); ++c)
        if (!list->isColumnHidden(c)) rect = rect.united(list->visualRect(list->model()->index(row, c)));
    return rect;
}
