#pragma once
// The layouts the table editors share.

#include <initializer_list>
#include <utility>

class QDialog;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class QWidget;

// The message memo Memo1: read-only, a few lines high.
QPlainTextEdit *MakeMemo(QWidget *parent);

// The list over what sits below it (a memo, editors; may be null), over a right-aligned row of
// buttons, over the status bar (may be null); the window is then centred on the main window.
void LayOutListWindow(QWidget *window, QTreeWidget *list, std::initializer_list<QWidget *> below,
                      std::initializer_list<QPushButton *> buttons, QStatusBar *bar = nullptr);

// A dialog of captioned fields over a right-aligned row of buttons.
void LayOutFieldDialog(QDialog *dialog, std::initializer_list<std::pair<const char *, QWidget *>> fields,
                       std::initializer_list<QPushButton *> buttons);
