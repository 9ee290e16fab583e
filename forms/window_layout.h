#pragma once

#include <QString>

class QWidget;

// What a user made of a window's layout, remembered per kind of window (key) in the settings of
// the host product's organisation: the window's size, the positions of its splitters and the
// column widths set by hand in its lists, each found by the objectNames from the window down.
namespace window_layout {

// Brings back what was remembered under key: the size, kept within the screen and around the
// window's present centre, then the splitters and the lists' columns.
void Restore(QWidget &window, const QString &key);
// Remembers the window's layout under key; a list whose widths were never set by hand leaves
// none behind, so that its columns still fit what it shows.
void Remember(const QWidget &window, const QString &key);

}  // namespace window_layout
