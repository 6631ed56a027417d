#include "tools/agent/agent.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>
#include <net-snmp/agent/agent_callbacks.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "tools/agent/setplan.h"
#include "tools/agent/textformat.h"
#include "tools/agent/varbinds.h"

namespace vrxagent {

namespace {

// net-snmp calls back through plain functions; one agent per process.
Agent* g_agent = nullptr;
AgentState* g_state = nullptr;

int (*g_send)(netsnmp_transport*, const void*, int, void**, int*) = nullptr;

// The request being processed, and what its reply said.
struct Exchange {
    bool active = false;
    long reqid = 0;
    bool replied = false;
    long errstat = 0, errindex = 0;
} g_exchange;

// The changes of the SET being processed, applied at its commit.
struct PendingSet {
    int transid = -1;
    std::vector<SetOp> ops;
    bool applied = false;
} g_pending;

// The length that a "short" fault leaves of the object's octet string.
size_t MaxBytes(const Oid& name)
{
    size_t cut;
    return g_state->faults.ShortFor(name, &cut) ? cut : static_cast<size_t>(-1);
}

void Get(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* r)
{
    const MibData& mib = g_state->mib;
    Oid name = ToOid(r->requestvb->name, r->requestvb->name_length);
    if (const Faults::Error* f = g_state->faults.ErrorFor(name, false)) {
        netsnmp_set_request_error(reqinfo, r, f->status);
        return;
    }
    const Object* obj = mib.Find(name);
    if (obj && mib.EffectiveAccess(name, *obj) != Access::NotAccessible) {
        SetValue(r->requestvb, obj->value, MaxBytes(name));
        return;
    }
    netsnmp_set_request_error(reqinfo, r,
                              mib.KnownObjectType(name) ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
}

void GetNext(netsnmp_handler_registration* reginfo, netsnmp_agent_request_info* reqinfo,
             netsnmp_request_info* r)
{
    Oid name = ToOid(r->requestvb->name, r->requestvb->name_length);
    Oid root = ToOid(reginfo->rootoid, reginfo->rootoid_len);
    const auto* next = g_state->mib.Next(name, r->inclusive != 0, root);
    // A faulty agent: inside a "repeat" subtree every step answers with its first object.
    if (const Oid* stuck = g_state->faults.RepeatFor(name))
        if (const auto* first = g_state->mib.Next(*stuck, true, *stuck)) next = first;
    if (!next) return;  // the agent goes on with the next subtree, or ends the view
    std::vector<oid> arcs(next->first.begin(), next->first.end());
    snmp_set_var_objid(r->requestvb, arcs.data(), arcs.size());
    if (const Faults::Error* f = g_state->faults.ErrorFor(next->first, false)) {
        netsnmp_set_request_error(reqinfo, r, f->status);
        return;
    }
    SetValue(r->requestvb, next->second.value, MaxBytes(next->first));
}

void Reserve(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    int transid = reqinfo->asp && reqinfo->asp->pdu ? reqinfo->asp->pdu->transid : -1;
    if (g_pending.transid != transid || g_pending.applied) g_pending = PendingSet{transid, {}, false};
    std::vector<netsnmp_request_info*> list;
    for (netsnmp_request_info* r = requests; r; r = r->next) list.push_back(r);
    std::stable_sort(list.begin(), list.end(),
                     [](auto* a, auto* b) { return a->index < b->index; });
    std::vector<SetVarbind> vbs;
    for (netsnmp_request_info* r : list) {
        SetVarbind vb;
        vb.oid = ToOid(r->requestvb->name, r->requestvb->name_length);
        vb.value = Decode(r->requestvb, &vb.error);
        vbs.push_back(std::move(vb));
    }
    SetPlan plan = PlanSet(*g_state, vbs);
    if (plan.status != kNoError) {
        netsnmp_set_request_error(reqinfo, list[plan.failed], plan.status);
        return;
    }
    g_pending.ops.insert(g_pending.ops.end(), plan.ops.begin(), plan.ops.end());
}

int Handler(netsnmp_mib_handler*, netsnmp_handler_registration* reginfo,
            netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    switch (reqinfo->mode) {
    case MODE_GET:
        for (netsnmp_request_info* r = requests; r; r = r->next)
            if (!r->processed) Get(reqinfo, r);
        break;
    case MODE_GETNEXT:
        for (netsnmp_request_info* r = requests; r; r = r->next)
            if (!r->processed) GetNext(reginfo, reqinfo, r);
        break;
    case MODE_SET_RESERVE1:
        Reserve(reqinfo, requests);
        break;
    case MODE_SET_COMMIT:
        if (!g_pending.applied) {
            ApplySet(g_state->mib, g_pending.ops);
            g_pending.applied = true;
            g_pending.ops.clear();
        }
        break;
    case MODE_SET_FREE:
    case MODE_SET_UNDO:
        g_pending = PendingSet();
        break;
    default:
        break;
    }
    return SNMP_ERR_NOERROR;
}

// Whether the PDU's community or user may write; null when it may not even read.
const bool* Principal(const netsnmp_pdu* pdu, int* error)
{
    *error = VACM_SUCCESS;
    if (pdu->version == SNMP_VERSION_3) {
        if (pdu->securityModel != SNMP_SEC_MODEL_USM || !pdu->securityName)
            return *error = VACM_NOSECNAME, nullptr;
        std::string name(pdu->securityName, pdu->securityNameLen);
        for (const User& u : g_state->users)
            if (u.name == name) {
                if (pdu->securityLevel < u.level) return *error = VACM_NOACCESS, nullptr;
                if (pdu->contextNameLen != 0) return *error = VACM_NOSUCHCONTEXT, nullptr;
                return &u.write;
            }
        return *error = VACM_NOSECNAME, nullptr;
    }
    std::string community = ToBytes(pdu->community, pdu->community_len);
    for (const Community& c : g_state->communities)
        if (c.name == community) return &c.write;
    return *error = VACM_NOSECNAME, nullptr;
}

// Access control is ours alone: these run after net-snmp's own view checks (which know no
// communities here and refuse everything) and set the verdict.
int AcmInitial(int, int, void* serverarg, void*)
{
    auto* vp = static_cast<struct view_parameters*>(serverarg);
    int error;
    Principal(vp->pdu, &error);
    vp->errorcode = error;
    return SNMP_ERR_NOERROR;
}

int AcmCheck(int, int, void* serverarg, void*)
{
    auto* vp = static_cast<struct view_parameters*>(serverarg);
    int error;
    const bool* write = Principal(vp->pdu, &error);
    bool allowed = write && (vp->pdu->command != SNMP_MSG_SET || *write);
    vp->errorcode = allowed ? VACM_SUCCESS : VACM_NOTINVIEW;
    return SNMP_ERR_NOERROR;
}

int AcmSubtree(int, int, void* serverarg, void*)
{
    static_cast<struct view_parameters*>(serverarg)->errorcode = VACM_SUCCESS;
    return SNMP_ERR_NOERROR;
}

// Every reply leaves through here: the PDU that net-snmp is sending owns `opaque`
// (&pdu->transport_data), which tells us the reply's error status for the log.
int Send(netsnmp_transport* t, const void* buf, int len, void** opaque, int* olen)
{
    if (g_exchange.active && opaque) {
        auto* pdu = reinterpret_cast<netsnmp_pdu*>(reinterpret_cast<char*>(opaque) -
                                                   offsetof(netsnmp_pdu, transport_data));
        if (pdu->command == SNMP_MSG_RESPONSE && pdu->reqid == g_exchange.reqid) {
            g_exchange.replied = true;
            g_exchange.errstat = pdu->errstat;
            g_exchange.errindex = pdu->errindex;
        }
    }
    return g_send(t, buf, len, opaque, olen);
}

int Received(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic)
{
    if (op != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || !pdu || !KindName(pdu->command))
        return handle_snmp_packet(op, session, reqid, pdu, magic);
    LogRecord record = Describe(pdu);
    Faults& faults = g_state->faults;
    if (faults.TakeDrop()) {
        record.status = "dropped";
        g_agent->WriteLog(FormatLogRecord(record));
        return 1;
    }
    if (faults.delayMs > 0) usleep(static_cast<useconds_t>(faults.delayMs) * 1000);
    g_exchange = Exchange{true, pdu->reqid, false, 0, 0};
    int rc = handle_snmp_packet(op, session, reqid, pdu, magic);
    g_exchange.active = false;
    record.status = g_exchange.replied ? ErrorStatusName(static_cast<int>(g_exchange.errstat))
                                       : "unanswered";
    record.errorIndex = g_exchange.replied ? static_cast<int>(g_exchange.errindex) : 0;
    g_agent->WriteLog(FormatLogRecord(record));
    return rc;
}

}  // namespace

Agent::Agent(AgentState& state, std::FILE* log, const std::string& workDir)
    : state_(state), log_(log), workDir_(workDir)
{
    g_agent = this;
    g_state = &state_;
}

Agent::~Agent()
{
    if (started_) snmp_shutdown("vrxagent");
    g_agent = nullptr;
    g_state = nullptr;
}

void Agent::WriteLog(const std::string& line)
{
    if (!log_) return;
    std::fputs(line.c_str(), log_);
    std::fputc('\n', log_);
    std::fflush(log_);
}

bool Agent::Start(const std::string& address, int port, std::string* why)
{
    // net-snmp reads and writes nothing of its own: no configuration, no persistent state,
    // no MIB files; its directories point at our private, empty work directory.
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", workDir_.c_str(), 1);
    setenv("SNMPCONFPATH", workDir_.c_str(), 1);
    setenv("SNMP_PERSISTENT_DIR", workDir_.c_str(), 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, workDir_.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, workDir_.c_str());
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_NO_TOKEN_WARNINGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);  // master
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_NO_ROOT_ACCESS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    // Errors only: net-snmp's warnings are about the access control that we do ourselves.
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_STDERR, LOG_ERR);
    if (const char* d = std::getenv("VRXAGENT_DEBUG")) {
        debug_register_tokens(d);
        snmp_set_do_debugging(1);
    }

