#include "platform/snmp/snmp.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <map>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unordered_map>
#include <vector>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include "platform/snmp/exchangelog.h"
#include "platform/snmp/nsglue.h"
#include "platform/snmp/nsstatus.h"

// ---- Sessions and exchanges ----

namespace snmpsession {

struct NetSession {
    std::string key;
    void* handle = nullptr;
    int fd = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    bool v3 = false;
    std::string engineId;
    std::string userName;
    int authProtocol = SNMP_AUTHPROTOCOL_NONE;
    int privProtocol = SNMP_PRIVPROTOCOL_NONE;
    std::string authKey;  // localised
    std::string privKey;  // localised, 16 octets for DES
    // The engine discovery on its way (an exchange id, 0: none), and the asynchronous
    // exchanges that wait for it to end before they are sent.
    uint64_t probe = 0;
    std::vector<uint64_t> held;
};

struct Exchange {
    uint64_t id = 0;
    Snmp::Impl* owner = nullptr;
    std::string sessionKey;
    bool async = false;
    SnmpCallback callback = nullptr;
    void* data = nullptr;
    unsigned long requestId = 0;
    int command = 0;  // SNMP_MSG_GET, SNMP_MSG_GETNEXT or SNMP_MSG_SET
    std::unique_ptr<SnmpTarget> target;
    Pdu pdu;  // the sent PDU; the reply once one arrived
    std::chrono::steady_clock::time_point started;
    // Past this the exchange ends as timed out even if the library has lost it: its own
    // time-out comes first, this is a guard against waiting for ever.
    std::chrono::steady_clock::time_point deadline;
    bool done = false;
    int status = 0;
    // An engine discovery: never delivered, it ends with the engine id found.
    bool probe = false;
    std::string engineId;
    // Built and held until the session's engine discovery ends.
    netsnmp_pdu* unsent = nullptr;
    ~Exchange()
    {
        if (unsent) snmp_free_pdu(unsent);
    }
};

}  // namespace snmpsession

using snmpsession::Exchange;
using snmpsession::NetSession;

namespace {

// Every open exchange of every Snmp, by the id handed to net-snmp as callback data: a reply
// for an id that is gone (cancelled, delivered, its Snmp destroyed) is dropped.
std::unordered_map<uint64_t, std::unique_ptr<Exchange>>& Exchanges()
{
    static std::unordered_map<uint64_t, std::unique_ptr<Exchange>> map;
    return map;
}
uint64_t g_nextExchange = 0;

int NetCallback(int op, netsnmp_session* sess, int reqid, netsnmp_pdu* pdu, void* magic);

}  // namespace

struct Snmp::Impl {
    Snmp* self = nullptr;
    std::map<std::string, std::unique_ptr<NetSession>> sessions;
    std::deque<uint64_t> finished;  // async exchanges waiting for the pump
    bool inPump = false;
    std::function<void()> readableHandler;
    bool mutedNotifiers = false;  // some were switched off while the pump ran

    // The agent may no longer have the engine the session discovered (it was replaced, and its
    // answers to the old engine are not taken): the next request discovers it again.
    void ForgetEngine(const std::string& sessionKey)
    {
        auto it = sessions.find(sessionKey);
        if (it != sessions.end()) it->second->engineId.clear();
    }
    OctetStr engineId;
    unsigned int engineBoots = 0;
    // Targets whose engine discovery failed, by session key: until the back-off has passed
    // their requests fail at once with the discovery's status instead of blocking again.
    struct Backoff {
        std::chrono::steady_clock::time_point until;
        int status = 0;
    };
    std::map<std::string, Backoff> discoveryBackoff;

    int Run(int command, Pdu& pdu, const SnmpTarget& target, SnmpCallback cb, void* data, bool async);
    // The target's session; for SNMPv3 with its engine discovered, or (async) with the
    // discovery on its way, in which case the request is held until it ends.
    NetSession* SessionFor(const SnmpTarget& target, int& status, bool async);
    void BackOff(const std::string& key, const SnmpTarget& target, int status);
    int StartDiscovery(NetSession& s, const SnmpTarget& target);
    // Waits for the session's discovery alone (synchronous requests), then ends it.
    int AwaitDiscovery(NetSession& s);
    // Takes the finished discovery's outcome: keys localised and the held requests sent, or
    // the held requests failed with its status. Returns that status.
    int EndDiscovery(NetSession& s);
    void EndFinishedDiscoveries();
    int Send(NetSession& s, Exchange* e, netsnmp_pdu* np);
    void Await(NetSession& s, Exchange* e);
    int PrepareUser(NetSession& s, int level);
    void InstallUser(NetSession& s);
    netsnmp_pdu* BuildPdu(int command, const Pdu& pdu, const SnmpTarget& target);
    void UpdateNotifiers();
    void PollSession(NetSession& s);
};

