#include "engine/request.h"

#include "engine/option_list.h"
#include "engine/messages.h"
#include "engine/coded_error.h"
#include "engine/event_pump.h"
#include "engine/field_refusal.h"
#include "engine/index_codec.h"
#include "engine/num_list.h"
#include "engine/oid_text.h"
#include "engine/value_codec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace {

constexpr int kCannotCreateSession = 6;
constexpr int kReadNextOnSingleValue = 10;
constexpr int kSuffixTooShort = 14;
constexpr int kBadKind = 15;
constexpr int kNoSuchNameStatus = 2;
constexpr int kEmptyChoiceCode = -901;
constexpr int kNoSuchName = -100 - kNoSuchNameStatus;
constexpr int kTooBig = -101;
// Bindings one GetBulk asks for: small enough for an agent's smallest message size with
// ordinary table values; a longer answer is cut short by the agent and handled.
constexpr int kBulkBindings = 40;
constexpr int kMinRepetitions = 10;
constexpr int kMaxRepetitions = 40;

[[noreturn]] void RaiseStatus(int status) {
    const auto t = TranslateStatus(status);
    throw CodedError(t.text, t.code);
}

// A write that was never answered may still have been applied: the user must not take it as
// refused and repeat a change that is already in effect.
std::string WriteFailureText(int reason, std::string text) {
    if (reason == snmp::status::Timeout) text += kUnansweredWriteText;
    return text;
}

snmp::Session &Session() {
    if (!GlobalSession) throw messages::FrameworkError(kCannotCreateSession);
    return *GlobalSession;
}

// Lets queued events (the pump among them) run while the destructor waits.
void WaitForEvents() {
    if (EventProcessor.IsActive() && !EventProcessor.IsProcessing()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    } else {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
}

}  // namespace

// Shared with the contexts of outstanding completions, which may outlive the request.
struct VdSNMPRequest::Link {
    VdSNMPRequest *request;
    bool destroying = false;
};

struct VdSNMPRequest::AsyncContext {
    std::shared_ptr<Link> link;
    bool processResponse;
    RequestDone callback;
    void *owner;
    VdSNMPDevice agent;
    snmp::Target target;
    snmp::Command command;
    snmp::Pdu request;
};

VdSNMPRequest::VdSNMPRequest() : link_(std::make_shared<Link>(Link{this})) { ReloadSession(); }

VdSNMPRequest::~VdSNMPRequest() {
    alive = false;
    link_->destroying = true;
    QElapsedTimer clock;
    clock.start();
    while (pending > 0 && clock.elapsed() < kDestructionWaitMs && QCoreApplication::instance()) WaitForEvents();
    link_->request = nullptr;  // a later completion finds the request gone
}

void VdSNMPRequest::ReloadSession() {
    device = SessionDevice;
    scope = SessionScope;
    security = SessionSecurity;
    timeout = SessionTimeout;
}

std::string VdSNMPRequest::BaseOid(int i) const {
    const std::string &oid = list.Item(i).oid;
    return list.instance.empty() ? oid : oid + "." + list.instance;
}

std::string VdSNMPRequest::InstanceOid(int i, const std::string &suffix) const {
    // An empty IMPLIED index is no sub-identifier at all, not a trailing dot.
    return suffix.empty() ? BaseOid(i) : BaseOid(i) + "." + suffix;
}

std::string VdSNMPRequest::RowInstance() {
    // A table without index items walks scalars, whose instance is 0.
    return list.indexCount > 0 ? EncodeIndex() : "0";
}

snmp::Target VdSNMPRequest::Target() const { return BuildTargets(device, security, timeout, retries); }

snmp::Command VdSNMPRequest::ReadCommand() const {
    switch (list.kind) {
    case VdSNMPVarList::ScalarGroup:
    case VdSNMPVarList::SingleInstance: return snmp::Command::Get;
    case VdSNMPVarList::Table:
    case VdSNMPVarList::TableWithCreation: return snmp::Command::GetNext;
    default: throw messages::FrameworkError(kBadKind);
    }
}

