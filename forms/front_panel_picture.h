#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>

// What the device reports of its ports' media, written under each group of ports: the three
// groups of sixteen, then the two combo ports. An empty text leaves only the port numbers.
struct PortCaptions {
    QString groups[3];
    QString combo;
};

// The switch's front as the main window shows it under its LEDs: 921 x 113 pixels, LED windows at
// the places of the window's LED holders (one pixel further up and left, the picture sitting at
// 1, 1 in its panel).
QPixmap FrontPanelPicture(const PortCaptions &captions = {});

// Where port 1 to 52 is in the picture: its socket (with its number), and its LED window.
QRect PortSocketArea(int port);
QRect PortLedArea(int port);
// The port at a point of the picture; 0 for none.
int PortAt(const QPoint &point);
// The nearest port from `port` in a direction (dx, dy of -1, 0 or 1), by the sockets' centres;
// `port` itself when there is none that way.
int NeighbourPort(int port, int dx, int dy);

// The window icon: the switch's front in small.
QPixmap ModuleIconPicture();
