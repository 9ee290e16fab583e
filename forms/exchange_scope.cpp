#include "forms/exchange_scope.h"

#include "binding/ui/request2controls.h"
#include "engine/coded_error.h"
#include "engine/event_pump.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include <map>
#include <vector>

namespace {

constexpr int kWaitSliceMs = 20;

std::map<const VdSNMPRequest2Controls *, int> &Depths() {
    static std::map<const VdSNMPRequest2Controls *, int> depths;
    return depths;
}

// Freeing a request waits for its outstanding exchange, and code still on the call stack must not
// lose its binding: such bindings are kept until neither holds. Never destroyed, so that none is
// freed after the session at exit.
std::vector<std::unique_ptr<VdSNMPRequest2Controls>> &Abandoned() {
    static auto *bindings = new std::vector<std::unique_ptr<VdSNMPRequest2Controls>>;
    return *bindings;
}

bool Settled(const VdSNMPRequest2Controls &binding) {
    return binding.request.pending == 0 && !ExchangeScope::Running(&binding);
}

void FreeSettled() {
    auto &bindings = Abandoned();
    std::erase_if(bindings, [](const auto &b) { return Settled(*b); });
    if (!bindings.empty()) QTimer::singleShot(kWaitSliceMs, &FreeSettled);
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

bool ExchangeScope::StopAndWait(VdSNMPRequest2Controls &binding, int deadlineMs) {
    binding.request.alive = false;
    if (Running(&binding)) return false;
    const QDeadlineTimer deadline(deadlineMs);
    while (binding.busy && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, kWaitSliceMs);
    return true;
}

void ExchangeScope::Dispose(std::unique_ptr<VdSNMPRequest2Controls> binding) {
    if (binding == nullptr) return;
    binding->Abandon();
    if (Settled(*binding)) return;
    Abandoned().push_back(std::move(binding));
    if (Abandoned().size() == 1) QTimer::singleShot(kWaitSliceMs, &FreeSettled);
}