namespace {

const int kReadsPerPass = 16;

int ReportStatus(const netsnmp_pdu* pdu)
{
    if (!pdu || !pdu->variables) return SNMP_CLASS_ERROR;
    return StatusFromReport(FromNetOid(pdu->variables->name, pdu->variables->name_length));
}

// A response answers the exchange only when it names what was asked: the same objects in the
// same order (get, set), or one binding per asked binding (get-next). An error response may
// also come without bindings.
bool Answers(const Exchange& ex, const netsnmp_pdu* pdu)
{
    const int asked = ex.pdu.get_vb_count();
    int n = 0;
    for (const netsnmp_variable_list* v = pdu->variables; v; v = v->next_variable, ++n) {
        if (n >= asked) return false;
        if (pdu->errstat != SNMP_ERR_NOERROR || ex.command == SNMP_MSG_GETNEXT) continue;
        std::vector<oid> want = ToNetOid(ex.pdu[n].get_oid());
        if (snmp_oid_compare(v->name, v->name_length, want.data(), want.size()) != 0) return false;
    }
    return n == asked || (n == 0 && pdu->errstat != SNMP_ERR_NOERROR);
}

void Complete(Exchange* ex, int status)
{
    ex->done = true;
    ex->status = status;
    if (ex->probe) return;
    if (status != SNMP_CLASS_ASYNC_RESPONSE) ex->pdu.set_error_status(status);
    LogExchange(ex->command, *ex->target, ex->pdu, status, std::chrono::steady_clock::now() - ex->started);
    if (ex->async) ex->owner->finished.push_back(ex->id);
}

int NetCallback(int op, netsnmp_session* sess, int /*reqid*/, netsnmp_pdu* pdu, void* magic)
{
    auto it = Exchanges().find(static_cast<uint64_t>(reinterpret_cast<uintptr_t>(magic)));
    if (it == Exchanges().end()) return 1;
    Exchange* ex = it->second.get();
    // A failure can be signalled twice (a report comes as a security error and then as a
    // message); the first one counts.
    if (ex->done) return 1;
    if (ex->probe) {
        // Any answer names the agent's engine (an unknown-engine report, as a rule).
        if ((op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || op == NETSNMP_CALLBACK_OP_SEC_ERROR) && pdu &&
            pdu->securityEngineIDLen > 0) {
            ex->engineId.assign(reinterpret_cast<const char*>(pdu->securityEngineID), pdu->securityEngineIDLen);
            Complete(ex, SNMP_CLASS_SUCCESS);
        } else if (op == NETSNMP_CALLBACK_OP_TIMED_OUT) {
            Complete(ex, SNMP_CLASS_TIMEOUT);
        } else if (op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || op == NETSNMP_CALLBACK_OP_SEC_ERROR) {
            Complete(ex, SNMPv3_USM_UNKNOWN_ENGINEID);
        } else if (op == NETSNMP_CALLBACK_OP_SEND_FAILED || op == NETSNMP_CALLBACK_OP_DISCONNECT) {
            Complete(ex, SNMP_CLASS_TL_FAILED);
        }
        return 1;
    }
    switch (op) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
    case NETSNMP_CALLBACK_OP_SEC_ERROR:
        if (pdu && pdu->command == SNMP_MSG_REPORT) {
            int status = ReportStatus(pdu);
            // net-snmp resends by itself after a time-window report; wait for that.
            if (status == SNMPv3_USM_NOT_IN_TIME_WINDOW) return 1;
            if (status == SNMPv3_USM_UNKNOWN_ENGINEID) ex->owner->ForgetEngine(ex->sessionKey);
            Complete(ex, status);
        } else if (op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu && pdu->command == SNMP_MSG_RESPONSE) {
            if (!Answers(*ex, pdu)) {
                // Another request's answer, or a faulty or forged one: never taken as this one's.
                Complete(ex, SNMP_CLASS_INVALID_PDU);
                return 1;
            }
            Pdu reply;
            for (const netsnmp_variable_list* v = pdu->variables; v; v = v->next_variable) reply += FromNetVariable(v);
            reply.set_type(sNMP_PDU_RESPONSE);
            reply.set_error_status(static_cast<int>(pdu->errstat));
            reply.set_error_index(static_cast<int>(pdu->errindex));
            reply.set_request_id(static_cast<unsigned long>(pdu->reqid));
            reply.set_security_level(ex->pdu.get_security_level());
            reply.set_context_name(ex->pdu.get_context_name());
            reply.set_context_engine_id(ex->pdu.get_context_engine_id());
            ex->pdu = reply;
            if (pdu->transport_data && pdu->transport_data_length >= static_cast<int>(sizeof(sockaddr_in))) {
                const sockaddr_in* from = static_cast<const sockaddr_in*>(pdu->transport_data);
                if (from->sin_family == AF_INET) {
                    UdpAddress a(IpAddress(reinterpret_cast<const unsigned char*>(&from->sin_addr.s_addr)),
                                 ntohs(from->sin_port));
                    ex->target->set_address(a);
                }
            }
            Complete(ex, SNMP_CLASS_ASYNC_RESPONSE);
        } else if (op == NETSNMP_CALLBACK_OP_SEC_ERROR) {
            int status = sess ? StatusFromNetSnmpError(sess->s_snmp_errno) : SNMP_CLASS_ERROR;
            Complete(ex, status == SNMP_CLASS_SUCCESS ? SNMPv3_USM_ERROR : status);
        }
        return 1;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
        ex->owner->ForgetEngine(ex->sessionKey);
        Complete(ex, SNMP_CLASS_TIMEOUT);
        return 1;
    case NETSNMP_CALLBACK_OP_SEND_FAILED: {
        int status = sess ? StatusFromNetSnmpError(sess->s_snmp_errno) : SNMP_CLASS_TL_FAILED;
        Complete(ex, status == SNMP_CLASS_SUCCESS ? SNMP_CLASS_TL_FAILED : status);
        return 1;
    }
    case NETSNMP_CALLBACK_OP_DISCONNECT:
        Complete(ex, SNMP_CLASS_TL_FAILED);
        return 1;
    default:
        return 1;
    }
}

