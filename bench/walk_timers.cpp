#include "walk_timers.h"

#include "engine/coded_error.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <stdexcept>

namespace {

// The values one row brings: its requested columns (index values come from the identifiers).
long RowValues(const VdSNMPVarList &list) {
    long values = 0;
    for (int i = 0; i < list.Count(); ++i) values += list.IsRequested(i) ? 1 : 0;
    return values;
}

struct AsyncState {
    VdSNMPRequest *request;
    long rows = 0;
    VdSNMPError last;
    bool done = false;
};

void OnStep(void *owner, const VdSNMPError &error, VdSNMPVarList &) {
    auto *state = static_cast<AsyncState *>(owner);
    state->last = error;
    if (error.status != 0 || error.finished) {
        state->done = true;
        return;
    }
    ++state->rows;
    state->request->ReadStepAsync(&OnStep, owner, false);
}

}  // namespace

WalkTiming TimeSynchronousWalk(VdSNMPRequest &request) {
    long rows = 0;
    QElapsedTimer clock;
    clock.start();
    for (bool first = true; request.ReadStep(first); first = false) ++rows;
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    return WalkTiming{rows * RowValues(request.list), ms};
}

WalkTiming TimeAsynchronousWalk(VdSNMPRequest &request) {
    AsyncState state{&request, 0, {}, false};
    QElapsedTimer clock;
    clock.start();
    request.ReadStepAsync(&OnStep, &state, true);
    while (!state.done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (state.last.status != 0) throw CodedError(state.last.message, state.last.status);
    return WalkTiming{state.rows * RowValues(request.list), ms};
}

WalkTiming TimeNetSnmpWalk(const QString &tool, const QStringList &options, std::uint16_t port,
                           const std::string &community, const std::string &subtree) {
    QProcess walk;
    QElapsedTimer clock;
    clock.start();
    walk.start(tool, QStringList{"-v2c", "-c", QString::fromStdString(community), "-On"} + options +
                         QStringList{"127.0.0.1:" + QString::number(port), QString::fromStdString(subtree)});
    QByteArray output;
    while (walk.state() != QProcess::NotRunning || walk.bytesAvailable() > 0) {
        walk.waitForReadyRead(1000);
        output += walk.readAllStandardOutput();
    }
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (walk.exitCode() != 0) throw std::runtime_error(tool.toStdString() + " failed: " + walk.readAllStandardError().toStdString());
    return WalkTiming{static_cast<long>(output.count('\n')), ms};
}
