#include "agent_runner.h"

#include <csignal>
#include <stdexcept>

AgentRunner::AgentRunner(AgentKind kind, const QStringList &simOptions) : kind_(kind), simOptions_(simOptions) {
    if (kind_ == AgentKind::Simulator)
        sim_ = std::make_unique<SimRunner>(simOptions_);
    else
        snmpd_ = std::make_unique<SnmpdRunner>();
}

quint16 AgentRunner::port() const { return sim_ ? sim_->port() : snmpd_->port(); }

qint64 AgentRunner::processId() const { return sim_ ? sim_->processId() : snmpd_->processId(); }

void AgentRunner::Kill() {
    const qint64 pid = processId();
    if (pid > 0) ::kill(static_cast<pid_t>(pid), SIGKILL);
}

void AgentRunner::Restart() {
    if (snmpd_) {
        snmpd_->Restart();
        return;
    }
    const quint16 port = sim_->port();
    sim_.reset();
    sim_ = std::make_unique<SimRunner>(simOptions_ + QStringList{"--port", QString::number(port)});
    if (sim_->port() != port) throw std::runtime_error("the simulator did not start again on its port");
}
