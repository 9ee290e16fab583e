#include "binding/ui/tree_widget_rows.h"

#include "binding/ui/control_binding.h"

namespace {

// The exact value read, beside the text the item shows.
constexpr int kReadValueRole = Qt::UserRole;

// The value read, where nobody has put another text into the cell since.
std::string CellValue(const QTreeWidgetItem &row, int column) {
    const QByteArray exact = row.data(column, kReadValueRole).toByteArray();
    const QString shown = row.text(column);
    return shown == QString::fromUtf8(exact) ? exact.toStdString() : FromQString(shown);
}

}  // namespace

TreeWidgetRows::~TreeWidgetRows() { DropStaged(); }

int TreeWidgetRows::columnCount() const {
    if (!list_) return 0;
    // A fresh QTreeWidget shows one default column headed "1"; it counts as no column at all.
    const int existing = list_->columnCount();
    return existing == 1 && list_->headerItem()->text(0) == QStringLiteral("1") ? 0 : existing;
}

void TreeWidgetRows::SetCaptions(const QStringList &captions) {
    if (!list_) return;
    list_->clear();
    list_->setColumnCount(0);
    list_->setHeaderLabels(captions);
}

void TreeWidgetRows::Clear() {
    if (list_) list_->clear();
}

void TreeWidgetRows::Stage(const std::vector<std::string_view> &cells) {
    auto *row = new QTreeWidgetItem;
    int column = 0;
    for (std::string_view value : cells) {
        const QByteArray bytes(value.data(), static_cast<qsizetype>(value.size()));
        row->setText(column, QString::fromUtf8(bytes));
        row->setData(column++, kReadValueRole, bytes);
    }
    staged_.append(row);
}

int TreeWidgetRows::shownRows() const { return list_ ? list_->topLevelItemCount() : 0; }

void TreeWidgetRows::ShowStaged() {
    if (staged_.isEmpty()) return;
    if (list_) list_->addTopLevelItems(staged_);
    else qDeleteAll(staged_);
    staged_.clear();
}

void TreeWidgetRows::DropStaged() {
    qDeleteAll(staged_);
    staged_.clear();
}

std::vector<std::string> TreeWidgetRows::SelectedValues() const {
    std::vector<std::string> values;
    const QList<QTreeWidgetItem *> selected = list_ ? list_->selectedItems() : QList<QTreeWidgetItem *>();
    if (selected.isEmpty()) return values;
    for (int column = 0; column < selected.front()->columnCount(); ++column)
        values.push_back(CellValue(*selected.front(), column));
    return values;
}

QMetaObject::Connection TreeWidgetRows::OnSelectionChanged(QObject *context, std::function<void()> handler) {
    // Handlers connected earlier run first, as the list view's own selection handler did.
    return QObject::connect(list_.data(), &QTreeWidget::itemSelectionChanged, context, std::move(handler));
}