std::string SessionKey(const SnmpTarget& t, const usm::User* user)
{
    std::string k = std::to_string(static_cast<int>(t.get_version())) + "|" + t.get_address().get_printable();
    if (t.get_type() == SnmpTarget::Type::User) {
        const UTarget& u = static_cast<const UTarget&>(t);
        k += "|" + u.get_security_name().bytes();
        if (user) {
            k += "|" + std::to_string(user->authProtocol) + "|" + std::to_string(user->privProtocol) + "|" +
                 std::to_string(user->authPassword.size()) + ":" + user->authPassword + "|" + user->privPassword;
        }
    }
    return k;
}

void ConnectTo(int fd, const UdpAddress& peer)
{
    sockaddr_in a{};
    a.sin_family = AF_INET;
    std::memcpy(&a.sin_addr.s_addr, peer.octets(), 4);
    a.sin_port = htons(peer.get_port());
    connect(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a);
}

void SetTiming(netsnmp_session* s, const SnmpTarget& t)
{
    unsigned long hundredths = std::max<unsigned long>(t.get_timeout(), 1);
    s->timeout = static_cast<long>(std::min<unsigned long>(hundredths, 360000ul) * 10000ul);
    s->retries = std::max(t.get_retry(), 0);
}

}  // namespace

// An unreachable agent is not asked again for a while: five discovery times, at least 1 s.
void Snmp::Impl::BackOff(const std::string& key, const SnmpTarget& target, int status)
{
    auto discovery = std::chrono::milliseconds(std::max<unsigned long>(target.get_timeout(), 1) * 10 *
                                               static_cast<unsigned long>(std::max(target.get_retry(), 0) + 1));
    discoveryBackoff[key] = {std::chrono::steady_clock::now() +
                                 std::max<std::chrono::milliseconds>(5 * discovery, std::chrono::seconds(1)),
                             status};
}

