#pragma once

#include <QString>
#include <QTreeWidget>

#include <cstdint>
#include <string>
#include <vector>

class VdSNMPVarList;

// What a list-view cell of a bound table holds besides its text: the exact value read (the text
// shows it as UTF-8, or in a form people read), and that form where the text shows one.
constexpr int kCellValueRole = Qt::UserRole;
constexpr int kCellShownRole = Qt::UserRole + 1;

// The value a list-view cell holds, exactly as read where nobody has put another text into it since.
std::string CellValue(const QTreeWidgetItem &row, int column);

// How the cells of a column compare when the list is sorted by it.
enum class CellOrder {
    Number,  // numerically; texts (named values) after the numbers
    Ticks,   // time ticks by their count
    Octets,  // addresses and index values by their octets, dotted numbers part by part
    Text,    // as text, letter case second
};

CellOrder OrderOfColumn(std::uint32_t syntax, bool index);
// Negative, zero or positive as a sorts before, with or after b.
int CompareCells(CellOrder order, const QString &a, const QString &b);

// A row of a list view that remembers when it was read, so the read order (the index order of a
// walk) can be restored and equal cells keep it.
class SortableRow : public QTreeWidgetItem {
public:
    explicit SortableRow(qint64 sequence) : sequence_(sequence) {}
    qint64 sequence() const { return sequence_; }
    bool operator<(const QTreeWidgetItem &other) const override;

private:
    qint64 sequence_;
};

// A list view of table rows that sorts by the column whose header is clicked (each column by its
// kind of value), keeps that order for rows added later, and hides the rows a filter text does not
// match. It starts in read order.
class SortableList : public QTreeWidget {
    Q_OBJECT
public:
    explicit SortableList(QWidget *parent = nullptr);

    // One order per list-view column, from the variables in list-view column order.
    void SetColumnOrders(const VdSNMPVarList &list, const std::vector<int> &columnVariables);
    CellOrder columnOrder(int column) const;
    // The column holds port lists of this many ports, shown as ranges ("1-4,49,52").
    void SetPortListColumn(int column, int ports);
    // The column holds secrets (communities, keys, pass phrases): their cells show a mask unless the
    // secrets are shown. Copies show what the cells show; the exact value stays with the cell.
    void SetSecretColumn(int column);
    bool hasSecretColumns() const { return !secretColumns_.empty(); }
    void ShowSecrets(bool shown);
    bool secretsShown() const { return secretsShown_; }
    // Gives a row's cells the forms people read: port lists as ranges, interface speeds with their
    // unit beside the number, counters in groups of thousands. The exact value stays with the cell.
    void ShowForms(QTreeWidgetItem &row) const;
    // Back to the order the rows were read in; a header click sorts again.
    void ShowReadOrder();
    bool inReadOrder() const { return !isSortingEnabled(); }

    // Shows only the rows where a shown cell contains the text (letter case aside); empty shows all.
    void SetFilter(const QString &text);
    const QString &filter() const { return filter_; }
    int shownRowCount() const;

    // Rows in the order they were read, with or without those the filter hides.
    QList<const QTreeWidgetItem *> RowsInReadOrder() const;

signals:
    void shownRowsChanged();

private:
    bool Matches(const QTreeWidgetItem *item) const;
    void FilterRows(int first, int last);
    bool HasForm(int column) const;

    enum class Form { Exact, PortList, BitRate, Grouped };
    std::vector<CellOrder> orders_;
    std::vector<Form> forms_;
    std::vector<std::uint64_t> speedUnits_;  // bits per second of a unit, per column
    int ports_ = 0;
    std::vector<int> secretColumns_;
    bool secretsShown_ = false;
    QString filter_;
    friend class SortableRow;
    bool readOrderSort_ = false;
};
