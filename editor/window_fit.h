#pragma once

#include <QSize>

class QWidget;

// Windows never open larger than this; their panels scroll or their list views take the rest.
inline constexpr int kMaxClientWidth = 800;
inline constexpr int kMaxClientHeight = 550;

// Centres the window on the module's main window, or on the screen when there is none, keeping it
// on the screen; done again whenever it is shown, at its size then.
void CentreOnMainWindow(QWidget *window);
// Places the window once, at its present size.
void PlaceOnMainWindow(QWidget *window);

// Grows the window's client area to at least `size`, then caps it at 800 by 550.
void GrowClientArea(QWidget *window, QSize size);
