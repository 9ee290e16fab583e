#include "editor/list_copy.h"

#include "binding/ui/request2edits.h"
#include "binding/ui/sortable_list.h"
#include "catalogue/model/entry_path.h"

#include <QTreeWidget>

namespace {

QString TabCell(QString text) {
    for (QChar &c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) c = QLatin1Char(' ');
    return text;
}

}  // namespace

QList<const QTreeWidgetItem *> SelectedShownRows(const QTreeWidget &list) {
    QList<const QTreeWidgetItem *> rows;
    for (int r = 0; r < list.topLevelItemCount(); ++r) {
        const QTreeWidgetItem *item = list.topLevelItem(r);
        if (item->isSelected() && !item->isHidden()) rows.append(item);
    }
    return rows;
}

QString RowsAsTabText(const QTreeWidget &list, const QList<const QTreeWidgetItem *> &rows) {
    QList<int> columns;
    for (int c = 0; c < list.columnCount(); ++c)
        if (!list.isColumnHidden(c)) columns.append(c);
    auto line = [&](auto cell) {
        QStringList cells;
        for (int c : columns) cells << TabCell(cell(c));
        return cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    };
    QString text = line([&](int c) { return list.headerItem()->text(c).trimmed(); });
    for (const QTreeWidgetItem *row : rows) text += line([&](int c) { return row->text(c); });
    return text;
}

PageReading ListPage(const SortableList &list, const std::string &caption) {
    PageReading page;
    page.caption = caption;
    page.table = true;
    std::vector<int> columns;
    for (int c = 0; c < list.columnCount(); ++c) {
        if (list.isColumnHidden(c)) continue;
        columns.push_back(c);
        page.columns.push_back(TrimmedCaption(FromQString(list.headerItem()->text(c))));
    }
    for (const QTreeWidgetItem *item : list.RowsInReadOrder()) {
        std::vector<std::string> &row = page.rows.emplace_back();
        for (int c : columns) row.push_back(CellValue(*item, c));
    }
    return page;
}
