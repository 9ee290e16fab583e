#include "binding/ui/table_rows_proxy.h"

#include "binding/ui/table_rows_model.h"

#include <algorithm>

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether the UTF-8 text holds the lower-case ASCII needle, ASCII letters of either case alike.
bool ContainsAscii(std::string_view text, const std::string &needle) {
    if (needle.size() > text.size()) return false;
    const auto at = std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                                [](char a, char b) { return Lower(a) == b; });
    return at != text.end();
}

}  // namespace

TableRowsProxy::TableRowsProxy(TableRowsModel *rows, QObject *parent) : QSortFilterProxyModel(parent), rows_(rows) {
    setSourceModel(rows);
    setDynamicSortFilter(true);
    // Before any view asks the proxy to sort the rows that replace these.
    connect(rows, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        keys_.clear();
        matched_.clear();
        narrowedFrom_.clear();
    });
}

const CellKey &TableRowsProxy::Key(int row, int column) const {
    if (column != keysColumn_) {
        keys_.clear();
        keysColumn_ = column;
    }
    const CellOrder order = rows_->columnOrder(column);
    keys_.reserve(static_cast<std::size_t>(rows_->rowCount()));
    while (static_cast<int>(keys_.size()) <= row) {
        const std::string_view value = rows_->Value(static_cast<int>(keys_.size()), column);
        keys_.push_back(MakeCellKey(order, QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()))));
    }
    return keys_[static_cast<std::size_t>(row)];
}

bool TableRowsProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const {
    const int column = left.column();
    const int c = CompareKeys(rows_->columnOrder(column), Key(left.row(), column), Key(right.row(), column));
    if (c != 0) return c < 0;
    // Equal cells in read order whichever way the column is sorted (a descending sort asks the other way).
    return sortOrder() == Qt::DescendingOrder ? left.row() > right.row() : left.row() < right.row();
}

void TableRowsProxy::SetFilter(const QString &text, std::vector<int> columns) {
    if (text == filter_ && columns == columns_) return;
    const bool narrowing = !filter_.isEmpty() && columns == columns_ && text.contains(filter_, Qt::CaseInsensitive);
    narrowedFrom_ = narrowing ? std::move(matched_) : std::vector<char>();
    matched_.clear();
    filter_ = text;
    columns_ = std::move(columns);
    asciiFilter_.clear();
    bool ascii = true;
    for (QChar c : text) ascii = ascii && c.unicode() < 0x80;
    if (ascii) asciiFilter_ = text.toLower().toStdString();
    // Rebuilt in one piece: rows leaving one by one would each move every row after them.
    invalidate();
    rowCount();  // filters now, while the rows the text before ruled out are known
    narrowedFrom_.clear();
}

bool TableRowsProxy::Matches(int row) const {
    std::string scratch;
    for (int column : columns_) {
        const std::string_view shown = rows_->Shown(row, column, scratch);
        if (!asciiFilter_.empty() ? ContainsAscii(shown, asciiFilter_)
                                  : QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()))
                                        .contains(filter_, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool TableRowsProxy::filterAcceptsRow(int sourceRow, const QModelIndex &) const {
    if (filter_.isEmpty()) return true;
    const auto row = static_cast<std::size_t>(sourceRow);
    const bool ruledOut = row < narrowedFrom_.size() && !narrowedFrom_[row];
    const bool match = !ruledOut && Matches(sourceRow);
    if (matched_.size() <= row) matched_.resize(row + 1, 0);
    matched_[row] = match;
    return match;
}
