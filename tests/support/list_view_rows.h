#pragma once
// A list view's rows as a user sees them, through its model: the same for a list's own items and
// for a table model behind a sort and filter.
#include <QRect>
#include <QString>
#include <QStringList>

class QTreeView;

// The rows shown (the filter's left out), top down.
int ListRowCount(const QTreeView *list);
QString ListCell(const QTreeView *list, int row, int column);
QStringList ListRowTexts(const QTreeView *list, int row);
QString ListCaption(const QTreeView *list, int column);
// The column whose caption reads so (blanks around it aside); -1 for none.
int ListColumn(const QTreeView *list, const QString &caption);
// The first shown row whose cell in the column reads text; -1 for none.
int ListRowOf(const QTreeView *list, const QString &text, int column = 0);
// Makes the row the current and only selected one, as a click does.
void SelectListRow(QTreeView *list, int row);
// Adds the row to the selection, as a Ctrl+click does.
void AddListRowToSelection(QTreeView *list, int row);
// The row's rectangle across its shown columns, in viewport coordinates.
QRect ListRowRect(const QTreeView *list, int row);
