// SET on the simulated agent with snmpset: type, length and access checks, all-or-nothing
// PDUs, and rows made and removed by each kind of status column.
#include <gtest/gtest.h>

#include "tests/tools/agent/snmptools.h"

namespace {

const char kSysDescr[] = "1.3.6.1.2.1.1.1.0";
const char kSysName[] = "1.3.6.1.2.1.1.5.0";
const char kSysLocation[] = "1.3.6.1.2.1.1.6.0";
const char kRmonState[] = "1.3.6.1.4.1.171.11.70.2.2.1.2.4.0";
const std::string kLog = "1.3.6.1.4.1.171.12.12.2.1";  // System Log Server Table entry

std::string LogCol(int column, int row)
{
    return kLog + "." + std::to_string(column) + "." + std::to_string(row);
}

// Small tables of the other two kinds of status column.
const std::string kValid = "1.3.6.1.4.1.99999.1.1";   // valid 3 / invalid 2 in column 3
const std::string kAction = "1.3.6.1.4.1.99999.2.1";  // add 1 / delete 2 in column 4
const std::string kBlocked = "1.3.6.1.4.1.99999.3.1"; // type column 4: only delete 2
const std::string kMixed = "1.3.6.1.4.1.99999.4.1";   // states and actions in column 7
const std::string kRoute = "1.3.6.1.4.1.99999.5.1";   // index destination.mask, RowStatus 4

SimAgentOptions TestTables()
{
    SimAgentOptions o;
    o.lines = {
        "user secure rw SHA authpass123 DES privpass123",
        "user reader ro SHA authpass123",
        "table " + kValid + " status 3 create=3 delete=2",
        "column " + kValid + ".2 rw ipaddress",
        kValid + ".2.1 ipaddress 10.0.0.1",
        kValid + ".3.1 integer 3",
        "table " + kAction + " status 4 create=1 delete=2",
        "column " + kAction + ".2 ro integer default index.1",
        "column " + kAction + ".3 rw integer default 49 range=1..65535",
        "table " + kBlocked + " status 4 delete=2",
        "column " + kBlocked + ".2 ro string",
        "column " + kBlocked + ".4 rw integer range=1,2",
        kBlocked + ".2.5 string blocked",
        kBlocked + ".4.5 integer 1",
        // createAndGo 4 makes an active row (1), createAndWait 5 one not in service (2),
        // destroy 6 removes it; 1 and 2 are the states of an existing row.
        "table " + kMixed + " status 7 create=4:1,5:2 delete=6 index=1..32",
        "column " + kMixed + ".1 ro integer default index",
        "column " + kMixed + ".2 rw string default \"\"",
        "table " + kRoute + " rowstatus 4",
        "column " + kRoute + ".1 ro ipaddress default index.1",
        "column " + kRoute + ".2 ro ipaddress default index.5",
        "column " + kRoute + ".3 rw ipaddress",
    };
    return o;
}

// Runs snmpset; returns the error-status name ("noError" on success).
std::string Set(const SimAgent& agent, const std::vector<std::string>& args,
                const std::vector<std::string>& security = V2c("private"))
{
    ToolResult r = Snmp(agent, "snmpset", security, args);
    if (r.exitCode == 0) return "noError";
    size_t at = r.err.find("Reason: ");
    if (at == std::string::npos) return "failed: " + r.err;
    std::string reason = r.err.substr(at + 8, r.err.find('\n', at) - at - 8);
    if (reason[0] == '(') return reason.substr(1, reason.find(')') - 1);  // the v1 form
    return reason.substr(0, reason.find(' '));
}

std::string Get(const SimAgent& agent, const std::string& oid)
{
    auto vbs = Parse(Snmp(agent, "snmpget", V2c(), {oid}).out);
    if (vbs.size() != 1) return "?";
    return vbs[0].value.empty() && vbs[0].type.rfind("no", 0) == 0 ? vbs[0].type : vbs[0].value;
}

}  // namespace

TEST(AgentSet, WritesOverEveryVersionAndLogsThePdu)
{
    SimAgent agent(TestTables());
    EXPECT_EQ(Set(agent, {kSysName, "s", "by-v2c"}), "noError");
    EXPECT_EQ(Get(agent, kSysName), "by-v2c");
    EXPECT_EQ(Set(agent, {kSysName, "s", "by-v1"}, V1("private")), "noError");
    EXPECT_EQ(Get(agent, kSysName), "by-v1");
    EXPECT_EQ(Set(agent, {kSysName, "s", "by-v3"},
                  V3("secure", "authPriv", "SHA", "authpass123", "DES", "privpass123")),
              "noError");
    EXPECT_EQ(Get(agent, kSysName), "by-v3");

    ASSERT_TRUE(agent.WaitForRequests(6));  // the agent logs each request after its reply
    auto log = agent.Requests();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[0].kind, "SET");
    EXPECT_EQ(log[0].name, "private");
    EXPECT_EQ(log[0].status, "noError");
    ASSERT_EQ(log[0].varbinds.size(), 1u);
    EXPECT_EQ(log[0].varbinds[0].oid, kSysName);
    EXPECT_EQ(log[0].varbinds[0].type, "string");
    EXPECT_EQ(log[0].varbinds[0].value, "by-v2c");
    EXPECT_EQ(log[2].version, "v1");
    EXPECT_EQ(log[4].version, "v3");
    EXPECT_EQ(log[4].name, "secure");
}

