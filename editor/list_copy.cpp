#include "editor/list_copy.h"

#include "binding/ui/sortable_list.h"
#include "binding/ui/table_rows_model.h"
#include "catalogue/model/entry_path.h"

#include <QStringList>

namespace {

QString TabCell(QString text) {
    for (QChar &c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) c = QLatin1Char(' ');
    return text;
}

}  // namespace

QString RowsAsTabText(const SortableList &list, const std::vector<int> &rows) {
    const std::vector<int> columns = list.ShownColumns();
    auto line = [&](auto cell) {
        QStringList cells;
        for (int c : columns) cells << TabCell(cell(c));
        return cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    };
    QString text = line([&](int c) { return list.caption(c).trimmed(); });
    for (int row : rows) text += line([&](int c) { return list.rows().ShownText(row, c); });
    return text;
}

PageReading ListPage(const SortableList &list, const std::string &caption) {
    PageReading page;
    page.caption = caption;
    page.table = true;
    const std::vector<int> columns = list.ShownColumns();
    for (int c : columns) page.columns.push_back(TrimmedCaption(list.caption(c).toStdString()));
    const TableRowsModel &rows = list.rows();
    page.rows.reserve(static_cast<std::size_t>(rows.rowCount()));
    for (int r = 0; r < rows.rowCount(); ++r) {
        std::vector<std::string> &row = page.rows.emplace_back();
        for (int c : columns) row.emplace_back(rows.Value(r, c));
    }
    return page;
}
