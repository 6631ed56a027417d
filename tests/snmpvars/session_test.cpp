// Start-up of the session and the event pump, against snmpd.
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/snmp/snmp.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/sysutils.h"
#include "snmpvars/qzsnmperror.h"
#include "snmpvars/qzsnmpsession.h"
#include "tests/support/snmpd.h"
#include "tests/support/testsupport.h"

namespace {

const std::string kEngineHex = "517A534E4D505F50505F4170706C69636174696F6E";

std::string Read(const std::string& file)
{
    std::ifstream f(file);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// Expects QzSNMPInitialize(dir) to raise code with text.
void ExpectRaise(const std::string& dir, int code, const char* text)
{
    try {
        QzSNMPInitialize(dir);
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, code);
        EXPECT_EQ(e.Message, text);
    }
}

}  // namespace

TEST(QzSNMPInitialize, CountsBootsAndSetsTheDefaults)
{
    TempDir dir;
    QzSNMPInitialize(dir.Path());
    ASSERT_NE(QzSNMPSession, nullptr);
    EXPECT_EQ(Read(dir.File("QzSNMP_PP_BootCounter")), kEngineHex + " 1\n");
    EXPECT_EQ(QzSNMPSession->local_engine_id(), OctetStr("QzSNMP_PP_Application"));
    EXPECT_EQ(QzSNMPSession->local_engine_boots(), 1u);
    EXPECT_EQ(QzSNMPDevice.address, "127.0.0.1");
    EXPECT_EQ(QzSNMPDevice.port, 161);
    EXPECT_EQ(QzSNMPScope.contextEngineID, "");
    EXPECT_EQ(QzSNMPScope.contextName, "");
    EXPECT_EQ(QzSNMPSecurity.version, 0);
    EXPECT_EQ(QzSNMPSecurity.readCommunity, "ravlin");
    EXPECT_EQ(QzSNMPSecurity.writeCommunity, "mostrel");
    EXPECT_EQ(QzSNMPSecurity.securityModel, 1);
    EXPECT_EQ(QzSNMPSecurity.securityLevel, 1);
    EXPECT_EQ(QzSNMPSecurity.securityName, "");
    EXPECT_EQ(QzSNMPSecurity.authProtocol, 1);
    EXPECT_EQ(QzSNMPSecurity.privProtocol, 1);
    EXPECT_EQ(QzSNMPTimeout, 100);
    EXPECT_TRUE(_SnmpEventProcessor.Running());
    EXPECT_EQ(_SnmpEventProcessor.Timer()->Interval(), 20u);

    // Each start raises the counter by one.
    QzSNMPInitialize(dir.Path() + "/");
    EXPECT_EQ(QzSNMPSession->local_engine_boots(), 2u);
    EXPECT_EQ(Read(dir.File("QzSNMP_PP_BootCounter")), kEngineHex + " 2\n");
}

TEST(QzSNMPInitialize, ContinuesAStoredCounter)
{
    TempDir dir;
    dir.Write("QzSNMP_PP_BootCounter", "0102030405 9\n" + kEngineHex + " 41\n");
    QzSNMPInitialize(dir.Path());
    EXPECT_EQ(QzSNMPSession->local_engine_boots(), 42u);
    EXPECT_EQ(Read(dir.File("QzSNMP_PP_BootCounter")), "0102030405 9\n" + kEngineHex + " 42\n");
}

TEST(QzSNMPInitialize, WithoutADirectoryUsesTheCurrentOne)
{
    TempDir dir;
    char old[4096];
    ASSERT_NE(getcwd(old, sizeof old), nullptr);
    ASSERT_EQ(chdir(dir.Path().c_str()), 0);
    QzSNMPInitialize("");
    EXPECT_EQ(Read(dir.File("QzSNMP_PP_BootCounter")), kEngineHex + " 1\n");
    ASSERT_EQ(chdir(old), 0);
}

