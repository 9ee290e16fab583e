#pragma once

#include "binding/ui/list_rows.h"

#include <QList>
#include <QPointer>
#include <QTreeWidget>

// A list view's own items as the rows of a walk (the dedicated windows' lists). Each item keeps the
// exact value read beside its text, for windows that put another text into a cell.
class TreeWidgetRows : public ListRows {
public:
    explicit TreeWidgetRows(QTreeWidget *list) : list_(list) {}
    ~TreeWidgetRows() override;

    int columnCount() const override;
    void SetCaptions(const QStringList &captions) override;
    void Clear() override;
    void Stage(const std::vector<std::string_view> &cells) override;
    int shownRows() const override;
    void ShowStaged() override;
    void DropStaged() override;
    std::vector<std::string> SelectedValues() const override;
    QMetaObject::Connection OnSelectionChanged(QObject *context, std::function<void()> handler) override;

private:
    QPointer<QTreeWidget> list_;
    QList<QTreeWidgetItem *> staged_;
};
