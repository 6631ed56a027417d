// SNMPv3 engine discovery for asynchronous requests: it never holds the caller; the requests
// wait for it, then go to the simulated switch, or fail with the time-out of a silent one.
#include <QTimer>
#include <chrono>
#include <vector>

#include "tests/platform/snmp/agentfixture.h"
#include "tests/support/simagent.h"

namespace {

struct Delivery {
    int reason;
    std::string value;
};
std::vector<Delivery> g_deliveries;

void Record(int reason, Snmp*, Pdu& pdu, SnmpTarget&, void*)
{
    g_deliveries.push_back({reason, pdu.get_vb_count() > 0 ? pdu[0].get_printable_value() : ""});
}

Pdu NameAt(int level) { return AgentTest::Get(kSysName, level); }

bool PumpUntil(Snmp& snmp, size_t n)
{
    return WaitFor([&] {
        snmp.process_pending_events();
        return g_deliveries.size() >= n;
    });
}

}  // namespace

TEST(V3AsyncDiscovery, ASilentSwitchNeverHoldsTheCallerAndTheRequestTimesOut)
{
    g_deliveries.clear();
    int status = 0;
    Snmp snmp(status);
    SilentPort port;
    usmAddUserName("md5user", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, "md5password", "");
    UTarget t(port.Address());
    t.set_security_name("md5user");
    t.set_timeout(150);  // a discovery of 3 s
    t.set_retry(1);
    Pdu pdu = NameAt(SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
    auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(snmp.get(pdu, t, Record, nullptr), SNMP_CLASS_SUCCESS);
    auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::milliseconds(1500));  // far less than the discovery
    EXPECT_NE(pdu.get_request_id(), 0u);
    EXPECT_EQ(snmp.pending_count(), 1);

    // The window's loop goes on; the failure comes later, through the pump.
    bool posted = false;
    QTimer::singleShot(0, [&] { posted = true; });
    ASSERT_TRUE(WaitFor([&] { return posted; }));
    EXPECT_TRUE(g_deliveries.empty());
    ASSERT_TRUE(PumpUntil(snmp, 1));
    EXPECT_EQ(g_deliveries[0].reason, SNMP_CLASS_TIMEOUT);
    EXPECT_EQ(snmp.pending_count(), 0);
    EXPECT_EQ(port.Count(), 2);  // the discovery and its retry; the request itself never went
    // During the back-off the next request fails at once.
    Pdu next = NameAt(SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
    EXPECT_EQ(snmp.get(next, t, Record, nullptr), SNMP_CLASS_TIMEOUT);
}

TEST(V3AsyncDiscovery, HeldRequestsGoToTheSwitchOnceItsEngineIsKnown)
{
    SimAgentOptions options;
    options.lines = {"user md5auth rw MD5 md5password1", "user shaauth rw SHA shapassword1",
                     "user md5des rw MD5 md5password2 DES despassword2", "user shades rw SHA shapassword3 DES despassword3"};
    SimAgent agent(options);
    struct Case {
        const char* user;
        int auth;
        const char* authPass;
        int priv;
        const char* privPass;
        int level;
        const char* logged;
    } cases[] = {
        {"md5auth", SNMP_AUTHPROTOCOL_HMACMD5, "md5password1", SNMP_PRIVPROTOCOL_NONE, "", SNMP_SECURITY_LEVEL_AUTH_NOPRIV, "authNoPriv"},
        {"shaauth", SNMP_AUTHPROTOCOL_HMACSHA, "shapassword1", SNMP_PRIVPROTOCOL_NONE, "", SNMP_SECURITY_LEVEL_AUTH_NOPRIV, "authNoPriv"},
        {"md5des", SNMP_AUTHPROTOCOL_HMACMD5, "md5password2", SNMP_PRIVPROTOCOL_DES, "despassword2", SNMP_SECURITY_LEVEL_AUTH_PRIV, "authPriv"},
        {"shades", SNMP_AUTHPROTOCOL_HMACSHA, "shapassword3", SNMP_PRIVPROTOCOL_DES, "despassword3", SNMP_SECURITY_LEVEL_AUTH_PRIV, "authPriv"},
    };
    int status = 0;
    Snmp snmp(status);
    size_t logged = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.user);
        g_deliveries.clear();
        usmAddUserName(c.user, c.auth, c.priv, c.authPass, c.privPass);
        UTarget t(UdpAddress(IpAddress(agent.Address().c_str()), static_cast<uint16_t>(agent.Port())));
        t.set_security_name(c.user);
        t.set_timeout(kPatientTimeout);
        t.set_retry(0);
        // Two requests held by the same discovery, both answered.
        Pdu first = NameAt(c.level), second = NameAt(c.level);
        ASSERT_EQ(snmp.get(first, t, Record, nullptr), SNMP_CLASS_SUCCESS);
        ASSERT_EQ(snmp.get(second, t, Record, nullptr), SNMP_CLASS_SUCCESS);
        ASSERT_TRUE(PumpUntil(snmp, 2));
        for (const Delivery& d : g_deliveries) {
            EXPECT_EQ(d.reason, SNMP_CLASS_ASYNC_RESPONSE);
            EXPECT_EQ(d.value, "VRX-6120");
        }
        agent.Sync();
        std::vector<SimRequest> log = agent.Requests();
        ASSERT_EQ(log.size(), logged + 2);
        for (size_t i = logged; i < log.size(); ++i) {
            EXPECT_EQ(log[i].kind, "GET");
            EXPECT_EQ(log[i].version, "v3");
            EXPECT_EQ(log[i].name, c.user);
            EXPECT_EQ(log[i].level, c.logged);
            EXPECT_EQ(log[i].status, "noError");
        }
        logged = log.size();
    }
}