TEST(QzSNMPInitialize, ACorruptCounterStopsTheStart)
{
    TempDir dir;
    dir.Write("QzSNMP_PP_BootCounter", "garbage here\n");
    _SnmpEventProcessor.Stop();
    QzSNMPTimeout = -1;
    ExpectRaise(dir.Path(), -507, "(QzSNMP++) Error when loading SNMP engine boots counter!");
    EXPECT_EQ(Read(dir.File("QzSNMP_PP_BootCounter")), "garbage here\n");  // left alone
    EXPECT_EQ(QzSNMPTimeout, -1);                                          // defaults not set
    EXPECT_FALSE(_SnmpEventProcessor.Running());                           // pump not started
    EXPECT_NE(QzSNMPSession, nullptr);
}

TEST(QzSNMPInitialize, AnUnwritableCounterStopsTheStart)
{
    TempDir dir;
    dir.Write("plainfile", "x");
    _SnmpEventProcessor.Stop();
    ExpectRaise(dir.File("plainfile"), -508, "(QzSNMP++) Error when saving SNMP engine boots counter!");
    EXPECT_FALSE(_SnmpEventProcessor.Running());
}

namespace {

struct Reply {
    int calls = 0;
    int reason = 0;
    bool throwIt = false;
    bool nested = false;  // set while the callback is inside
    bool reentered = false;
    Pdu* follow = nullptr;
    CTarget* target = nullptr;
};

void OnReply(int reason, Snmp*, Pdu&, SnmpTarget&, void* data);

void OnNested(int reason, Snmp*, Pdu&, SnmpTarget&, void* data)
{
    Reply* r = static_cast<Reply*>(data);
    if (r->nested) r->reentered = true;
    ++r->calls;
    r->reason = reason;
}

void OnReply(int reason, Snmp*, Pdu&, SnmpTarget&, void* data)
{
    Reply* r = static_cast<Reply*>(data);
    ++r->calls;
    r->reason = reason;
    if (r->throwIt) {
        r->throwIt = false;
        throw Exception("callback failed", -1);
    }
    if (r->follow) {
        // Send another request and process window messages for a while, as a closing form does.
        r->nested = true;
        QzSNMPSession->get(*r->follow, *r->target, OnNested, r);
        r->follow = nullptr;
        WaitFor([] { return false; }, 150);
        r->nested = false;
    }
}

class PumpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(agent_.Start()) << agent_.Error();
        QzSNMPInitialize(dir_.Path());
        target_ = CTarget(UdpAddress(agent_.Address()), "public", "private");
        target_.set_version(version2c);
    }
    Pdu Get() const
    {
        Pdu pdu;
        pdu += Vb(Oid("1.3.6.1.2.1.1.5.0"));
        return pdu;
    }

    TempDir dir_;
    SnmpdProcess agent_{dir_.Path()};
    CTarget target_;
};

}  // namespace

TEST_F(PumpTest, TheTimerDeliversReplies)
{
    QzSNMPSession->set_readable_handler(nullptr);  // the timer alone
    Reply r;
    Pdu pdu = Get();
    ASSERT_EQ(QzSNMPSession->get(pdu, target_, OnReply, &r), SNMP_CLASS_SUCCESS);
    EXPECT_TRUE(WaitFor([&] { return r.calls > 0; }));
    EXPECT_EQ(r.reason, SNMP_CLASS_ASYNC_RESPONSE);
}

TEST_F(PumpTest, AReadableSocketDeliversReplies)
{
    _SnmpEventProcessor.Stop();  // readiness alone
    Reply r;
    Pdu pdu = Get();
    ASSERT_EQ(QzSNMPSession->get(pdu, target_, OnReply, &r), SNMP_CLASS_SUCCESS);
    EXPECT_TRUE(WaitFor([&] { return r.calls > 0; }));
    _SnmpEventProcessor.Start();
}

TEST_F(PumpTest, AThrowingCallbackIsShownAndThePumpGoesOn)
{
    MessageBoxRecorder boxes;
    Reply r;
    r.throwIt = true;
    Pdu pdu = Get();
    ASSERT_EQ(QzSNMPSession->get(pdu, target_, OnReply, &r), SNMP_CLASS_SUCCESS);
    ASSERT_TRUE(WaitFor([&] { return r.calls > 0; }));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "callback failed.");  // shown as the application shows exceptions
    EXPECT_TRUE(_SnmpEventProcessor.Running());
    Pdu again = Get();
    ASSERT_EQ(QzSNMPSession->get(again, target_, OnReply, &r), SNMP_CLASS_SUCCESS);
    EXPECT_TRUE(WaitFor([&] { return r.calls > 1; }));
}

