#include "window_fixture.h"

#include "binding/ui/message_box.h"
#include "engine/descriptor.h"
#include "engine/request.h"
#include "engine/session.h"

#include <QTemporaryDir>

namespace window_test {

std::unique_ptr<SimRunner> WindowTest::sim;

namespace {

void OneValue(VdSNMPRequest &request, const std::string &oid, std::uint32_t syntax, std::uint32_t access) {
    request.list.kind = VdSNMPVarList::SingleInstance;
    request.list.AddItem(oid, "value", syntax, access);
}

}  // namespace

std::string AgentValue(const std::string &oid, std::uint32_t syntax) {
    VdSNMPRequest request;
    OneValue(request, oid, syntax, access_bit::Readable);
    request.ReadStep(true);
    return request.list.Item(0).value;
}

void AgentWrite(const std::string &oid, std::uint32_t syntax, const std::string &text) {
    VdSNMPRequest request;
    OneValue(request, oid, syntax, access_bit::ReadWrite);
    request.list.Item(0).value = text;
    request.Write(false);
}

unsigned AgentSetCount() {
    return static_cast<unsigned>(std::stoul(AgentValue("1.3.6.1.2.1.11.17.0", syntax::Counter)));
}

void WindowTest::Start(const QStringList &simulatorOptions) {
    static QTemporaryDir sessionDirectory;
    static bool created = false;
    if (!created) CreateGlobalSession(sessionDirectory.path().toStdString());
    created = true;
    sim = std::make_unique<SimRunner>(simulatorOptions);
    SessionDevice.host = "127.0.0.1";
    SessionDevice.port = sim->port();
    SessionSecurity.version = 1;
    SessionSecurity.readCommunity = "public";
    SessionSecurity.writeCommunity = "private";
}

void WindowTest::TearDownTestSuite() { sim.reset(); }

void WindowTest::SetUp() { MessageBox::reset(); }

}  // namespace window_test
