#pragma once

#include "binding/led_color_map.h"
#include "binding/ui/led_shape.h"
#include "binding/ui/request2controls.h"

#include <QPointer>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

// Polls a variable list and paints LED shapes from single bytes of its values, each through a
// colour map; LEDs whose status byte asks for it blink for a few timer ticks after every result.
class VdSNMPRequest2Leds : public VdSNMPRequest2Controls {
public:
    struct LedRecord {
        int varIndex = 0;
        std::size_t bytePosition = 0;
        const VdSNMPLedColorMapList *colourMap = nullptr;  // shared, not owned
        QPointer<VdLedShape> shape;                        // owned by its window
        bool blinking = false;
        LedColour colour = 0;
    };

    static constexpr int kBlinkInterval = 60;  // ms
    static constexpr int kRectangle = 0;       // the only LED shape kind

    explicit VdSNMPRequest2Leds(QWidget *owner);
    ~VdSNMPRequest2Leds() override;

    // The colour map must outlive the binding.
    void AddLed(int varIndex, std::size_t bytePosition, const VdSNMPLedColorMapList &colourMap, VdLedShape *shape);
    // positions: comma-separated byte positions, one LED each, placed left to right in the panel.
    void AddLedRow(int varIndex, const std::string &positions, const VdSNMPLedColorMapList &colourMap,
                   QWidget *panel, int left, int spacing, int shapeKind, int width, int height);
    void SetLayout(int mode, int pairStart);

    // interval in hundredths of a second; a get at once, then one per interval.
    void StartPolling(int interval);
    void StopPolling();
    void ResetLeds();
    // Paints every LED; blinking ones alternate with the off colour until blinkLimit ticks passed.
    void Paint();

    void OnGetResult() override;
    void OnGetError(const VdSNMPError &error) override;
    virtual void EvaluateLed(LedRecord &led);

    const std::vector<LedRecord> &leds() const { return leds_; }
    QTimer &pollTimer() { return *pollTimer_; }
    QTimer &blinkTimer() { return *blinkTimer_; }
    int layoutMode() const { return layoutMode_; }
    std::size_t pairStart() const { return pairStart_; }

    int blinkLimit = 6;
    int blinkCount = 0;

private:
    void PollTick();
    static void PaintShape(VdLedShape *shape, LedColour colour);

    std::vector<LedRecord> leds_;
    std::unique_ptr<QTimer> pollTimer_;
    std::unique_ptr<QTimer> blinkTimer_;
    int layoutMode_ = 1;
    std::size_t pairStart_ = 4;
};