TEST_F(PumpTest, ThePumpNeverReentersItself)
{
    Reply r;
    Pdu follow = Get();
    r.follow = &follow;
    r.target = &target_;
    Pdu pdu = Get();
    ASSERT_EQ(QzSNMPSession->get(pdu, target_, OnReply, &r), SNMP_CLASS_SUCCESS);
    ASSERT_TRUE(WaitFor([&] { return r.calls >= 2; }));
    EXPECT_FALSE(r.reentered);  // the second reply waited until the first callback returned
    EXPECT_EQ(r.reason, SNMP_CLASS_ASYNC_RESPONSE);
}

// What the agent and the network answer, as the layer's codes and texts.
TEST_F(PumpTest, FailuresReadAsTheLayersCodesAndTexts)
{
    const int MD5 = SNMP_AUTHPROTOCOL_HMACMD5, DES = SNMP_PRIVPROTOCOL_DES, NOPRIV = SNMP_PRIVPROTOCOL_NONE;
    struct Case {
        const char* name;
        snmp_version version;
        const char* community;  // or the SNMPv3 user:
        const char* user;
        const char* authPass;
        int priv;
        const char* privPass;
        int level;
        bool set;
        const char* oid;
        int code;
        const char* text;
    } cases[] = {
        {"success", version2c, "public", nullptr, "", NOPRIV, "", 1, false, "1.3.6.1.2.1.1.5.0", 0, "(QzSNMP++) Ok!"},
        {"no such name", version1, "public", nullptr, "", NOPRIV, "", 1, false, "1.3.6.1.2.1.1.99.0", -102,
         "(SNMP) Variable does not exist!"},
        {"not writable", version2c, "private", nullptr, "", NOPRIV, "", 1, true, "1.3.6.1.2.1.1.1.0", -117,
         "(SNMP) Cannot create/set variable, Not Writable!"},
        {"wrong community", version2c, "wrong", nullptr, "", NOPRIV, "", 1, false, "1.3.6.1.2.1.1.5.0", -405,
         "(SNMPClass) SNMP request timed out!"},
        {"v3 success", version3, nullptr, "md5user", "md5password", NOPRIV, "", 2, false, "1.3.6.1.2.1.1.5.0", 0,
         "(QzSNMP++) Ok!"},
        {"unknown user", version3, nullptr, "nobody", "md5password", NOPRIV, "", 2, false, "1.3.6.1.2.1.1.5.0",
         -304, "(SNMPv3USM) Unknown SecurityName!"},
        {"wrong authentication password", version3, nullptr, "md5user", "wrong-password", NOPRIV, "", 2, false,
         "1.3.6.1.2.1.1.5.0", -308, "(SNMPv3USM) Authentication failure!"},
        {"level beyond the agent's user", version3, nullptr, "md5user", "md5password", DES, "priv-password", 3, false,
         "1.3.6.1.2.1.1.5.0", -303, "(SNMPv3USM) Unsupported SecurityLevel!"},
        {"wrong privacy password", version3, nullptr, "md5des", "md5password", DES, "wrong-password", 3, false,
         "1.3.6.1.2.1.1.5.0", -405, "(SNMPClass) SNMP request timed out!"},
    };
    for (const Case& c : cases) {
        Pdu pdu;
        Vb vb{Oid(c.oid)};
        vb.set_value(OctetStr("x"));
        pdu += vb;
        pdu.set_security_level(c.level);
        std::unique_ptr<SnmpTarget> t;
        if (c.user) {
            usmAddUserName(c.user, MD5, c.priv, c.authPass, c.privPass);
            auto u = std::make_unique<UTarget>(UdpAddress(agent_.Address()));
            u->set_security_name(c.user);
            t = std::move(u);
        } else {
            t = std::make_unique<CTarget>(UdpAddress(agent_.Address()), c.community, c.community);
            t->set_version(c.version);
        }
        t->set_timeout(30);
        t->set_retry(0);
        int status = c.set ? QzSNMPSession->set(pdu, *t) : QzSNMPSession->get(pdu, *t);
        AnsiString text;
        EXPECT_EQ(QzSNMPGetErrorText(status, text), c.code) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
    }
}
