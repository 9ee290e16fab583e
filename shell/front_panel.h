#pragma once

#include <memory>

class QFrame;
class QLabel;
class QWidget;
class VdSNMPRequest2Leds;

// The LED holders of the main window, in the order their rows are added.
struct LedHolders {
    QFrame *power;
    QFrame *console;
    QFrame *redundantPower;
    QFrame *ports1to16;
    QFrame *ports17to32;
    QFrame *ports33to48;
    QFrame *combo1;
    QFrame *combo2;
    QFrame *gigabit1;
    QFrame *gigabit2;
};

// The front panel's LEDs: one status variable of the device polled every three seconds, its bytes
// painted into LED rows (power, console, redundant power, then a link and a speed byte per port).
// A device that does not answer turns the LEDs black and says so in the status panel; polling
// goes on.
class FrontPanel {
public:
    FrontPanel(QWidget *owner, const LedHolders &holders, QLabel *statusPanel);
    ~FrontPanel();
    FrontPanel(const FrontPanel &) = delete;
    FrontPanel &operator=(const FrontPanel &) = delete;

    VdSNMPRequest2Leds &binding() { return *binding_; }

private:
    std::unique_ptr<VdSNMPRequest2Leds> binding_;
};