    init_agent("vrxagent");
    if (!Register(why)) return false;
    const int last = NETSNMP_CALLBACK_LOWEST_PRIORITY;
    netsnmp_register_callback(SNMP_CALLBACK_APPLICATION, SNMPD_CALLBACK_ACM_CHECK_INITIAL,
                              AcmInitial, nullptr, last);
    netsnmp_register_callback(SNMP_CALLBACK_APPLICATION, SNMPD_CALLBACK_ACM_CHECK, AcmCheck,
                              nullptr, last);
    netsnmp_register_callback(SNMP_CALLBACK_APPLICATION, SNMPD_CALLBACK_ACM_CHECK_SUBTREE,
                              AcmSubtree, nullptr, last);
    init_snmp("vrxagent");
    started_ = true;

    std::string spec = "udp:" + address + ":" + std::to_string(port);
    netsnmp_transport* t = netsnmp_transport_open_server("snmp", spec.c_str());
    if (!t) return *why = "cannot listen on " + address + ":" + std::to_string(port), false;
    sockaddr_in bound{};
    socklen_t blen = sizeof bound;
    if (getsockname(t->sock, reinterpret_cast<sockaddr*>(&bound), &blen) != 0)
        return *why = "cannot read the bound port", false;
    port_ = ntohs(bound.sin_port);
    g_send = t->f_send;
    t->f_send = Send;