snmp::Pdu VdSNMPRequest::BuildPdu(PduMode mode) {
    if (mode == PduMode::ReadNext && !list.IsTable()) throw messages::FrameworkError(kReadNextOnSingleValue);
    snmp::Pdu pdu;
    pdu.securityLevel = security.securityLevel;
    pdu.contextName = scope.contextName;
    pdu.contextEngineId = scope.contextEngineID;
    if (mode == PduMode::ReadStart) {
        viewEnded_.clear();
        bulk_ = {};
        repetitions_ = 0;
        rowsRead_ = 0;
        cuts_.clear();
        cutColumns_.clear();
    }
    for (int i = 0; i < list.Count(); ++i) {
        VarItem &item = list.Item(i);
        snmp::VarBind b;
        switch (mode) {
        case PduMode::ReadStart:
            if (!list.IsRequested(i)) continue;
            item.lastOid.clear();
            b.oid = BaseOid(i) + (list.kind == VdSNMPVarList::ScalarGroup ? ".0" : "");
            break;
        case PduMode::ReadNext:
            if (!list.IsRequested(i) || viewEnded_.count(i)) continue;
            b.oid = item.lastOid;
            break;
        case PduMode::Write:
            if ((list.IsTable() && i < list.indexCount) || !list.IsEditable(i)) continue;
            switch (list.kind) {
            case VdSNMPVarList::ScalarGroup: b.oid = BaseOid(i) + ".0"; break;
            case VdSNMPVarList::SingleInstance: b.oid = BaseOid(i); break;
            case VdSNMPVarList::Table:
            case VdSNMPVarList::TableWithCreation: b.oid = InstanceOid(i, RowInstance()); break;
            default: throw messages::FrameworkError(kBadKind);
            }
            NameRefusal(item, [&] { LoadValue(i, b); });
            break;
        }
        pdu.bindings.push_back(std::move(b));
    }
    return pdu;
}

bool VdSNMPRequest::ReadStep(bool first) {
    if (!alive) return false;
    if (first) bulkRefused_ = false;
    else if (RowLimitReached()) return false;
    const snmp::Target target = Target();
    if (UsesBulk()) return StepResult(BulkStep(first, target));
    const snmp::Command command = ReadCommand();
    PduMode mode = first ? PduMode::ReadStart : PduMode::ReadNext;
    for (;;) {
        const snmp::Pdu pdu = BuildPdu(mode);
        snmp::Pdu response;
        const int status = Exchange(command, target, pdu, response);
        const int code = TranslateStatus(status).code;
        if (code != 0 && !(code == kNoSuchName && list.IsTable())) RaiseStatus(status);
        const StepEnd end = ProcessResponse(response, code);
        if (end != StepEnd::Retry) return StepResult(end);
        mode = PduMode::ReadNext;
    }
}

void VdSNMPRequest::ReadStepAsync(RequestDone callback, void *owner, bool first) {
    if (!alive) return;
    if (first) {
        bulkRefused_ = false;
    } else if (RowLimitReached()) {
        EndAsync(callback, owner);
        return;
    }
    const snmp::Target target = Target();
    if (UsesBulk()) {
        snmp::Pdu answer;
        if (!first && NextFromBulk(answer)) {
            StartAsync(snmp::Command::GetNext, target, {}, callback, owner, true, &answer);
            return;
        }
        StartAsync(snmp::Command::GetBulk, target, BulkPdu(first), callback, owner, true);
        return;
    }
    const snmp::Pdu pdu = BuildPdu(first ? PduMode::ReadStart : PduMode::ReadNext);
    StartAsync(ReadCommand(), target, pdu, callback, owner, true);
}

int VdSNMPRequest::Exchange(snmp::Command command, const snmp::Target &target, const snmp::Pdu &pdu,
                            snmp::Pdu &response) {
    return Session().Send(command, target, pdu, response);
}

