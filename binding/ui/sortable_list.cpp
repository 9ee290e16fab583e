#include "binding/ui/sortable_list.h"

#include "engine/descriptor.h"
#include "engine/readable_values.h"
#include "engine/value_text.h"
#include "engine/var_list.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include <algorithm>
#include <compare>
#include <optional>

namespace {

// A cell that does not read as a number (a named value, an empty cell) sorts after the numbers.
std::partial_ordering CompareNumbers(const QString &a, const QString &b) {
    bool aOk = false, bOk = false;
    const qlonglong ai = a.toLongLong(&aOk), bi = b.toLongLong(&bOk);
    if (aOk && bOk) return ai <=> bi;
    // Counter64 values above the signed range.
    const qulonglong au = a.toULongLong(&aOk), bu = b.toULongLong(&bOk);
    if (aOk && bOk) return au <=> bu;
    const double ad = a.toDouble(&aOk), bd = b.toDouble(&bOk);
    if (aOk != bOk) return aOk ? std::partial_ordering::less : std::partial_ordering::greater;
    if (aOk) return ad <=> bd;
    return std::partial_ordering::equivalent;
}

bool DottedNumbers(const QString &s) {
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (!c.isDigit() && c != QLatin1Char('.')) return false;
    return true;
}

// Dotted addresses and identifiers part by part; other octet texts (hex) as spelt, which for hex
// of the same case is the order of the octets.
int CompareOctets(const QString &a, const QString &b) {
    if (DottedNumbers(a) && DottedNumbers(b)) {
        const QList<QStringView> ap = QStringView(a).split(QLatin1Char('.'));
        const QList<QStringView> bp = QStringView(b).split(QLatin1Char('.'));
        for (qsizetype k = 0; k < std::min(ap.size(), bp.size()); ++k) {
            const qulonglong x = ap[k].toULongLong(), y = bp[k].toULongLong();
            if (x != y) return x < y ? -1 : 1;
        }
        return ap.size() == bp.size() ? 0 : (ap.size() < bp.size() ? -1 : 1);
    }
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded : a.compare(b);
}

int Sign(std::partial_ordering o) { return o < 0 ? -1 : (o > 0 ? 1 : 0); }

}  // namespace

CellOrder OrderOfColumn(std::uint32_t s, bool index) {
    switch (s) {
    case syntax::TimeTicks: return CellOrder::Ticks;
    case syntax::Integer:
    case syntax::Counter:
    case syntax::Gauge:
    case syntax::UInteger:
    case syntax::Counter64:
    case syntax::Double:
    case syntax::Int8:
    case syntax::UInt8:
    case syntax::Int16:
    case syntax::UInt16: return CellOrder::Number;
    case syntax::IpAddress:
    case syntax::NsapAddress:
    case syntax::MacAddress:
    case syntax::Ipv6Address:
    case syntax::OctetString:
    case syntax::BitString:
    case syntax::Opaque:
    case syntax::ObjectId: return CellOrder::Octets;
    default: return index ? CellOrder::Octets : CellOrder::Text;
    }
}

int CompareCells(CellOrder order, const QString &a, const QString &b) {
    switch (order) {
    case CellOrder::Number: {
        const int n = Sign(CompareNumbers(a, b));
        return n != 0 ? n : CompareCells(CellOrder::Text, a, b);
    }
    case CellOrder::Ticks: {
        const std::uint32_t x = ParseTimeTicks(a.toStdString()), y = ParseTimeTicks(b.toStdString());
        return x == y ? 0 : (x < y ? -1 : 1);
    }
    case CellOrder::Octets: return CompareOctets(a, b);
    case CellOrder::Text: {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded : a.compare(b);
    }
    }
    return 0;
}

bool SortableRow::operator<(const QTreeWidgetItem &other) const {
    const auto *list = qobject_cast<const SortableList *>(treeWidget());
    const auto *row = dynamic_cast<const SortableRow *>(&other);
    if (list == nullptr || row == nullptr) return QTreeWidgetItem::operator<(other);
    if (list->readOrderSort_) return sequence_ < row->sequence_;
    const int column = list->sortColumn();
    // A cell shown in a form people read sorts by its value.
    auto cell = [&](const QTreeWidgetItem &item) {
        return list->HasForm(column) ? item.data(column, kCellValueRole).toString() : item.text(column);
    };
    const int c = CompareCells(list->columnOrder(column), cell(*this), cell(other));
    if (c != 0) return c < 0;
    // Equal cells stay in read order whichever way the column is sorted.
    const bool descending = list->header()->sortIndicatorOrder() == Qt::DescendingOrder;
    return descending ? sequence_ > row->sequence_ : sequence_ < row->sequence_;
}

SortableList::SortableList(QWidget *parent) : QTreeWidget(parent) {
    QHeaderView *h = header();
    h->setSortIndicator(-1, Qt::AscendingOrder);
    h->setSortIndicatorShown(false);
    h->setSectionsClickable(true);
    // The first header click turns sorting on; from then on the view follows the header itself.
    connect(h, &QHeaderView::sortIndicatorChanged, this, [this](int section) {
        if (section >= 0 && !isSortingEnabled()) setSortingEnabled(true);
    });
    connect(model(), &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &parent, int first, int last) {
        if (parent.isValid() || filter_.isEmpty()) return;
        FilterRows(first, last);
    });
}

