#pragma once
// Driving the table editors in tests: rows chosen by their first cell, and a modal dialog run to
// its end with what it showed.
#include "support/widget_support.h"

#include <QAbstractButton>
#include <QDialog>
#include <QString>
#include <QTreeWidget>

#include <functional>

namespace window_test {

// Waits until the list shows this many rows.
inline bool Listed(QTreeWidget *list, int rows) {
    return WaitUntil([&] { return list->topLevelItemCount() == rows; });
}

// Selects the row whose cells start with these texts.
inline bool SelectRow(QTreeWidget *list, const QStringList &firstCells) {
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        QTreeWidgetItem *item = list->topLevelItem(r);
        bool match = true;
        for (int c = 0; c < firstCells.size(); ++c) match = match && item->text(c) == firstCells[c];
        if (match) {
            list->setCurrentItem(item);
            return true;
        }
    }
    return false;
}

// Runs open(), which shows the dialog called name modally; fill runs on it, then press is clicked.
// Returns whether the dialog was still open afterwards (it is closed then).
inline bool RunDialog(const QString &name, const std::function<void()> &open,
                      const std::function<void(QDialog *)> &fill, const std::function<QAbstractButton *(QDialog *)> &press) {
    bool stayedOpen = false;
    const auto run = WhenModal(name, [&](QWidget *w) {
        auto *dialog = static_cast<QDialog *>(w);
        fill(dialog);
        if (QAbstractButton *button = press(dialog)) {
            button->click();
            AwaitIdle(dialog);
        }
        stayedOpen = dialog->isVisible();
        if (stayedOpen) dialog->reject();
    });
    open();
    return stayedOpen;
}

}  // namespace window_test
