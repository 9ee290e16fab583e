#include "sim_runner.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QRegularExpression>

#include <stdexcept>

QString SimRunner::executable() { return QStringLiteral(QSW_BINARY_DIR "/qsw7400-sim"); }

SimRunner::SimRunner(const QStringList& options, int readyTimeoutMs) : process_(std::make_unique<QProcess>())
{
    process_->setProgram(executable());
    process_->setArguments(QStringList{"--address", "127.0.0.1", "--port", "0"} + options);
    process_->start();
    static const QRegularExpression ready(QStringLiteral("^listening on 127\\.0\\.0\\.1:(\\d+)$"));
    QDeadlineTimer deadline(readyTimeoutMs);
    while (!deadline.hasExpired()) {
        if (process_->canReadLine()) {
            const QString line = QString::fromUtf8(process_->readLine()).trimmed();
            if (auto match = ready.match(line); match.hasMatch()) {
                port_ = match.captured(1).toUShort();
                return;
            }
            continue;
        }
        if (process_->state() == QProcess::NotRunning)
            break;
        process_->waitForReadyRead(static_cast<int>(std::min<qint64>(deadline.remainingTime(), 200)));
    }
    const QString why = process_->state() == QProcess::NotRunning ? "exited" : "did not get ready";
    stop();
    throw std::runtime_error(("qsw7400-sim " + why + ": " + errors_).toStdString());
}

SimRunner::~SimRunner() { stop(); }

QString SimRunner::agent() const { return address() + ":" + QString::number(port_); }

qint64 SimRunner::processId() const { return process_ ? process_->processId() : 0; }

QString SimRunner::errorOutput()
{
    if (process_)
        errors_ += QString::fromUtf8(process_->readAllStandardError());
    return errors_;
}

int SimRunner::stop()
{
    if (!process_)
        return -1;
    if (process_->state() != QProcess::NotRunning) {
        process_->terminate();
        if (!process_->waitForFinished(10000)) {
            process_->kill();
            process_->waitForFinished(5000);
        }
    }
    errorOutput();
    const int code = process_->exitStatus() == QProcess::NormalExit ? process_->exitCode() : -1;
    process_.reset();
    return code;
}

ProcessOutcome SimRunner::runToExit(const QStringList& arguments, int timeoutMs)
{
    return runProcess(executable(), arguments, QProcessEnvironment::systemEnvironment(), timeoutMs);
}

ProcessOutcome runProcess(const QString& program, const QStringList& arguments,
                          const QProcessEnvironment& environment, int timeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    ProcessOutcome outcome;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
    } else if (process.exitStatus() == QProcess::NormalExit) {
        outcome.exitCode = process.exitCode();
    }
    outcome.elapsedMs = timer.elapsed();
    outcome.out = QString::fromUtf8(process.readAllStandardOutput());
    outcome.err = QString::fromUtf8(process.readAllStandardError());
    return outcome;
}
