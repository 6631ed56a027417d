// The simulated agent's request log, its injected faults and the data changed while it runs.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tests/tools/agent/snmptools.h"

namespace {

const char kSysName[] = "1.3.6.1.2.1.1.5.0";
const char kLedStatus[] = "1.3.6.1.4.1.171.11.70.2.2.1.1.6.0";
const char kFirmware[] = "1.3.6.1.4.1.171.11.70.2.2.1.1.5.0";
const char kFibreLink22[] = "1.3.6.1.4.1.171.11.70.2.2.3.1.1.5.22.2";

std::string ErrorOf(const ToolResult& r)
{
    if (r.err.find("Timeout") != std::string::npos) return "timeout";
    size_t at = r.err.find("Reason: ");
    if (at == std::string::npos) return r.exitCode == 0 ? "noError" : r.err;
    std::string reason = r.err.substr(at + 8, r.err.find('\n', at) - at - 8);
    if (reason[0] == '(') return reason.substr(1, reason.find(')') - 1);
    return reason.substr(0, reason.find(' '));
}

std::string ReadLog(const SimAgent& agent)
{
    std::ifstream in(agent.Dir() + "/agent.log");
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(AgentLog, RecordsEveryRequestWithItsVarbindsAndReply)
{
    SimAgent agent;
    Snmp(agent, "snmpset", V2c("private"),
         {"1.3.6.1.9.1.0", "i", "-5", "1.3.6.1.9.2.0", "u", "7", "1.3.6.1.9.3.0", "t", "100",
          "1.3.6.1.9.4.0", "a", "10.1.2.3", "1.3.6.1.9.5.0", "o", "1.3.6.1.4", "1.3.6.1.9.6.0",
          "x", "00 41 22 5c", "1.3.6.1.9.7.0", "s", "a \"quoted\" text"});
    Snmp(agent, "snmpgetnext", V1(), {kSysName});
    Snmp(agent, "snmpbulkget", V2c(), {"-Cn1", "-Cr2", "1.3.6.1.2.1.1.1", "1.3.6.1.2.1.2.2.1.1"});
    ASSERT_TRUE(agent.WaitForRequests(3));

    // The line as written: kind, version, community, level, reply status and index, varbinds.
    std::string first = ReadLog(agent).substr(0, ReadLog(agent).find('\n'));
    EXPECT_EQ(first.rfind("SET v2c \"private\" - notWritable 1 | 1.3.6.1.9.1.0 integer -5 | ", 0),
              0u)
        << first;
    EXPECT_NE(first.find("| 1.3.6.1.9.6.0 string \"\\x00A\\\"\\\\\" |"), std::string::npos) << first;

    auto log = agent.Requests();
    ASSERT_EQ(log.size(), 3u);
    const auto& set = log[0].varbinds;
    ASSERT_EQ(set.size(), 7u);
    std::vector<std::pair<std::string, std::string>> expected = {
        {"integer", "-5"},          {"gauge", "7"}, {"timeticks", "100"},
        {"ipaddress", "10.1.2.3"},  {"oid", "1.3.6.1.4"},
        {"string", std::string("\0A\"\\", 4)}, {"string", "a \"quoted\" text"}};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(set[i].type, expected[i].first) << i;
        EXPECT_EQ(set[i].value, expected[i].second) << i;
    }
    EXPECT_EQ(log[1].kind, "GETNEXT");
    EXPECT_EQ(log[1].version, "v1");
    EXPECT_EQ(log[1].status, "noError");
    ASSERT_EQ(log[1].varbinds.size(), 1u);
    EXPECT_EQ(log[1].varbinds[0].type, "null");
    EXPECT_EQ(log[2].kind, "GETBULK");
    ASSERT_EQ(log[2].varbinds.size(), 2u);
    EXPECT_EQ(log[2].varbinds[1].oid, "1.3.6.1.2.1.2.2.1.1");
}

TEST(AgentFaults, ErrorStatusForAnObjectOrSubtree)
{
    SimAgentOptions o;
    o.args = {"--fault", std::string("error ") + kLedStatus + " genErr"};
    SimAgent agent(o);
    ToolResult r = Snmp(agent, "snmpget", V2c(), {kSysName, kLedStatus});
    EXPECT_EQ(ErrorOf(r), "genError");
    EXPECT_NE(r.err.find("Failed object: .1.3.6.1.4.1.171.11.70.2.2.1.1.6.0"), std::string::npos);
    EXPECT_EQ(ErrorOf(Snmp(agent, "snmpgetnext", V2c(), {kFirmware})), "genError");
    EXPECT_EQ(ErrorOf(Snmp(agent, "snmpget", V2c(), {kSysName})), "noError");
    ASSERT_TRUE(agent.WaitForRequests(3));
    EXPECT_EQ(agent.Requests()[0].status, "genErr");
    EXPECT_EQ(agent.Requests()[0].errorIndex, 2);

    // A fault on writes only, over a whole subtree; reads go on.
    agent.Control("fault error 1.3.6.1.2.1.1 resourceUnavailable set");
    EXPECT_EQ(ErrorOf(Snmp(agent, "snmpset", V2c("private"), {kSysName, "s", "x"})),
              "resourceUnavailable");
    EXPECT_EQ(ErrorOf(Snmp(agent, "snmpset", V1("private"), {kSysName, "s", "x"})), "genError");
    EXPECT_EQ(ErrorOf(Snmp(agent, "snmpget", V2c(), {kSysName})), "noError");
    agent.Control({"fault error 1.3.6.1.2.1.1 noError", std::string("fault error ") + kLedStatus +
                                                            " noError"});
    EXPECT_EQ(ErrorOf(Snmp(agent, "snmpset", V2c("private"), {kSysName, "s", "x"})), "noError");
    EXPECT_EQ(ErrorOf(Snmp(agent, "snmpget", V2c(), {kLedStatus})), "noError");
}

TEST(AgentFaults, DelayedReplies)
{
    SimAgent agent;
    agent.Control("fault delay 800");
    EXPECT_EQ(ErrorOf(Snmp(agent, "snmpget", V2c(), {kSysName}, "0.2")), "timeout");
    EXPECT_EQ(ErrorOf(Snmp(agent, "snmpget", V2c(), {kSysName}, "20")), "noError");
    agent.Control("fault delay 0");
    EXPECT_EQ(ErrorOf(Snmp(agent, "snmpget", V2c(), {kSysName})), "noError");
    // The late reply went out all the same.
    ASSERT_TRUE(agent.WaitForRequests(3));
    EXPECT_EQ(agent.Requests()[0].status, "noError");
}

TEST(AgentFaults, DroppedRequests)
{
    SimAgentOptions o;
    o.args = {"--fault", "drop 1"};
    SimAgent agent(o);
    EXPECT_EQ(ErrorOf(Snmp(agent, "snmpget", V2c(), {kSysName}, "0.3")), "timeout");
    EXPECT_EQ(ErrorOf(Snmp(agent, "snmpget", V2c(), {kSysName})), "noError");

    // The switch falls silent, without being killed, and comes back.
    agent.Control("fault drop all");
    EXPECT_EQ(ErrorOf(Snmp(agent, "snmpset", V2c("private"), {kSysName, "s", "lost"}, "0.3")),
              "timeout");
    EXPECT_EQ(ErrorOf(Snmp(agent, "snmpget", V1(), {kSysName}, "0.3")), "timeout");
    agent.Control("fault drop off");
    auto vbs = Parse(Snmp(agent, "snmpget", V2c(), {kSysName}).out);
    ASSERT_EQ(vbs.size(), 1u);
    EXPECT_EQ(vbs[0].value, "VRX-6120");  // a dropped SET changes nothing

    agent.Sync();  // the last reply came before its log line
    auto log = agent.Requests();
    ASSERT_EQ(log.size(), 5u);
    std::vector<std::string> statuses;
    for (const auto& r : log) statuses.push_back(r.status);
    EXPECT_EQ(statuses, (std::vector<std::string>{"dropped", "noError", "dropped", "dropped",
                                                  "noError"}));
}

TEST(AgentFaults, ValueShorterThanTheOthers)
{
    SimAgent agent;
    agent.Control(std::string("fault short ") + kLedStatus + " 10");
    auto vbs = Parse(Snmp(agent, "snmpget", V2c(),
                          {kLedStatus, "1.3.6.1.4.1.171.12.11.1.9.5.1.6.1"}).out);
    ASSERT_EQ(vbs.size(), 2u);
    EXPECT_EQ(vbs[0].value, "03 00 00 00 03 00 03 00 03 00");
    EXPECT_EQ(vbs[1].value.size(), 51u * 3 - 1);
    agent.Control("fault clear");
    vbs = Parse(Snmp(agent, "snmpget", V2c(), {kLedStatus}).out);
    ASSERT_EQ(vbs.size(), 1u);
    EXPECT_EQ(vbs[0].value.size(), 51u * 3 - 1);
}

TEST(AgentFaults, RepeatAnswersEveryGetNextWithTheFirstObject)
{
    SimAgent agent({"", {"1.3.6.1.4.1.99.1.1 integer 1", "1.3.6.1.4.1.99.1.2 integer 2",
                         "1.3.6.1.4.1.99.2.1 integer 3"}});
    agent.Control("fault repeat 1.3.6.1.4.1.99.1");
    for (const char* asked : {"1.3.6.1.4.1.99.1", "1.3.6.1.4.1.99.1.1", "1.3.6.1.4.1.99.1.2"}) {
        auto vbs = Parse(Snmp(agent, "snmpgetnext", V2c(), {asked}).out);
        ASSERT_EQ(vbs.size(), 1u) << asked;
        EXPECT_EQ(vbs[0].oid, "1.3.6.1.4.1.99.1.1") << asked;
    }
    // Outside the subtree the agent walks on as before.
    auto vbs = Parse(Snmp(agent, "snmpgetnext", V2c(), {"1.3.6.1.4.1.99.2"}).out);
    ASSERT_EQ(vbs.size(), 1u);
    EXPECT_EQ(vbs[0].oid, "1.3.6.1.4.1.99.2.1");
}

TEST(AgentControl, ChangesDataWhileRunning)
{
    SimAgent agent;
    agent.Control({std::string(kFibreLink22) + " integer 2",  // fibre of port 22 links up
                   std::string(kLedStatus) + " hex 03 00 00 80 03",
                   "1.2.840.10006.1.0 rw string new-subtree"});
    auto vbs = Parse(Snmp(agent, "snmpget", V2c(), {kFibreLink22, kLedStatus,
                                                    "1.2.840.10006.1.0"}).out);
    ASSERT_EQ(vbs.size(), 3u);
    EXPECT_EQ(vbs[0].value, "2");
    EXPECT_EQ(vbs[1].value, "03 00 00 80 03");
    EXPECT_EQ(vbs[2].value, "new-subtree");

    agent.Control(std::string("unset ") + kFibreLink22);
    vbs = Parse(Snmp(agent, "snmpget", V2c(), {kFibreLink22}).out);
    ASSERT_EQ(vbs.size(), 1u);
    EXPECT_EQ(vbs[0].type, "noSuchInstance");

    try {
        agent.Control({"1.3.6.1.2.1.1.5.0 integer twelve", "1.3.6.1.2.1.1.6.0 string applied"});
        ADD_FAILURE() << "a bad control line was taken";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("not a 32-bit integer"), std::string::npos)
            << e.what();
    }
    vbs = Parse(Snmp(agent, "snmpget", V2c(), {kSysName, "1.3.6.1.2.1.1.6.0"}).out);
    ASSERT_EQ(vbs.size(), 2u);
    EXPECT_EQ(vbs[0].value, "VRX-6120");
    EXPECT_EQ(vbs[1].value, "applied");
}