NetSession* Snmp::Impl::SessionFor(const SnmpTarget& target, int& status, bool async)
{
    bool v3 = target.get_type() == SnmpTarget::Type::User;
    const usm::User* user = nullptr;
    std::string secName;
    if (v3) {
        secName = static_cast<const UTarget&>(target).get_security_name().bytes();
        user = usm::FindUser(secName);
    }
    std::string key = SessionKey(target, user);
    auto b = discoveryBackoff.find(key);
    if (b != discoveryBackoff.end()) {
        if (std::chrono::steady_clock::now() < b->second.until) {
            status = b->second.status;
            return nullptr;
        }
        discoveryBackoff.erase(b);
    }
    auto it = sessions.find(key);
    if (it != sessions.end()) {
        NetSession* s = it->second.get();
        SetTiming(snmp_sess_session(s->handle), target);
        if (s->v3 && s->engineId.empty()) {
            if (!s->probe) {
                status = StartDiscovery(*s, target);
                if (status != SNMP_CLASS_SUCCESS) {
                    BackOff(key, target, status);
                    return nullptr;
                }
            }
            if (!async) {
                status = AwaitDiscovery(*s);
                if (status != SNMP_CLASS_SUCCESS) return nullptr;
            }
        }
        return s;
    }

    netsnmp_session in;
    snmp_sess_init(&in);
    std::string peer = "udp:" + target.get_address().get_ip().get_printable() + ":" +
                       std::to_string(target.get_address().get_port());
    in.peername = const_cast<char*>(peer.c_str());
    in.version = v3 ? SNMP_VERSION_3 : (target.get_version() == version2c ? SNMP_VERSION_2c : SNMP_VERSION_1);
    SetTiming(&in, target);
    if (v3) {
        in.securityModel = SNMP_SEC_MODEL_USM;
        in.securityName = const_cast<char*>(secName.c_str());
        in.securityNameLen = secName.size();
        in.securityLevel = SNMP_SEC_LEVEL_NOAUTH;
        // The engine is discovered by this layer, without blocking the asynchronous requests.
        in.flags |= SNMP_FLAGS_DONT_PROBE;
    }
    void* handle = snmp_sess_open(&in);
    if (!handle) {
        status = StatusFromNetSnmpError(in.s_snmp_errno ? in.s_snmp_errno : snmp_errno);
        if (status == SNMP_CLASS_SUCCESS) status = SNMP_CLASS_TL_FAILED;
        return nullptr;
    }
    auto owned = std::make_unique<NetSession>();
    NetSession* s = owned.get();
    s->key = key;
    s->handle = handle;
    s->v3 = v3;
    netsnmp_transport* t = snmp_sess_transport(handle);
    s->fd = t ? t->sock : -1;
    // The socket takes datagrams from the target's address and port alone: whatever else
    // arrives (another host, another port) is dropped by the system, never parsed.
    if (s->fd >= 0) ConnectTo(s->fd, target.get_address());
    if (v3) {
        s->userName = secName;
        if (user) {
            s->authProtocol = user->authProtocol;
            s->privProtocol = user->privProtocol;
        }
    }
    if (s->fd >= 0 && QCoreApplication::instance()) {
        s->notifier = std::make_unique<QSocketNotifier>(s->fd, QSocketNotifier::Read);
        Impl* owner = this;
        QSocketNotifier* n = s->notifier.get();
        QObject::connect(n, &QSocketNotifier::activated, n, [owner, n]() {
            if (owner->inPump) {
                // A callback is processing window messages: the data waits for the pump, and the
                // notifier is muted meanwhile so that it does not fire again and again.
                n->setEnabled(false);
                owner->mutedNotifiers = true;
                return;
            }
            if (owner->readableHandler) owner->readableHandler();
        });
        s->notifier->setEnabled(static_cast<bool>(readableHandler));
    }
    sessions[key] = std::move(owned);
    if (v3) {
        status = StartDiscovery(*s, target);
        if (status == SNMP_CLASS_SUCCESS && !async) status = AwaitDiscovery(*s);
        if (status != SNMP_CLASS_SUCCESS) {
            // Discovered again from a new session next time.
            if (s->probe) Exchanges().erase(s->probe);
            s->notifier.reset();
            snmp_sess_close(handle);
            sessions.erase(key);
            BackOff(key, target, status);
            return nullptr;
        }
    }
    return s;
}

// Engine discovery: a request without a user and without authentication, which the agent
// answers with a report that names its engine; bounded by the target's time-out and retries.
int Snmp::Impl::StartDiscovery(NetSession& s, const SnmpTarget& target)
{
    netsnmp_session* ns = snmp_sess_session(s.handle);
    // The context defaults to the engine: forget a context engine taken over from the old one.
    if (ns->contextEngineID && ns->securityEngineID && ns->contextEngineIDLen == ns->securityEngineIDLen &&
        std::memcmp(ns->contextEngineID, ns->securityEngineID, ns->contextEngineIDLen) == 0) {
        free(ns->contextEngineID);
        ns->contextEngineID = nullptr;
        ns->contextEngineIDLen = 0;
    }
    if (ns->securityEngineID) {
        free(ns->securityEngineID);
        ns->securityEngineID = nullptr;
    }
    ns->securityEngineIDLen = 0;
    ns->flags |= SNMP_FLAGS_DONT_PROBE;  // never the library's own, blocking discovery
    s.engineId.clear();
    s.authKey.clear();
    s.privKey.clear();
    InstallUsmUser("", "", SNMP_AUTHPROTOCOL_NONE, "", "");

    netsnmp_pdu* np = snmp_pdu_create(SNMP_MSG_GET);
    if (!np) return SNMP_CLASS_RESOURCE_UNAVAIL;
    np->version = SNMP_VERSION_3;
    np->securityModel = SNMP_SEC_MODEL_USM;
    np->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    np->securityName = strdup("");
    np->securityNameLen = 0;

    auto ex = std::make_unique<Exchange>();
    ex->id = ++g_nextExchange;
    ex->owner = this;
    ex->sessionKey = s.key;
    ex->probe = true;
    ex->requestId = static_cast<unsigned long>(np->reqid);
    ex->command = SNMP_MSG_GET;
    ex->target = target.clone();
    ex->started = std::chrono::steady_clock::now();
    uint64_t id = ex->id;
    Exchanges()[id] = std::move(ex);
    int status = Send(s, Exchanges()[id].get(), np);
    if (status != SNMP_CLASS_SUCCESS) {
        Exchanges().erase(id);
        return status;
    }
    s.probe = id;
    return SNMP_CLASS_SUCCESS;
}

