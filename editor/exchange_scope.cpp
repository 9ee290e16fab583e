#include "editor/exchange_scope.h"

#include "binding/ui/request2controls.h"
#include "engine/coded_error.h"
#include "engine/event_pump.h"

#include <map>

namespace {

std::map<const VdSNMPRequest2Controls *, int> &Depths() {
    static std::map<const VdSNMPRequest2Controls *, int> depths;
    return depths;
}

}  // namespace

ExchangeScope::ExchangeScope(const VdSNMPRequest2Controls *binding) : binding_(binding) { ++Depths()[binding]; }

ExchangeScope::~ExchangeScope() {
    auto it = Depths().find(binding_);
    if (--it->second == 0) Depths().erase(it);
}

bool ExchangeScope::Running(const VdSNMPRequest2Controls *binding) {
    return Depths().count(binding) != 0 || EventProcessor.IsProcessing();
}

void ExchangeScope::Get(VdSNMPRequest2Controls *binding) {
    ExchangeScope scope(binding);
    try {
        binding->Get();
    } catch (const CodedError &e) {
        binding->ShowStatus(e.message());
    }
}
