#pragma once
// Small pieces the fixed-layout settings windows share.

class QLabel;
class QPushButton;
class QStatusBar;
class QWidget;

QPushButton *MakeNamedButton(QWidget *parent, const char *name, const char *caption);

// A status bar named StatusBar1 whose one panel (panel 0) is the returned label.
QStatusBar *MakeStatusBar(QWidget *parent, QLabel **panel);
