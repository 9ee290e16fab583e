#pragma once
// Small pieces the fixed-layout settings windows share.

#include <QString>

#include <initializer_list>

class QLabel;
class QPushButton;
class QStatusBar;
class QWidget;

QPushButton *MakeNamedButton(QWidget *parent, const char *name, const char *caption);

// A control of the window's design, found by tests under its name.
template <class Control>
Control *MakeNamed(QWidget *parent, const char *name) {
    auto *control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// A status bar named StatusBar1 whose one panel (panel 0) is the returned label.
QStatusBar *MakeStatusBar(QWidget *parent, QLabel **panel);

// The settings area over a right-aligned row of buttons over a status bar named StatusBar1 whose
// one panel is *panel; the window is then centred on the main window.
void LayOutSettingsWindow(QWidget *window, QWidget *settings, std::initializer_list<QPushButton *> buttons,
                          QStatusBar **bar, QLabel **panel);

// Switches a field on or off the way the fixed-layout windows show it: off is disabled, with the
// window's colour behind it instead of a field's.
void SetFieldOn(QWidget *field, bool on);
