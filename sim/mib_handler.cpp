#include "mib_handler.h"

#include "agent_statistics.h"
#include "wire_values.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

namespace {

Oid nameOf(const netsnmp_variable_list* vb) { return Oid(vb->name, vb->name + vb->name_length); }

void answer(netsnmp_request_info* request, const Oid& name, const Value& value)
{
    std::vector<oid> wireName(name.begin(), name.end());
    snmp_set_var_objid(request->requestvb, wireName.data(), wireName.size());
    setWireValue(request->requestvb, value);
}

bool isVersion1(const netsnmp_agent_request_info* reqinfo)
{
    return reqinfo->asp && reqinfo->asp->pdu && reqinfo->asp->pdu->version == SNMP_VERSION_1;
}

// A missing instance of a known object is noSuchInstance; anything else noSuchObject.
int missingKind(MibModel& model, const Oid& name)
{
    if (model.locateCell(name))
        return SNMP_NOSUCHINSTANCE;
    if (name.empty())
        return SNMP_NOSUCHOBJECT;
    Oid scalar(name.begin(), name.end() - 1);
    scalar.push_back(0);
    return model.find(scalar) ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT;
}

void handleGet(MibHandler& self, netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        Oid name = nameOf(request->requestvb);
        if (const Instance* instance = self.model().find(name))
            setWireValue(request->requestvb, self.live().current(name, *instance));
        else
            netsnmp_set_request_error(reqinfo, request, missingKind(self.model(), name));
    }
}

void handleGetNext(MibHandler& self, const Oid& root, netsnmp_agent_request_info* reqinfo,
                   netsnmp_request_info* requests)
{
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        Oid name = nameOf(request->requestvb);
        const auto* next = self.nextInstance(name, request->inclusive, isVersion1(reqinfo));
        if (next && hasPrefix(next->first, root)) {
            answer(request, next->first, self.live().current(next->first, next->second));
        } else if (next) {
            // Left unanswered, the library asks the registration of the next subtree.
        } else if (self.quirks().v1EchoEnd && isVersion1(reqinfo)) {
            // Old devices answer the end of their view with the request's bindings untouched.
            netsnmp_set_request_error(reqinfo, request, SNMP_ERR_NOSUCHNAME);
        } else {
            netsnmp_set_request_error(reqinfo, request, SNMP_ENDOFMIBVIEW);
        }
    }
}

// Checks the whole request before anything changes; the plan is applied at commit.
void handleReserve(MibHandler& self, netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    std::vector<SetBinding> bindings;
    std::vector<netsnmp_request_info*> order;
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        auto value = valueFromWire(request->requestvb);
        if (!value) {
            netsnmp_set_request_error(reqinfo, request, SNMP_ERR_WRONGTYPE);
            return;
        }
        bindings.push_back({nameOf(request->requestvb), *value});
        order.push_back(request);
    }
    auto prepared = SetPlan::prepare(self.model(), bindings);
    if (auto* failure = std::get_if<SetFailure>(&prepared)) {
        netsnmp_set_request_error(reqinfo, order[failure->binding], static_cast<int>(failure->error));
        return;
    }
    self.pendingSet() = std::move(std::get<SetPlan>(prepared));
}

int handleRequests(netsnmp_mib_handler* handler, netsnmp_handler_registration* registration,
                   netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    auto& self = *static_cast<MibHandler*>(handler->myvoid);
    switch (reqinfo->mode) {
    case MODE_GET:
        handleGet(self, reqinfo, requests);
        break;
    case MODE_GETNEXT:
        // An agent with a small message size refuses a get-bulk whose answer would not fit.
        if (self.quirks().bulkTooBig && reqinfo->asp && reqinfo->asp->pdu &&
            reqinfo->asp->pdu->command == SNMP_MSG_GETBULK &&
            reqinfo->asp->pdu->max_repetitions > static_cast<long>(*self.quirks().bulkTooBig)) {
            netsnmp_set_request_error(reqinfo, requests, SNMP_ERR_TOOBIG);
            break;
        }
        handleGetNext(self, Oid(registration->rootoid, registration->rootoid + registration->rootoid_len), reqinfo,
                      requests);
        break;
    case MODE_SET_RESERVE1:
        handleReserve(self, reqinfo, requests);
        break;
    case MODE_SET_COMMIT:
        if (self.pendingSet())
            self.pendingSet()->apply(self.model());
        self.pendingSet().reset();
        break;
    case MODE_SET_FREE:
    case MODE_SET_UNDO:
        self.pendingSet().reset();
        break;
    default: // RESERVE2 and ACTION: everything was decided in RESERVE1
        break;
    }
    return SNMP_ERR_NOERROR;
}

} // namespace

MibHandler::MibHandler(MibModel& model, HandlerQuirks quirks)
    : model_(model), live_(model, agentStatistic), quirks_(std::move(quirks))
{
}

bool MibHandler::registerWithAgent()
{
    // The library keeps placeholder registrations at 0, 1 and 2 that a registration at the very
    // top does not displace, so the model is registered by its first two arcs (1.3, 1.0, ...).
    for (const Oid& arc : model_.topArcs()) {
        std::vector<oid> root(arc.begin(), arc.end());
        netsnmp_handler_registration* registration = netsnmp_create_handler_registration(
            "qsw7400-sim", handleRequests, root.data(), root.size(), HANDLER_CAN_RWRITE);
        if (!registration)
            return false;
        registration->handler->myvoid = this;
        if (netsnmp_register_handler(registration) != MIB_REGISTERED_OK)
            return false;
    }
    return true;
}

const MibModel::Instances::value_type* MibHandler::nextInstance(const Oid& name, bool inclusive, bool version1) const
{
    const auto& instances = model_.instances();
    if (quirks_.stuckWalk && name.size() > quirks_.stuckWalk->size() && hasPrefix(name, *quirks_.stuckWalk)) {
        // Hands the same identifier back so that a walk inside the subtree never advances. Not
        // for a Counter64 asked over v1: the library skips those by asking again from the
        // answer, which would loop for ever.
        auto same = instances.lower_bound(name);
        if (same != instances.end() && hasPrefix(same->first, *quirks_.stuckWalk) &&
            !(version1 && same->second.value.type == WireType::Counter64))
            return &*same;
    }
    if (const Oid* back = quirks_.backwardsWalk ? &*quirks_.backwardsWalk : nullptr;
        back && name.size() > back->size() && hasPrefix(name, *back)) {
        auto first = instances.upper_bound(*back);
        if (first != instances.end() && hasPrefix(first->first, *back) && first->first < name)
            return &*first;
    }
    auto it = inclusive ? instances.lower_bound(name) : instances.upper_bound(name);
    if (const Oid* table = quirks_.endlessTable ? &*quirks_.endlessTable : nullptr;
        table && name.size() > table->size() + 1 && hasPrefix(name, *table)) {
        // Past the column's last row comes a made-up one with the next index, for ever.
        const Oid column(name.begin(), name.begin() + static_cast<std::ptrdiff_t>(table->size() + 1));
        auto first = instances.upper_bound(column);
        if ((it == instances.end() || !hasPrefix(it->first, column)) && first != instances.end() &&
            hasPrefix(first->first, column)) {
            Oid next = name;
            ++next.back();
            madeUp_.emplace(std::move(next), first->second);
            return &*madeUp_;
        }
    }
    return it == instances.end() ? nullptr : &*it;
}
