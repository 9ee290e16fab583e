#pragma once

#include <QMetaObject>
#include <QStringList>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QObject;

// What a walk needs of the list its rows go to (a list view's own items, or a table model): the
// column captions, rows read held back and shown in batches, and the selected row's values.
class ListRows {
public:
    virtual ~ListRows() = default;

    virtual int columnCount() const = 0;
    // New columns; every row goes.
    virtual void SetCaptions(const QStringList &captions) = 0;
    virtual void Clear() = 0;
    // A row read, one value per column, not shown before ShowStaged.
    virtual void Stage(const std::vector<std::string_view> &cells) = 0;
    virtual int shownRows() const = 0;
    virtual void ShowStaged() = 0;
    virtual void DropStaged() = 0;
    // The exact values of the (first) selected row, in column order; empty without one.
    virtual std::vector<std::string> SelectedValues() const = 0;
    // Runs handler, with context, whenever the selection changes.
    virtual QMetaObject::Connection OnSelectionChanged(QObject *context, std::function<void()> handler) = 0;
};
