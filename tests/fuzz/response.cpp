// The request engine's handling of an agent's answers: variable bindings of any identifier, type and
// value, delivered through the adapter's own completion path (no network), step after step of a
// read or a walk over scalars, one instance or a table with two index components.

#include "fuzz_input.h"

#include "engine/coded_error.h"
#include "engine/descriptor.h"
#include "engine/messages.h"
#include "engine/request.h"
#include "engine/session.h"

#include <iterator>

namespace {

const DescriptorRecord kColumns[] = {
    {"1.3.6.1.4.1.9.1.1.1", "unit", syntax::Integer, access_bit::Index, nullptr},
    {"1.3.6.1.4.1.9.1.1.2", "name", syntax::DisplayString, access_bit::Index | access_bit::Implied, nullptr},
    {"1.3.6.1.4.1.9.1.1.1", "unit", syntax::Integer, access_bit::Readable, nullptr},
    {"1.3.6.1.4.1.9.1.1.3", "address", syntax::IpAddress, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.9.1.1.4", "octets", syntax::OctetString, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.9.1.1.5", "clock", syntax::DateAndTime, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.9.1.1.6", "bytes", syntax::Counter64, access_bit::Readable, nullptr},
    {"1.3.6.1.4.1.9.1.1.7", "object", syntax::ObjectId, access_bit::Readable, nullptr},
    {"1.3.6.1.4.1.9.1.1.8", "mac", syntax::MacAddress, access_bit::ReadWrite, nullptr},
    {"1.3.6.1.4.1.9.1.1.9", "uptime", syntax::TimeTicks, access_bit::Readable, nullptr},
    {"1.3.6.1.4.1.9.1.1.10", "ratio", syntax::Double, access_bit::Readable, nullptr},
    {"1.3.6.1.4.1.9.1.1.11", "flag", syntax::Boolean, access_bit::Readable | access_bit::Hidden, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constexpr std::uint8_t kTypes[] = {
    snmp::type::Integer,  snmp::type::OctetString, snmp::type::Null,    snmp::type::ObjectId,
    snmp::type::IpAddress, snmp::type::Counter,    snmp::type::Gauge,   snmp::type::TimeTicks,
    snmp::type::Opaque,   snmp::type::Counter64,   snmp::type::UInteger, snmp::type::NoSuchObject,
    snmp::type::NoSuchInstance, snmp::type::EndOfMibView,
};

// One answer: its error status, then bindings each named by a column and a suffix of a few
// sub-identifiers (or by a whole identifier of the input), with a type and a value.
snmp::Pdu Answer(FuzzInput &in, const VdSNMPVarList &list) {
    snmp::Pdu pdu;
    const std::uint8_t head = in.Byte();
    pdu.errorStatus = head & 0x80 ? head % 20 : 0;
    pdu.errorIndex = pdu.errorStatus ? in.Byte() % 16 : 0;
    const int count = in.Byte() % 24;
    for (int k = 0; k < count && !in.empty(); ++k) {
        const std::uint8_t shape = in.Byte();
        snmp::VarBind b;
        if (shape == 0xff) {
            b.oid = in.Line();
        } else {
            b.oid = list.Count() ? list.Item(shape % list.Count()).oid : "1.3";
            for (int s = (shape >> 5) & 3; s > 0; --s) b.oid += "." + std::to_string(in.Byte());
        }
        b.type = kTypes[in.Byte() % std::size(kTypes)];
        std::uint64_t n = 0;
        for (int s = in.Byte() % 9; s > 0; --s) n = (n << 8) | in.Byte();
        b.integer = static_cast<std::int64_t>(n);
        b.unsignedValue = n;
        for (int s = in.Byte() % 24; s > 0; --s) b.octets += static_cast<char>(in.Byte());
        pdu.bindings.push_back(std::move(b));
    }
    return pdu;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (!GlobalSession) GlobalSession = std::make_unique<snmp::Session>();
    FuzzInput in(data, size);
    const std::uint8_t setup = in.Byte();
    VdSNMPRequest request;
    request.security.version = setup & 3;
    static constexpr std::uint8_t kKinds[] = {VdSNMPVarList::ScalarGroup, VdSNMPVarList::SingleInstance,
                                             VdSNMPVarList::Table, VdSNMPVarList::TableWithCreation};
    const std::uint8_t kind = kKinds[(setup >> 2) & 3];
    request.list = VdSNMPVarList(kColumns, kind, kind >= VdSNMPVarList::Table ? 2 : 0);
    if (kind == VdSNMPVarList::SingleInstance) request.list.instance = "3.1.97";
    const bool writing = setup & 0x10;

    bool first = true;
    for (int step = 0; step < 8 && !in.empty(); ++step) {
        try {
            if (writing) {
                request.WritePdu();
            } else {
                request.BuildPdu(first ? VdSNMPRequest::PduMode::ReadStart : VdSNMPRequest::PduMode::ReadNext);
            }
        } catch (const CodedError &) {
        }
        first = false;
        bool over = false;
        GlobalSession->Answer(Answer(in, request.list), [&](int reason, const snmp::Pdu &response) {
            const int code = TranslateStatus(reason == snmp::status::ResponseReceived ? response.errorStatus : reason).code;
            try {
                over = request.ProcessResponse(response, code) != VdSNMPRequest::StepEnd::MoreRows;
            } catch (const CodedError &) {
                over = true;
            }
        });
        GlobalSession->ProcessPending();
        for (int i = 0; i < request.list.Count(); ++i) request.list.Item(i).value.size();
        try {
            if (kind >= VdSNMPVarList::Table) request.EncodeIndex();  // what a row's editor does next
        } catch (const CodedError &) {
        }
        if (over) break;
    }
    return 0;
}
