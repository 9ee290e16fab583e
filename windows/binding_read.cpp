#include "windows/binding_read.h"

#include "binding/ui/request2edits.h"
#include "engine/coded_error.h"

#include <utility>

BindingRead::BindingRead(VdSNMPRequest2Edits *binding)
    : binding_(binding), then_(std::make_shared<Continuation>()) {
    binding_->getDone = [pending = std::weak_ptr<Continuation>(then_)](VdSNMPRequest2Controls &,
                                                                        const VdSNMPError &error) {
        if (const std::shared_ptr<Continuation> then = pending.lock()) Done(*then, error.status == 0);
    };
}

void BindingRead::Start(std::function<void(bool ok)> then) {
    *then_ = std::move(then);
    try {
        binding_->Get();
    } catch (const CodedError &e) {
        binding_->ShowStatus(e.message());
        Done(*then_, false);
    }
}

void BindingRead::Done(Continuation &then, bool ok) {
    if (then) std::exchange(then, nullptr)(ok);
}