int VdSNMPRequest::ExchangeAsync(snmp::Command command, const snmp::Target &target, const snmp::Pdu &pdu,
                                 snmp::CompletionHandler done) {
    return Session().SendAsync(command, target, pdu, std::move(done));
}

bool VdSNMPRequest::UsesBulk() const {
    return list.IsTable() && device.useGetBulk && security.version != 0 && !bulkRefused_;
}

bool VdSNMPRequest::RowLimitReached() {
    if (!list.IsTable() || device.maxRows <= 0 || rowsRead_ < device.maxRows) return false;
    if (cuts_.empty() || cuts_.back().why != WalkCut::Why::RowLimit) {
        WalkCut cut;
        cut.rows = device.maxRows;
        cuts_.push_back(cut);
    }
    return true;
}

// The end of a walk, delivered like an answer that is not taken apart, so that the callback runs
// from the pump as always and finds the walk finished.
void VdSNMPRequest::EndAsync(RequestDone callback, void *owner) {
    const snmp::Pdu nothing;
    StartAsync(snmp::Command::GetNext, Target(), {}, callback, owner, false, &nothing);
}

snmp::Pdu VdSNMPRequest::BulkPdu(bool first) {
    snmp::Pdu pdu = BuildPdu(first ? PduMode::ReadStart : PduMode::ReadNext);
    if (repetitions_ == 0) {
        // Scaled by the columns so that one answer stays about the same size for any table, yet
        // several rows even for wide tables: an agent cuts an answer beyond its message size short
        // (the walk goes on from there), and one that answers tooBig is asked again with fewer.
        const int columns = std::max<int>(1, static_cast<int>(pdu.bindings.size()));
        repetitions_ = std::clamp(kBulkBindings / columns, kMinRepetitions, kMaxRepetitions);
    }
    pdu.maxRepetitions = repetitions_;
    return pdu;
}

// One step of a GetBulk walk: from the bindings at hand when they reach far enough, otherwise
// from a new GetBulk (and a GetNext when even that answer is too short for one row).
VdSNMPRequest::StepEnd VdSNMPRequest::BulkStep(bool first, const snmp::Target &target) {
    snmp::Pdu answer;
    if (!first && NextFromBulk(answer)) return ProcessResponse(answer, 0);
    snmp::Pdu request = BulkPdu(first);
    for (;;) {
        snmp::Pdu response;
        const int status = Exchange(snmp::Command::GetBulk, target, request, response);
        const int code = TranslateStatus(status).code;
        if (code == kTooBig && request.maxRepetitions > 1) {
            request.maxRepetitions = repetitions_ = request.maxRepetitions / 2;
            continue;
        }
        if (code == kTooBig) {
            // Not even one repetition fits this agent's GetBulk answers: the walk goes on with GetNext.
            bulkRefused_ = true;
            break;
        }
        if (code != 0) RaiseStatus(status);
        KeepBulk(response);
        if (NextFromBulk(answer)) return ProcessResponse(answer, 0);
        break;
    }
    snmp::Pdu response;
    const int single = Exchange(snmp::Command::GetNext, target, request, response);
    if (TranslateStatus(single).code != 0) RaiseStatus(single);
    return ProcessResponse(response, 0);
}

// A GetBulk answer lists the repetitions one after the other, each with one binding per column;
// an answer cut short ends inside a repetition.
void VdSNMPRequest::KeepBulk(const snmp::Pdu &response) {
    bulk_.columns = AskedItems();
    const std::size_t columns = bulk_.columns.size();
    bulk_.bindings.assign(columns, {});
    bulk_.used.assign(columns, 0);
    for (std::size_t k = 0; k < response.bindings.size() && columns > 0; ++k)
        bulk_.bindings[k % columns].push_back(response.bindings[k]);
}

