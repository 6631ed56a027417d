// Synchronous get, get-next and set over SNMPv1 and SNMPv2c against snmpd.
#include <chrono>

#include "tests/platform/snmp/agentfixture.h"

TEST_F(AgentTest, GetReadsValuesOverV1AndV2c)
{
    for (snmp_version v : {version1, version2c}) {
        Pdu pdu = Get(kSysDescr);
        pdu += Vb(Oid(kSysUpTime));
        ASSERT_EQ(snmp_->get(pdu, Community(v)), SNMP_CLASS_SUCCESS) << v;
        ASSERT_EQ(pdu.get_vb_count(), 2);
        EXPECT_EQ(pdu[0].get_printable_oid(), kSysDescr);
        EXPECT_EQ(pdu[0].get_syntax(), sNMP_SYNTAX_OCTETS);
        EXPECT_FALSE(pdu[0].get_printable_value().empty());
        EXPECT_EQ(pdu[1].get_syntax(), sNMP_SYNTAX_TIMETICKS);
        TimeTicks t;
        EXPECT_EQ(pdu[1].get_value(t), SNMP_CLASS_SUCCESS);
        EXPECT_EQ(pdu.get_type(), sNMP_PDU_RESPONSE);
        EXPECT_NE(pdu.get_request_id(), 0u);
    }
}

