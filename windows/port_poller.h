#pragma once

#include "windows/logic/port_overview.h"

#include <functional>
#include <memory>
#include <optional>

class BindingRead;
class QObject;
class QWidget;
class RowsBinding;

// Reads every port of the device without holding the event loop: the interface table, then the
// port information and VLAN port tables, one walk after the other. Keeps the latest poll and the
// one before it, so that rates and increases can be taken between them.
class PortPoller {
public:
    explicit PortPoller(QWidget *owner);
    // Ends a walk in flight (waiting for it no longer than a closing window does).
    ~PortPoller();
    PortPoller(const PortPoller &) = delete;
    PortPoller &operator=(const PortPoller &) = delete;

    // Status lines of the walks go there (see VdSNMPRequest2Controls::SetStatusTarget).
    void SetStatusTarget(QObject *target);
    // Starts a poll unless one runs; done runs once it has ended, with whether the interfaces
    // were read.
    void Poll(std::function<void(bool ok)> done);
    bool running() const { return stage_ >= 0; }

    const PortPoll *latest() const { return latest_ ? &*latest_ : nullptr; }
    const PortPoll *previous() const { return previous_ ? &*previous_ : nullptr; }

private:
    void Walk(int stage);
    void Walked(int stage, bool ok);
    void Finish(bool ok);

    std::unique_ptr<RowsBinding> walks_[3];
    std::unique_ptr<BindingRead> reads_[3];
    std::function<void(bool)> done_;
    int stage_ = -1;
    std::int64_t interfacesAtMs_ = 0;
    std::optional<PortPoll> latest_;
    std::optional<PortPoll> previous_;
};