// What a GetNext from each column's last identifier would answer, when the bindings at hand reach
// beyond it for every column; false when one column needs asking again.
bool VdSNMPRequest::NextFromBulk(snmp::Pdu &answer) {
    const std::vector<int> asked = AskedItems();
    if (asked.empty() || asked != bulk_.columns) return false;
    answer = snmp::Pdu{};
    for (std::size_t k = 0; k < asked.size(); ++k) {
        const VarItem &item = list.Item(asked[k]);
        const std::string from = item.lastOid.empty() ? BaseOid(asked[k]) : item.lastOid;
        const std::vector<snmp::VarBind> &column = bulk_.bindings[k];
        std::size_t &used = bulk_.used[k];
        while (used < column.size() && column[used].type != snmp::type::EndOfMibView && !OidGreater(column[used].oid, from))
            ++used;
        if (used == column.size()) return false;
        snmp::VarBind next = column[used];
        // At the end of the view an agent echoes the identifier it was asked for.
        if (next.type == snmp::type::EndOfMibView) next.oid = from;
        answer.bindings.push_back(std::move(next));
    }
    return true;
}

void VdSNMPRequest::SelectItems(const std::string &selection, const ValueSource *source) {
    if (selection.empty()) return;
    VdIntList positions;
    positions.delimiter = ',';
    positions.Parse(selection);
    for (int i = 0; i < list.Count(); ++i) {
        VarItem &item = list.Item(i);
        const int k = positions.IndexOf(i);
        if (k < 0) {
            item.access |= access_bit::Excluded;
            continue;
        }
        item.access &= ~access_bit::Excluded;
        if (source != nullptr) item.value = source->Value(k);
    }
}

snmp::Pdu VdSNMPRequest::PrepareWrite(const std::string &selection, const ValueSource *source,
                                      snmp::Target &target) {
    // The selection and the write values hold for this one PDU only: the list is restored on every
    // path, also when building the PDU fails.
    const VdSNMPVarList saved(list);
    try {
        SelectItems(selection, source);
        for (int i = 0; i < list.Count(); ++i) ApplyExpression(i, false);
        target = Target();
        snmp::Pdu pdu = BuildPdu(PduMode::Write);
        list.Assign(saved);
        return pdu;
    } catch (...) {
        list.Assign(saved);
        throw;
    }
}

bool VdSNMPRequest::Write(bool readBack, const std::string &selection, const ValueSource *source) {
    if (!alive) return false;
    snmp::Target target;
    const snmp::Pdu pdu = PrepareWrite(selection, source, target);
    snmp::Pdu response;
    const int status = Exchange(snmp::Command::Set, target, pdu, response);
    if (const auto t = TranslateStatus(status); t.code != 0) throw CodedError(WriteFailureText(status, t.text), t.code);
    return readBack ? StepResult(ProcessResponse(response, 0)) : false;
}

snmp::Pdu VdSNMPRequest::WritePdu(const std::string &selection, const ValueSource *source) {
    snmp::Target target;
    return PrepareWrite(selection, source, target);
}

void VdSNMPRequest::WriteAsync(RequestDone callback, void *owner, bool readBack, const std::string &selection,
                               const ValueSource *source) {
    if (!alive) return;
    snmp::Target target;
    const snmp::Pdu pdu = PrepareWrite(selection, source, target);
    StartAsync(snmp::Command::Set, target, pdu, callback, owner, readBack);
}

void VdSNMPRequest::StartAsync(snmp::Command command, const snmp::Target &target, const snmp::Pdu &pdu,
                               RequestDone callback, void *owner, bool processResponse, const snmp::Pdu *answer) {
    auto context = std::make_shared<AsyncContext>(
        AsyncContext{link_, processResponse, callback, owner, device, target, command, pdu});
    auto done = [context](int reason, const snmp::Pdu &response) {
        VdSNMPRequest *request = context->link->request;
        if (request == nullptr) return;  // the request is gone: nothing of it may be touched
        if (reason == snmp::status::SessionClosing || context->link->destroying) {
            --request->pending;
            return;
        }
        request->Complete(*context, reason, response);
    };
    if (answer != nullptr) {
        Session().Answer(*answer, std::move(done));
        EventProcessor.Wake();
    } else {
        const int status = ExchangeAsync(command, target, pdu, std::move(done));
        if (TranslateStatus(status).code != 0) RaiseStatus(status);
    }
    ++pending;
}

