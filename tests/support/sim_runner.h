#pragma once
// Starts the device simulator qsw7400-sim for a test and stops it again.
//
//   SimRunner sim;                              // shipped profile, defaults
//   SimRunner sim({"--delay", "500"});          // extra options (see qsw7400-sim --help)
//   run_tool("127.0.0.1:" + sim.port() ...);    // the agent answers once the constructor returns
//
// The simulator always listens on 127.0.0.1 at a free UDP port of its own choice. The
// constructor waits until it reports "listening on 127.0.0.1:PORT" and throws
// std::runtime_error (with the simulator's error output) when it exits or does not get ready
// in time. The destructor stops it with SIGTERM, then SIGKILL if it does not end.
//
// What the simulator offers without options (sim/README.md has everything): communities
// "public" (read) and "private" (read-write); SNMPv3 users md5des (MD5 "md5despass", DES
// "md5desprivpass"), shaaes (SHA "shaaespass", AES "shaaesprivpass") and shaauth (SHA
// "shaauthpass", no privacy); MIB-II, the front-panel LED status
// 1.3.6.1.4.1.171.12.11.1.9.4.1.5.1, the RMON state, the device commands and two tables with
// row creation (sim/profiles/qsw7400.profile).
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <memory>

struct ProcessOutcome {
    int exitCode = -1; // -1: crashed or killed after the time-out
    QString out;
    QString err;
    qint64 elapsedMs = 0;
};

// Runs a program to its end, killing it after timeoutMs.
ProcessOutcome runProcess(const QString& program, const QStringList& arguments,
                          const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                          int timeoutMs = 30000);

class SimRunner {
public:
    explicit SimRunner(const QStringList& options = {}, int readyTimeoutMs = 60000);
    ~SimRunner();
    SimRunner(const SimRunner&) = delete;
    SimRunner& operator=(const SimRunner&) = delete;

    quint16 port() const { return port_; }
    qint64 processId() const;
    QString address() const { return QStringLiteral("127.0.0.1"); }
    // "127.0.0.1:PORT", as the net-snmp tools take an agent.
    QString agent() const;
    // What the simulator wrote to stderr so far.
    QString errorOutput();
    // Stops the simulator with SIGTERM; returns its exit code, or -1 when it had to be killed
    // or crashed.
    int stop();

    // Path of the simulator executable in the build tree.
    static QString executable();

    // Runs the simulator with the given arguments until it exits by itself (for option and
    // profile errors); kills it after timeoutMs.
    static ProcessOutcome runToExit(const QStringList& arguments, int timeoutMs = 30000);

private:
    std::unique_ptr<QProcess> process_;
    quint16 port_ = 0;
    QString errors_;
};
