#include "binding/ui/led_shape.h"

#include <QPainter>

QColor ToQColor(LedColour colour) {
    const auto c = static_cast<std::uint32_t>(colour);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

VdLedShape::VdLedShape(QWidget *parent) : QWidget(parent) {}

void VdLedShape::SetColour(LedColour colour) {
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void VdLedShape::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QColor c = ToQColor(colour_);
    painter.setPen(c);
    painter.setBrush(c);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