int Snmp::Impl::AwaitDiscovery(NetSession& s)
{
    auto it = Exchanges().find(s.probe);
    if (it != Exchanges().end()) Await(s, it->second.get());
    return EndDiscovery(s);
}

int Snmp::Impl::EndDiscovery(NetSession& s)
{
    int status = SNMPv3_USM_UNKNOWN_ENGINEID;
    std::unique_ptr<SnmpTarget> target;
    auto it = Exchanges().find(s.probe);
    if (it != Exchanges().end()) {
        status = it->second->done ? it->second->status : SNMP_CLASS_TIMEOUT;
        if (status == SNMP_CLASS_SUCCESS) s.engineId = it->second->engineId;
        target = std::move(it->second->target);
        Exchanges().erase(it);
    }
    s.probe = 0;
    std::vector<uint64_t> held;
    held.swap(s.held);
    if (status == SNMP_CLASS_SUCCESS) {
        netsnmp_session* ns = snmp_sess_session(s.handle);
        free(ns->securityEngineID);  // the library may have taken it from the report too
        ns->securityEngineID = static_cast<u_char*>(malloc(s.engineId.size()));
        std::memcpy(ns->securityEngineID, s.engineId.data(), s.engineId.size());
        ns->securityEngineIDLen = s.engineId.size();
        const usm::User* user = usm::FindUser(s.userName);
        if (user && user->authProtocol != SNMP_AUTHPROTOCOL_NONE) {
            s.authKey = usm::LocalizeKey(user->authProtocol,
                                         usm::PasswordToKey(user->authProtocol, user->authPassword), s.engineId);
            if (user->privProtocol == SNMP_PRIVPROTOCOL_DES) {
                // The privacy key is derived with the authentication hash; DES uses 16 octets.
                std::string k = usm::LocalizeKey(user->authProtocol,
                                                 usm::PasswordToKey(user->authProtocol, user->privPassword), s.engineId);
                if (k.size() >= 16) s.privKey = k.substr(0, 16);
            }
        }
    } else if (target) {
        BackOff(s.key, *target, status);
    }
    for (uint64_t id : held) {
        auto h = Exchanges().find(id);
        if (h == Exchanges().end()) continue;  // cancelled meanwhile
        Exchange* e = h->second.get();
        netsnmp_pdu* np = e->unsent;
        e->unsent = nullptr;
        int st = status;
        if (st == SNMP_CLASS_SUCCESS) st = PrepareUser(s, np->securityLevel);
        if (st == SNMP_CLASS_SUCCESS) {
            st = Send(s, e, np);
        } else {
            snmp_free_pdu(np);
        }
        if (st != SNMP_CLASS_SUCCESS && !e->done) Complete(e, st);
    }
    return status;
}

void Snmp::Impl::EndFinishedDiscoveries()
{
    for (auto& kv : sessions) {
        NetSession& s = *kv.second;
        if (!s.probe) continue;
        auto it = Exchanges().find(s.probe);
        if (it == Exchanges().end() || it->second->done) EndDiscovery(s);
    }
}

void Snmp::Impl::InstallUser(NetSession& s)
{
    InstallUsmUser(s.engineId, s.userName, s.authProtocol, s.authKey, s.privKey);
}

