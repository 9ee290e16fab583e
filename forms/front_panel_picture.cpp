#include "forms/front_panel_picture.h"

#include <QLinearGradient>
#include <QPainter>

#include <cstdlib>

namespace {

constexpr int kWidth = 921;
constexpr int kHeight = 113;
// Left edges of the three 16-port groups and of the two combo ports, in picture coordinates.
constexpr int kGroupLeft[] = {87, 327, 567};
constexpr int kComboLeft[] = {790, 839};

const QColor kCaption(220, 224, 230);
const QColor kLedWindow(20, 20, 20);

void DrawCaption(QPainter &p, const QRect &box, const QString &text, int pixelSize,
                 Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(pixelSize);
    p.setFont(font);
    p.setPen(kCaption);
    p.drawText(box, align, text);
}

void DrawLedWindow(QPainter &p, int x, int y, int width, int height) {
    p.setPen(QColor(90, 90, 95));
    p.setBrush(kLedWindow);
    p.drawRect(x, y, width, height);
}

// An RJ-45 socket seen from the front, latch notch up or down.
void DrawJack(QPainter &p, int x, int y, bool notchUp) {
    p.setPen(QColor(70, 70, 74));
    p.setBrush(QColor(165, 168, 172));
    p.drawRect(x, y, 23, 19);
    p.setBrush(QColor(28, 28, 30));
    p.drawRect(x + 3, y + 3, 17, 13);
    const int notchY = notchUp ? y + 3 : y + 12;
    p.drawRect(x + 8, notchUp ? notchY - 2 : notchY, 7, 4);
    p.setPen(QColor(200, 160, 60));
    const int pinsY = notchUp ? y + 14 : y + 5;
    for (int pin = 0; pin < 8; ++pin) p.drawLine(x + 5 + 2 * pin, pinsY, x + 5 + 2 * pin, pinsY + 1);
}

// A fibre module cage.
void DrawCage(QPainter &p, int x, int y) {
    p.setPen(QColor(60, 60, 64));
    p.setBrush(QColor(185, 188, 192));
    p.drawRect(x, y, 27, 17);
    p.setBrush(QColor(45, 45, 48));
    p.drawRect(x + 3, y + 4, 21, 9);
}

void DrawChassis(QPainter &p) {
    QLinearGradient face(0, 0, 0, kHeight);
    face.setColorAt(0, QColor(78, 88, 104));
    face.setColorAt(1, QColor(46, 53, 64));
    p.fillRect(0, 0, kWidth, kHeight, face);
    p.setPen(QColor(25, 28, 34));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, kWidth - 1, kHeight - 1);
    for (int x : {6, kWidth - 11}) {  // rack-mount screws
        for (int y : {8, kHeight - 14}) {
            p.setBrush(QColor(150, 152, 156));
            p.drawEllipse(x, y, 5, 5);
        }
    }
}

void DrawSystemZone(QPainter &p) {
    DrawCaption(p, QRect(14, 90, 70, 20), QStringLiteral("QSW-7400"), 12,
                Qt::AlignLeft | Qt::AlignVCenter);
    const struct {
        int y;
        const char *caption;
    } leds[] = {{27, "Power"}, {41, "Console"}, {55, "RPS"}};
    for (const auto &led : leds) {
        DrawLedWindow(p, 22, led.y - 1, 8, 8);
        DrawCaption(p, QRect(33, led.y - 3, 50, 11), QString::fromLatin1(led.caption), 8);
    }
    const struct {
        int x;
        const char *caption;
    } gigabit[] = {{24, "51"}, {47, "52"}};
    for (const auto &port : gigabit) {
        DrawLedWindow(p, port.x, 71, 8, 8);
        DrawCaption(p, QRect(port.x - 4, 79, 16, 9), QString::fromLatin1(port.caption), 7,
                    Qt::AlignHCenter | Qt::AlignTop);
    }
    DrawCaption(p, QRect(58, 70, 30, 10), QStringLiteral("GE"), 7);
}

