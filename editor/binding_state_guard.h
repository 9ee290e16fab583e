#pragma once

#include <cstdint>
#include <vector>

class VdSNMPRequest2Controls;

// Puts every access bit of a binding's list back when one user action's write has been sent, on
// every path: the marks that shape one SET (exclusions) never outlive it.
class BindingStateGuard {
public:
    explicit BindingStateGuard(VdSNMPRequest2Controls &binding);
    ~BindingStateGuard();
    BindingStateGuard(const BindingStateGuard &) = delete;
    BindingStateGuard &operator=(const BindingStateGuard &) = delete;

private:
    VdSNMPRequest2Controls &binding_;
    std::vector<std::uint32_t> access_;
};