netsnmp_pdu* Snmp::Impl::BuildPdu(int command, const Pdu& pdu, const SnmpTarget& target)
{
    netsnmp_pdu* p = snmp_pdu_create(command);
    if (!p) return nullptr;
    for (int i = 0; i < pdu.get_vb_count(); ++i) AddVariable(p, pdu[i], command == SNMP_MSG_SET);
    if (target.get_type() == SnmpTarget::Type::User) {
        const UTarget& u = static_cast<const UTarget&>(target);
        p->version = SNMP_VERSION_3;
        p->securityModel = SNMP_SEC_MODEL_USM;
        p->securityLevel = pdu.get_security_level();
        const std::string& name = u.get_security_name().bytes();
        p->securityName = static_cast<char*>(malloc(name.size() + 1));
        std::memcpy(p->securityName, name.c_str(), name.size() + 1);
        p->securityNameLen = name.size();
        const std::string& ctx = pdu.get_context_name().bytes();
        if (!ctx.empty()) {
            p->contextName = static_cast<char*>(malloc(ctx.size() + 1));
            std::memcpy(p->contextName, ctx.c_str(), ctx.size() + 1);
            p->contextNameLen = ctx.size();
        }
        const std::string& ceid = pdu.get_context_engine_id().bytes();
        if (!ceid.empty()) {
            p->contextEngineID = static_cast<u_char*>(malloc(ceid.size()));
            std::memcpy(p->contextEngineID, ceid.data(), ceid.size());
            p->contextEngineIDLen = ceid.size();
        }
    } else {
        const CTarget& c = static_cast<const CTarget&>(target);
        p->version = target.get_version() == version2c ? SNMP_VERSION_2c : SNMP_VERSION_1;
        const std::string& community = (command == SNMP_MSG_SET ? c.get_writecommunity() : c.get_readcommunity()).bytes();
        p->community = static_cast<u_char*>(malloc(community.size() + 1));
        std::memcpy(p->community, community.data(), community.size());
        p->community_len = community.size();
    }
    return p;
}

int Snmp::Impl::PrepareUser(NetSession& s, int level)
{
    const usm::User* user = usm::FindUser(s.userName);
    int st = usm::CheckLevel(user, level);
    if (st != SNMPv3_USM_OK) return st;
    InstallUser(s);
    return SNMP_CLASS_SUCCESS;
}

int Snmp::Impl::Run(int command, Pdu& pdu, const SnmpTarget& target, SnmpCallback cb, void* data, bool async)
{
    if (async && !cb) return SNMP_CLASS_INVALID_CALLBACK;
    if (!target.valid()) return SNMP_CLASS_INVALID_ADDRESS;
    snmp_version version = target.get_version();
    bool userTarget = target.get_type() == SnmpTarget::Type::User;
    if (userTarget ? version != version3 : (version != version1 && version != version2c))
        return SNMP_CLASS_INVALID_TARGET;
    if (userTarget && static_cast<const UTarget&>(target).get_security_model() != SNMP_SECURITY_MODEL_USM)
        return SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL;
    if (!pdu.valid()) return SNMP_CLASS_INVALID_OID;
    if (userTarget) {
        // Refuse what cannot be sent before any exchange (engine discovery included).
        const usm::User* user = usm::FindUser(static_cast<const UTarget&>(target).get_security_name().bytes());
        int st = usm::CheckLevel(user, pdu.get_security_level());
        if (st != SNMPv3_USM_OK) return st;
    }

    int status = SNMP_CLASS_SUCCESS;
    NetSession* s = SessionFor(target, status, async);
    if (!s) return status;
    const bool held = s->probe != 0;  // asynchronous, sent once the engine is known
    if (s->v3 && !held) {
        status = PrepareUser(*s, pdu.get_security_level());
        if (status != SNMP_CLASS_SUCCESS) return status;
    }
    netsnmp_pdu* np = BuildPdu(command, pdu, target);
    if (!np) return SNMP_CLASS_RESOURCE_UNAVAIL;

    auto ex = std::make_unique<Exchange>();
    ex->id = ++g_nextExchange;
    ex->owner = this;
    ex->sessionKey = s->key;
    ex->async = async;
    ex->callback = cb;
    ex->data = data;
    ex->requestId = static_cast<unsigned long>(np->reqid);
    ex->command = command;
    ex->target = target.clone();
    ex->started = std::chrono::steady_clock::now();
    ex->pdu = pdu;
    ex->pdu.set_request_id(ex->requestId);
    Exchange* e = ex.get();
    uint64_t id = e->id;
    Exchanges()[id] = std::move(ex);
    pdu.set_request_id(e->requestId);
    if (held) {
        e->unsent = np;
        // A guard only: the discovery's end sends it or fails it long before.
        auto probe = Exchanges().find(s->probe);
        e->deadline = (probe != Exchanges().end() ? probe->second->deadline : std::chrono::steady_clock::now()) +
                      std::chrono::milliseconds(static_cast<long long>(std::max<unsigned long>(target.get_timeout(), 1)) *
                                                10 * (std::max(target.get_retry(), 0) + 1) + 2000);
        s->held.push_back(id);
        return SNMP_CLASS_SUCCESS;
    }

    status = Send(*s, e, np);
    if (status != SNMP_CLASS_SUCCESS) {
        finished.erase(std::remove(finished.begin(), finished.end(), id), finished.end());
        Exchanges().erase(id);
        return status;
    }
    if (async) return SNMP_CLASS_SUCCESS;

    Await(*s, e);
    status = e->status;
    Pdu result = std::move(e->pdu);
    Exchanges().erase(id);
    if (status == SNMP_CLASS_ASYNC_RESPONSE) {
        pdu = result;
        return pdu.get_error_status();
    }
    pdu.set_error_status(status);
    return status;
}

