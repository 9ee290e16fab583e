#pragma once

#include "catalogue/model/entry_reading.h"

#include <QString>

#include <string>
#include <vector>

class SortableList;

// A header line of the shown columns' captions, then a line per row (rows by their read position),
// cells as shown and separated by tabs (a tab or line break inside a cell becomes a blank): what a
// spreadsheet or a ticket takes.
QString RowsAsTabText(const SortableList &list, const std::vector<int> &rows);

// Every row the list has read, in read order, with the exact values of its shown columns: the
// page as a script reading the entry gets it.
PageReading ListPage(const SortableList &list, const std::string &caption);
