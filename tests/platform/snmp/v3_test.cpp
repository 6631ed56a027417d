// SNMPv3 with user-based security against snmpd: protocols, levels and every failure.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <sys/stat.h>

#include "tests/platform/snmp/agentfixture.h"

namespace {

const int MD5 = SNMP_AUTHPROTOCOL_HMACMD5, SHA = SNMP_AUTHPROTOCOL_HMACSHA, NOAUTH = SNMP_AUTHPROTOCOL_NONE;
const int DES = SNMP_PRIVPROTOCOL_DES, NOPRIV = SNMP_PRIVPROTOCOL_NONE;
const int L1 = SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV, L2 = SNMP_SECURITY_LEVEL_AUTH_NOPRIV,
          L3 = SNMP_SECURITY_LEVEL_AUTH_PRIV;

int g_calls = 0;
int g_reason = 0;
void Count(int reason, Snmp*, Pdu&, SnmpTarget&, void*)
{
    ++g_calls;
    g_reason = reason;
}

}  // namespace

TEST_F(AgentTest, V3UsersReadAtEachLevel)
{
    struct Case {
        const char* user;
        int auth;
        const char* authPass;
        int priv;
        const char* privPass;
        int level;
    } cases[] = {
        {"noauthuser", NOAUTH, "", NOPRIV, "", L1},
        {"md5user", MD5, SnmpdProcess::kMd5Password, NOPRIV, "", L2},
        {"shauser", SHA, SnmpdProcess::kShaPassword, NOPRIV, "", L2},
        {"md5des", MD5, SnmpdProcess::kMd5Password, DES, SnmpdProcess::kDesPassword, L3},
        {"shades", SHA, SnmpdProcess::kShaPassword, DES, SnmpdProcess::kDesPassword, L3},
    };
    for (const Case& c : cases) {
        UTarget t = User(c.user, c.auth, c.authPass, c.priv, c.privPass);
        Pdu pdu = Get(kSysName, c.level);
        ASSERT_EQ(snmp_->get(pdu, t), SNMP_CLASS_SUCCESS) << c.user << " level " << c.level;
        EXPECT_FALSE(pdu[0].get_printable_value().empty()) << c.user;
        Pdu next = Get("1.3.6.1.2.1.1.5", c.level);
        ASSERT_EQ(snmp_->get_next(next, t), SNMP_CLASS_SUCCESS) << c.user;
        EXPECT_EQ(next[0].get_printable_oid(), kSysName);
    }
}