TEST(AgentSet, RefusesWithTheErrorOfEachObject)
{
    SimAgent agent(TestTables());
    std::string tooLong(256, 'x');
    struct Case {
        const char* what;
        std::vector<std::string> args;
        std::vector<std::string> security;
        const char* v2;
        const char* v1;
    } cases[] = {
        {"read-only object", {kSysDescr, "s", "x"}, {}, "notWritable", "noSuchName"},
        {"wrong type", {kSysName, "i", "5"}, {}, "wrongType", "badValue"},
        {"too long", {kSysName, "s", tooLong}, {}, "wrongLength", "badValue"},
        {"value out of range", {kRmonState, "i", "5"}, {}, "wrongValue", "badValue"},
        {"another instance of a scalar", {"1.3.6.1.2.1.1.5.1", "s", "x"}, {}, "noCreation",
         "noSuchName"},
        {"unknown object", {"1.3.6.1.2.1.1.99.0", "s", "x"}, {}, "notWritable", "noSuchName"},
        {"column of a missing row", {LogCol(3, 2), "i", "1"}, {}, "noCreation", "noSuchName"},
        {"string for an IP address", {LogCol(2, 1), "s", "10.0.0.1"}, {}, "wrongType",
         "badValue"},
        {"read community", {kSysName, "s", "x"}, {"public"}, "noAccess", "noSuchName"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string community = c.security.empty() ? "private" : c.security[0];
        EXPECT_EQ(Set(agent, c.args, V2c(community)), c.v2);
        EXPECT_EQ(Set(agent, c.args, V1(community)), c.v1);
    }
    EXPECT_EQ(Set(agent, {kSysName, "s", "x"}, V3("reader", "authNoPriv", "SHA", "authpass123")),
              "noAccess");
    EXPECT_EQ(Get(agent, kSysName), "VRX-6120");
    EXPECT_EQ(Get(agent, kRmonState), "3");

    SimRequest v1ReadCommunity = agent.Requests()[2 * 9 - 1];
    EXPECT_EQ(v1ReadCommunity.version, "v1");
    EXPECT_EQ(v1ReadCommunity.status, "noSuchName");
    EXPECT_EQ(v1ReadCommunity.errorIndex, 1);
}

TEST(AgentSet, APduIsAppliedWholeOrNotAtAll)
{
    SimAgent agent(TestTables());
    // The second varbind fails: neither the name nor the new row is applied.
    ToolResult r = Snmp(agent, "snmpset", V2c("private"),
                        {kSysName, "s", "changed", kSysLocation, "i", "5", LogCol(7, 2), "i", "4",
                         LogCol(2, 2), "a", "10.0.0.2"});
    EXPECT_NE(r.err.find("wrongType"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Failed object: .1.3.6.1.2.1.1.6.0"), std::string::npos) << r.err;
    EXPECT_EQ(Get(agent, kSysName), "VRX-6120");
    EXPECT_EQ(Get(agent, LogCol(7, 2)), "noSuchInstance");
    SimRequest failed = agent.Requests()[0];
    EXPECT_EQ(failed.status, "wrongType");
    EXPECT_EQ(failed.errorIndex, 2);
    ASSERT_EQ(failed.varbinds.size(), 4u);
    EXPECT_EQ(failed.varbinds[1].type, "integer");
    EXPECT_EQ(failed.varbinds[3].type, "ipaddress");
    EXPECT_EQ(failed.varbinds[3].value, "10.0.0.2");

    // A row that cannot be made fails the scalar beside it too.
    EXPECT_EQ(Set(agent, {kSysName, "s", "changed", LogCol(7, 2), "i", "4"}),
              "inconsistentValue");
    EXPECT_EQ(Get(agent, kSysName), "VRX-6120");

    // All good: everything at once.
    EXPECT_EQ(Set(agent, {kSysName, "s", "changed", kSysLocation, "s", "rack 4", LogCol(7, 2), "i",
                          "4", LogCol(2, 2), "a", "10.0.0.2"}),
              "noError");
    EXPECT_EQ(Get(agent, kSysName), "changed");
    EXPECT_EQ(Get(agent, kSysLocation), "rack 4");
    EXPECT_EQ(Get(agent, LogCol(7, 2)), "1");
}

TEST(AgentSet, RowStatusCreateAndGoAndDestroy)
{
    SimAgent agent(TestTables());
    EXPECT_EQ(Set(agent, {LogCol(7, 2), "i", "4", LogCol(2, 2), "a", "10.1.2.3", LogCol(3, 2), "i",
                          "5"}),
              "noError");
    // The PDU's columns, the defaults of the others, and the row active.
    auto row = Parse(Snmp(agent, "snmpwalk", V2c(), {kLog}).out);
    std::vector<std::string> row2;
    for (const auto& vb : row)
        if (vb.oid.size() > 2 && vb.oid.substr(vb.oid.size() - 2) == ".2") row2.push_back(vb.value);
    EXPECT_EQ(row2, (std::vector<std::string>{"10.1.2.3", "5", "1", "514", "3", "1"}));
    ASSERT_EQ(row.size(), 12u);
    EXPECT_EQ(row[0].oid, LogCol(2, 1));  // SMI order: column by column
    EXPECT_EQ(row[1].oid, LogCol(2, 2));

    EXPECT_EQ(Set(agent, {LogCol(7, 2), "i", "4", LogCol(2, 2), "a", "10.1.2.3"}),
              "inconsistentValue");  // exists already
    EXPECT_EQ(Set(agent, {LogCol(7, 3), "i", "4"}), "inconsistentValue");  // no address
    EXPECT_EQ(Set(agent, {LogCol(7, 5), "i", "4", LogCol(2, 5), "a", "10.1.2.3"}),
              "noCreation");  // servers 1 to 4 only
    EXPECT_EQ(Set(agent, {LogCol(7, 2), "i", "6"}), "noError");
    EXPECT_EQ(Get(agent, LogCol(2, 2)), "noSuchInstance");
    EXPECT_EQ(Get(agent, LogCol(7, 2)), "noSuchInstance");
    EXPECT_EQ(Set(agent, {LogCol(7, 2), "i", "6"}), "noError");  // destroying nothing
    EXPECT_EQ(Parse(Snmp(agent, "snmpwalk", V2c(), {kLog}).out).size(), 6u);
}

TEST(AgentSet, RowStatusCreateAndWaitThenActive)
{
    SimAgent agent(TestTables());
    EXPECT_EQ(Set(agent, {LogCol(7, 3), "i", "5"}), "noError");
    EXPECT_EQ(Get(agent, LogCol(7, 3)), "3");  // notReady: no address yet
    EXPECT_EQ(Get(agent, LogCol(2, 3)), "noSuchInstance");
    EXPECT_EQ(Get(agent, LogCol(5, 3)), "514");
    EXPECT_EQ(Set(agent, {LogCol(7, 3), "i", "1"}), "inconsistentValue");
    EXPECT_EQ(Set(agent, {LogCol(2, 3), "a", "10.9.9.9"}), "noError");
    EXPECT_EQ(Get(agent, LogCol(7, 3)), "2");  // notInService once complete
    EXPECT_EQ(Set(agent, {LogCol(7, 3), "i", "1"}), "noError");
    EXPECT_EQ(Get(agent, LogCol(7, 3)), "1");
    EXPECT_EQ(Set(agent, {LogCol(7, 3), "i", "2"}), "noError");
    EXPECT_EQ(Get(agent, LogCol(7, 3)), "2");

    EXPECT_EQ(Set(agent, {LogCol(7, 4), "i", "1"}), "inconsistentValue");  // no such row
    EXPECT_EQ(Set(agent, {LogCol(7, 3), "i", "3"}), "wrongValue");         // notReady
    EXPECT_EQ(Set(agent, {LogCol(7, 3), "i", "7"}), "wrongValue");
    EXPECT_EQ(Set(agent, {LogCol(7, 3), "i", "5"}), "inconsistentValue");  // exists
    EXPECT_EQ(Set(agent, {LogCol(7, 3), "s", "x"}), "wrongType");
}

TEST(AgentSet, ValidAndInvalidStatusColumn)
{
    SimAgent agent(TestTables());
    const std::string status2 = kValid + ".3.2", addr2 = kValid + ".2.2";
    EXPECT_EQ(Set(agent, {status2, "i", "3"}), "inconsistentValue");  // no address
    EXPECT_EQ(Set(agent, {status2, "i", "3", addr2, "a", "10.0.0.2"}), "noError");
    EXPECT_EQ(Get(agent, addr2), "10.0.0.2");
    EXPECT_EQ(Get(agent, status2), "3");
    EXPECT_EQ(Set(agent, {addr2, "a", "10.0.0.22"}), "noError");
    EXPECT_EQ(Set(agent, {status2, "i", "2"}), "noError");
    EXPECT_EQ(Get(agent, addr2), "noSuchInstance");
    EXPECT_EQ(Set(agent, {status2, "i", "2"}), "noError");  // already gone
    EXPECT_EQ(Set(agent, {status2, "i", "5", addr2, "a", "10.0.0.2"}), "noCreation");
    EXPECT_EQ(Get(agent, kValid + ".2.1"), "10.0.0.1");
}

TEST(AgentSet, AddAndDeleteActionsAndADeleteType)
{
    SimAgent agent(TestTables());
    const std::string state7 = kAction + ".4.7";
    EXPECT_EQ(Set(agent, {state7, "i", "1"}), "noError");
    EXPECT_EQ(Get(agent, kAction + ".2.7"), "7");   // from the index
    EXPECT_EQ(Get(agent, kAction + ".3.7"), "49");  // the default
    EXPECT_EQ(Set(agent, {kAction + ".3.7", "i", "0"}), "wrongValue");
    EXPECT_EQ(Set(agent, {state7, "i", "2"}), "noError");
    EXPECT_EQ(Get(agent, kAction + ".2.7"), "noSuchInstance");

    // Rows of the blocked table can only be removed, by writing "delete" to their type.
    const std::string type5 = kBlocked + ".4.5", type6 = kBlocked + ".4.6";
    EXPECT_EQ(Set(agent, {type6, "i", "1"}), "noCreation");
    EXPECT_EQ(Set(agent, {type5, "i", "3"}), "wrongValue");
    EXPECT_EQ(Set(agent, {type5, "i", "1"}), "noError");
    EXPECT_EQ(Get(agent, kBlocked + ".2.5"), "blocked");
    EXPECT_EQ(Set(agent, {type5, "i", "2"}), "noError");
    EXPECT_EQ(Get(agent, kBlocked + ".2.5"), "noSuchInstance");
    EXPECT_EQ(Set(agent, {type6, "i", "2"}), "noError");
}

TEST(AgentSet, AStatusColumnOfStatesAndActionsSaysWhatANewRowReads)
{
    SimAgent agent(TestTables());
    auto status = [&](int row) { return kMixed + ".7." + std::to_string(row); };
    EXPECT_EQ(Set(agent, {status(3), "i", "4", kMixed + ".2.3", "s", "uplink"}), "noError");
    EXPECT_EQ(Get(agent, status(3)), "1");
    EXPECT_EQ(Get(agent, kMixed + ".1.3"), "3");
    EXPECT_EQ(Set(agent, {status(4), "i", "5"}), "noError");
    EXPECT_EQ(Get(agent, status(4)), "2");
    EXPECT_EQ(Get(agent, kMixed + ".2.4"), "");  // the default
    EXPECT_EQ(Set(agent, {status(3), "i", "2"}), "noError");  // a state of an existing row
    EXPECT_EQ(Get(agent, status(3)), "2");
    EXPECT_EQ(Get(agent, kMixed + ".2.3"), "uplink");

    EXPECT_EQ(Set(agent, {status(9), "i", "1"}), "noCreation");  // a state makes no row
    EXPECT_EQ(Set(agent, {kMixed + ".2.9", "s", "x"}), "noCreation");
    EXPECT_EQ(Set(agent, {status(33), "i", "4"}), "noCreation");  // outside index=
    EXPECT_EQ(Set(agent, {status(3), "i", "6"}), "noError");
    EXPECT_EQ(Get(agent, kMixed + ".2.3"), "noSuchInstance");
    EXPECT_EQ(Get(agent, status(4)), "2");
}

TEST(AgentSet, ANewRowTakesAddressesFromItsIndexAndNeedsItsRequiredColumns)
{
    SimAgent agent(TestTables());
    const std::string index = ".172.16.0.0.255.255.0.0";
    EXPECT_EQ(Set(agent, {kRoute + ".4" + index, "i", "4"}), "inconsistentValue");  // no next hop
    EXPECT_EQ(Get(agent, kRoute + ".4" + index), "noSuchInstance");
    EXPECT_EQ(Set(agent, {kRoute + ".4" + index, "i", "4", kRoute + ".3" + index, "a", "10.90.90.254"}),
              "noError");
    EXPECT_EQ(Get(agent, kRoute + ".1" + index), "172.16.0.0");
    EXPECT_EQ(Get(agent, kRoute + ".2" + index), "255.255.0.0");
    EXPECT_EQ(Get(agent, kRoute + ".4" + index), "1");
}
