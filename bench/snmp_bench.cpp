// Reads one object 2,000 times, synchronously and asynchronously, through our SNMP layer and
// through net-snmp called directly, against the same local snmpd, and prints the rates.
//
//   snmp_bench [count] [rounds]
//
// Each figure is the median of `rounds` runs of `count` reads, ours and net-snmp's taking turns,
// so that a busy machine disturbs both alike.
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/select.h>
#include <algorithm>
#include <functional>
#include <unistd.h>
#include <vector>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include "platform/snmp/snmp.h"
#include "tests/support/snmpd.h"

namespace {

using Clock = std::chrono::steady_clock;
const char* const kObject = "1.3.6.1.2.1.1.5.0";
const oid kObjectIds[] = {1, 3, 6, 1, 2, 1, 1, 5, 0};

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// ---- our layer ----

struct OurAsync {
    Snmp* snmp;
    const SnmpTarget* target;
    int left;
    int failures = 0;
};

void OurStep(int reason, Snmp* snmp, Pdu&, SnmpTarget&, void* data)
{
    OurAsync* a = static_cast<OurAsync*>(data);
    if (reason != SNMP_CLASS_ASYNC_RESPONSE) ++a->failures;
    if (--a->left <= 0) return;
    Pdu pdu;
    pdu += Vb(Oid(kObject));
    pdu.set_security_level(SNMP_SECURITY_LEVEL_AUTH_PRIV);
    if (snmp->get(pdu, *a->target, OurStep, a) != SNMP_CLASS_SUCCESS) {
        ++a->failures;
        a->left = 0;
    }
}

double OurSync(Snmp& snmp, const SnmpTarget& t, int count, int level)
{
    auto start = Clock::now();
    for (int i = 0; i < count; ++i) {
        Pdu pdu;
        pdu += Vb(Oid(kObject));
        pdu.set_security_level(level);
        if (snmp.get(pdu, t) != SNMP_CLASS_SUCCESS) {
            std::fprintf(stderr, "our sync get failed\n");
            std::exit(1);
        }
    }
    return count / Seconds(start);
}

double OurAsyncRun(Snmp& snmp, const SnmpTarget& t, int count)
{
    OurAsync a{&snmp, &t, count};
    snmp.set_readable_handler([&snmp] { snmp.process_pending_events(); });
    auto start = Clock::now();
    Pdu pdu;
    pdu += Vb(Oid(kObject));
    pdu.set_security_level(SNMP_SECURITY_LEVEL_AUTH_PRIV);
    snmp.get(pdu, t, OurStep, &a);
    while (a.left > 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    double rate = count / Seconds(start);
    snmp.set_readable_handler(nullptr);
    if (a.failures) std::fprintf(stderr, "our async: %d failures\n", a.failures);
    return rate;
}

// ---- net-snmp directly ----

void* OpenDirect(const std::string& peer, bool v3)
{
    netsnmp_session s;
    snmp_sess_init(&s);
    s.peername = const_cast<char*>(peer.c_str());
    s.timeout = 1000000;
    s.retries = 1;
    static std::string community = "public";
    static std::string user = "shades";
    if (!v3) {
        s.version = SNMP_VERSION_2c;
        s.community = reinterpret_cast<u_char*>(community.data());
        s.community_len = community.size();
    } else {
        s.version = SNMP_VERSION_3;
        s.securityName = user.data();
        s.securityNameLen = user.size();
        s.securityLevel = SNMP_SEC_LEVEL_AUTHPRIV;
        s.securityModel = SNMP_SEC_MODEL_USM;
        s.securityAuthProto = snmp_duplicate_objid(usmHMACSHA1AuthProtocol, USM_AUTH_PROTO_SHA_LEN);
        s.securityAuthProtoLen = USM_AUTH_PROTO_SHA_LEN;
        s.securityAuthKeyLen = USM_AUTH_KU_LEN;
        generate_Ku(s.securityAuthProto, s.securityAuthProtoLen, reinterpret_cast<const u_char*>("shapassword"), 11,
                    s.securityAuthKey, &s.securityAuthKeyLen);
        s.securityPrivProto = snmp_duplicate_objid(usmDESPrivProtocol, USM_PRIV_PROTO_DES_LEN);
        s.securityPrivProtoLen = USM_PRIV_PROTO_DES_LEN;
        s.securityPrivKeyLen = USM_PRIV_KU_LEN;
        generate_Ku(s.securityAuthProto, s.securityAuthProtoLen, reinterpret_cast<const u_char*>("despassword"), 11,
                    s.securityPrivKey, &s.securityPrivKeyLen);
    }
    void* h = snmp_sess_open(&s);
    if (!h) {
        std::fprintf(stderr, "net-snmp session failed\n");
        std::exit(1);
    }
    return h;
}

netsnmp_pdu* DirectPdu()
{
    netsnmp_pdu* p = snmp_pdu_create(SNMP_MSG_GET);
    snmp_add_null_var(p, kObjectIds, 9);
    return p;
}

double DirectSync(void* h, int count)
{
    auto start = Clock::now();
    for (int i = 0; i < count; ++i) {
        netsnmp_pdu* response = nullptr;
        int st = snmp_sess_synch_response(h, DirectPdu(), &response);
        if (st != STAT_SUCCESS || !response || response->errstat) {
            std::fprintf(stderr, "net-snmp sync get failed\n");
            std::exit(1);
        }
        snmp_free_pdu(response);
    }
    return count / Seconds(start);
}

struct DirectState {
    void* h;
    int left;
    int failures = 0;
};

int DirectStep(int op, netsnmp_session*, int, netsnmp_pdu*, void* magic)
{
    DirectState* d = static_cast<DirectState*>(magic);
    if (op != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE) ++d->failures;
    if (--d->left > 0) {
        netsnmp_pdu* p = DirectPdu();
        if (!snmp_sess_async_send(d->h, p, DirectStep, d)) {
            snmp_free_pdu(p);
            d->left = 0;
        }
    }
    return 1;
}

double DirectAsync(void* h, int count)
{
    DirectState d{h, count};
    auto start = Clock::now();
    netsnmp_pdu* p = DirectPdu();
    snmp_sess_async_send(h, p, DirectStep, &d);
    while (d.left > 0) {
        int n = 0, block = 1;
        fd_set fds;
        FD_ZERO(&fds);
        timeval tv{};
        snmp_sess_select_info(h, &n, &fds, &tv, &block);
        int c = select(n, &fds, nullptr, nullptr, block ? nullptr : &tv);
        if (c > 0) snmp_sess_read(h, &fds);
        else snmp_sess_timeout(h);
    }
    if (d.failures) std::fprintf(stderr, "net-snmp async: %d failures\n", d.failures);
    return count / Seconds(start);
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void Row(const char* what, int rounds, const std::function<double()>& ours, const std::function<double()>& direct)
{
    std::vector<double> o, d;
    for (int r = 0; r < rounds; ++r) {
        o.push_back(ours());
        d.push_back(direct());
    }
    double mo = Median(o), md = Median(d);
    std::printf("%-28s %9.0f/s %9.0f/s   %.2f\n", what, mo, md, md / mo);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int count = argc > 1 ? std::atoi(argv[1]) : 2000;
    int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    char dirTemplate[] = "/tmp/vrx-snmp-bench-XXXXXX";
    if (!mkdtemp(dirTemplate)) return 1;
    std::string dir = dirTemplate;
    SnmpdProcess agent(dir);
    if (!agent.Start()) {
        std::fprintf(stderr, "%s\n", agent.Error().c_str());
        return 1;
    }

    int status = 0;
    Snmp snmp(status);  // also sets net-snmp up for the direct runs
    CTarget v2(UdpAddress(agent.Address()), "public", "private");
    v2.set_version(version2c);
    usmAddUserName("shades", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_DES, "shapassword", "despassword");
    UTarget v3(UdpAddress(agent.Address()));
    v3.set_security_name("shades");
    std::string peer = "udp:127.0.0.1:" + std::to_string(agent.Port());
    void* d2 = OpenDirect(peer, false);
    void* d3 = OpenDirect(peer, true);

    // Warm up: sessions open, engine discovered, caches filled.
    OurSync(snmp, v2, 100, 1);
    OurSync(snmp, v3, 100, SNMP_SECURITY_LEVEL_AUTH_PRIV);
    DirectSync(d2, 100);
    DirectSync(d3, 100);

    std::printf("%d reads of %s from snmpd on %s, median of %d rounds\n", count, kObject, agent.Address().c_str(),
                rounds);
    std::printf("%-28s %11s %11s   %s\n", "", "ours", "net-snmp", "time ours / net-snmp");
    const int priv = SNMP_SECURITY_LEVEL_AUTH_PRIV;
    Row("v2c synchronous", rounds, [&] { return OurSync(snmp, v2, count, 1); }, [&] { return DirectSync(d2, count); });
    Row("v2c asynchronous", rounds, [&] { return OurAsyncRun(snmp, v2, count); },
        [&] { return DirectAsync(d2, count); });
    Row("v3 SHA+DES synchronous", rounds, [&] { return OurSync(snmp, v3, count, priv); },
        [&] { return DirectSync(d3, count); });
    Row("v3 SHA+DES asynchronous", rounds, [&] { return OurAsyncRun(snmp, v3, count); },
        [&] { return DirectAsync(d3, count); });

    snmp_sess_close(d2);
    snmp_sess_close(d3);
    agent.Stop();
    std::string rm = "rm -rf '" + dir + "'";
    if (std::system(rm.c_str()) != 0) return 1;
    return 0;
}
