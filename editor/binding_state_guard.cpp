#include "editor/binding_state_guard.h"

#include "binding/ui/request2controls.h"

BindingStateGuard::BindingStateGuard(VdSNMPRequest2Controls &binding) : binding_(binding) {
    const VdSNMPVarList &list = binding.request.list;
    for (int i = 0; i < list.Count(); ++i) access_.push_back(list.Item(i).access);
}

BindingStateGuard::~BindingStateGuard() {
    VdSNMPVarList &list = binding_.request.list;
    for (int i = 0; i < list.Count() && i < static_cast<int>(access_.size()); ++i)
        list.Item(i).access = access_[static_cast<std::size_t>(i)];
}
