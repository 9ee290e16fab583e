#pragma once

#include <memory>

class VdSNMPRequest2Controls;

// Marks a binding's exchange as running on the call stack while the scope lives, so that a window
// closed from inside it (a click dispatched while rows are added) waits for the exchange to
// unwind instead of waiting for `busy` forever.
class ExchangeScope {
public:
    // How long a closing window waits for an exchange in flight before it lets the binding go: short
    // enough for Close to answer at once; an answer after it touches nothing.
    static constexpr int kStopDeadlineMs = 250;

    explicit ExchangeScope(const VdSNMPRequest2Controls *binding);
    ~ExchangeScope();
    ExchangeScope(const ExchangeScope &) = delete;
    ExchangeScope &operator=(const ExchangeScope &) = delete;

    // Whether code of the binding is running below the current point: a call made through a scope,
    // or a completion being delivered by the event pump.
    static bool Running(const VdSNMPRequest2Controls *binding);

    // Runs the binding's get inside a scope; an error it raises becomes the binding's status line.
    static void Get(VdSNMPRequest2Controls *binding);

    // Stops the binding's exchange (a walk ends after its current step) and waits, processing
    // events, until it is no longer busy or the deadline passes. Returns false at once, without
    // waiting, when the binding's own code is running further up the call stack.
    static bool StopAndWait(VdSNMPRequest2Controls &binding, int deadlineMs = kStopDeadlineMs);

    // Destroys a stopped binding now, or, without waiting, once its code has left the call stack
    // and its exchange in flight has ended; completions until then touch nothing.
    static void Dispose(std::unique_ptr<VdSNMPRequest2Controls> binding);

private:
    const VdSNMPRequest2Controls *binding_;
};
