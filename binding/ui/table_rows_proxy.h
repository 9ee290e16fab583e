#pragma once

#include "binding/ui/cell_order.h"

#include <QSortFilterProxyModel>

#include <string>
#include <vector>

class TableRowsModel;

// The rows of a TableRowsModel as a list shows them: sorted by a column, each by its kind of value
// (a cell shown in a form people read sorts by its value), equal cells in read order either way;
// and only those where a searched column shows the filter text (letter case aside).
class TableRowsProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit TableRowsProxy(TableRowsModel *rows, QObject *parent = nullptr);

    void SetFilter(const QString &text, std::vector<int> columns);
    const QString &filter() const { return filter_; }

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    const CellKey &Key(int row, int column) const;
    bool Matches(int row) const;

    TableRowsModel *rows_;
    // The sort column's cells prepared for comparing; rows only ever come after the last.
    mutable std::vector<CellKey> keys_;
    mutable int keysColumn_ = -1;
    QString filter_;
    std::string asciiFilter_;   // the filter in lower case when it is ASCII, else empty
    std::vector<int> columns_;
    // Which rows the filter matched, and which the filter before it matched while the text only grew
    // (a row that did not match then cannot match now).
    mutable std::vector<char> matched_;
    std::vector<char> narrowedFrom_;
};
