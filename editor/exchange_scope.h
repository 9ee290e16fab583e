#pragma once

class VdSNMPRequest2Controls;

// Marks a binding's exchange as running on the call stack while the scope lives, so that a window
// closed from inside it (a click dispatched while rows are added) waits for the exchange to
// unwind instead of waiting for `busy` forever.
class ExchangeScope {
public:
    explicit ExchangeScope(const VdSNMPRequest2Controls *binding);
    ~ExchangeScope();
    ExchangeScope(const ExchangeScope &) = delete;
    ExchangeScope &operator=(const ExchangeScope &) = delete;

    // Whether code of the binding is running below the current point: a call made through a scope,
    // or a completion being delivered by the event pump.
    static bool Running(const VdSNMPRequest2Controls *binding);

    // Runs the binding's get inside a scope; an error it raises becomes the binding's status line.
    static void Get(VdSNMPRequest2Controls *binding);

private:
    const VdSNMPRequest2Controls *binding_;
};