TEST_F(AgentTest, GetNextStepsToTheFollowingObject)
{
    Pdu pdu = Get("1.3.6.1.2.1.1.1");
    ASSERT_EQ(snmp_->get_next(pdu, Community(version2c)), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(pdu[0].get_printable_oid(), kSysDescr);
    ASSERT_EQ(snmp_->get_next(pdu, Community(version1)), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(pdu[0].get_printable_oid(), "1.3.6.1.2.1.1.2.0");
    EXPECT_EQ(pdu[0].get_syntax(), sNMP_SYNTAX_OID);
}

TEST_F(AgentTest, SetWritesWithTheWriteCommunity)
{
    Pdu set;
    Vb vb{Oid(kSysContact)};
    vb.set_value(OctetStr("noc@example.net"));
    set += vb;
    ASSERT_EQ(snmp_->set(set, Community(version2c, "public", "private")), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(set[0].get_printable_value(), "noc@example.net");

    Pdu get = Get(kSysContact);
    ASSERT_EQ(snmp_->get(get, Community(version1)), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(get[0].get_printable_value(), "noc@example.net");

    // The read community travels with gets only: a read-only write community is refused.
    Pdu again = set;
    EXPECT_EQ(snmp_->set(again, Community(version2c, "private", "public")), SNMP_ERROR_NO_ACCESS);
}

TEST_F(AgentTest, AgentErrorsComeBackAsTheirStatus)
{
    struct Case {
        const char* name;
        snmp_version version;
        bool set;
        const char* oid;
        int status;
    } cases[] = {
        {"v1 get of a missing object", version1, false, "1.3.6.1.2.1.1.99.0", SNMP_ERROR_NO_SUCH_NAME},
        {"v1 set of a read-only object", version1, true, kSysDescr, SNMP_ERROR_NO_SUCH_NAME},
        {"v2c set of a read-only object", version2c, true, kSysDescr, SNMP_ERROR_NOT_WRITEABLE},
    };
    for (const Case& c : cases) {
        Pdu pdu;
        Vb vb(Oid(c.oid));
        vb.set_value(OctetStr("x"));
        pdu += vb;
        Pdu sent = pdu;
        int status = c.set ? snmp_->set(pdu, Community(c.version)) : snmp_->get(pdu, Community(c.version));
        EXPECT_EQ(status, c.status) << c.name;
        EXPECT_EQ(pdu.get_error_status(), c.status) << c.name;
        EXPECT_EQ(pdu.get_error_index(), 1) << c.name;
        EXPECT_EQ(pdu[0].get_printable_oid(), c.oid) << c.name;
    }
}

TEST_F(AgentTest, V2cMissingObjectIsAnExceptionValue)
{
    Pdu pdu = Get("1.3.6.1.2.1.1.99.0");
    pdu += Vb(Oid("1.3.6.1.2.1.1.1.99"));
    ASSERT_EQ(snmp_->get(pdu, Community(version2c)), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(pdu[0].get_exception_status(), sNMP_SYNTAX_NOSUCHOBJECT);
    EXPECT_EQ(pdu[1].get_exception_status(), sNMP_SYNTAX_NOSUCHINSTANCE);
    EXPECT_EQ(pdu[0].get_printable_value(), "");

    Pdu end = Get("1.3.6.1.6.3.99");
    ASSERT_EQ(snmp_->get_next(end, Community(version2c)), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(end[0].get_exception_status(), sNMP_SYNTAX_ENDOFMIBVIEW);
}

TEST_F(AgentTest, WrongCommunityTimesOut)
{
    CTarget t = Community(version2c, "wrong", "wrong");
    t.set_timeout(20);
    Pdu pdu = Get(kSysName);
    EXPECT_EQ(snmp_->get(pdu, t), SNMP_CLASS_TIMEOUT);
    EXPECT_EQ(pdu.get_error_status(), SNMP_CLASS_TIMEOUT);
}

TEST_F(AgentTest, HostNamesAreLookedUp)
{
    CTarget t = Community(version2c);
    UdpAddress a("localhost");
    a.set_port(agent_.Port());
    t.set_address(a);
    Pdu pdu = Get(kSysName);
    EXPECT_EQ(snmp_->get(pdu, t), SNMP_CLASS_SUCCESS);
}

TEST_F(AgentTest, KeepsOneSessionPerTargetParameterSet)
{
    for (int i = 0; i < 3; ++i) {
        Pdu pdu = Get(kSysName);
        ASSERT_EQ(snmp_->get(pdu, Community(version2c)), SNMP_CLASS_SUCCESS);
    }
    EXPECT_EQ(snmp_->session_count(), 1);
    Pdu pdu = Get(kSysName);
    ASSERT_EQ(snmp_->get(pdu, Community(version1)), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(snmp_->session_count(), 2);
}

TEST_F(AgentTest, RefusesWhatCannotBeSent)
{
    Pdu bad = Get("1.3.6.1.");
    EXPECT_EQ(snmp_->get(bad, Community(version2c)), SNMP_CLASS_INVALID_OID);
    Pdu pdu = Get(kSysName);
    CTarget nowhere = Community(version2c);
    nowhere.set_address(UdpAddress("no-such-host.invalid"));
    EXPECT_EQ(snmp_->get(pdu, nowhere), SNMP_CLASS_INVALID_ADDRESS);
    CTarget v3community = Community(version3);
    EXPECT_EQ(snmp_->get(pdu, v3community), SNMP_CLASS_INVALID_TARGET);
    CTarget v2 = Community(static_cast<snmp_version>(2));
    EXPECT_EQ(snmp_->get(pdu, v2), SNMP_CLASS_INVALID_TARGET);
    EXPECT_EQ(snmp_->session_count(), 0);
}

// A time-out with retry n means n + 1 sends, each waiting the full time-out.
TEST(Timeout, RetriesSendExactlyOnceMore)
{
    int status = 0;
    Snmp snmp(status);
    for (int retry : {0, 1, 2}) {
        SilentPort port;
        CTarget t(port.Address());
        t.set_version(version2c);
        t.set_timeout(10);
        t.set_retry(retry);
        Pdu pdu;
        pdu += Vb(Oid(kSysName));
        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(snmp.get(pdu, t), SNMP_CLASS_TIMEOUT);
        auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
        EXPECT_EQ(port.Count(), retry + 1) << "retry " << retry;
        EXPECT_GE(ms, 100 * (retry + 1) - 5) << "retry " << retry;
        EXPECT_LT(ms, 100 * (retry + 1) + 5000) << "retry " << retry;  // not a wait for more
    }
}
