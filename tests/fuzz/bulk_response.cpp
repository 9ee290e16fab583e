// The request engine's GetBulk walks against any answers: answers kept for later steps, answers cut
// short anywhere, names that repeat or go back, tooBig (asked again with fewer repetitions, then
// with GetNext), other errors; synchronously and through the completion path. Checks that a
// walk never reads more rows than its limit, that tooBig always asks for fewer repetitions, and
// that a walk whose agent refused even one repetition never asks GetBulk again.

#include "fuzz_input.h"

#include "engine/coded_error.h"
#include "engine/descriptor.h"
#include "engine/request.h"
#include "engine/session.h"

#include <iterator>

namespace {

const DescriptorRecord kColumns[] = {
    {"1.3.6.1.4.1.9.2.1.1", "unit", syntax::Integer, access_bit::Index, nullptr},
    {"1.3.6.1.4.1.9.2.1.2", "name", syntax::DisplayString, access_bit::Readable, nullptr},
    {"1.3.6.1.4.1.9.2.1.3", "count", syntax::Counter64, access_bit::Readable, nullptr},
    {"1.3.6.1.4.1.9.2.1.4", "mac", syntax::MacAddress, access_bit::Readable, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constexpr std::uint8_t kTypes[] = {snmp::type::Integer, snmp::type::OctetString, snmp::type::Counter64,
                                   snmp::type::Null,    snmp::type::EndOfMibView, snmp::type::NoSuchInstance};

// A name near the one asked: further on, the same, back, or anywhere.
std::string NameNear(FuzzInput &in, const std::string &asked, int repetition) {
    const std::uint8_t shape = in.Byte();
    const std::size_t dot = asked.rfind('.');
    const std::string stem = asked.substr(0, dot);
    const long last = dot == std::string::npos ? 0 : std::strtol(asked.c_str() + dot + 1, nullptr, 10);
    switch (shape % 5) {
    case 0: return asked + "." + std::to_string(repetition + 1);  // the first rows below a column
    case 1: return stem + "." + std::to_string(last + repetition + 1);
    case 2: return asked;
    case 3: return stem + "." + std::to_string(last > 0 ? last - 1 : 0);
    default: return in.Line();
    }
}

class FuzzedAgent : public VdSNMPRequest {
public:
    explicit FuzzedAgent(FuzzInput &in) : in_(in) {}

    int rows = 0;

protected:
    int Exchange(snmp::Command command, const snmp::Target &, const snmp::Pdu &pdu, snmp::Pdu &response) override {
        if (in_.empty()) return snmp::status::Timeout;
        response = Answer(command, pdu);
        return response.errorStatus;
    }

    int ExchangeAsync(snmp::Command command, const snmp::Target &, const snmp::Pdu &pdu,
                      snmp::CompletionHandler done) override {
        if (in_.empty()) return snmp::status::TransportFailed;
        GlobalSession->Answer(Answer(command, pdu), std::move(done));
        return 0;
    }

private:
    snmp::Pdu Answer(snmp::Command command, const snmp::Pdu &pdu) {
        const bool bulk = command == snmp::Command::GetBulk;
        if (bulk) {
            FuzzCheck(!refused_, "GetBulk asked again after the agent refused one repetition");
            FuzzCheck(pdu.maxRepetitions >= 1, "GetBulk for no repetitions");
            FuzzCheck(lastTooBig_ == 0 || pdu.maxRepetitions < lastTooBig_, "tooBig did not ask for fewer",
                      std::to_string(lastTooBig_), std::to_string(pdu.maxRepetitions));
        }
        lastTooBig_ = 0;
        snmp::Pdu answer;
        const std::uint8_t head = in_.Byte();
        if (head & 0x80) {
            answer.errorStatus = head % 6;  // tooBig, noSuchName, badValue, readOnly, genErr
            answer.errorIndex = in_.Byte() % 4;
            if (bulk && answer.errorStatus == 1) {
                lastTooBig_ = pdu.maxRepetitions;
                refused_ = pdu.maxRepetitions <= 1;
            }
        }
        const int repetitions = bulk ? std::min<int>(pdu.maxRepetitions, in_.Byte() % 8 + 1) : 1;
        const std::size_t columns = pdu.bindings.size();
        // Cut short anywhere, also inside a repetition.
        const std::size_t sent = (head & 0x40) ? in_.Byte() % (repetitions * columns + 1) : repetitions * columns;
        for (std::size_t k = 0; k < sent && !in_.empty(); ++k) {
            snmp::VarBind b;
            b.oid = NameNear(in_, pdu.bindings[k % columns].oid, static_cast<int>(k / columns));
            b.type = kTypes[in_.Byte() % std::size(kTypes)];
            b.integer = in_.Byte();
            b.unsignedValue = in_.Byte();
            for (int s = in_.Byte() % 8; s > 0; --s) b.octets += static_cast<char>(in_.Byte());
            answer.bindings.push_back(std::move(b));
        }
        return answer;
    }

    FuzzInput &in_;
    int lastTooBig_ = 0;
    bool refused_ = false;
};

void CheckRows(const FuzzedAgent &agent) {
    FuzzCheck(agent.rows <= agent.device.maxRows, "more rows than the limit", std::to_string(agent.rows),
              std::to_string(agent.device.maxRows));
}

void OnStep(void *owner, const VdSNMPError &error, VdSNMPVarList &) {
    auto &agent = *static_cast<FuzzedAgent *>(owner);
    if (error.status != 0 || error.finished) return;
    ++agent.rows;
    CheckRows(agent);
    try {
        agent.ReadStepAsync(&OnStep, owner, false);
    } catch (const CodedError &) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (!GlobalSession) GlobalSession = std::make_unique<snmp::Session>();
    FuzzInput in(data, size);
    const std::uint8_t setup = in.Byte();
    FuzzedAgent agent(in);
    agent.security.version = 1;
    agent.device.maxRows = setup % 8 + 1;
    agent.list = VdSNMPVarList(kColumns, VdSNMPVarList::Table, 1);
    // Some columns left out, so that a walk asks for one to three of them.
    for (int i = 1; i < agent.list.Count(); ++i)
        if (setup & (0x08 << i) && i > 1) agent.list.Item(i).access |= access_bit::Excluded;

    if (setup & 0x80) {
        try {
            agent.ReadStepAsync(&OnStep, &agent, true);
        } catch (const CodedError &) {
        }
        // Each answer is delivered by the pump; a walk of this input ends when the input does.
        for (int tick = 0; tick < 64 && agent.pending > 0; ++tick) GlobalSession->ProcessPending();
        return 0;
    }
    try {
        for (bool first = true; agent.ReadStep(first); first = false) {
            ++agent.rows;
            CheckRows(agent);
        }
    } catch (const CodedError &) {
    }
    return 0;
}
