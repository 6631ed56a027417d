// Reads from the simulated VRX-6120 agent with net-snmp's own tools: every version and
// security level, SMI order across tables and past the end, and the exceptions.
#include <gtest/gtest.h>

#include "tests/tools/agent/snmptools.h"

namespace {

const char kSysDescr[] = "1.3.6.1.2.1.1.1.0";
const char kSysObjectId[] = "1.3.6.1.2.1.1.2.0";
const char kSysName[] = "1.3.6.1.2.1.1.5.0";
const char kIfTable[] = "1.3.6.1.2.1.2.2.1";
const char kLedStatus[] = "1.3.6.1.4.1.171.11.70.2.2.1.1.6.0";

// Numeric OID order.
bool Before(const std::string& a, const std::string& b)
{
    std::vector<unsigned long> x, y;
    for (auto* v : {&x, &y}) {
        const std::string& s = v == &x ? a : b;
        size_t i = 0;
        while (i < s.size()) {
            v->push_back(std::stoul(s.substr(i)));
            i = s.find('.', i);
            if (i == std::string::npos) break;
            ++i;
        }
    }
    return x < y;
}

SimAgentOptions WithUsers()
{
    SimAgentOptions o;
    o.lines = {"user secure rw SHA authpass123 DES privpass123", "user signer ro MD5 md5pass456",
               "user open rw none"};
    return o;
}

}  // namespace

TEST(AgentRead, EveryVersionAndSecurityLevelReadsTheSystemGroup)
{
    SimAgent agent(WithUsers());
    struct Case {
        const char* name;
        std::vector<std::string> security;
    } cases[] = {
        {"v1", V1()},
        {"v2c", V2c()},
        {"v2c write community", V2c("private")},
        {"v3 noAuthNoPriv", V3("open", "noAuthNoPriv")},
        {"v3 MD5", V3("signer", "authNoPriv", "MD5", "md5pass456")},
        {"v3 SHA and DES", V3("secure", "authPriv", "SHA", "authpass123", "DES", "privpass123")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolResult r = Snmp(agent, "snmpget", c.security, {kSysDescr, kSysObjectId});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        auto vbs = Parse(r.out);
        ASSERT_EQ(vbs.size(), 2u);
        EXPECT_EQ(vbs[0].type, "STRING");
        EXPECT_EQ(vbs[0].value, "VRX-6120 Stackable Managed Gigabit Ethernet Switch");
        EXPECT_EQ(vbs[1].type, "OID");
        EXPECT_EQ(vbs[1].value, ".1.3.6.1.4.1.171.10.70.2");
    }
    ASSERT_TRUE(agent.WaitForRequests(6));
    auto log = agent.Requests();
    EXPECT_EQ(log[0].version, "v1");
    EXPECT_EQ(log[1].name, "public");
    EXPECT_EQ(log[5].version, "v3");
    EXPECT_EQ(log[5].name, "secure");
    EXPECT_EQ(log[5].level, "authPriv");
    EXPECT_EQ(log[4].level, "authNoPriv");
}

TEST(AgentRead, RefusesUnknownCredentialsAndTooLowSecurity)
{
    SimAgent agent(WithUsers());
    // A wrong community gets no answer at all, as from a switch.
    ToolResult r = Snmp(agent, "snmpget", V2c("guess"), {kSysName}, "0.5");
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("Timeout"), std::string::npos) << r.err;
    r = Snmp(agent, "snmpget", V1("guess"), {kSysName}, "0.5");
    EXPECT_NE(r.err.find("Timeout"), std::string::npos) << r.err;
    // A user below its security level is refused; a wrong password fails authentication.
    r = Snmp(agent, "snmpget", V3("secure", "authNoPriv", "SHA", "authpass123"), {kSysName});
    EXPECT_NE(r.err.find("authorizationError"), std::string::npos) << r.err;
    r = Snmp(agent, "snmpget", V3("signer", "authNoPriv", "MD5", "wrongpass99"), {kSysName});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("Authentication failure"), std::string::npos) << r.err;
    r = Snmp(agent, "snmpget", V3("stranger", "noAuthNoPriv"), {kSysName});
    EXPECT_NE(r.err.find("Unknown user name"), std::string::npos) << r.err;

    ASSERT_TRUE(agent.WaitForRequests(3));
    auto log = agent.Requests();
    EXPECT_EQ(log[0].status, "unanswered");
    EXPECT_EQ(log[1].status, "unanswered");
    EXPECT_EQ(log[2].status, "authorizationError");
}

