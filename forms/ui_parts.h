#pragma once
// What every window shares of its widgets: named controls, placing and fitting, the list style and
// the stock layouts of settings windows, table editors and their dialogs.

#include <QSize>
#include <QString>

#include <initializer_list>
#include <utility>

class QDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class QWidget;

// ---- Named controls: every control carries the name of the window's design, tests find it by it.

template <class Control>
Control *MakeNamed(QWidget *parent, const char *name) {
    auto *control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QPushButton *MakeNamedButton(QWidget *parent, const char *name, const char *caption);

// A status bar named StatusBar1 whose one panel (panel 0) is the returned label.
QStatusBar *MakeStatusBar(QWidget *parent, QLabel **panel);

// The message memo Memo1: read-only, a few lines high.
QPlainTextEdit *MakeMemo(QWidget *parent);

// ---- Placing and fitting.

// Windows never open larger than this; their panels scroll or their list views take the rest.
inline constexpr int kMaxClientWidth = 800;
inline constexpr int kMaxClientHeight = 550;

// Centres the window on the module's main window, or on the screen when there is none, keeping it
// on the screen; done again whenever it is shown, at its size then.
void CentreOnMainWindow(QWidget *window);
// Places the window once, at its present size.
void PlaceOnMainWindow(QWidget *window);
// Keeps the window's frame on the screen it lies on: a window larger than the screen is made
// smaller, one beyond an edge is moved back.
void KeepOnScreen(QWidget *window);

// Grows the window's client area to at least `size`, then caps it at 800 by 550.
void GrowClientArea(QWidget *window, QSize size);

// ---- Styles.

// The grid look of the list views that show device values.
const QString &GridListStyle();

// Switches a field on or off the way the fixed-layout windows show it: off is disabled, with the
// window's colour behind it instead of a field's.
void SetFieldOn(QWidget *field, bool on);

// ---- Layouts.

// The settings area over a right-aligned row of buttons over a status bar named StatusBar1 whose
// one panel is *panel; the window is then centred on the main window.
void LayOutSettingsWindow(QWidget *window, QWidget *settings, std::initializer_list<QPushButton *> buttons,
                          QStatusBar **bar, QLabel **panel);

// The list over what sits below it (a memo, editors; may be null), over a right-aligned row of
// buttons, over the status bar (may be null); the window is then centred on the main window.
void LayOutListWindow(QWidget *window, QTreeWidget *list, std::initializer_list<QWidget *> below,
                      std::initializer_list<QPushButton *> buttons, QStatusBar *bar = nullptr);

// A dialog of captioned fields over a right-aligned row of buttons.
void LayOutFieldDialog(QDialog *dialog, std::initializer_list<std::pair<const char *, QWidget *>> fields,
                       std::initializer_list<QPushButton *> buttons);