void VdSNMPRequest::Complete(AsyncContext &context, int reason, const snmp::Pdu &response) {
    const bool received = reason == snmp::status::ResponseReceived;
    const auto translated = TranslateStatus(received ? response.errorStatus : reason);
    VdSNMPError error;
    error.status = translated.code;
    error.message = context.command == snmp::Command::Set ? WriteFailureText(reason, translated.text) : translated.text;
    error.errorIndex = received ? response.errorIndex : 0;
    error.agent = context.agent;
    error.finished = true;
    snmp::Pdu fromBulk;
    const snmp::Pdu *answer = &response;
    if (received && context.command == snmp::Command::GetBulk) {
        // Not even one repetition fits this agent's GetBulk answers: the walk goes on with GetNext.
        const bool refused = error.status == kTooBig && context.request.maxRepetitions <= 1;
        if (refused) bulkRefused_ = true;
        if (error.status == kTooBig && !refused) {
            snmp::Pdu smaller = context.request;
            smaller.maxRepetitions = repetitions_ = smaller.maxRepetitions / 2;
            if (Resend(context, snmp::Command::GetBulk, smaller, error)) return;
        } else if (error.status == 0 || refused) {
            if (!refused) KeepBulk(response);
            if (!refused && NextFromBulk(fromBulk)) {
                answer = &fromBulk;
            } else if (Resend(context, snmp::Command::GetNext, context.request, error)) {
                return;  // too short for one row: this step goes on with a GetNext
            }
        }
    }
    if (received && ((error.status == 0 && context.processResponse) || (error.status == kNoSuchName && list.IsTable()))) {
        try {
            const StepEnd end = ProcessResponse(*answer, error.status);
            if (end == StepEnd::Retry) {
                // The same step again without the column that ended; the callback waits for it.
                if (Resend(context, ReadCommand(), BuildPdu(PduMode::ReadNext), error)) return;
            } else if (end == StepEnd::EchoEnded) {
                error.status = 0;
                error.message = messages::Text(MessageCatalogue::VdSnmp, 0);
            }
            if (end != StepEnd::Retry) error.finished = end != StepEnd::MoreRows;
        } catch (const CodedError &e) {
            error.status = e.code();
            error.message = e.message();
        }
    }
    // Counted down first, so that a callback that destroys the request does not wait for itself.
    --pending;
    if (context.callback != nullptr) context.callback(context.owner, error, list);
}

// Goes on with the step by another request, whose completion calls the callback. A request that
// cannot be sent ends the step with its error instead of escaping into the pump.
bool VdSNMPRequest::Resend(AsyncContext &context, snmp::Command command, const snmp::Pdu &pdu, VdSNMPError &error) {
    try {
        StartAsync(command, context.target, pdu, context.callback, context.owner, true);
    } catch (const CodedError &e) {
        error.status = e.code();
        error.message = e.message();
        error.finished = true;
        return false;
    }
    --pending;
    return true;
}

void VdSNMPRequest::NoteCut(WalkCut::Why why, int i, const std::string &returned) {
    if (!cutColumns_.insert(i).second) return;  // said once per column and walk
    std::string label = list.Item(i).label;
    label.erase(label.find_last_not_of(' ') + 1);
    label.erase(0, label.find_first_not_of(' '));
    WalkCut cut;
    cut.why = why;
    cut.column = label;
    cut.asked = list.Item(i).lastOid;
    cut.returned = returned;
    cuts_.push_back(std::move(cut));
}

std::vector<int> VdSNMPRequest::AskedItems() const {
    std::vector<int> asked;
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsRequested(i) && !viewEnded_.count(i)) asked.push_back(i);
    return asked;
}

