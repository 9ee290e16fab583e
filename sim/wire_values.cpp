#include "wire_values.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <vector>

namespace {

u_char asnType(WireType type)
{
    switch (type) {
    case WireType::Integer: return ASN_INTEGER;
    case WireType::OctetString: return ASN_OCTET_STR;
    case WireType::ObjectId: return ASN_OBJECT_ID;
    case WireType::IpAddress: return ASN_IPADDRESS;
    case WireType::Counter32: return ASN_COUNTER;
    case WireType::Gauge32: return ASN_GAUGE;
    case WireType::TimeTicks: return ASN_TIMETICKS;
    case WireType::Opaque: return ASN_OPAQUE;
    case WireType::Counter64: return ASN_COUNTER64;
    }
    return ASN_NULL;
}

} // namespace

void setWireValue(variable_list* vb, const Value& value)
{
    const u_char type = asnType(value.type);
    switch (value.type) {
    case WireType::OctetString:
    case WireType::Opaque:
    case WireType::IpAddress:
        snmp_set_var_typed_value(vb, type, value.octets.data(), value.octets.size());
        break;
    case WireType::ObjectId: {
        std::vector<oid> sub(value.oid.begin(), value.oid.end());
        snmp_set_var_typed_value(vb, type, sub.data(), sub.size() * sizeof(oid));
        break;
    }
    case WireType::Counter64: {
        counter64 c{value.number >> 32, value.number & 0xFFFFFFFFu};
        snmp_set_var_typed_value(vb, type, &c, sizeof c);
        break;
    }
    case WireType::Integer: {
        long v = static_cast<long>(value.asSigned());
        snmp_set_var_typed_value(vb, type, &v, sizeof v);
        break;
    }
    default: {
        u_long v = static_cast<u_long>(value.number);
        snmp_set_var_typed_value(vb, type, &v, sizeof v);
    }
    }
}

std::optional<Value> valueFromWire(const variable_list* vb)
{
    Value value;
    switch (vb->type) {
    case ASN_INTEGER:
        value.type = WireType::Integer;
        value.number = static_cast<std::uint64_t>(static_cast<std::int64_t>(*vb->val.integer));
        return value;
    case ASN_OCTET_STR:
    case ASN_OPAQUE:
    case ASN_IPADDRESS:
        value.type = vb->type == ASN_OCTET_STR ? WireType::OctetString
                     : vb->type == ASN_OPAQUE  ? WireType::Opaque
                                               : WireType::IpAddress;
        value.octets.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
        return value;
    case ASN_OBJECT_ID:
        value.type = WireType::ObjectId;
        value.oid.assign(vb->val.objid, vb->val.objid + vb->val_len / sizeof(oid));
        return value;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        value.type = vb->type == ASN_COUNTER ? WireType::Counter32
                     : vb->type == ASN_GAUGE ? WireType::Gauge32
                                             : WireType::TimeTicks;
        value.number = static_cast<std::uint32_t>(*vb->val.integer);
        return value;
    case ASN_COUNTER64:
        value.type = WireType::Counter64;
        value.number = (static_cast<std::uint64_t>(vb->val.counter64->high) << 32) | vb->val.counter64->low;
        return value;
    default:
        return std::nullopt;
    }
}
