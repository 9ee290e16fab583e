#pragma once

#include "catalogue/model/entry_reading.h"

#include <QList>
#include <QString>

#include <string>

class QTreeWidget;
class QTreeWidgetItem;
class SortableList;

// The selected rows the filter shows, in the order the list shows them.
QList<const QTreeWidgetItem *> SelectedShownRows(const QTreeWidget &list);

// A header line of the shown columns' captions, then a line per row, cells separated by tabs (a
// tab or line break inside a cell becomes a blank): what a spreadsheet or a ticket takes.
QString RowsAsTabText(const QTreeWidget &list, const QList<const QTreeWidgetItem *> &rows);

// Every row the list has read, in read order, with the exact values of its shown columns: the
// page as a script reading the entry gets it.
PageReading ListPage(const SortableList &list, const std::string &caption);
