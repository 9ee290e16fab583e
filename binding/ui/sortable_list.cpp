#include "binding/ui/sortable_list.h"

#include "binding/ui/list_rows.h"
#include "binding/ui/table_rows_model.h"
#include "binding/ui/table_rows_proxy.h"

#include <QHeaderView>
#include <QPointer>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// A catalogue table's walk goes into the list's model.
class SortableListRows : public ListRows {
public:
    explicit SortableListRows(SortableList *list) : list_(list) {}

    int columnCount() const override { return list_ ? list_->columnCount() : 0; }
    void SetCaptions(const QStringList &captions) override {
        if (list_) list_->rows().SetCaptions(captions);
    }
    void Clear() override {
        if (list_) list_->rows().Clear();
    }
    void Stage(const std::vector<std::string_view> &cells) override {
        if (list_) list_->rows().Stage(cells);
    }
    int shownRows() const override { return list_ ? list_->readRowCount() : 0; }
    void ShowStaged() override {
        if (list_) list_->rows().ShowStaged();
    }
    void DropStaged() override {
        if (list_) list_->rows().DropStaged();
    }
    std::vector<std::string> SelectedValues() const override {
        std::vector<std::string> values;
        const std::vector<int> selected = list_ ? list_->SelectedReadRows() : std::vector<int>();
        if (selected.empty()) return values;
        for (int column = 0; column < list_->columnCount(); ++column)
            values.emplace_back(list_->rows().Value(selected.front(), column));
        return values;
    }
    QMetaObject::Connection OnSelectionChanged(QObject *context, std::function<void()> handler) override {
        return QObject::connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, context,
                                [handler = std::move(handler)] { handler(); });
    }

private:
    QPointer<SortableList> list_;
};

}  // namespace

SortableList::SortableList(QWidget *parent)
    : QTreeView(parent), rows_(new TableRowsModel(this)), proxy_(new TableRowsProxy(rows_, this)) {
    setModel(proxy_);
    QHeaderView *h = header();
    h->setSortIndicator(-1, Qt::AscendingOrder);
    h->setSortIndicatorShown(false);
    h->setSectionsClickable(true);
    // The first header click turns sorting on; from then on the view follows the header itself.
    connect(h, &QHeaderView::sortIndicatorChanged, this, [this](int section) {
        if (section >= 0 && !isSortingEnabled()) setSortingEnabled(true);
    });
    // The count of rows read changes with the model, the count shown with the proxy too.
    for (QAbstractItemModel *m : {static_cast<QAbstractItemModel *>(rows_), static_cast<QAbstractItemModel *>(proxy_)}) {
        connect(m, &QAbstractItemModel::rowsInserted, this, &SortableList::shownRowsChanged);
        connect(m, &QAbstractItemModel::rowsRemoved, this, &SortableList::shownRowsChanged);
        connect(m, &QAbstractItemModel::modelReset, this, &SortableList::shownRowsChanged);
        connect(m, &QAbstractItemModel::layoutChanged, this, &SortableList::shownRowsChanged);
    }
}

SortableList::~SortableList() {
    rows_->disconnect(this);
    proxy_->disconnect(this);
}

std::unique_ptr<ListRows> SortableList::MakeListRows() { return std::make_unique<SortableListRows>(this); }

int SortableList::columnCount() const { return rows_->columnCount(); }

QString SortableList::caption(int column) const { return rows_->captions().value(column); }

void SortableList::SetColumnOrders(const VdSNMPVarList &list, const std::vector<int> &columnVariables) {
    rows_->SetColumnKinds(list, columnVariables);
}

CellOrder SortableList::columnOrder(int column) const { return rows_->columnOrder(column); }

void SortableList::SetPortListColumn(int column, int ports) { rows_->SetPortListColumn(column, ports); }

void SortableList::SetSecretColumn(int column) { rows_->SetSecretColumn(column); }

bool SortableList::hasSecretColumns() const { return rows_->hasSecretColumns(); }

void SortableList::ShowSecrets(bool shown) { rows_->ShowSecrets(shown); }

bool SortableList::secretsShown() const { return rows_->secretsShown(); }

void SortableList::ShowReadOrder() {
    setSortingEnabled(false);
    QHeaderView *h = header();
    {
        // Moving the header's indicator would turn sorting on again.
        const QSignalBlocker quiet(h);
        proxy_->sort(-1);
        h->setSortIndicator(-1, Qt::AscendingOrder);
    }
    h->setSortIndicatorShown(false);
    h->setSectionsClickable(true);
}

void SortableList::SetFilter(const QString &text) {
    if (text == proxy_->filter()) return;
    proxy_->SetFilter(text, ShownColumns());
}

const QString &SortableList::filter() const { return proxy_->filter(); }

int SortableList::shownRowCount() const { return proxy_->rowCount(); }

int SortableList::readRowCount() const { return rows_->rowCount(); }

int SortableList::ReadRow(int shownRow) const {
    const QModelIndex source = proxy_->mapToSource(proxy_->index(shownRow, 0));
    return source.isValid() ? source.row() : -1;
}

int SortableList::ShownRow(int readRow) const {
    const QModelIndex shown = proxy_->mapFromSource(rows_->index(readRow, 0));
    return shown.isValid() ? shown.row() : -1;
}

std::vector<int> SortableList::SelectedReadRows() const {
    std::vector<int> shown;
    for (const QModelIndex &index : selectionModel()->selectedRows()) shown.push_back(index.row());
    std::sort(shown.begin(), shown.end());
    std::vector<int> read;
    for (int row : shown) read.push_back(ReadRow(row));
    return read;
}

int SortableList::FindShownRow(int column, const QString &text) const {
    for (int r = 0; r < proxy_->rowCount(); ++r)
        if (rows_->ShownText(ReadRow(r), column) == text) return r;
    return -1;
}

std::vector<int> SortableList::ShownColumns() const {
    std::vector<int> columns;
    for (int c = 0; c < columnCount(); ++c)
        if (!isColumnHidden(c)) columns.push_back(c);
    return columns;
}
