#include "binding/ui/request2leds.h"

#include "engine/option_list.h"
#include "binding/position_list.h"
#include "binding/raw_value.h"
#include "engine/messages.h"
#include "engine/coded_error.h"

#include <QFrame>

VdSNMPRequest2Leds::VdSNMPRequest2Leds(QWidget *owner)
    : VdSNMPRequest2Controls(owner), pollTimer_(std::make_unique<QTimer>()),
      blinkTimer_(std::make_unique<QTimer>()) {
    QObject::connect(pollTimer_.get(), &QTimer::timeout, pollTimer_.get(), [this] { PollTick(); });
    QObject::connect(blinkTimer_.get(), &QTimer::timeout, blinkTimer_.get(), [this] { Paint(); });
    blinkTimer_->start(kBlinkInterval);
}

VdSNMPRequest2Leds::~VdSNMPRequest2Leds() { StopPolling(); }

void VdSNMPRequest2Leds::AddLed(int varIndex, std::size_t bytePosition, const VdSNMPLedColorMapList &colourMap,
                                VdLedShape *shape) {
    if (shape == nullptr) throw messages::FrameworkError(21);
    LedRecord led;
    led.varIndex = varIndex;
    led.bytePosition = bytePosition;
    led.colourMap = &colourMap;
    led.shape = shape;
    led.colour = colourMap.offColour;
    PaintShape(shape, colourMap.offColour);
    leds_.push_back(led);
}

void VdSNMPRequest2Leds::AddLedRow(int varIndex, const std::string &positions,
                                   const VdSNMPLedColorMapList &colourMap, QWidget *panel, int left,
                                   int spacing, int shapeKind, int width, int height) {
    if (panel == nullptr || shapeKind != kRectangle) throw messages::FrameworkError(21);
    const std::vector<int> bytes = ParsePositionList(positions);
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        auto *shape = new VdLedShape(panel);
        shape->setObjectName(panel->objectName() + QStringLiteral("_Led%1").arg(k));
        shape->setGeometry(left + static_cast<int>(k) * (spacing + width), 1, width, height);
        AddLed(varIndex, static_cast<std::size_t>(bytes[k]), colourMap, shape);
    }
    if (auto *frame = qobject_cast<QFrame *>(panel)) frame->setFrameShape(QFrame::NoFrame);
}

void VdSNMPRequest2Leds::SetLayout(int mode, int pairStart) {
    layoutMode_ = mode > 0 ? mode : 1;
    pairStart_ = pairStart > 0 ? static_cast<std::size_t>(pairStart) : 4;
}

void VdSNMPRequest2Leds::StartPolling(int interval) {
    pollTimer_->start(interval * 10);
    if (!blinkTimer_->isActive()) blinkTimer_->start(kBlinkInterval);  // stopped by an earlier StopPolling
    try {
        Get();
    } catch (const CodedError &) {
        ResetLeds();
        throw;
    }
}

void VdSNMPRequest2Leds::StopPolling() {
    pollTimer_->stop();
    blinkTimer_->stop();
    ResetLeds();
}

void VdSNMPRequest2Leds::PollTick() {
    try {
        Get();
    } catch (const CodedError &e) {
        ResetLeds();
        ShowStatus(e.message());
    }
}

void VdSNMPRequest2Leds::ResetLeds() {
    for (LedRecord &led : leds_) {
        led.blinking = false;
        led.colour = led.colourMap->offColour;
        PaintShape(led.shape, led.colour);
    }
}

void VdSNMPRequest2Leds::OnGetResult() {
    blinkCount = 0;
    for (LedRecord &led : leds_) EvaluateLed(led);
    Paint();
}

void VdSNMPRequest2Leds::OnGetError(const VdSNMPError &error) {
    ResetLeds();
    ShowStatus(error.message);
}

void VdSNMPRequest2Leds::EvaluateLed(LedRecord &led) {
    if (led.varIndex < 0 || led.varIndex >= request.list.Count()) throw messages::CommonError(12);
    const VarItem &item = request.list.Item(led.varIndex);
    const std::string text = item.options ? item.options->ValueOf(item.value) : item.value;
    const LedState state = EvaluateLedState(TextToRaw(text, item.syntax), led.bytePosition, layoutMode_,
                                            pairStart_, *led.colourMap, {led.colour, led.blinking});
    led.colour = state.colour;
    led.blinking = state.blinking;
}

void VdSNMPRequest2Leds::Paint() {
    bool anyBlinking = false;
    for (const LedRecord &led : leds_) {
        if (!led.shape) continue;
        LedColour colour = led.colour;
        if (led.blinking) {
            anyBlinking = true;
            const bool dark = led.shape->colour() == led.colourMap->offColour;
            if (!dark && blinkCount <= blinkLimit) colour = led.colourMap->offColour;
        }
        PaintShape(led.shape, colour);
    }
    if (anyBlinking) ++blinkCount;
}

void VdSNMPRequest2Leds::PaintShape(VdLedShape *shape, LedColour colour) {
    if (shape == nullptr) return;
    shape->SetColour(colour);
    shape->show();
}