// Sends np for the exchange, with the exchange's target's timing; np is the library's then.
int Snmp::Impl::Send(NetSession& s, Exchange* e, netsnmp_pdu* np)
{
    netsnmp_session* ns = snmp_sess_session(s.handle);
    SetTiming(ns, *e->target);
    long long waitMs = ns->timeout / 1000 * (ns->retries + 1);
    e->deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs + 2000);
    if (snmp_sess_async_send(s.handle, np, NetCallback, reinterpret_cast<void*>(static_cast<uintptr_t>(e->id))))
        return SNMP_CLASS_SUCCESS;
    // The library may also have called back for this failure: report it once, here.
    snmp_free_pdu(np);
    int status = e->done ? e->status : StatusFromNetSnmpError(ns->s_snmp_errno);
    if (status == SNMP_CLASS_SUCCESS || status == SNMP_CLASS_ASYNC_RESPONSE) status = SNMP_CLASS_TL_FAILED;
    return status;
}

// Waits on this session alone; replies to asynchronous requests read meanwhile are queued.
void Snmp::Impl::Await(NetSession& s, Exchange* e)
{
    while (!e->done) {
        int numfds = 0, block = 1;
        fd_set fds;
        FD_ZERO(&fds);
        timeval tv{};
        snmp_sess_select_info(s.handle, &numfds, &fds, &tv, &block);
        timeval fallback{0, 100000};
        int n = select(numfds, &fds, nullptr, nullptr, block ? &fallback : &tv);
        if (n < 0 && errno != EINTR) {
            Complete(e, SNMP_CLASS_TL_FAILED);
            break;
        }
        if (n > 0) snmp_sess_read(s.handle, &fds);
        snmp_sess_timeout(s.handle);
        if (!e->done && std::chrono::steady_clock::now() > e->deadline) Complete(e, SNMP_CLASS_TIMEOUT);
    }
}

void Snmp::Impl::PollSession(NetSession& s)
{
    if (s.fd >= 0) {
        fd_set fds;
        // A bounded number per pass: a flood must not keep the window from its other work
        // (the socket's notifier calls the pump again for what is left).
        for (int n = 0; n < kReadsPerPass; ++n) {
            FD_ZERO(&fds);
            FD_SET(s.fd, &fds);
            timeval zero{0, 0};
            if (select(s.fd + 1, &fds, nullptr, nullptr, &zero) <= 0) break;
            snmp_sess_read(s.handle, &fds);
        }
    }
    snmp_sess_timeout(s.handle);
}

void Snmp::Impl::UpdateNotifiers()
{
    for (auto& kv : sessions)
        if (kv.second->notifier) kv.second->notifier->setEnabled(static_cast<bool>(readableHandler));
}

// ---- Snmp ----

Snmp::Snmp(int& status, unsigned short local_port) : d_(std::make_unique<Impl>())
{
    d_->self = this;
    InitNetSnmp();
    status = local_port == 0 ? SNMP_CLASS_SUCCESS : SNMP_CLASS_UNSUPPORTED;
}

Snmp::~Snmp()
{
    // Requests still open end with SESSION_DESTROYED; the library's own copies of them go with
    // the sessions and can no longer find their exchange.
    std::vector<std::unique_ptr<Exchange>> open;
    for (auto it = Exchanges().begin(); it != Exchanges().end();) {
        if (it->second->owner == d_.get()) {
            open.push_back(std::move(it->second));
            it = Exchanges().erase(it);
        } else {
            ++it;
        }
    }
    for (auto& kv : d_->sessions) {
        kv.second->notifier.reset();
        snmp_sess_close(kv.second->handle);
    }
    d_->sessions.clear();
    std::sort(open.begin(), open.end(), [](const auto& a, const auto& b) { return a->id < b->id; });
    for (auto& ex : open) {
        if (!ex->async) continue;
        ex->pdu.set_error_status(SNMP_CLASS_SESSION_DESTROYED);
        ex->callback(SNMP_CLASS_SESSION_DESTROYED, this, ex->pdu, *ex->target, ex->data);
    }
}

int Snmp::get(Pdu& pdu, const SnmpTarget& target)
{
    return d_->Run(SNMP_MSG_GET, pdu, target, nullptr, nullptr, false);
}