    netsnmp_session sess;
    snmp_sess_init(&sess);
    sess.version = SNMP_DEFAULT_VERSION;
    sess.callback = Received;
    sess.authenticator = nullptr;
    sess.isAuthoritative = SNMP_SESS_AUTHORITATIVE;
    if (!snmp_add(&sess, t, netsnmp_agent_check_packet, netsnmp_agent_check_parse))
        return *why = "cannot open the agent session", false;

    for (const User& u : state_.users) {
        std::string line = u.name;
        if (u.level >= 2) line += " " + u.auth + " " + u.authPass;
        if (u.level >= 3) line += " " + u.priv + " " + u.privPass;
        std::vector<char> buf(line.begin(), line.end());
        buf.push_back('\0');
        usm_parse_create_usmUser(nullptr, buf.data());
    }
    return true;
}

bool Agent::Register(std::string* why)
{
    // One registration per first two arcs in use (1.0, 1.3, ...): the agent's registry wants
    // at least a common first arc between a subtree's start and end to walk it with GET-NEXT.
    const auto& objects = state_.mib.objects;
    std::set<Oid> wanted;
    for (auto it = objects.begin(); it != objects.end();) {
        Oid prefix{it->first[0], it->first[1]};
        wanted.insert(prefix);
        it = objects.lower_bound(Oid{prefix[0], prefix[1] + 1});
    }
    for (const auto& entry : state_.mib.tables) wanted.insert(Oid{entry.first[0], entry.first[1]});
    for (const Oid& prefix : wanted) {
        if (registered_.count(prefix)) continue;
        oid root[2] = {static_cast<oid>(prefix[0]), static_cast<oid>(prefix[1])};
        netsnmp_handler_registration* reg = netsnmp_create_handler_registration(
            "vrxagent", Handler, root, 2, HANDLER_CAN_RWRITE);
        if (!reg || netsnmp_register_handler(reg) != MIB_REGISTERED_OK) {
            if (why) *why = "cannot register the handler at " + OidText(prefix);
            return false;
        }
        registered_.insert(prefix);
    }
    return true;
}

void Agent::Run(const volatile std::sig_atomic_t& stop, const std::function<void()>& idle)
{
    while (!stop) {
        int numfds = 0, block = 0;
        fd_set fds;
        FD_ZERO(&fds);
        timeval tv{0, 50000};
        snmp_select_info(&numfds, &fds, &tv, &block);
        if (block || tv.tv_sec > 0 || tv.tv_usec > 50000) tv = timeval{0, 50000};
        int n = select(numfds, &fds, nullptr, nullptr, &tv);
        if (n > 0)
            snmp_read(&fds);
        else if (n == 0)
            snmp_timeout();
        run_alarms();
        netsnmp_check_outstanding_agent_requests();
        idle();
    }
}

}  // namespace vrxagent
