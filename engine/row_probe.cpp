#include "engine/row_probe.h"

#include "engine/coded_error.h"

#include <algorithm>
#include <cctype>

namespace {

// An SNMPv1 agent answers a row it does not hold with noSuchName.
constexpr int kNoSuchNameCode = -102;

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

}  // namespace

bool AddWritesOverExistingRow(const std::string &addValue) { return Lowered(addValue).rfind("createand", 0) != 0; }

// A read under way; it outlives a probe destroyed first, and goes with its completion.
struct RowProbe::Flight {
    std::unique_ptr<VdSNMPRequest> read;
    RowProbe *probe;
    Done done;
};

RowProbe::RowProbe(const VdSNMPRequest &table, int statusRow, const std::string &indexSuffix) {
    model_.device = table.device;
    model_.scope = table.scope;
    model_.security = table.security;
    model_.timeout = table.timeout;
    model_.retries = table.retries;
    model_.list.kind = VdSNMPVarList::SingleInstance;
    const VarItem &status = table.list.Item(statusRow);
    model_.list.AddItem(table.InstanceOid(statusRow, indexSuffix), status.label, status.syntax, access_bit::Readable);
}

RowProbe::~RowProbe() {
    if (flight_ != nullptr) flight_->probe = nullptr;
}

std::unique_ptr<VdSNMPRequest> RowProbe::NewRead() const {
    auto read = std::make_unique<VdSNMPRequest>();
    read->device = model_.device;
    read->scope = model_.scope;
    read->security = model_.security;
    read->timeout = model_.timeout;
    read->retries = model_.retries;
    read->list.Assign(model_.list);
    return read;
}

bool RowProbe::Holds(const VdSNMPVarList &list) {
    const std::string &value = list.Item(0).value;
    return !value.empty() && value != kNullText;
}

bool RowProbe::Exists() {
    const std::unique_ptr<VdSNMPRequest> read = NewRead();
    try {
        read->ReadStep(true);
    } catch (const CodedError &e) {
        if (e.code() == kNoSuchNameCode) return false;
        throw;
    }
    return Holds(read->list);
}

void RowProbe::Start(Done done) {
    if (flight_ != nullptr) flight_->probe = nullptr;  // the earlier answer is no longer wanted
    flight_ = nullptr;
    auto *flight = new Flight{NewRead(), this, std::move(done)};
    try {
        flight->read->ReadStepAsync(&Completed, flight, true);
    } catch (const CodedError &e) {
        const Done failed = std::move(flight->done);
        delete flight;
        failed(false, e.message());
        return;
    }
    flight_ = flight;
}

void RowProbe::Completed(void *owner, const VdSNMPError &error, VdSNMPVarList &list) {
    auto *flight = static_cast<Flight *>(owner);
    const bool answered = error.status == 0 || error.status == kNoSuchNameCode;
    const bool exists = error.status == 0 && Holds(list);
    RowProbe *probe = flight->probe;
    const Done done = std::move(flight->done);
    delete flight;  // a request may be destroyed from its own completion
    if (probe == nullptr) return;
    probe->flight_ = nullptr;
    done(exists, answered ? std::string() : error.message);
}