int Snmp::get_next(Pdu& pdu, const SnmpTarget& target)
{
    return d_->Run(SNMP_MSG_GETNEXT, pdu, target, nullptr, nullptr, false);
}

int Snmp::set(Pdu& pdu, const SnmpTarget& target)
{
    return d_->Run(SNMP_MSG_SET, pdu, target, nullptr, nullptr, false);
}

int Snmp::get(Pdu& pdu, const SnmpTarget& target, SnmpCallback cb, void* data)
{
    return d_->Run(SNMP_MSG_GET, pdu, target, cb, data, true);
}

int Snmp::get_next(Pdu& pdu, const SnmpTarget& target, SnmpCallback cb, void* data)
{
    return d_->Run(SNMP_MSG_GETNEXT, pdu, target, cb, data, true);
}

int Snmp::set(Pdu& pdu, const SnmpTarget& target, SnmpCallback cb, void* data)
{
    return d_->Run(SNMP_MSG_SET, pdu, target, cb, data, true);
}

int Snmp::cancel(unsigned long request_id)
{
    for (auto it = Exchanges().begin(); it != Exchanges().end(); ++it) {
        const Exchange& ex = *it->second;
        if (ex.owner == d_.get() && ex.async && ex.requestId == request_id) {
            Exchanges().erase(it);
            return SNMP_CLASS_SUCCESS;
        }
    }
    return SNMP_CLASS_INVALID_REQID;
}

int Snmp::cancel_all(const void* callback_data)
{
    int n = 0;
    for (auto it = Exchanges().begin(); it != Exchanges().end();) {
        const Exchange& ex = *it->second;
        if (ex.owner == d_.get() && ex.async && ex.data == callback_data) {
            it = Exchanges().erase(it);
            ++n;
        } else {
            ++it;
        }
    }
    return n;
}

int Snmp::pending_count() const
{
    int n = 0;
    for (const auto& kv : Exchanges())
        if (kv.second->owner == d_.get() && kv.second->async) ++n;
    return n;
}

bool Snmp::in_pump() const { return d_->inPump; }

int Snmp::process_pending_events()
{
    if (d_->inPump) return 0;
    // A callback that throws leaves the pump usable.
    struct Guard {
        Impl* d;
        explicit Guard(Impl* impl) : d(impl) { d->inPump = true; }
        ~Guard()
        {
            d->inPump = false;
            if (d->mutedNotifiers) {
                d->mutedNotifiers = false;
                d->UpdateNotifiers();
            }
        }
    } guard(d_.get());
    for (auto& kv : d_->sessions) d_->PollSession(*kv.second);
    auto now = std::chrono::steady_clock::now();
    for (auto& kv : Exchanges()) {
        Exchange& ex = *kv.second;
        if (ex.owner == d_.get() && (ex.async || ex.probe) && !ex.done && !ex.unsent && now > ex.deadline)
            Complete(&ex, SNMP_CLASS_TIMEOUT);
    }
    d_->EndFinishedDiscoveries();
    now = std::chrono::steady_clock::now();
    for (auto& kv : Exchanges()) {
        Exchange& ex = *kv.second;
        if (ex.owner == d_.get() && ex.async && !ex.done && ex.unsent && now > ex.deadline)
            Complete(&ex, SNMP_CLASS_TIMEOUT);
    }

    int delivered = 0;
    while (!d_->finished.empty()) {
        uint64_t id = d_->finished.front();
        d_->finished.pop_front();
        auto it = Exchanges().find(id);
        if (it == Exchanges().end()) continue;  // cancelled
        std::unique_ptr<Exchange> ex = std::move(it->second);
        Exchanges().erase(it);
        ++delivered;
        ex->callback(ex->status, this, ex->pdu, *ex->target, ex->data);
    }
    return delivered;
}

void Snmp::set_readable_handler(std::function<void()> handler)
{
    d_->readableHandler = std::move(handler);
    d_->UpdateNotifiers();
}

int Snmp::session_count() const { return static_cast<int>(d_->sessions.size()); }

const OctetStr& Snmp::local_engine_id() const { return d_->engineId; }

unsigned int Snmp::local_engine_boots() const { return d_->engineBoots; }

void Snmp::set_local_engine(const OctetStr& engine_id, unsigned int boots)
{
    d_->engineId = engine_id;
    d_->engineBoots = boots;
}

int mpInit(Snmp* session, const OctetStr& engine_id, unsigned int boots)
{
    if (!session) return SNMPv3_MP_NOT_INITIALIZED;
    if (engine_id.len() < 5 || engine_id.len() > 32) return SNMPv3_MP_INVALID_ENGINEID;
    session->set_local_engine(engine_id, boots);
    return SNMPv3_MP_OK;
}
