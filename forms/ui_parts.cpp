#include "forms/ui_parts.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kMemoHeight = 60;

QHBoxLayout *ButtonRow(std::initializer_list<QPushButton *> buttons) {
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton *button : buttons) row->addWidget(button);
    return row;
}

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

// Moved into the room; the left and top edges win when the frame is larger than it.
QRect WithinRoom(QRect placed, const QRect &room) {
    if (placed.right() > room.right()) placed.moveRight(room.right());
    if (placed.bottom() > room.bottom()) placed.moveBottom(room.bottom());
    if (placed.left() < room.left()) placed.moveLeft(room.left());
    if (placed.top() < room.top()) placed.moveTop(room.top());
    return placed;
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
    QRect placed = FrameOf(window, main);
    placed.moveCenter(area.center());
    if (screen != nullptr) placed = WithinRoom(placed, screen->availableGeometry());
    window->move(placed.topLeft());  // a window's position is that of its frame
}

void KeepOnScreen(QWidget *window) {
    const QMainWindow *main = MainWindow();
    const QRect frame = FrameOf(window, main);
    QScreen *screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr && main != nullptr) screen = QGuiApplication::screenAt(main->frameGeometry().center());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect room = screen->availableGeometry();
    const QSize decoration = frame.size() - window->size();
    window->resize(window->size().boundedTo(room.size() - decoration));
    QRect placed(frame.topLeft(), window->size() + decoration);
    window->move(WithinRoom(placed, room).topLeft());
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

QPushButton *MakeNamedButton(QWidget *parent, const char *name, const char *caption) {
    auto *button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QStatusBar *MakeStatusBar(QWidget *parent, QLabel **panel) {
    auto *bar = new QStatusBar(parent);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    *panel = new QLabel(bar);
    (*panel)->setObjectName(QStringLiteral("StatusPanel0"));
    bar->addWidget(*panel, 1);
    return bar;
}

QPlainTextEdit *MakeMemo(QWidget *parent) {
    auto *memo = new QPlainTextEdit(parent);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setMaximumHeight(kMemoHeight);
    return memo;
}

// Cells framed like a grid. An item style sheet takes the selection's colours with it: the selected
// row names them again, or it is white text on a white row.
const QString &GridListStyle() {
    static const QString style = QStringLiteral(
        "QTreeView::item { border-right: 1px solid palette(mid); border-bottom: 1px solid palette(mid); } "
        "QTreeView::item:selected { background: palette(highlight); color: palette(highlighted-text); }");
    return style;
}

void SetFieldOn(QWidget *field, bool on) {
    field->setEnabled(on);
    QPalette palette = field->palette();
    const QPalette::ColorRole behind = on ? QPalette::Base : QPalette::Window;
    palette.setColor(QPalette::Base, QApplication::palette(field).color(QPalette::Active, behind));
    field->setPalette(palette);
}

void LayOutSettingsWindow(QWidget *window, QWidget *settings, std::initializer_list<QPushButton *> buttons,
                          QStatusBar **bar, QLabel **panel) {
    auto *row = new QHBoxLayout;
    row->setContentsMargins(8, 0, 8, 4);
    row->addStretch();
    for (QPushButton *button : buttons) row->addWidget(button);
    *bar = MakeStatusBar(window, panel);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(settings, 1);
    layout->addLayout(row);
    layout->addWidget(*bar);
    CentreOnMainWindow(window);
}

void LayOutListWindow(QWidget *window, QTreeWidget *list, std::initializer_list<QWidget *> below,
                      std::initializer_list<QPushButton *> buttons, QStatusBar *bar) {
    auto *body = new QVBoxLayout;
    body->setContentsMargins(6, 6, 6, bar ? 2 : 6);
    body->addWidget(list, 1);
    for (QWidget *widget : below) body->addWidget(widget);
    body->addLayout(ButtonRow(buttons));
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(body, 1);
    if (bar != nullptr) layout->addWidget(bar);
    CentreOnMainWindow(window);
}

void LayOutFieldDialog(QDialog *dialog, std::initializer_list<std::pair<const char *, QWidget *>> fields,
                       std::initializer_list<QPushButton *> buttons) {
    auto *form = new QFormLayout;
    for (const auto &[caption, field] : fields) form->addRow(QString::fromLatin1(caption), field);
    auto *layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addLayout(ButtonRow(buttons));
}
