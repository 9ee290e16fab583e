#pragma once

#include "binding/led_color_map.h"

#include <QColor>
#include <QWidget>

// Red-lowest-byte colour to QColor.
QColor ToQColor(LedColour colour);

// A front-panel LED: a small rectangle painted in one colour (fill and outline).
class VdLedShape : public QWidget {
    Q_OBJECT
public:
    explicit VdLedShape(QWidget *parent = nullptr);

    void SetColour(LedColour colour);
    LedColour colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    LedColour colour_ = 0;
};
