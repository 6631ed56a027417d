// The SimAgent test-support class itself.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>

#include "tests/tools/agent/snmptools.h"

TEST(SimAgent, AgentsRunSideBySideAndStopWithTheirObject)
{
    auto a = std::make_unique<SimAgent>();
    SimAgentOptions o;
    o.lines = {"1.3.6.1.2.1.1.5.0 string second"};
    o.args = {"--community", "monitor"};
    SimAgent b(o);
    EXPECT_NE(a->Port(), b.Port());
    EXPECT_EQ(a->Target(), "127.0.0.1:" + std::to_string(a->Port()));

    auto va = Parse(Snmp(*a, "snmpget", V2c(), {"1.3.6.1.2.1.1.5.0"}).out);
    auto vb = Parse(Snmp(b, "snmpget", V2c("monitor"), {"1.3.6.1.2.1.1.5.0"}).out);
    ASSERT_EQ(va.size(), 1u);
    ASSERT_EQ(vb.size(), 1u);
    EXPECT_EQ(va[0].value, "VRX-6120");
    EXPECT_EQ(vb[0].value, "second");  // its extra line replaced the file's value
    // Only the communities given: "public" is unknown to b.
    EXPECT_NE(Snmp(b, "snmpget", V2c(), {"1.3.6.1.2.1.1.5.0"}, "0.3").exitCode, 0);

    // Gone with its object: its port is free again.
    int port = a->Port();
    a.reset();
    int s = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    EXPECT_EQ(bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    close(s);
}

TEST(SimAgent, ParsesTheLogAndWaitsForRequests)
{
    SimAgent agent;
    EXPECT_TRUE(agent.Requests().empty());
    EXPECT_FALSE(agent.WaitForRequests(1, 50));
    Snmp(agent, "snmpset", V2c("private"),
         {"1.3.6.1.2.1.1.5.0", "s", "core | 1", "1.3.6.1.4.1.171.11.70.2.2.1.2.4.0", "i", "2"});
    ASSERT_TRUE(agent.WaitForRequests(1));
    SimRequest r = agent.Requests()[0];
    EXPECT_EQ(r.kind, "SET");
    EXPECT_EQ(r.version, "v2c");
    EXPECT_EQ(r.name, "private");
    EXPECT_EQ(r.level, "-");
    EXPECT_EQ(r.status, "noError");
    EXPECT_EQ(r.errorIndex, 0);
    ASSERT_EQ(r.varbinds.size(), 2u);
    EXPECT_EQ(r.varbinds[0].oid, "1.3.6.1.2.1.1.5.0");
    EXPECT_EQ(r.varbinds[0].type, "string");
    EXPECT_EQ(r.varbinds[0].value, "core | 1");
    EXPECT_EQ(r.varbinds[1].type, "integer");
    EXPECT_EQ(r.varbinds[1].value, "2");
}

TEST(SimAgent, ControlAppliesLinesInOrderAndReportsRefusals)
{
    SimAgent agent;
    agent.Control({"1.3.6.1.2.1.1.6.0 rw string first", "1.3.6.1.2.1.1.6.0 rw string second"});
    agent.Control("1.3.6.1.2.1.1.4.0 rw string third");
    auto vbs = Parse(Snmp(agent, "snmpget", V2c(), {"1.3.6.1.2.1.1.6.0", "1.3.6.1.2.1.1.4.0"}).out);
    ASSERT_EQ(vbs.size(), 2u);
    EXPECT_EQ(vbs[0].value, "second");
    EXPECT_EQ(vbs[1].value, "third");
    EXPECT_THROW(agent.Control("user late SHA latepass123"), std::runtime_error);
    EXPECT_NO_THROW(agent.Control("fault clear"));
    EXPECT_TRUE(agent.Requests().size() == 1u);  // acknowledgements are not requests
}