TEST(AgentRead, WalkOfTheInterfaceTableFollowsSmiOrder)
{
    SimAgent agent;
    ToolResult r = Snmp(agent, "snmpwalk", V2c(), {kIfTable});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    auto vbs = Parse(r.out);
    ASSERT_EQ(vbs.size(), 27u * 22u);
    for (size_t i = 1; i < vbs.size(); ++i)
        ASSERT_TRUE(Before(vbs[i - 1].oid, vbs[i].oid)) << vbs[i - 1].oid << " " << vbs[i].oid;
    // Column by column, ports 1 to 27 in numeric (not text) order.
    EXPECT_EQ(vbs[0].oid, "1.3.6.1.2.1.2.2.1.1.1");
    EXPECT_EQ(vbs[9].oid, "1.3.6.1.2.1.2.2.1.1.10");
    EXPECT_EQ(vbs[27 + 20].value, "Port 21 on Unit 1");
    EXPECT_EQ(vbs.back().oid, "1.3.6.1.2.1.2.2.1.22.27");

    // The same walk over v1 with GET-NEXT and over v2c with GET-BULK.
    ToolResult v1 = Snmp(agent, "snmpwalk", V1(), {kIfTable});
    ToolResult bulk = Snmp(agent, "snmpbulkwalk", V2c(), {kIfTable});
    EXPECT_EQ(v1.out, r.out);
    EXPECT_EQ(bulk.out, r.out);
}

TEST(AgentRead, GetNextCrossesTablesAndEndsTheView)
{
    SimAgentOptions o;
    // The last object of all, and one right after the interfaces table, so that the walk past
    // the table does not depend on which objects the data folder serves after it.
    o.lines = {"1.3.6.1.99.9.0 integer 7", "1.3.6.1.2.1.2.3.0 integer 8"};
    SimAgent agent(o);
    struct Case {
        const char* from;
        const char* next;
    } cases[] = {
        {"0", "1.0.8802.1.1.1.1.1.1.0"},                       // before everything
        {"1.0.8802.1.1.1.1.2.4.1.9.27", "1.3.6.1.2.1.1.1.0"},  // from one subtree to the next
        {"1.3.6.1.2.1.1.7.0", "1.3.6.1.2.1.2.1.0"},            // system group to interfaces
        {"1.3.6.1.2.1.2.2.1.22.27", "1.3.6.1.2.1.2.3.0"},          // past the table
        {"1.3.6.1.2.1.2.2.1.9", "1.3.6.1.2.1.2.2.1.9.1"},      // a column, no instance
        {"1.3.6.1.2.1.2.2.1.9.27.5", "1.3.6.1.2.1.2.2.1.10.1"},  // between instances
        {"1.3.6.1.4.1.171.12.12.2.1.1", "1.3.6.1.4.1.171.12.12.2.1.2.1"},  // column not served
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        auto vbs = Parse(Snmp(agent, "snmpgetnext", V2c(), {c.from}).out);
        ASSERT_EQ(vbs.size(), 1u);
        EXPECT_EQ(vbs[0].oid, c.next);
    }

    auto end = Parse(Snmp(agent, "snmpgetnext", V2c(), {"1.3.6.1.99.9.0"}).out);
    ASSERT_EQ(end.size(), 1u);
    EXPECT_EQ(end[0].type, "endOfMibView");
    ToolResult v1 = Snmp(agent, "snmpgetnext", V1(), {kSysName, "1.3.6.1.99.9.0"});
    EXPECT_NE(v1.exitCode, 0);
    EXPECT_NE(v1.err.find("noSuchName"), std::string::npos) << v1.err;
    ASSERT_TRUE(agent.WaitForRequests(9));
    SimRequest v1Next = agent.Requests()[8];
    EXPECT_EQ(v1Next.version, "v1");
    EXPECT_EQ(v1Next.status, "noSuchName");
    EXPECT_EQ(v1Next.errorIndex, 2);
}

