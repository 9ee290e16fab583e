#include "engine/event_pump.h"

#include "engine/session.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

_SnmpEventProcessor EventProcessor;

_SnmpEventProcessor::~_SnmpEventProcessor() {
    Stop();
    delete timer_.data();
    for (auto &n : notifiers_) delete n.data();
}

void _SnmpEventProcessor::Start() {
    active_ = true;
    if (QCoreApplication::instance() == nullptr) return;  // armed by a later Start
    if (!timer_) {
        // Owned by the application so that nothing outlives its event dispatcher; a wake-up asked
        // of an earlier application's timer went with it.
        wakeAsked_ = false;
        timer_ = new QTimer(QCoreApplication::instance());
        timer_->setInterval(kIntervalMs);
        timer_->setSingleShot(false);
        QObject::connect(timer_, &QTimer::timeout, [this] { Tick(); });
    }
    for (int socket : sockets_) WatchSocket(socket);
    sockets_.clear();
    Arm(true);
}

void _SnmpEventProcessor::Stop() {
    active_ = false;
    Arm(false);
}

void _SnmpEventProcessor::WatchSocket(int socket) {
    if (!timer_) {
        sockets_.push_back(socket);
        return;
    }
    auto *notifier = new QSocketNotifier(socket, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [this] { Tick(); });
    notifier->setEnabled(active_ && !processing_);
    notifiers_.emplace_back(notifier);
}

void _SnmpEventProcessor::Wake() {
    // One pass handles every answer at hand: a pass already asked for is enough.
    if (!timer_ || wakeAsked_) return;
    wakeAsked_ = true;
    QTimer::singleShot(0, timer_, [this] {
        wakeAsked_ = false;
        Tick();
    });
}

void _SnmpEventProcessor::Arm(bool enabled) {
    const bool on = enabled && active_;
    if (timer_) {
        if (on) timer_->start();
        else timer_->stop();
    }
    for (auto &n : notifiers_) {
        if (n) n->setEnabled(on);
    }
}

void _SnmpEventProcessor::Tick() {
    if (processing_ || !active_) return;
    struct Guard {
        _SnmpEventProcessor &pump;
        explicit Guard(_SnmpEventProcessor &p) : pump(p) {
            pump.processing_ = true;
            pump.Arm(false);
        }
        ~Guard() {
            pump.processing_ = false;
            pump.Arm(true);
        }
    } guard(*this);
    if (GlobalSession) GlobalSession->ProcessPending();
}
