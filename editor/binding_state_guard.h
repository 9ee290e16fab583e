#pragma once

#include <cstdint>
#include <vector>

class VdSNMPRequest2Controls;

// Switches a binding to synchronous mode for one user action (unless told to keep its mode) and puts
// its mode and every access bit of its list back when the action ends, on every path.
class BindingStateGuard {
public:
    explicit BindingStateGuard(VdSNMPRequest2Controls &binding, bool synchronous = true);
    ~BindingStateGuard();
    BindingStateGuard(const BindingStateGuard &) = delete;
    BindingStateGuard &operator=(const BindingStateGuard &) = delete;

private:
    VdSNMPRequest2Controls &binding_;
    bool asyncMode_;
    std::vector<std::uint32_t> access_;
};
