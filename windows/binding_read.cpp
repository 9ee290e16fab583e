#include "windows/binding_read.h"

#include "binding/ui/request2edits.h"
#include "engine/coded_error.h"

#include <utility>

BindingRead::BindingRead(VdSNMPRequest2Edits *binding) : binding_(binding) {
    binding_->getDone = [this](VdSNMPRequest2Controls &, const VdSNMPError &error) { Done(error.status == 0); };
}

// The binding may outlive the window that reads through it.
BindingRead::~BindingRead() { binding_->getDone = nullptr; }

void BindingRead::Start(std::function<void(bool ok)> then) {
    then_ = std::move(then);
    try {
        binding_->Get();
    } catch (const CodedError &e) {
        binding_->ShowStatus(e.message());
        Done(false);
    }
}

void BindingRead::Done(bool ok) {
    if (then_) std::exchange(then_, nullptr)(ok);
}