// A v1 agent answers noSuchName and echoes the request when a column runs past the end of its view.
// Only the binding the error index names has ended; the others are asked again without it.
VdSNMPRequest::StepEnd VdSNMPRequest::EndOfView(const snmp::Pdu &response, const std::vector<int> &asked) {
    const int named = response.errorIndex - 1;
    if (asked.size() > 1 && named >= 0 && named < static_cast<int>(asked.size()) &&
        static_cast<std::size_t>(named) < response.bindings.size()) {
        const int i = asked[static_cast<std::size_t>(named)];
        if (list.Item(i).lastOid != response.bindings[static_cast<std::size_t>(named)].oid)
            RaiseStatus(kNoSuchNameStatus);
        viewEnded_.insert(i);
        return StepEnd::Retry;
    }
    if (asked.empty() || response.bindings.empty() || list.Item(asked.front()).lastOid != response.bindings.front().oid)
        RaiseStatus(kNoSuchNameStatus);
    for (const int i : viewEnded_) list.Item(i).value = kNotDoneText;
    return StepEnd::EchoEnded;
}

VdSNMPRequest::StepEnd VdSNMPRequest::ProcessResponse(const snmp::Pdu &response, int code) {
    const std::vector<int> asked = AskedItems();
    if (asked.size() > response.bindings.size()) {
        // Never read past the bindings the agent sent.
        RaiseStatus(code == kNoSuchName ? kNoSuchNameStatus : snmp::status::InvalidPdu);
    }
    if (code == kNoSuchName) return EndOfView(response, asked);

    // The row being built is the lowest instance any column returned: a column that skipped it (a
    // gap) keeps its value for a later row and is asked again from the same point.
    struct Answer {
        bool ended;
        std::string suffix;
    };
    std::vector<Answer> answers;
    const std::string *rowSuffix = nullptr;
    for (std::size_t k = 0; k < asked.size(); ++k) {
        const int i = asked[k];
        const VarItem &item = list.Item(i);
        const std::string requested = BaseOid(i);
        const std::string &returned = response.bindings[k].oid;
        Answer answer{WalkEnded(requested, item.lastOid, returned), {}};
        // An agent that answers the name it was asked, or one before it, would keep a walk going for
        // ever: the column ends there and the user is told (the end of a view also echoes the name,
        // but says so by its type).
        const bool agentNamed = list.IsTable() && !item.lastOid.empty() &&
                                response.bindings[k].type != snmp::type::EndOfMibView;
        if (agentNamed && returned == item.lastOid) {
            NoteCut(WalkCut::Why::Repeated, i, returned);
        } else if (agentNamed && !answer.ended && !OidGreater(returned, item.lastOid)) {
            NoteCut(WalkCut::Why::WentBack, i, returned);
            answer.ended = true;
        }
        if (!answer.ended && returned.size() > requested.size()) answer.suffix = returned.substr(requested.size() + 1);
        answers.push_back(std::move(answer));
    }
    for (const Answer &answer : answers)
        if (!answer.ended && (rowSuffix == nullptr || OidGreater(*rowSuffix, answer.suffix))) rowSuffix = &answer.suffix;

    for (const int i : viewEnded_) list.Item(i).value = kNotDoneText;
    if (rowSuffix == nullptr) {
        // Nothing to restart from: asking on from beyond the column keeps it ended.
        for (std::size_t k = 0; k < asked.size(); ++k) {
            VarItem &item = list.Item(asked[k]);
            item.value = kNotDoneText;
            item.lastOid = response.bindings[k].oid;
        }
        return StepEnd::Over;
    }
    const std::string row = *rowSuffix;
    for (std::size_t k = 0; k < asked.size(); ++k) {
        const int i = asked[k];
        VarItem &item = list.Item(i);
        if (answers[k].ended) {
            // An ended column goes on from the row just read.
            item.value = kNotDoneText;
            item.lastOid = InstanceOid(i, row);
        } else if (list.IsTable() && answers[k].suffix != row) {
            item.value.clear();
        } else {
            StoreValue(i, response.bindings[k]);
            item.lastOid = response.bindings[k].oid;
        }
    }
    if (list.IsTable()) {
        DecodeIndex(row);
        ++rowsRead_;
    }
    for (int i = 0; i < list.Count(); ++i) ApplyExpression(i, true);
    return list.IsTable() ? StepEnd::MoreRows : StepEnd::Over;
}

