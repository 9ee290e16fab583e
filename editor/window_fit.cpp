#include "editor/window_fit.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>

namespace {

QMainWindow *MainWindow() {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *main = qobject_cast<QMainWindow *>(w); main != nullptr && main->isVisible()) return main;
    return nullptr;
}

}  // namespace

void CentreOnMainWindow(QWidget *window) {
    QRect area;
    if (QMainWindow *main = MainWindow())
        area = main->frameGeometry();
    else if (QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    else
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

void GrowClientArea(QWidget *window, QSize size) {
    QSize client = window->size().expandedTo(size);
    client = client.boundedTo(QSize(kMaxClientWidth, kMaxClientHeight));
    window->resize(client);
}
