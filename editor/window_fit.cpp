#include "editor/window_fit.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>

namespace {

QMainWindow *MainWindow() {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *main = qobject_cast<QMainWindow *>(w); main != nullptr && main->isVisible()) return main;
    return nullptr;
}

// Windows grow after they are created (panels, pages, height adjustments): they are placed again
// when they are shown, at the size they have then.
class PlaceWhenShown : public QObject {
public:
    explicit PlaceWhenShown(QWidget *window) : QObject(window) {
        setObjectName(QLatin1String(kName));
        window->installEventFilter(this);
    }

    static constexpr char kName[] = "placeWhenShown";

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show && watched == parent()) PlaceOnMainWindow(static_cast<QWidget *>(watched));
        return false;
    }
};

// The window's frame; before its first show it has no decoration yet, so the main window's stands in.
QRect FrameOf(const QWidget *window, const QMainWindow *main) {
    QRect frame = window->frameGeometry();
    if (frame == window->geometry() && main != nullptr) {
        const QRect mainFrame = main->frameGeometry();
        const QRect mainClient = main->geometry();
        frame.adjust(mainFrame.left() - mainClient.left(), mainFrame.top() - mainClient.top(),
                     mainFrame.right() - mainClient.right(), mainFrame.bottom() - mainClient.bottom());
    }
    return frame;
}

}  // namespace

void PlaceOnMainWindow(QWidget *window) {
    const QMainWindow *main = MainWindow();
    QScreen *screen = QGuiApplication::primaryScreen();
    QRect area;
    if (main != nullptr) {
        area = main->frameGeometry();
        if (QScreen *own = QGuiApplication::screenAt(area.center())) screen = own;
    } else if (screen != nullptr) {
        area = screen->availableGeometry();
    } else {
        return;
    }
    const QRect frame = FrameOf(window, main);
    QRect placed = frame;
    placed.moveCenter(area.center());
    if (screen != nullptr) {
        // Kept on the screen: the left and top edges win when the window is larger than it.
        const QRect room = screen->availableGeometry();
        if (placed.right() > room.right()) placed.moveRight(room.right());
        if (placed.bottom() > room.bottom()) placed.moveBottom(room.bottom());
        if (placed.left() < room.left()) placed.moveLeft(room.left());
        if (placed.top() < room.top()) placed.moveTop(room.top());
    }
    window->move(placed.topLeft());  // a window's position is that of its frame
}

void CentreOnMainWindow(QWidget *window) {
    if (window->findChild<QObject *>(QLatin1String(PlaceWhenShown::kName), Qt::FindDirectChildrenOnly) == nullptr)
        new PlaceWhenShown(window);
    PlaceOnMainWindow(window);
}

void GrowClientArea(QWidget *window, QSize size) {
    QSize client = window->size().expandedTo(size);
    client = client.boundedTo(QSize(kMaxClientWidth, kMaxClientHeight));
    window->resize(client);
}
