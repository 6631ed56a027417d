#include "tools/agent/varbinds.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tools/agent/setplan.h"

namespace vrxagent {

Oid ToOid(const oid* name, size_t len)
{
    return Oid(name, name + len);
}

std::string ToBytes(const u_char* p, size_t len)
{
    return p && len ? std::string(reinterpret_cast<const char*>(p), len) : std::string();
}

Value Decode(const netsnmp_variable_list* vb, int* error)
{
    Value v;
    *error = kNoError;
    switch (vb->type) {
    case ASN_INTEGER:
        v.syntax = Syntax::Integer;
        if (!vb->val.integer || vb->val_len != sizeof(long)) return *error = kWrongLength, v;
        v.integer = *vb->val.integer;
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        v.syntax = static_cast<Syntax>(vb->type);
        if (!vb->val.integer || vb->val_len != sizeof(long)) return *error = kWrongLength, v;
        v.number = static_cast<unsigned long>(*vb->val.integer) & 0xffffffffUL;
        break;
    case ASN_COUNTER64:
        v.syntax = Syntax::Counter64;
        if (!vb->val.counter64 || vb->val_len != sizeof(struct counter64))
            return *error = kWrongLength, v;
        v.number = (static_cast<std::uint64_t>(vb->val.counter64->high & 0xffffffffUL) << 32) |
                   (vb->val.counter64->low & 0xffffffffUL);
        break;
    case ASN_OCTET_STR:
    case ASN_OPAQUE:
    case ASN_BIT_STR:
    case ASN_IPADDRESS:
        v.syntax = static_cast<Syntax>(vb->type);
        v.bytes = ToBytes(vb->val.string, vb->val_len);
        if (vb->type == ASN_IPADDRESS && vb->val_len != 4) *error = kWrongLength;
        break;
    case ASN_OBJECT_ID:
        v.syntax = Syntax::ObjectId;
        if (vb->val_len % sizeof(oid) || (vb->val_len && !vb->val.objid))
            return *error = kWrongEncoding, v;
        v.oid = ToOid(vb->val.objid, vb->val_len / sizeof(oid));
        break;
    case ASN_NULL:
        v.syntax = Syntax::Null;
        break;
    default:
        *error = kWrongType;
        break;
    }
    return v;
}

static LogVarbind ToLog(const netsnmp_variable_list* vb)
{
    LogVarbind out;
    out.oid = OidText(ToOid(vb->name, vb->name_length));
    int error;
    Value v = Decode(vb, &error);
    if (error == kWrongType) {
        char tag[16];
        std::snprintf(tag, sizeof tag, "type-0x%02x", vb->type);
        out.type = tag;
        out.value = "-";
    } else {
        out.type = SyntaxName(v.syntax);
        out.value = ValueText(v);
    }
    return out;
}

const char* KindName(int command)
{
    switch (command) {
    case SNMP_MSG_GET: return "GET";
    case SNMP_MSG_GETNEXT: return "GETNEXT";
    case SNMP_MSG_GETBULK: return "GETBULK";
    case SNMP_MSG_SET: return "SET";
    default: return nullptr;
    }
}

LogRecord Describe(const netsnmp_pdu* pdu)
{
    LogRecord r;
    r.kind = KindName(pdu->command);
    r.level = "-";
    if (pdu->version == SNMP_VERSION_3) {
        static const char* const kLevels[] = {"-", "noAuthNoPriv", "authNoPriv", "authPriv"};
        r.version = "v3";
        r.name = pdu->securityName ? std::string(pdu->securityName, pdu->securityNameLen) : "";
        if (pdu->securityLevel >= 1 && pdu->securityLevel <= 3) r.level = kLevels[pdu->securityLevel];
    } else {
        r.version = pdu->version == SNMP_VERSION_1 ? "v1" : "v2c";
        r.name = ToBytes(pdu->community, pdu->community_len);
    }
    for (const netsnmp_variable_list* vb = pdu->variables; vb; vb = vb->next_variable)
        r.varbinds.push_back(ToLog(vb));
    return r;
}

void SetValue(netsnmp_variable_list* vb, const Value& v, size_t maxBytes)
{
    switch (v.syntax) {
    case Syntax::Integer: {
        long n = static_cast<long>(v.integer);
        snmp_set_var_typed_value(vb, ASN_INTEGER, &n, sizeof n);
        break;
    }
    case Syntax::Counter:
    case Syntax::Gauge:
    case Syntax::TimeTicks: {
        u_long n = static_cast<u_long>(v.number);
        snmp_set_var_typed_value(vb, static_cast<u_char>(v.syntax), &n, sizeof n);
        break;
    }
    case Syntax::Counter64: {
        struct counter64 c;
        c.high = static_cast<u_long>(v.number >> 32);
        c.low = static_cast<u_long>(v.number & 0xffffffffu);
        snmp_set_var_typed_value(vb, ASN_COUNTER64, &c, sizeof c);
        break;
    }
    case Syntax::ObjectId: {
        std::vector<oid> arcs(v.oid.begin(), v.oid.end());
        snmp_set_var_typed_value(vb, ASN_OBJECT_ID, arcs.data(), arcs.size() * sizeof(oid));
        break;
    }
    case Syntax::Null:
        snmp_set_var_typed_value(vb, ASN_NULL, nullptr, 0);
        break;
    default: {
        size_t len = v.syntax == Syntax::IpAddress ? v.bytes.size() : std::min(v.bytes.size(), maxBytes);
        snmp_set_var_typed_value(vb, static_cast<u_char>(v.syntax), v.bytes.data(), len);
        break;
    }
    }
}

}  // namespace vrxagent
