#pragma once

#include "binding/ui/cell_order.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class VdSNMPVarList;

// The rows a walk has read, in read order: every cell's exact value once, side by side in one
// buffer. The texts people read (port lists as ranges, speeds with their unit, grouped counters,
// masked secrets) are made when a view asks for them. Rows arrive staged and are shown in batches,
// one insertion each.
class TableRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TableRowsModel(QObject *parent = nullptr);

    // New columns; every row goes.
    void SetCaptions(const QStringList &captions);
    const QStringList &captions() const { return captions_; }
    // One order and form per column, from the variables in column order.
    void SetColumnKinds(const VdSNMPVarList &list, const std::vector<int> &columnVariables);
    CellOrder columnOrder(int column) const;
    // The column holds port lists of this many ports, shown as ranges ("1-4,49,52").
    void SetPortListColumn(int column, int ports);
    // The column holds secrets: shown masked unless the secrets are shown.
    void SetSecretColumn(int column);
    bool hasSecretColumns() const { return !secretColumns_.empty(); }
    void ShowSecrets(bool shown);
    bool secretsShown() const { return secretsShown_; }

    // A row read (one value per column), not shown before ShowStaged.
    void Stage(const std::vector<std::string_view> &cells);
    int stagedRows() const { return rowCountAll() - shownRows_; }
    void ShowStaged();
    void DropStaged();
    void Clear();

    std::string_view Value(int row, int column) const;
    // The text a cell shows, in UTF-8: the value itself, or its form written into scratch.
    std::string_view Shown(int row, int column, std::string &scratch) const;
    QString ShownText(int row, int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    enum class Form : std::uint8_t { Exact, PortList, BitRate, Grouped };
    int rowCountAll() const { return static_cast<int>(rowStarts_.size()); }
    void DropRows();
    bool IsSecret(int column) const;

    QStringList captions_;
    std::string bytes_;                    // every cell's value, row after row
    std::vector<std::size_t> rowStarts_;   // where each row begins in bytes_
    std::vector<std::uint32_t> cellEnds_;  // where each cell ends, from its row's start
    int shownRows_ = 0;
    std::vector<CellOrder> orders_;
    std::vector<Form> forms_;
    std::vector<std::uint64_t> speedUnits_;  // bits per second of a unit, per column
    int ports_ = 0;
    std::vector<int> secretColumns_;
    bool secretsShown_ = false;
};