// Sixteen ports under one row of LEDs, one LED every 13 pixels: the odd port of a jack column
// on the left, the even one on the right.
void DrawPortGroup(QPainter &p, int left, int firstPort, const QString &medium) {
    for (int k = 0; k < 16; ++k) DrawLedWindow(p, left + 13 * k - 1, 6, 8, 8);
    for (int column = 0; column < 8; ++column) {
        const int x = left + column * 26;
        const int odd = firstPort + 2 * column;
        DrawCaption(p, QRect(x, 18, 23, 10), QString::number(odd), 7, Qt::AlignCenter);
        DrawJack(p, x, 29, true);
        DrawJack(p, x, 52, false);
        DrawCaption(p, QRect(x, 73, 23, 10), QString::number(odd + 1), 7, Qt::AlignCenter);
    }
    QString caption = QStringLiteral("%1-%2").arg(firstPort).arg(firstPort + 15);
    if (!medium.isEmpty()) caption += QStringLiteral("  ") + medium;
    DrawCaption(p, QRect(left, 90, 208, 14), caption, 8, Qt::AlignCenter);
}

void DrawComboZone(QPainter &p, const QString &medium) {
    for (int k = 0; k < 2; ++k) {
        const int left = kComboLeft[k];
        DrawLedWindow(p, left + 11, 6, 10, 10);
        DrawCaption(p, QRect(left, 18, 30, 10), QString::number(49 + k), 7, Qt::AlignCenter);
        DrawJack(p, left + 3, 29, true);
        DrawCage(p, left + 1, 56);
    }
    QString caption = QStringLiteral("Combo");
    if (!medium.isEmpty()) caption += QLatin1Char(' ') + medium;
    DrawCaption(p, QRect(kComboLeft[0] - 20, 90, 120, 14), caption, 8, Qt::AlignCenter);
}

}  // namespace

QPixmap FrontPanelPicture(const PortCaptions &captions) {
    QPixmap picture(kWidth, kHeight);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, false);
    DrawChassis(p);
    DrawSystemZone(p);
    for (int g = 0; g < 3; ++g) DrawPortGroup(p, kGroupLeft[g], 1 + 16 * g, captions.groups[g]);
    DrawComboZone(p, captions.combo);
    return picture;
}

QRect PortSocketArea(int port) {
    if (port >= 1 && port <= 48) {
        const int k = (port - 1) % 16;
        const int x = kGroupLeft[(port - 1) / 16] + (k / 2) * 26;
        return k % 2 == 0 ? QRect(x, 18, 23, 30) : QRect(x, 52, 23, 31);
    }
    if (port == 49 || port == 50) return QRect(kComboLeft[port - 49], 18, 30, 56);
    if (port == 51 || port == 52) return QRect(port == 51 ? 20 : 43, 70, 16, 19);
    return {};
}

QRect PortLedArea(int port) {
    if (port >= 1 && port <= 48) {
        const int k = (port - 1) % 16;
        return QRect(kGroupLeft[(port - 1) / 16] + 13 * k - 1, 6, 8, 8);
    }
    if (port == 49 || port == 50) return QRect(kComboLeft[port - 49] + 11, 6, 10, 10);
    if (port == 51 || port == 52) return QRect(port == 51 ? 24 : 47, 71, 8, 8);
    return {};
}

int PortAt(const QPoint &point) {
    for (int port = 1; port <= 52; ++port)
        if (PortSocketArea(port).contains(point) || PortLedArea(port).adjusted(-2, -2, 2, 2).contains(point))
            return port;
    return 0;
}

int NeighbourPort(int port, int dx, int dy) {
    const QPoint from = PortSocketArea(port).center();
    int best = port;
    int bestScore = 0;
    for (int other = 1; other <= 52; ++other) {
        const QPoint to = PortSocketArea(other).center();
        const int along = (to.x() - from.x()) * dx + (to.y() - from.y()) * dy;
        if (other == port || along <= 2) continue;
        // Straight on counts more than sideways.
        const int across = dx != 0 ? std::abs(to.y() - from.y()) : std::abs(to.x() - from.x());
        const int score = along + 3 * across;
        if (best == port || score < bestScore) {
            best = other;
            bestScore = score;
        }
    }
    return best;
}

QPixmap ModuleIconPicture() {
    QPixmap icon(32, 32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setPen(QColor(25, 28, 34));
    p.setBrush(QColor(62, 72, 88));
    p.drawRect(1, 9, 29, 14);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 6; ++k) {
        p.setBrush(k % 3 == 2 ? QColor(255, 128, 64) : QColor(0, 255, 0));
        p.drawRect(4 + 4 * k, 12, 2, 2);
        p.setBrush(QColor(170, 172, 176));
        p.drawRect(4 + 4 * k, 16, 3, 4);
    }
    return icon;
}
