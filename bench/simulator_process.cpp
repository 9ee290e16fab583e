#include "simulator_process.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <stdexcept>

namespace {
constexpr int kReadyTimeoutMs = 120000;  // a large --fill takes a while to build
}

SimulatorProcess::SimulatorProcess(const QString &program, const QStringList &options) {
    process_.start(program, QStringList{"--address", "127.0.0.1", "--port", "0"} + options);
    static const QRegularExpression ready(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
    QByteArray output;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kReadyTimeoutMs && process_.state() != QProcess::NotRunning) {
        process_.waitForReadyRead(200);
        output += process_.readAllStandardOutput();
        const auto match = ready.match(QString::fromUtf8(output));
        if (match.hasMatch()) {
            port_ = static_cast<std::uint16_t>(match.captured(1).toUInt());
            return;
        }
    }
    throw std::runtime_error("the simulator did not start: " + process_.readAllStandardError().toStdString());
}

SimulatorProcess::~SimulatorProcess() {
    process_.terminate();
    if (!process_.waitForFinished(10000)) process_.kill();
    process_.waitForFinished(5000);
}
