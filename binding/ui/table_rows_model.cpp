#include "binding/ui/table_rows_model.h"

#include "engine/readable_values.h"
#include "engine/var_list.h"

#include <algorithm>
#include <optional>

namespace {

// The same mask for every secret: it tells neither the value nor its length.
const std::string &Mask() {
    static const std::string mask = QString(8, QChar(0x2022)).toStdString();
    return mask;
}

}  // namespace

TableRowsModel::TableRowsModel(QObject *parent) : QAbstractTableModel(parent) {}

void TableRowsModel::SetCaptions(const QStringList &captions) {
    beginResetModel();
    captions_ = captions;
    DropRows();
    endResetModel();
}

void TableRowsModel::DropRows() {
    bytes_.clear();
    rowStarts_.clear();
    cellEnds_.clear();
    shownRows_ = 0;
}

void TableRowsModel::SetColumnKinds(const VdSNMPVarList &list, const std::vector<int> &columnVariables) {
    orders_.clear();
    forms_.clear();
    speedUnits_.clear();
    for (int i : columnVariables) {
        const VarItem &item = list.Item(i);
        orders_.push_back(OrderOfColumn(item.syntax, i < list.indexCount));
        const std::uint64_t unit = item.options == nullptr ? InterfaceSpeedUnit(item.oid) : 0;
        speedUnits_.push_back(unit);
        forms_.push_back(unit != 0                                                  ? Form::BitRate
                         : item.options == nullptr && IsCounterSyntax(item.syntax) ? Form::Grouped
                                                                                   : Form::Exact);
    }
}

CellOrder TableRowsModel::columnOrder(int column) const {
    return column >= 0 && column < static_cast<int>(orders_.size()) ? orders_[static_cast<std::size_t>(column)]
                                                                     : CellOrder::Text;
}

void TableRowsModel::SetPortListColumn(int column, int ports) {
    if (column < 0) return;
    if (forms_.size() <= static_cast<std::size_t>(column)) {
        forms_.resize(static_cast<std::size_t>(column) + 1, Form::Exact);
        speedUnits_.resize(forms_.size(), 0);
    }
    forms_[static_cast<std::size_t>(column)] = Form::PortList;
    ports_ = ports;
}

void TableRowsModel::SetSecretColumn(int column) {
    if (column >= 0) secretColumns_.push_back(column);
}

bool TableRowsModel::IsSecret(int column) const {
    return std::find(secretColumns_.begin(), secretColumns_.end(), column) != secretColumns_.end();
}

void TableRowsModel::ShowSecrets(bool shown) {
    if (shown == secretsShown_) return;
    secretsShown_ = shown;
    if (shownRows_ == 0) return;
    for (int column : secretColumns_)
        emit dataChanged(index(0, column), index(shownRows_ - 1, column), {Qt::DisplayRole});
}

void TableRowsModel::Stage(const std::vector<std::string_view> &cells) {
    const std::size_t start = bytes_.size();
    rowStarts_.push_back(start);
    for (std::size_t c = 0; c < static_cast<std::size_t>(captions_.size()); ++c) {
        if (c < cells.size()) bytes_.append(cells[c]);
        cellEnds_.push_back(static_cast<std::uint32_t>(bytes_.size() - start));
    }
}

void TableRowsModel::ShowStaged() {
    const int all = rowCountAll();
    if (all == shownRows_) return;
    beginInsertRows({}, shownRows_, all - 1);
    shownRows_ = all;
    endInsertRows();
}

void TableRowsModel::DropStaged() {
    const auto kept = static_cast<std::size_t>(shownRows_);
    if (kept == rowStarts_.size()) return;
    bytes_.resize(rowStarts_[kept]);
    rowStarts_.resize(kept);
    cellEnds_.resize(kept * static_cast<std::size_t>(captions_.size()));
}

void TableRowsModel::Clear() {
    beginResetModel();
    DropRows();
    endResetModel();
}

std::string_view TableRowsModel::Value(int row, int column) const {
    const auto columns = static_cast<std::size_t>(captions_.size());
    if (row < 0 || row >= rowCountAll() || column < 0 || static_cast<std::size_t>(column) >= columns) return {};
    const std::size_t cell = static_cast<std::size_t>(row) * columns + static_cast<std::size_t>(column);
    const std::size_t begin = column == 0 ? 0 : cellEnds_[cell - 1];
    return std::string_view(bytes_).substr(rowStarts_[static_cast<std::size_t>(row)] + begin, cellEnds_[cell] - begin);
}

std::string_view TableRowsModel::Shown(int row, int column, std::string &scratch) const {
    const std::string_view value = Value(row, column);
    if (IsSecret(column) && !secretsShown_ && !value.empty()) return Mask();
    const Form form = column < static_cast<int>(forms_.size()) ? forms_[static_cast<std::size_t>(column)] : Form::Exact;
    if (form == Form::Exact) return value;
    std::optional<std::string> shown;
    switch (form) {
    case Form::PortList: shown = PortListText(std::string(value), ports_); break;
    case Form::BitRate: shown = BitRateText(std::string(value), speedUnits_[static_cast<std::size_t>(column)]); break;
    case Form::Grouped: shown = GroupedText(std::string(value)); break;
    case Form::Exact: break;
    }
    // A cell without a value of its kind (a placeholder, nothing) is shown as it is.
    if (!shown) return value;
    scratch = std::move(*shown);
    return scratch;
}

QString TableRowsModel::ShownText(int row, int column) const {
    std::string scratch;
    const std::string_view shown = Shown(row, column, scratch);
    return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
}

int TableRowsModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : shownRows_; }

int TableRowsModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(captions_.size());
}

QVariant TableRowsModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= shownRows_) return {};
    return role == Qt::DisplayRole ? QVariant(ShownText(index.row(), index.column())) : QVariant();
}

QVariant TableRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= captions_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return captions_[section];
}
