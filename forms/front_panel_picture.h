#pragma once

#include <QPixmap>

// The switch's front as the main window shows it under its LEDs: 921 x 113 pixels, LED windows at
// the places of the window's LED holders (one pixel further up and left, the picture sitting at
// 1, 1 in its panel).
QPixmap FrontPanelPicture();

// The window icon: the switch's front in small.
QPixmap ModuleIconPicture();