void SortableList::SetColumnOrders(const VdSNMPVarList &list, const std::vector<int> &columnVariables) {
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

CellOrder SortableList::columnOrder(int column) const {
    return column >= 0 && column < static_cast<int>(orders_.size()) ? orders_[static_cast<std::size_t>(column)]
                                                                     : CellOrder::Text;
}

void SortableList::SetPortListColumn(int column, int ports) {
    if (column < 0) return;
    if (forms_.size() <= static_cast<std::size_t>(column)) {
        forms_.resize(static_cast<std::size_t>(column) + 1, Form::Exact);
        speedUnits_.resize(forms_.size(), 0);
    }
    forms_[static_cast<std::size_t>(column)] = Form::PortList;
    ports_ = ports;
}

bool SortableList::HasForm(int column) const {
    if (std::find(secretColumns_.begin(), secretColumns_.end(), column) != secretColumns_.end()) return true;
    return column >= 0 && static_cast<std::size_t>(column) < forms_.size() &&
           forms_[static_cast<std::size_t>(column)] != Form::Exact;
}

void SortableList::SetSecretColumn(int column) {
    if (column >= 0) secretColumns_.push_back(column);
}

void SortableList::ShowSecrets(bool shown) {
    secretsShown_ = shown;
    for (int k = 0; k < topLevelItemCount(); ++k) {
        QTreeWidgetItem &row = *topLevelItem(k);
        for (int column : secretColumns_) row.setText(column, row.data(column, kCellValueRole).toString());
        ShowForms(row);
    }
}

void SortableList::ShowForms(QTreeWidgetItem &row) const {
    for (std::size_t c = 0; c < forms_.size(); ++c) {
        if (forms_[c] == Form::Exact) continue;
        const int column = static_cast<int>(c);
        const std::string value = CellValue(row, column);
        std::optional<std::string> shown;
        switch (forms_[c]) {
        case Form::PortList: shown = PortListText(value, ports_); break;
        case Form::BitRate: shown = BitRateText(value, speedUnits_[c]); break;
        case Form::Grouped: shown = GroupedText(value); break;
        case Form::Exact: break;
        }
        // A cell without a value of its kind (a placeholder, nothing) is shown as it is.
        if (!shown) continue;
        const QString text = QString::fromStdString(*shown);
        row.setData(column, kCellShownRole, text);
        row.setText(column, text);
    }
    if (secretsShown_) return;
    // The same mask for every secret: it tells neither the value nor its length.
    static const QString mask(8, QChar(0x2022));
    for (int column : secretColumns_) {
        if (row.data(column, kCellValueRole).toByteArray().isEmpty()) continue;
        row.setData(column, kCellShownRole, mask);
        row.setText(column, mask);
    }
}

void SortableList::ShowReadOrder() {
    setSortingEnabled(false);
    QHeaderView *h = header();
    if (columnCount() > 0) {
        // Sorting items moves the header's indicator, which would turn sorting on again.
        const QSignalBlocker quiet(h);
        readOrderSort_ = true;
        sortItems(0, Qt::AscendingOrder);
        readOrderSort_ = false;
    }
    h->setSortIndicator(-1, Qt::AscendingOrder);
    h->setSortIndicatorShown(false);
    h->setSectionsClickable(true);
}

bool SortableList::Matches(const QTreeWidgetItem *item) const {
    for (int c = 0; c < columnCount(); ++c)
        if (!isColumnHidden(c) && item->text(c).contains(filter_, Qt::CaseInsensitive)) return true;
    return false;
}

void SortableList::FilterRows(int first, int last) {
    for (int r = first; r <= last; ++r) {
        QTreeWidgetItem *item = topLevelItem(r);
        item->setHidden(!filter_.isEmpty() && !Matches(item));
    }
    emit shownRowsChanged();
}

void SortableList::SetFilter(const QString &text) {
    if (text == filter_) return;
    filter_ = text;
    setUpdatesEnabled(false);
    FilterRows(0, topLevelItemCount() - 1);
    setUpdatesEnabled(true);
}

int SortableList::shownRowCount() const {
    if (filter_.isEmpty()) return topLevelItemCount();
    int shown = 0;
    for (int r = 0; r < topLevelItemCount(); ++r) shown += topLevelItem(r)->isHidden() ? 0 : 1;
    return shown;
}

QList<const QTreeWidgetItem *> SortableList::RowsInReadOrder() const {
    QList<const QTreeWidgetItem *> rows;
    rows.reserve(topLevelItemCount());
    for (int r = 0; r < topLevelItemCount(); ++r) rows.append(topLevelItem(r));
    auto sequence = [](const QTreeWidgetItem *item) {
        const auto *row = dynamic_cast<const SortableRow *>(item);
        return row ? row->sequence() : 0;
    };
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const QTreeWidgetItem *a, const QTreeWidgetItem *b) { return sequence(a) < sequence(b); });
    return rows;
}
