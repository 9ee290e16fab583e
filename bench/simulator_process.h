#pragma once

#include <QProcess>
#include <QStringList>

#include <cstdint>

// The device simulator on 127.0.0.1 at a port of its own choice, for the benchmark.
class SimulatorProcess {
public:
    // Throws std::runtime_error when the simulator does not report that it listens.
    SimulatorProcess(const QString &program, const QStringList &options);
    ~SimulatorProcess();
    SimulatorProcess(const SimulatorProcess &) = delete;
    SimulatorProcess &operator=(const SimulatorProcess &) = delete;

    std::uint16_t port() const { return port_; }

private:
    QProcess process_;
    std::uint16_t port_ = 0;
};
