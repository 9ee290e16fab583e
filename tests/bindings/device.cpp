#include "device.h"

#include "engine/descriptor.h"
#include "support/sim_runner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

std::uint16_t DevicePort() {
    static SimRunner sim;
    return sim.port();
}

void UseDevice(VdSNMPRequest &request) {
    request.device.host = "127.0.0.1";
    request.device.port = DevicePort();
    request.timeout = 100;
    request.retries = 1;
    request.security.version = 1;
    request.security.readCommunity = "public";
    request.security.writeCommunity = "private";
}

namespace {

void OneScalar(VdSNMPRequest &request, const std::string &oid, std::uint32_t syntax) {
    UseDevice(request);
    request.list.Clear();
    request.list.kind = VdSNMPVarList::SingleInstance;
    request.list.AddItem(oid, "value", syntax, access_bit::ReadWrite);
}

}  // namespace

std::string ReadBack(const std::string &oid, std::uint32_t syntax) {
    VdSNMPRequest request;
    OneScalar(request, oid, syntax);
    request.ReadStep(true);
    return request.list.Item(0).value;
}

void WriteValue(const std::string &oid, std::uint32_t syntax, const std::string &value) {
    VdSNMPRequest request;
    OneScalar(request, oid, syntax);
    request.list.Item(0).value = value;
    request.Write(false);
}

bool WaitFor(const std::function<bool()> &condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return condition();
}
