#pragma once
// One of the real agents the fault tests run against: the device simulator or Debian's snmpd,
// both on 127.0.0.1 at a free port, stopped by the destructor.
#include "support/sim_runner.h"
#include "support/snmpd_runner.h"

#include <QStringList>

#include <memory>

enum class AgentKind { Simulator, Snmpd };

class AgentRunner {
public:
    // Simulator options are the simulator's alone; snmpd runs as SnmpdRunner configures it.
    explicit AgentRunner(AgentKind kind, const QStringList &simOptions = {});

    AgentKind kind() const { return kind_; }
    const char *name() const { return kind_ == AgentKind::Simulator ? "simulator" : "snmpd"; }
    quint16 port() const;
    qint64 processId() const;
    // SIGKILL, as an agent that crashes or loses power.
    void Kill();
    // Stops the agent and starts it again on the same port. snmpd comes back as the same engine
    // with its boots counted up; the simulator keeps no engine identity, so it is a new engine.
    void Restart();

private:
    AgentKind kind_;
    QStringList simOptions_;
    std::unique_ptr<SimRunner> sim_;
    std::unique_ptr<SnmpdRunner> snmpd_;
};
