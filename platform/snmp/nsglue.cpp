#include "platform/snmp/nsglue.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/snmp/snmperrs.h"

// ---- Library set-up ----

// net-snmp reads no configuration, loads no MIB and keeps no persistent state of its own:
// its persistent directory is a path under which nothing can be created.
void InitNetSnmp()
{
    static bool done = false;
    if (done) return;
    done = true;
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_NONE, LOG_DEBUG);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_ALARM_DONT_USE_SIG, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, "/dev/null");
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, "/dev/null");
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_MIBDIRS, "/dev/null/mibs");
    init_snmp("vrx6120");
}

// ---- Conversions between our bindings and net-snmp's ----

std::vector<oid> ToNetOid(const Oid& o)
{
    return std::vector<oid>(o.ids().begin(), o.ids().end());
}

Oid FromNetOid(const oid* ids, size_t n)
{
    std::vector<uint32_t> v(n);
    for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint32_t>(ids[i]);
    return Oid(v.data(), v.size());
}

void AddVariable(netsnmp_pdu* pdu, const Vb& vb, bool withValue)
{
    std::vector<oid> name = ToNetOid(vb.get_oid());
    if (!withValue || !vb.has_value()) {
        snmp_add_null_var(pdu, name.data(), name.size());
        return;
    }
    int syntax = vb.get_syntax();
    switch (vb.kind()) {
    case Vb::Kind::Signed: {
        long v = static_cast<int32_t>(vb.number());
        snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &v, sizeof v);
        return;
    }
    case Vb::Kind::Unsigned: {
        u_long v = static_cast<uint32_t>(vb.number());
        snmp_pdu_add_variable(pdu, name.data(), name.size(), static_cast<u_char>(syntax), &v, sizeof v);
        return;
    }
    case Vb::Kind::U64: {
        struct counter64 c;
        c.high = static_cast<uint32_t>(vb.number64() >> 32);
        c.low = static_cast<uint32_t>(vb.number64());
        snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &c, sizeof c);
        return;
    }
    case Vb::Kind::Octets: {
        const std::string& b = vb.octets();
        snmp_pdu_add_variable(pdu, name.data(), name.size(), static_cast<u_char>(syntax), b.data(), b.size());
        return;
    }
    case Vb::Kind::ObjectId: {
        std::vector<oid> v = ToNetOid(vb.oid_value());
        snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID, v.data(), v.size() * sizeof(oid));
        return;
    }
    case Vb::Kind::None:
        break;
    }
    snmp_add_null_var(pdu, name.data(), name.size());
}

Vb FromNetVariable(const netsnmp_variable_list* v)
{
    Vb vb(FromNetOid(v->name, v->name_length));
    switch (v->type) {
    case ASN_INTEGER:
        vb.set_wire_number(sNMP_SYNTAX_INT, v->val.integer ? static_cast<int32_t>(*v->val.integer) : 0);
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_UINTEGER:
        vb.set_wire_number(v->type, v->val.integer ? static_cast<uint32_t>(*v->val.integer) : 0);
        break;
    case ASN_COUNTER64:
        vb.set_wire_number(sNMP_SYNTAX_CNTR64,
                           v->val.counter64 ? static_cast<int64_t>((static_cast<uint64_t>(v->val.counter64->high) << 32) |
                                                                   static_cast<uint32_t>(v->val.counter64->low))
                                            : 0);
        break;
    case ASN_OBJECT_ID:
        vb.set_value(v->val.objid ? FromNetOid(v->val.objid, v->val_len / sizeof(oid)) : Oid());
        break;
    case ASN_NULL:
        vb.set_null();
        break;
    case SNMP_NOSUCHOBJECT:
    case SNMP_NOSUCHINSTANCE:
    case SNMP_ENDOFMIBVIEW:
        vb.set_exception(v->type);
        break;
    case ASN_OCTET_STR:
    case ASN_OPAQUE:
    case ASN_NSAP:
    case ASN_IPADDRESS:
    case ASN_BIT_STR:
        vb.set_wire_octets(v->type == ASN_BIT_STR ? static_cast<int>(sNMP_SYNTAX_OCTETS) : static_cast<int>(v->type),
                           v->val.string ? std::string(reinterpret_cast<const char*>(v->val.string), v->val_len)
                                         : std::string());
        break;
    default:
        // Anything else (opaque-wrapped floats and the like) travels as its raw octets.
        vb.set_wire_octets(sNMP_SYNTAX_OPAQUE,
                           v->val.string ? std::string(reinterpret_cast<const char*>(v->val.string), v->val_len)
                                         : std::string());
        break;
    }
    return vb;
}

void InstallUsmUser(const std::string& engineId, const std::string& userName, int authProtocol,
                    const std::string& authKey, const std::string& privKey)
{
    static const oid kNoAuth[] = {1, 3, 6, 1, 6, 3, 10, 1, 1, 1};
    static const oid kMd5[] = {1, 3, 6, 1, 6, 3, 10, 1, 1, 2};
    static const oid kSha[] = {1, 3, 6, 1, 6, 3, 10, 1, 1, 3};
    static const oid kNoPriv[] = {1, 3, 6, 1, 6, 3, 10, 1, 2, 1};
    static const oid kDes[] = {1, 3, 6, 1, 6, 3, 10, 1, 2, 2};
    const oid* auth = authKey.empty() ? kNoAuth : (authProtocol == SNMP_AUTHPROTOCOL_HMACSHA ? kSha : kMd5);
    const oid* priv = privKey.empty() ? kNoPriv : kDes;
    const u_char* eid = reinterpret_cast<const u_char*>(engineId.data());

    struct usmUser* u = usm_get_user(eid, engineId.size(), userName.c_str());
    auto same = [](const u_char* p, size_t n, const std::string& want) {
        return n == want.size() && (n == 0 || std::memcmp(p, want.data(), n) == 0);
    };
    if (u && u->authProtocol && u->authProtocolLen == 10 && snmp_oid_compare(u->authProtocol, 10, auth, 10) == 0 &&
        u->privProtocol && u->privProtocolLen == 10 && snmp_oid_compare(u->privProtocol, 10, priv, 10) == 0 &&
        same(u->authKey, u->authKeyLen, authKey) && same(u->privKey, u->privKeyLen, privKey))
        return;
    if (u) {
        usm_remove_user(u);
        usm_free_user(u);
    }
    u = usm_create_user();
    if (!u) return;
    u->engineID = static_cast<u_char*>(malloc(engineId.size()));
    std::memcpy(u->engineID, eid, engineId.size());
    u->engineIDLen = engineId.size();
    u->name = strdup(userName.c_str());
    u->secName = strdup(userName.c_str());
    free(u->authProtocol);
    u->authProtocol = snmp_duplicate_objid(auth, 10);
    u->authProtocolLen = 10;
    free(u->privProtocol);
    u->privProtocol = snmp_duplicate_objid(priv, 10);
    u->privProtocolLen = 10;
    if (!authKey.empty()) {
        u->authKey = static_cast<u_char*>(malloc(authKey.size()));
        std::memcpy(u->authKey, authKey.data(), authKey.size());
        u->authKeyLen = authKey.size();
    }
    if (!privKey.empty()) {
        u->privKey = static_cast<u_char*>(malloc(privKey.size()));
        std::memcpy(u->privKey, privKey.data(), privKey.size());
        u->privKeyLen = privKey.size();
    }
    u->userStatus = RS_ACTIVE;
    u->userStorageType = ST_READONLY;
    usm_add_user(u);
}