void VdSNMPRequest::ReadShown(const std::function<void()> &shown) {
    if (!list.IsTable()) {
        // A request that is no longer alive reads nothing, so there is no result to show.
        const bool read = alive;
        ReadStep(true);
        if (read && RowConditionHolds()) shown();
        return;
    }
    for (bool first = true; ReadStep(first); first = false)
        if (RowConditionHolds()) shown();
}

bool VdSNMPRequest::StepResult(StepEnd end) const { return end == StepEnd::MoreRows; }

void VdSNMPRequest::DecodeIndex(const std::string &suffix) {
    std::string rest = suffix;
    const int count = std::min(list.indexCount, list.Count());
    for (int i = 0; i < count; ++i) {
        if (rest.empty()) throw messages::FrameworkError(kSuffixTooShort);
        if (!list.IsRequested(i)) list.Item(i).lastOid = BaseOid(i) + "." + rest;
        rest = DecodeIndexItem(i, rest);
    }
}

std::string VdSNMPRequest::EncodeIndex() {
    std::string out;
    const int count = std::min(list.indexCount, list.Count());
    for (int i = 0; i < count; ++i) {
        std::string part;
        NameRefusal(list.Item(i), [&] { part = EncodeIndexItem(i); });
        if (part.empty()) continue;
        if (!out.empty()) out += '.';
        out += part;
    }
    return out;
}

std::string VdSNMPRequest::SubstituteValues(const std::string &expression, char, const std::string &) {
    return expression;  // no expressions exist in this system
}

std::string VdSNMPRequest::DecodeIndexItem(int i, const std::string &suffix) {
    VarItem &item = list.Item(i);
    const bool impliedLast = i == list.indexCount - 1 && list.IsImplied(i);
    std::string value;
    const std::string rest = DecodeIndexComponent(item.syntax, impliedLast, suffix, value);
    item.value = item.options != nullptr ? item.options->LabelOf(value) : value;
    return rest;
}

std::string VdSNMPRequest::EncodeIndexItem(int i) {
    const VarItem &item = list.Item(i);
    const bool impliedLast = i == list.indexCount - 1 && list.IsImplied(i);
    const std::string value = item.options != nullptr ? item.options->ValueOf(item.value) : item.value;
    return EncodeIndexComponent(item.syntax, impliedLast, value);
}

void VdSNMPRequest::StoreValue(int i, const snmp::VarBind &binding) {
    VarItem &item = list.Item(i);
    const std::string text = BindingToText(binding, item.syntax);
    item.value = item.options != nullptr ? item.options->LabelOf(text) : text;
}

void VdSNMPRequest::LoadValue(int i, snmp::VarBind &binding) {
    const VarItem &item = list.Item(i);
    const std::string text = item.options != nullptr ? item.options->ValueOf(item.value) : item.value;
    // A choice nobody made is no value: any number sent for it would be one the user never chose.
    if (item.options != nullptr && text.empty()) throw CodedError("Some items are empty!", kEmptyChoiceCode);
    TextToBinding(text, item.syntax, binding);
}

void VdSNMPRequest::ApplyExpression(int, bool) {}  // items carry no expressions: values stay as they are

bool VdSNMPRequest::ConditionHolds(const std::string &) { return true; }  // only empty conditions exist

bool VdSNMPRequest::WalkEnded(const std::string &requested, const std::string &last, const std::string &returned) {
    if (!list.IsTable()) return false;
    const bool inSubtree = returned.size() > requested.size() && returned.compare(0, requested.size(), requested) == 0 &&
                           returned[requested.size()] == '.';
    return !inSubtree || returned == last;
}