TEST_F(AgentTest, V3SetWithPrivacy)
{
    UTarget t = User("shades", SHA, SnmpdProcess::kShaPassword, DES, SnmpdProcess::kDesPassword);
    Pdu set;
    set.set_security_level(L3);
    Vb vb{Oid(kSysContact)};
    vb.set_value(OctetStr("v3 contact"));
    set += vb;
    ASSERT_EQ(snmp_->set(set, t), SNMP_CLASS_SUCCESS);
    Pdu get = Get(kSysContact);
    ASSERT_EQ(snmp_->get(get, Community(version2c)), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(get[0].get_printable_value(), "v3 contact");
}

TEST_F(AgentTest, V3FailuresGiveTheirStatus)
{
    struct Case {
        const char* name;
        const char* user;
        int auth;
        const char* authPass;
        int priv;
        const char* privPass;
        int level;
        int status;
    } cases[] = {
        {"wrong authentication password", "md5user", MD5, "not-the-password", NOPRIV, "", L2,
         SNMPv3_USM_AUTHENTICATION_FAILURE},
        {"wrong protocol", "shauser", MD5, SnmpdProcess::kShaPassword, NOPRIV, "", L2,
         SNMPv3_USM_AUTHENTICATION_FAILURE},
        {"unknown user", "nobody", MD5, "whatever-pass", NOPRIV, "", L2, SNMPv3_USM_UNKNOWN_SECURITY_NAME},
        {"unknown user without keys", "nobody2", NOAUTH, "", NOPRIV, "", L1, SNMPv3_USM_UNKNOWN_SECURITY_NAME},
        {"level beyond the agent's user", "md5user", MD5, SnmpdProcess::kMd5Password, DES, "some-priv-pass", L3,
         SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL},
        // The agent cannot decrypt the request and stays silent.
        {"wrong privacy password", "md5des", MD5, SnmpdProcess::kMd5Password, DES, "not-the-password", L3,
         SNMP_CLASS_TIMEOUT},
        // Refused before anything is sent.
        {"level beyond the local user", "md5user", MD5, SnmpdProcess::kMd5Password, NOPRIV, "", L3,
         SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL},
        {"no password", "md5user", MD5, "", NOPRIV, "", L2, SNMPv3_USM_AUTHENTICATION_ERROR},
    };
    for (const Case& c : cases) {
        UTarget t = User(c.user, c.auth, c.authPass, c.priv, c.privPass);
        // Short only where nothing comes back: a report may come late on a loaded machine.
        t.set_timeout(c.status == SNMP_CLASS_TIMEOUT ? 30 : kPatientTimeout);
        t.set_retry(0);
        Pdu pdu = Get(kSysName, c.level);
        EXPECT_EQ(snmp_->get(pdu, t), c.status) << c.name;

        g_calls = 0;
        Pdu async = Get(kSysName, c.level);
        int sent = snmp_->get(async, t, Count, nullptr);
        if (sent == SNMP_CLASS_SUCCESS) {
            WaitFor([&] {
                snmp_->process_pending_events();
                return g_calls > 0;
            }, 3000);
            WaitFor([&] {
                snmp_->process_pending_events();
                return false;
            }, 50);
            EXPECT_EQ(g_calls, 1) << c.name;  // reported once, though the library signals twice
            EXPECT_EQ(g_reason, c.status) << c.name;
        } else {
            EXPECT_EQ(sent, c.status) << c.name;
        }
    }
}

// snmpd counts a request for an unknown context and answers nothing.
TEST_F(AgentTest, V3ContextNameTravelsWithTheRequest)
{
    auto unknownContexts = [this] {
        Pdu c = Get("1.3.6.1.6.3.12.1.5.0");
        EXPECT_EQ(snmp_->get(c, Community(version2c)), SNMP_CLASS_SUCCESS);
        unsigned int n = 0;
        c[0].get_value(n);
        return n;
    };
    unsigned int before = unknownContexts();
    UTarget t = User("md5user", MD5, SnmpdProcess::kMd5Password);
    t.set_timeout(30);
    t.set_retry(0);
    Pdu pdu = Get(kSysName, L2);
    pdu.set_context_name("no-such-context");
    EXPECT_EQ(snmp_->get(pdu, t), SNMP_CLASS_TIMEOUT);
    EXPECT_EQ(unknownContexts(), before + 1);
    t.set_timeout(kPatientTimeout);
    Pdu known = Get(kSysName, L2);
    EXPECT_EQ(snmp_->get(known, t), SNMP_CLASS_SUCCESS);
}

TEST_F(AgentTest, V3NewPasswordsReplaceTheOldKeys)
{
    const char* passwords[] = {"wrong-password", SnmpdProcess::kMd5Password, "wrong-password",
                               SnmpdProcess::kMd5Password};
    const int expected[] = {SNMPv3_USM_AUTHENTICATION_FAILURE, SNMP_CLASS_SUCCESS, SNMPv3_USM_AUTHENTICATION_FAILURE,
                            SNMP_CLASS_SUCCESS};
    for (int i = 0; i < 4; ++i) {
        UTarget t = User("md5user", MD5, passwords[i]);
        Pdu pdu = Get(kSysName, L2);
        EXPECT_EQ(snmp_->get(pdu, t), expected[i]) << i;
    }
}

TEST_F(AgentTest, V3OnlyTheUserBasedSecurityModel)
{
    UTarget t = User("md5user", MD5, SnmpdProcess::kMd5Password);
    t.set_security_model(SNMP_SECURITY_MODEL_V1);
    Pdu pdu = Get(kSysName, L2);
    EXPECT_EQ(snmp_->get(pdu, t), SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL);
}

TEST(V3Discovery, IsBoundedByTheTimeOut)
{
    int status = 0;
    Snmp snmp(status);
    SilentPort port;
    usmAddUserName("md5user", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, "md5password", "");
    UTarget t(port.Address());
    t.set_security_name("md5user");
    t.set_timeout(10);
    t.set_retry(1);
    Pdu pdu;
    pdu += Vb(Oid(kSysName));
    pdu.set_security_level(SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
    EXPECT_EQ(snmp.get(pdu, t), SNMP_CLASS_TIMEOUT);
    EXPECT_EQ(port.Count(), 2);
    EXPECT_EQ(snmp.session_count(), 0);  // discovery is tried again next time
}

TEST(V3Discovery, AfterAFailureRequestsFailAtOnceUntilTheBackOffHasPassed)
{
    int status = 0;
    Snmp snmp(status);
    SilentPort port;
    usmAddUserName("md5user", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, "md5password", "");
    UTarget t(port.Address());
    t.set_security_name("md5user");
    t.set_timeout(10);
    t.set_retry(1);  // a discovery takes 200 ms; the back-off is 1 s
    auto get = [&](bool async) {
        Pdu pdu = AgentTest::Get(kSysName, SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
        auto start = std::chrono::steady_clock::now();
        int result = async ? snmp.get(pdu, t, Count, nullptr) : snmp.get(pdu, t);
        auto took = std::chrono::steady_clock::now() - start;
        return std::make_pair(result, std::chrono::duration_cast<std::chrono::milliseconds>(took).count());
    };
    auto first = get(false);
    EXPECT_EQ(first.first, SNMP_CLASS_TIMEOUT);
    EXPECT_GE(first.second, 150);
    EXPECT_EQ(port.Count(), 2);
    // The polls that follow send nothing, so they have nothing to wait for.
    for (bool async : {false, true, false}) EXPECT_EQ(get(async).first, SNMP_CLASS_TIMEOUT);
    EXPECT_EQ(port.Count(), 2);
    EXPECT_EQ(snmp.pending_count(), 0);
    // Once the back-off has passed, the agent is asked again.
    WaitFor([] { return false; }, 1100);
    EXPECT_EQ(get(false).first, SNMP_CLASS_TIMEOUT);
    EXPECT_EQ(port.Count(), 4);
}

// net-snmp reads no configuration and keeps no state files: only the layer's own files exist.
TEST(NetSnmpFiles, NoneAreWrittenWhereverTheEnvironmentPoints)
{
    struct Restore {
        std::vector<std::pair<const char*, std::string>> saved;
        Restore()
        {
            for (const char* name : {"HOME", "SNMP_PERSISTENT_DIR", "SNMPCONFPATH"})
                saved.emplace_back(name, getenv(name) ? getenv(name) : "");
        }
        ~Restore()
        {
            for (auto& [name, value] : saved) {
                if (value.empty()) unsetenv(name);
                else setenv(name, value.c_str(), 1);
            }
        }
    } restore;
    TempDir home;
    mkdir(home.File("persist").c_str(), 0700);
    mkdir(home.File("conf").c_str(), 0700);
    home.Write("conf/snmp.conf", "persistentDir " + home.File("elsewhere") + "\n");
    setenv("HOME", home.Path().c_str(), 1);
    setenv("SNMP_PERSISTENT_DIR", home.File("persist").c_str(), 1);
    setenv("SNMPCONFPATH", home.File("conf").c_str(), 1);
    {
        TempDir agentDir;
        SnmpdProcess agent(agentDir.Path());
        ASSERT_TRUE(agent.Start()) << agent.Error();
        int status = 0;
        Snmp snmp(status);
        usmAddUserName("shades", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_DES, SnmpdProcess::kShaPassword,
                       SnmpdProcess::kDesPassword);
        UTarget t(UdpAddress(agent.Address()));
        t.set_security_name("shades");
        Pdu pdu;
        pdu += Vb(Oid(kSysName));
        pdu.set_security_level(SNMP_SECURITY_LEVEL_AUTH_PRIV);
        EXPECT_EQ(snmp.get(pdu, t), SNMP_CLASS_SUCCESS);
    }
    std::vector<std::string> found;
    for (const auto& e : std::filesystem::recursive_directory_iterator(home.Path()))
        found.push_back(e.path().string().substr(home.Path().size()));
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"/conf", "/conf/snmp.conf", "/persist"}));
}

