#pragma once

#include <functional>
#include <memory>

class VdSNMPRequest2Edits;

// Gets through a binding (also through the event pump) and tells one continuation whether the read
// succeeded; a failure is on the binding's status target already. The binding may outlive it: a
// completion after it has gone calls nothing.
class BindingRead {
public:
    explicit BindingRead(VdSNMPRequest2Edits *binding);
    BindingRead(const BindingRead &) = delete;
    BindingRead &operator=(const BindingRead &) = delete;

    void Start(std::function<void(bool ok)> then);

private:
    using Continuation = std::function<void(bool)>;
    static void Done(Continuation &then, bool ok);

    VdSNMPRequest2Edits *binding_;
    std::shared_ptr<Continuation> then_;
};
