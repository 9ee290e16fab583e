#pragma once

#include <QPointer>

#include <vector>

class QSocketNotifier;
class QTimer;

// Lets the SNMP session deliver asynchronous completions on the user-interface thread: a 20 ms
// tick for time-outs and retries, and a socket notifier per session socket so that an answer is
// handled as soon as it arrives. Processing is never nested: while a completion runs (even one
// that opens a nested event loop) the timer and the notifiers stay disabled.
class _SnmpEventProcessor {
public:
    static constexpr int kIntervalMs = 20;

    _SnmpEventProcessor() = default;
    ~_SnmpEventProcessor();
    _SnmpEventProcessor(const _SnmpEventProcessor &) = delete;
    _SnmpEventProcessor &operator=(const _SnmpEventProcessor &) = delete;

    // Needs a QCoreApplication; the timer and notifiers are made on first start.
    void Start();
    void Stop();
    bool IsActive() const { return active_; }
    bool IsProcessing() const { return processing_; }

    void WatchSocket(int socket);
    // A pass as soon as the event loop is free, for completions already at hand.
    void Wake();

private:
    void Tick();
    void Arm(bool enabled);

    QPointer<QTimer> timer_;
    std::vector<QPointer<QSocketNotifier>> notifiers_;
    std::vector<int> sockets_;
    bool active_ = false;
    bool processing_ = false;
    bool wakeAsked_ = false;
};

extern _SnmpEventProcessor EventProcessor;
