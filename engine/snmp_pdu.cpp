#include "engine/snmp_library.h"

#include "engine/oid_text.h"

#include <cstdlib>
#include <cstring>

namespace snmp {

namespace {

u_char *CopyOctets(const std::string &text) {
    auto *copy = static_cast<u_char *>(std::malloc(text.size() + 1));
    if (copy == nullptr) return nullptr;
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = 0;
    return copy;
}

std::vector<oid> ToLibraryOid(const std::vector<std::uint32_t> &subIds) {
    return std::vector<oid>(subIds.begin(), subIds.end());
}

bool AddBinding(netsnmp_pdu *pdu, const VarBind &b) {
    const auto name = SplitOid(b.oid);
    if (!name || name->empty() || name->size() > MAX_OID_LEN) return false;
    const auto n = ToLibraryOid(*name);
    netsnmp_variable_list *added = nullptr;
    switch (b.type) {
    case type::Integer: {
        long v = static_cast<long>(b.integer);
        added = snmp_pdu_add_variable(pdu, n.data(), n.size(), ASN_INTEGER, &v, sizeof v);
        break;
    }
    case type::OctetString:
    case type::Opaque:
    case type::IpAddress:
        added = snmp_pdu_add_variable(pdu, n.data(), n.size(), b.type, b.octets.data(), b.octets.size());
        break;
    case type::ObjectId: {
        const auto value = SplitOid(b.octets);
        if (!value || value->size() > MAX_OID_LEN) return false;
        const auto v = ToLibraryOid(*value);
        added = snmp_pdu_add_variable(pdu, n.data(), n.size(), ASN_OBJECT_ID, v.data(), v.size() * sizeof(oid));
        break;
    }
    case type::Counter:
    case type::Gauge:
    case type::TimeTicks:
    case type::UInteger: {
        u_long v = static_cast<u_long>(b.unsignedValue & 0xFFFFFFFFu);
        added = snmp_pdu_add_variable(pdu, n.data(), n.size(), b.type, &v, sizeof v);
        break;
    }
    case type::Counter64: {
        counter64 v{};
        v.high = static_cast<u_long>(b.unsignedValue >> 32);
        v.low = static_cast<u_long>(b.unsignedValue & 0xFFFFFFFFu);
        added = snmp_pdu_add_variable(pdu, n.data(), n.size(), ASN_COUNTER64, &v, sizeof v);
        break;
    }
    default:
        added = snmp_pdu_add_variable(pdu, n.data(), n.size(), ASN_NULL, nullptr, 0);
        break;
    }
    return added != nullptr;
}

int CommandCode(Command c) {
    switch (c) {
    case Command::Get: return SNMP_MSG_GET;
    case Command::GetNext: return SNMP_MSG_GETNEXT;
    case Command::GetBulk: return SNMP_MSG_GETBULK;
    case Command::Set: return SNMP_MSG_SET;
    }
    return SNMP_MSG_GET;
}

std::string OidText(const oid *name, std::size_t length) {
    std::string out;
    for (std::size_t i = 0; i < length; ++i) {
        if (i > 0) out += '.';
        out += std::to_string(name[i]);
    }
    return out;
}

}  // namespace

netsnmp_pdu *BuildLibraryPdu(Command command, const Target &t, const Pdu &request, int &result) {
    netsnmp_pdu *pdu = snmp_pdu_create(CommandCode(command));
    if (pdu == nullptr) {
        result = status::OperationFailed;
        return nullptr;
    }
    if (t.version == 3) {
        pdu->securityLevel = request.securityLevel;
        pdu->contextName = reinterpret_cast<char *>(CopyOctets(request.contextName));
        pdu->contextNameLen = request.contextName.size();
        if (!request.contextEngineId.empty()) {
            pdu->contextEngineID = CopyOctets(request.contextEngineId);
            pdu->contextEngineIDLen = request.contextEngineId.size();
        }
    } else {
        const std::string &community = command == Command::Set ? t.writeCommunity : t.readCommunity;
        pdu->community = CopyOctets(community);
        pdu->community_len = community.size();
    }
    if (command == Command::GetBulk) {
        pdu->non_repeaters = request.nonRepeaters;
        pdu->max_repetitions = request.maxRepetitions;
    }
    for (const auto &b : request.bindings) {
        if (!AddBinding(pdu, b)) {
            snmp_free_pdu(pdu);
            result = status::InvalidOid;
            return nullptr;
        }
    }
    result = status::Success;
    return pdu;
}

Pdu FromLibraryPdu(const netsnmp_pdu *pdu) {
    Pdu out;
    out.errorStatus = static_cast<int>(pdu->errstat);
    out.errorIndex = static_cast<int>(pdu->errindex);
    out.securityLevel = pdu->securityLevel;
    for (auto *v = pdu->variables; v != nullptr; v = v->next_variable) {
        VarBind b;
        b.oid = OidText(v->name, v->name_length);
        b.type = v->type;
        switch (v->type) {
        case ASN_INTEGER:
            b.integer = *v->val.integer;
            break;
        case ASN_OCTET_STR:
        case ASN_OPAQUE:
        case ASN_IPADDRESS:
            b.octets.assign(reinterpret_cast<const char *>(v->val.string), v->val_len);
            break;
        case ASN_OBJECT_ID:
            b.octets = OidText(v->val.objid, v->val_len / sizeof(oid));
            break;
        case ASN_COUNTER:
        case ASN_GAUGE:
        case ASN_TIMETICKS:
        case ASN_UINTEGER:
            b.unsignedValue = static_cast<std::uint32_t>(*v->val.integer);
            break;
        case ASN_COUNTER64:
            b.unsignedValue = (static_cast<std::uint64_t>(v->val.counter64->high & 0xFFFFFFFFu) << 32) |
                              (v->val.counter64->low & 0xFFFFFFFFu);
            break;
        default:
            break;
        }
        out.bindings.push_back(std::move(b));
    }
    return out;
}

int ReportStatus(netsnmp_pdu *pdu) { return MapLibraryError(snmpv3_get_report_type(pdu)); }

}  // namespace snmp
