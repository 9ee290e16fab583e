#pragma once

#include <functional>

class VdSNMPRequest2Edits;

// Gets through a binding (also through the event pump) and tells one continuation whether the read
// succeeded; a failure is on the binding's status target already.
class BindingRead {
public:
    explicit BindingRead(VdSNMPRequest2Edits *binding);
    ~BindingRead();
    BindingRead(const BindingRead &) = delete;
    BindingRead &operator=(const BindingRead &) = delete;

    void Start(std::function<void(bool ok)> then);
    VdSNMPRequest2Edits *binding() const { return binding_; }

private:
    void Done(bool ok);

    VdSNMPRequest2Edits *binding_;
    std::function<void(bool)> then_;
};
