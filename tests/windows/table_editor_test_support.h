#pragma once
// Driving the table editors in tests: rows chosen by their first cell, and a modal dialog run to
// its end with what it showed.
#include "binding/ui/request2edits.h"
#include "catalogue/entry_recipe.h"
#include "catalogue/model/catalogue_model.h"
#include "editor/config_form.h"
#include "editor/edits_panel.h"
#include "support/widget_support.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QTabWidget>
#include <QDialog>
#include <QString>
#include <QTreeWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace window_test {

// Whether an exchange of any page of an entry's window is under way.
inline bool EntryBusy(const TConfigForm &form) {
    const int pages = form.pageControl() ? form.pageControl()->count() : 1;
    for (int k = 0; k < pages; ++k)
        if (form.Binding(k) != nullptr && form.Binding(k)->busy) return true;
    return false;
}

// The window of the catalogue entry at a path of captions, shown, once its first read has ended;
// nullptr when there is no such entry.
inline std::unique_ptr<TConfigForm> OpenEntryWindow(const std::vector<std::string> &path) {
    const MenuEntry *entry = MenuCatalogue::Instance().Find(path, MenuCatalogue::CaptionMatch::Folded);
    if (entry == nullptr) return nullptr;
    std::unique_ptr<TConfigForm> form = BuildEntryWindow(*entry, Context());
    form->show();
    QCoreApplication::sendPostedEvents(form.get());  // the first read starts
    WaitUntil([&] { return !EntryBusy(*form); });
    return form;
}

// The row of an editor grid captioned label, or -1.
inline int RowOf(const TEditsPanel &rows, const char *label) {
    for (int i = 0; i < rows.RowCount(); ++i)
        if (rows.Row(i).labelControl->text().trimmed() == QLatin1String(label)) return i;
    return -1;
}

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