TEST(AgentRead, MissingObjectsGiveTheRightException)
{
    SimAgentOptions o;
    o.lines = {"1.3.6.1.2.1.31.1.1.1.6.1 counter64 123456789012"};
    SimAgent agent(o);
    ToolResult r = Snmp(agent, "snmpget", V2c(),
                        {"1.3.6.1.2.1.1.5.1",           // instance of a known scalar
                         "1.3.6.1.2.1.1.99.0",          // unknown object
                         "1.3.6.1.2.1.2.2.1.2.28",      // row that does not exist
                         "1.3.6.1.4.1.171.12.12.2.1.3.2",  // declared column, no such row
                         "1.3.6.1.2.1.1",               // not an instance at all
                         "1.3.6.1.2.1.31.1.1.1.6.1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    auto vbs = Parse(r.out);
    ASSERT_EQ(vbs.size(), 6u);
    EXPECT_EQ(vbs[0].type, "noSuchInstance");
    EXPECT_EQ(vbs[1].type, "noSuchObject");
    EXPECT_EQ(vbs[2].type, "noSuchInstance");
    EXPECT_EQ(vbs[3].type, "noSuchInstance");
    EXPECT_EQ(vbs[4].type, "noSuchObject");
    EXPECT_EQ(vbs[5].type, "Counter64");
    EXPECT_EQ(vbs[5].value, "123456789012");

    // SNMPv1 has neither the exceptions nor Counter64: noSuchName at the first such varbind,
    // and GET-NEXT steps over the Counter64.
    r = Snmp(agent, "snmpget", V1(), {kSysName, "1.3.6.1.2.1.1.99.0"});
    EXPECT_NE(r.err.find("noSuchName"), std::string::npos) << r.err;
    r = Snmp(agent, "snmpget", V1(), {"1.3.6.1.2.1.31.1.1.1.6.1"});
    EXPECT_NE(r.err.find("noSuchName"), std::string::npos) << r.err;
    vbs = Parse(Snmp(agent, "snmpgetnext", V1(), {"1.3.6.1.2.1.31.1.1.1.5.27"}).out);
    ASSERT_EQ(vbs.size(), 1u);
    EXPECT_EQ(vbs[0].oid, "1.3.6.1.2.1.31.1.1.1.14.1");  // past the eight Counter64 columns
    ASSERT_TRUE(agent.WaitForRequests(4));
    EXPECT_EQ(agent.Requests()[1].errorIndex, 2);
}

TEST(AgentRead, FrontPanelObjectsOfTheVrx6120)
{
    SimAgent agent;
    ToolResult r = Snmp(agent, "snmpget", V2c(),
                        {kLedStatus, "1.3.6.1.4.1.171.12.11.1.9.5.1.6.1",
                         "1.3.6.1.4.1.171.11.70.2.2.3.1.1.5.22.1",
                         "1.3.6.1.4.1.171.11.70.2.2.3.1.1.5.22.2",
                         "1.3.6.1.4.1.171.11.70.2.2.1.2.4.0", "1.3.6.1.4.1.171.12.15.1.2.0",
                         "1.0.8802.1.1.1.1.1.1.0", "1.3.6.1.2.1.2.1.0"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    auto vbs = Parse(r.out);
    ASSERT_EQ(vbs.size(), 8u);
    // Power lime, console and RPS off, ports 1 to 8 lime, port 9 orange and blinking, the
    // rest without link: 3 + 24 pairs.
    std::string led = vbs[0].value;
    EXPECT_EQ(led.size(), 51u * 3 - 1) << led;
    EXPECT_EQ(led.substr(0, 3 * 5 - 1), "03 00 00 00 03");
    EXPECT_EQ(led.substr(3 * 19, 5), "80 01");
    EXPECT_EQ(led.substr(3 * 21, 5), "01 00");
    EXPECT_EQ(vbs[1].value, led);        // the unit table's copy
    EXPECT_EQ(vbs[2].value, "3");        // port 22 copper: link-fail
    EXPECT_EQ(vbs[3].value, "3");        // port 22 fibre: link-fail
    EXPECT_EQ(vbs[4].value, "3");        // RMON enabled
    EXPECT_EQ(vbs[5].value, "1");        // RSTP
    EXPECT_EQ(vbs[6].value, "2");        // 802.1X disabled
    EXPECT_EQ(vbs[7].value, "27");       // ifNumber
}

TEST(AgentRead, CountersWithARateAdvanceWhileTheAgentRuns)
{
    SimAgentOptions o;
    o.movingCounters = true;
    o.lines = {"1.3.6.1.4.1.99999.5.0 counter 4294967000 rate=200",  // wraps after two seconds
               "1.3.6.1.4.1.99999.6.0 counter64 5000000000 rate=7",
               "1.3.6.1.4.1.99999.7.0 counter 42"};
    SimAgent agent(o);
    auto read = [&] {
        auto vbs = Parse(Snmp(agent, "snmpget", V2c(), {"1.3.6.1.4.1.99999.5.0", "1.3.6.1.4.1.99999.6.0",
                                                        "1.3.6.1.4.1.99999.7.0"}).out);
        std::vector<unsigned long long> v;
        for (const auto& vb : vbs) v.push_back(std::stoull(vb.value));
        return v;
    };
    std::vector<unsigned long long> v;
    ASSERT_TRUE(WaitFor([&] { return (v = read()).size() == 3 && v[1] >= 5000000014ull; }));
    unsigned long long seconds = (v[1] - 5000000000ull) / 7;
    EXPECT_EQ((v[1] - 5000000000ull) % 7, 0u);
    EXPECT_EQ(v[0], (4294967000ull + 200 * seconds) % 4294967296ull);  // Counter32 wraps
    EXPECT_EQ(v[2], 42u);                                               // no rate: it stays

    // The default for tests: values stay as the data gives them.
    SimAgent still;
    EXPECT_EQ(Parse(Snmp(still, "snmpget", V2c(), {"1.3.6.1.2.1.2.2.1.10.2"}).out)[0].value, "3686400");
}
