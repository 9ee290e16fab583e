#include "forms/window_layout.h"

#include "binding/ui/chosen_widths.h"
#include "forms/ui_parts.h"

#include <QHeaderView>
#include <QSettings>
#include <QSplitter>
#include <QTreeView>

namespace window_layout {

namespace {

// Settings keys take no '/' or '\' of their own: entry captions ("Alarm/Event") are encoded.
QString Encoded(const QString &text) { return QString::fromLatin1(text.toUtf8().toPercentEncoding(" >()-_.,:")); }

QSettings Store() { return QSettings(QStringLiteral("Vandrel"), QStringLiteral("QSW-7400")); }

QString Group(const QString &key) { return QStringLiteral("WindowLayout/") + Encoded(key); }

// The objectNames from the window down to the widget: panels on several pages share their
// controls' names, the pages' names tell them apart.
QString PathOf(const QWidget &window, const QWidget *widget) {
    QStringList names;
    for (const QWidget *w = widget; w != nullptr && w != &window; w = w->parentWidget())
        if (!w->objectName().isEmpty()) names.prepend(w->objectName());
    return Encoded(names.join(u'.'));
}

// The window's own named controls, not those of a dialog it holds.
template <class Control>
QList<Control *> Own(const QWidget &window) {
    QList<Control *> own;
    for (Control *control : window.findChildren<Control *>())
        if (control->window() == &window && !control->objectName().isEmpty()) own << control;
    return own;
}

void RestoreColumns(QTreeView *view, const QVariantList &widths) {
    QHeaderView *header = view->header();
    if (widths.size() != header->count()) return;  // another set of columns than was remembered
    for (int column = 0; column < header->count(); ++column)
        if (!header->isSectionHidden(column) && widths[column].toInt() > 0)
            header->resizeSection(column, widths[column].toInt());
    ChooseWidths(view);
}

}  // namespace

void Restore(QWidget &window, const QString &key) {
    for (QTreeView *view : Own<QTreeView>(window)) WatchChosenWidths(view);
    if (key.isEmpty()) return;
    QSettings settings = Store();
    settings.beginGroup(Group(key));
    const QSize size = settings.value(QStringLiteral("size")).toSize();
    if (size.isValid()) {
        const QPoint centre = window.frameGeometry().center();
        window.resize(size);
        QRect frame = window.frameGeometry();
        frame.moveCenter(centre);
        window.move(frame.topLeft());
        KeepOnScreen(&window);
    }
    for (QSplitter *splitter : Own<QSplitter>(window)) {
        const QByteArray state = settings.value(QStringLiteral("splitters/") + PathOf(window, splitter)).toByteArray();
        if (!state.isEmpty()) splitter->restoreState(state);
    }
    for (QTreeView *view : Own<QTreeView>(window)) {
        const QVariant widths = settings.value(QStringLiteral("columns/") + PathOf(window, view));
        if (widths.isValid()) RestoreColumns(view, widths.toList());
    }
}

void Remember(const QWidget &window, const QString &key) {
    if (key.isEmpty()) return;
    QSettings settings = Store();
    settings.beginGroup(Group(key));
    settings.setValue(QStringLiteral("size"), window.size());
    for (QSplitter *splitter : Own<QSplitter>(window))
        settings.setValue(QStringLiteral("splitters/") + PathOf(window, splitter), splitter->saveState());
    for (QTreeView *view : Own<QTreeView>(window)) {
        const QString name = QStringLiteral("columns/") + PathOf(window, view);
        if (!WidthsChosen(view)) {
            settings.remove(name);
            continue;
        }
        QVariantList widths;
        for (int column = 0; column < view->header()->count(); ++column) widths << view->header()->sectionSize(column);
        settings.setValue(name, widths);
    }
}

}  // namespace window_layout
