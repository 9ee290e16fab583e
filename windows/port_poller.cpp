#include "windows/port_poller.h"

#include "binding/ui/request2edits.h"
#include "forms/exchange_scope.h"
#include "windows/binding_read.h"

#include <utility>

// The rows of one table walk, as the request engine shows them; no control is bound.
class RowsBinding : public VdSNMPRequest2Edits {
public:
    RowsBinding(QWidget *owner, const DescriptorRecord *table, int indexCount) : VdSNMPRequest2Edits(owner) {
        request.list.Assign(VdSNMPVarList(table, VdSNMPVarList::Table, indexCount));
        request.list.caption = " Port Status";
    }
    void OnGetBegin() override { rows.clear(); }
    void OnGetResult() override {
        std::vector<std::string> &row = rows.emplace_back();
        for (int i = 0; i < request.list.Count(); ++i) row.push_back(request.list.Item(i).value);
    }
    TableRows rows;
};

namespace {

constexpr int kInterfaces = 0;
constexpr int kStages = 3;

}  // namespace

PortPoller::PortPoller(QWidget *owner) {
    walks_[0] = std::make_unique<RowsBinding>(owner, kOverviewInterfaceTable, 1);
    walks_[1] = std::make_unique<RowsBinding>(owner, kOverviewPortInfoTable, 2);
    walks_[2] = std::make_unique<RowsBinding>(owner, kOverviewPvidTable, 1);
    for (int k = 0; k < kStages; ++k) reads_[k] = std::make_unique<BindingRead>(walks_[k].get());
}

PortPoller::~PortPoller() {
    for (auto &walk : walks_) {
        ExchangeScope::StopAndWait(*walk);
        ExchangeScope::Dispose(std::move(walk));
    }
}

void PortPoller::SetStatusTarget(QObject *target) {
    for (auto &walk : walks_) walk->SetStatusTarget(target);
}

void PortPoller::Poll(std::function<void(bool ok)> done) {
    if (running()) return;
    done_ = std::move(done);
    Walk(kInterfaces);
}

void PortPoller::Walk(int stage) {
    stage_ = stage;
    reads_[stage]->Start([this, stage](bool ok) { Walked(stage, ok); });
}

void PortPoller::Walked(int stage, bool ok) {
    if (stage == kInterfaces) {
        if (!ok) return Finish(false);
        interfacesAtMs_ = MonotonicMs();
    }
    // A device without the port information or VLAN table still gives its interfaces.
    if (!ok) walks_[stage]->rows.clear();
    if (stage + 1 < kStages) return Walk(stage + 1);
    previous_ = std::move(latest_);
    latest_ = AssemblePoll(walks_[0]->rows, walks_[1]->rows, walks_[2]->rows, interfacesAtMs_);
    Finish(true);
}

void PortPoller::Finish(bool ok) {
    stage_ = -1;
    if (done_) std::exchange(done_, nullptr)(ok);
}
