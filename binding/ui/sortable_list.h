#pragma once

#include "binding/ui/cell_order.h"

#include <QTreeView>

#include <memory>
#include <string>
#include <vector>

class ListRows;
class TableRowsModel;
class TableRowsProxy;
class VdSNMPVarList;

// A list view of table rows over a compact model: it sorts by the column whose header is clicked
// (each column by its kind of value), keeps that order for rows added later, and shows only the
// rows a filter text matches. It starts in read order.
class SortableList : public QTreeView {
    Q_OBJECT
public:
    explicit SortableList(QWidget *parent = nullptr);
    ~SortableList() override;

    TableRowsModel &rows() const { return *rows_; }
    // What a binding's walk fills.
    std::unique_ptr<ListRows> MakeListRows();

    int columnCount() const;
    QString caption(int column) const;
    // One order per list-view column, from the variables in list-view column order.
    void SetColumnOrders(const VdSNMPVarList &list, const std::vector<int> &columnVariables);
    CellOrder columnOrder(int column) const;
    // The column holds port lists of this many ports, shown as ranges ("1-4,49,52").
    void SetPortListColumn(int column, int ports);
    // The column holds secrets (communities, keys, pass phrases): their cells show a mask unless the
    // secrets are shown. Copies show what the cells show; the exact value stays with the cell.
    void SetSecretColumn(int column);
    bool hasSecretColumns() const;
    void ShowSecrets(bool shown);
    bool secretsShown() const;
    // Back to the order the rows were read in; a header click sorts again.
    void ShowReadOrder();
    bool inReadOrder() const { return !isSortingEnabled(); }

    // Shows only the rows where a shown cell contains the text (letter case aside); empty shows all.
    void SetFilter(const QString &text);
    const QString &filter() const;
    int shownRowCount() const;
    int readRowCount() const;

    // The model row (read order) of a row the view shows, and back; -1 for none.
    int ReadRow(int shownRow) const;
    int ShownRow(int readRow) const;
    // The read rows of the selected rows, in the order the list shows them.
    std::vector<int> SelectedReadRows() const;
    // The first shown row whose cell shows exactly this text; -1 for none.
    int FindShownRow(int column, const QString &text) const;
    // Every shown cell of the row, in column order (hidden columns left out).
    std::vector<int> ShownColumns() const;

signals:
    void shownRowsChanged();

private:
    TableRowsModel *rows_;
    TableRowsProxy *proxy_;
};