// An agent that comes back with the same engine has counted a boot (net-snmp resynchronises by
// itself); one that comes back with another engine ignores requests to the old one, and is
// discovered again after that one time-out.
TEST(V3Discovery, FollowsTheAgentAcrossRestarts)
{
    TempDir dir;
    SnmpdProcess agent(dir.Path());
    ASSERT_TRUE(agent.Start("engineID first-engine\n")) << agent.Error();
    int status = 0;
    Snmp snmp(status);
    usmAddUserName("md5user", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, SnmpdProcess::kMd5Password, "");
    UTarget t(UdpAddress(agent.Address()));
    t.set_security_name("md5user");
    t.set_retry(1);
    auto get = [&](unsigned long timeout = kPatientTimeout) {
        t.set_timeout(timeout);
        Pdu pdu;
        pdu += Vb(Oid(kSysName));
        pdu.set_security_level(SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
        return snmp.get(pdu, t);
    };
    ASSERT_EQ(get(), SNMP_CLASS_SUCCESS);
    ASSERT_TRUE(agent.Restart("engineID first-engine\n")) << agent.Error();
    EXPECT_EQ(get(), SNMP_CLASS_SUCCESS);
    ASSERT_TRUE(agent.Restart("engineID second-engine\n")) << agent.Error();
    EXPECT_EQ(get(50), SNMP_CLASS_TIMEOUT);
    EXPECT_EQ(get(), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(get(), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(snmp.session_count(), 1);
}
