#include "editor_fixture.h"

#include "engine/option_list.h"
#include "binding/ui/message_box.h"
#include "engine/event_pump.h"
#include "engine/request.h"
#include "engine/session.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QTimer>

namespace editor_test {

SimRunner *EditorTest::sim = nullptr;

namespace {

const OptionRecord kRowStatus[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};

const DescriptorRecord kSystem[] = {
    {"1.3.6.1.2.1.1.1", "Description", syntax::DisplayString, access_bit::Readable, nullptr},
    {"1.3.6.1.2.1.1.4", "Contact", syntax::DisplayString, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.2.1.1.5", "Name", syntax::DisplayString, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.2.1.1.6", "Location", syntax::DisplayString, access_bit::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

const DescriptorRecord *BindingTableRecords() {
    static const DescriptorRecord records[] = {
        {"1.3.6.1.4.1.171.12.23.4.1.1.1", "IP Address", syntax::IpAddress, access_bit::Index, nullptr},
        {"1.3.6.1.4.1.171.12.23.4.1.1.2", "MAC Address", syntax::MacAddress, access_bit::ReadWrite, nullptr},
        {"1.3.6.1.4.1.171.12.23.4.1.1.3", "Status", syntax::Integer, access_bit::ReadWrite, &RowStatusOptions()},
        {"1.3.6.1.4.1.171.12.23.4.1.1.4", "Ports", syntax::BitString, access_bit::ReadWrite, nullptr},
        {"1.3.6.1.4.1.171.12.23.4.1.1.5", "Action", syntax::Integer, access_bit::Readable, nullptr},
        {"1.3.6.1.4.1.171.12.23.4.1.1.6", "Mode", syntax::Integer, access_bit::ReadWrite, nullptr},
        {nullptr, nullptr, 0, 0, nullptr},
    };
    return records;
}

std::unique_ptr<VdSNMPRequest2Edits> MakeBinding(QWidget *owner, const DescriptorRecord *table, std::uint8_t kind,
                                                 int indexCount) {
    auto binding = std::make_unique<VdSNMPRequest2Edits>(owner);
    binding->request.list.Assign(VdSNMPVarList(table, kind, indexCount));
    return binding;
}

void OneValue(VdSNMPRequest &request, const std::string &oid, std::uint32_t syntax, std::uint32_t access) {
    request.list.kind = VdSNMPVarList::SingleInstance;
    request.list.AddItem(oid, "value", syntax, access);
}

}  // namespace

const VdOptionList &RowStatusOptions() {
    static const VdOptionList options(kRowStatus, VdOptionList::Integer);
    return options;
}

std::unique_ptr<VdSNMPRequest2Edits> SystemBinding(QWidget *owner) {
    return MakeBinding(owner, kSystem, VdSNMPVarList::ScalarGroup, 0);
}

std::unique_ptr<VdSNMPRequest2Edits> BindingTable(QWidget *owner) {
    return MakeBinding(owner, BindingTableRecords(), VdSNMPVarList::TableWithCreation, 1);
}

std::string AgentValue(const std::string &oid, std::uint32_t syntax) {
    VdSNMPRequest request;
    OneValue(request, oid, syntax, access_bit::Readable);
    request.ReadStep(true);
    return request.list.Item(0).value;
}

unsigned AgentSetCount() {
    return static_cast<unsigned>(std::stoul(AgentValue("1.3.6.1.2.1.11.17.0", syntax::Counter)));
}

void AgentWrite(const std::string &oid, const std::string &text) {
    VdSNMPRequest request;
    OneValue(request, oid, syntax::DisplayString, access_bit::ReadWrite);
    request.list.Item(0).value = text;
    request.Write(false);
}

void EditorTest::SetUpTestSuite() {
    static QTemporaryDir sessionDirectory;
    CreateGlobalSession(sessionDirectory.path().toStdString());
    sim = new SimRunner;
    SessionDevice.host = "127.0.0.1";
    SessionDevice.port = sim->port();
    SessionSecurity.version = 1;
    SessionSecurity.readCommunity = "public";
    SessionSecurity.writeCommunity = "private";
}

void EditorTest::TearDownTestSuite() {
    delete sim;
    sim = nullptr;
}

void EditorTest::SetUp() { MessageBox::reset(); }

}  // namespace editor_test
