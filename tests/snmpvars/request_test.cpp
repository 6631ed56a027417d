// The request core against the simulated agent: gets, walks and sets, synchronous and
// asynchronous, with what went over the wire.
#include <cstring>

#include "agentfixture.h"
#include "requestfixture.h"
#include "common/qzoptionlist.h"
#include "platform/snmp/snmp.h"
#include "platform/ui/classes.h"
#include "platform/ui/sysutils.h"
#include "snmpvars/qzsnmperror.h"
#include "snmpvars/qzsnmpsession.h"

namespace {

const QzOptionEntry kRowStatus[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
QzOptionList rowStatusOptions(kRowStatus);

// A table of three rows: name (.2) and speed (.3), index the port number.
const char kPorts[] = "1.3.6.1.4.1.99999.1.1";
const std::vector<std::string> kPortLines = {
    "table 1.3.6.1.4.1.99999.1.1",
    "column 1.3.6.1.4.1.99999.1.1.2 rw string",
    "column 1.3.6.1.4.1.99999.1.1.3 rw integer",
    "1.3.6.1.4.1.99999.1.1.2.1 string port1", "1.3.6.1.4.1.99999.1.1.3.1 integer 10",
    "1.3.6.1.4.1.99999.1.1.2.2 string port2", "1.3.6.1.4.1.99999.1.1.3.2 integer 100",
    "1.3.6.1.4.1.99999.1.1.2.3 string port3", "1.3.6.1.4.1.99999.1.1.3.3 integer 1000",
};
const UISnmpVar kPortVars[] = {
    {"1.3.6.1.4.1.99999.1.1.1", "Port", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.99999.1.1.2", "Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.99999.1.1.3", "Speed", sxInteger, acReadWrite},
    {nullptr},
};

std::string Col(int column, const std::string& index = "")
{
    return std::string(kPorts) + "." + std::to_string(column) + (index.empty() ? "" : "." + index);
}

std::vector<std::string> With(std::vector<std::string> lines, std::initializer_list<std::string> more)
{
    lines.insert(lines.end(), more);
    return lines;
}

class RequestTest : public AgentTest {
protected:
    // SNMPv3 as the agent's "user admin SHA authpass1 DES privpass1", with privacy.
    static void UseAdmin()
    {
        QzSNMPSecurity.securityModel = 3;
        QzSNMPSecurity.securityLevel = 3;
        QzSNMPSecurity.securityName = "admin";
        QzSNMPSecurity.authProtocol = 3;
        QzSNMPSecurity.authPassword = "authpass1";
        QzSNMPSecurity.privProtocol = 2;
        QzSNMPSecurity.privPassword = "privpass1";
    }
    void UsePorts(int version = 1)
    {
        Start(kPortLines, version);
        r_ = std::make_unique<QzSNMPRequest>();
        r_->retries = 0;  // requests are counted
        r_->varList = QzSNMPVarList(kPortVars, MVT_FMV, 1);
    }
    std::unique_ptr<QzSNMPRequest> r_;
};

}  // namespace

TEST_F(RequestTest, ScalarGet)
{
    Start({}, 1, false);
    const UISnmpVar vars[] = {
        {"1.3.6.1.2.1.1.5", "Name", sxDisplayStr, acReadWrite},
        {"1.3.6.1.2.1.1.3", "Up", sxTimeTicks, acReadOnly},
        {"1.3.6.1.2.1.1.4", "Contact", sxDisplayStr, acWriteOnly},  // not read
        {"1.3.6.1.2.1.1.2", "Object", sxObjectId, acReadOnly},
        {"1.3.6.1.2.1.1.99", "Missing", sxInteger, acReadOnly},
        {nullptr},
    };
    QzSNMPRequest r;
    r.retries = 0;  // requests are counted
    r.varList = QzSNMPVarList(vars, SVT_SV, 0);
    EXPECT_EQ(RaisedCode([&] { r.Get(true); }), -102);  // the missing object
    EXPECT_EQ(RowOf(r.varList), (Row{"VRX-6120", "11:47:04.00", "", "1.3.6.1.4.1.171.10.70.2", "(NULL)"}));
    auto log = Log(1);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].kind, "GET");
    EXPECT_EQ(log[0].version, "v2c");
    EXPECT_EQ(log[0].name, "public");
    EXPECT_EQ(OidsOf(log[0]), (std::vector<std::string>{"1.3.6.1.2.1.1.5.0", "1.3.6.1.2.1.1.3.0",
                                                         "1.3.6.1.2.1.1.2.0", "1.3.6.1.2.1.1.99.0"}));

    // A scalar list has no continuation.
    EXPECT_EQ(RaisedCode([&] { r.Get(false); }), -510);
    // Several objects of one instance, read with get-next.
    const UISnmpVar unit[] = {{"1.3.6.1.4.1.171.12.11.1.9.5.1.10", "Model", sxDisplayStr, acReadOnly}, {nullptr}};
    r.varList = QzSNMPVarList(unit, MVT_SV, 0);
    r.getNext = 1;
    EXPECT_FALSE(r.Get(true));
    EXPECT_EQ(*r.varList.Items(0).value, "VRX-6120");
    EXPECT_EQ(Log(2).back().kind, "GETNEXT");
    EXPECT_EQ(OidsOf(Log(2).back()), (std::vector<std::string>{"1.3.6.1.4.1.171.12.11.1.9.5.1.10"}));
    r.varList.instance = "1";
    r.getNext = 0;
    EXPECT_FALSE(r.Get(true));
    EXPECT_EQ(*r.varList.Items(0).value, "VRX-6120");
    EXPECT_EQ(OidsOf(Log(3).back()), (std::vector<std::string>{"1.3.6.1.4.1.171.12.11.1.9.5.1.10.1"}));
}

TEST_F(RequestTest, TableWalkStepsEachColumnFromItsLastInstance)
{
    UsePorts();
    std::vector<Row> rows = WalkSync(*r_);
    EXPECT_EQ(rows, (std::vector<Row>{{"1", "port1", "10"}, {"2", "port2", "100"}, {"3", "port3", "1000"}}));
    // The walk has ended: every column parked on its last row.
    EXPECT_EQ(RowOf(r_->varList), (Row{"3", "(NOTDONE)", "(NOTDONE)"}));

    auto log = Log(4);
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(OidsOf(log[0]), (std::vector<std::string>{Col(2), Col(3)}));  // the bare columns
    EXPECT_EQ(OidsOf(log[1]), (std::vector<std::string>{Col(2, "1"), Col(3, "1")}));
    EXPECT_EQ(OidsOf(log[2]), (std::vector<std::string>{Col(2, "2"), Col(3, "2")}));
    EXPECT_EQ(OidsOf(log[3]), (std::vector<std::string>{Col(2, "3"), Col(3, "3")}));
    for (const SimRequest& r : log) EXPECT_EQ(r.kind, "GETNEXT");

    // A new walk starts again from the bare columns.
    EXPECT_EQ(WalkSync(*r_).size(), 3u);
    EXPECT_EQ(OidsOf(Log(8)[4]), (std::vector<std::string>{Col(2), Col(3)}));
}

TEST_F(RequestTest, AsynchronousWalkGivesTheSameRowsOverTheSameWire)
{
    UsePorts();
    AsyncWalk walk{*r_};
    ASSERT_TRUE(walk.Run());
    EXPECT_EQ(walk.rows, (std::vector<Row>{{"1", "port1", "10"}, {"2", "port2", "100"}, {"3", "port3", "1000"}}));
    EXPECT_EQ(walk.last.code, 0);
    EXPECT_EQ(walk.last.message, "(QzSNMP++) Ok!");
    EXPECT_TRUE(walk.last.done);
    EXPECT_EQ(walk.last.device.address, "127.0.0.1");
    EXPECT_EQ(walk.last.device.port, agent_->Port());
    EXPECT_EQ(r_->outstanding, 0);
    auto log = Log(4);
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(OidsOf(log[0]), (std::vector<std::string>{Col(2), Col(3)}));
    EXPECT_EQ(OidsOf(log[3]), (std::vector<std::string>{Col(2, "3"), Col(3, "3")}));
}

TEST_F(RequestTest, ReadExpressionsAndConditionsSeeEveryRow)
{
    UsePorts();
    const UISnmpVar vars[] = {
        kPortVars[0], kPortVars[1],
        {"1.3.6.1.4.1.99999.1.1.3", "Speed", sxInteger, acReadWrite, nullptr, "$2*8"},
        {nullptr},
    };
    r_->varList = QzSNMPVarList(vars, MVT_FMV, 1);
    std::vector<Row> passed;
    r_->condition = "$1<>\"port2\"";
    ASSERT_TRUE(r_->Get(true));
    do {
        if (r_->EvaluateOwnCondition()) passed.push_back(RowOf(r_->varList));
    } while (r_->Get(false));
    EXPECT_EQ(passed, (std::vector<Row>{{"1", "port1", "80"}, {"3", "port3", "8000"}}));
}

TEST_F(RequestTest, SetOfOneRowAddressesItByItsKeys)
{
    // Keys: a display string and an IMPLIED display string.
    const char* entry = "1.3.6.1.4.1.99999.2.1";
    Start({"table 1.3.6.1.4.1.99999.2.1 rowstatus 5", "column 1.3.6.1.4.1.99999.2.1.3 rw integer",
           "column 1.3.6.1.4.1.99999.2.1.4 rw string"});
    const UISnmpVar vars[] = {
        {"1.3.6.1.4.1.99999.2.1.1", "Group", sxDisplayStr, acNotAccess},
        {"1.3.6.1.4.1.99999.2.1.2", "Name", sxDisplayStr, acNotAccess | acImplied},
        {"1.3.6.1.4.1.99999.2.1.3", "Level", sxInteger, acReadWrite, nullptr, nullptr, "$2/8"},
        {"1.3.6.1.4.1.99999.2.1.4", "Text", sxDisplayStr, acReadWrite},
        {"1.3.6.1.4.1.99999.2.1.5", "Status", sxInteger, acReadWrite, &rowStatusOptions},
        {nullptr},
    };
    QzSNMPRequest r;
    r.retries = 0;  // requests are counted
    r.varList = QzSNMPVarList(vars, MVT_UMV, 2);
    Row values = {"ab", "xyz", "56", "lab \"one\"", "createAndGo"};
    for (int i = 0; i < 5; ++i) *r.varList.Items(i).value = values[static_cast<size_t>(i)];
    EXPECT_FALSE(r.Set(false));
    EXPECT_EQ(RowOf(r.varList), values);  // the write expression changed only what was sent

    auto log = Log(1);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].kind, "SET");
    EXPECT_EQ(log[0].name, "private");
    EXPECT_EQ(log[0].status, "noError");
    const std::string index = ".2.97.98.120.121.122";
    ASSERT_EQ(log[0].varbinds.size(), 3u);  // no key columns
    EXPECT_EQ(log[0].varbinds[0].oid, entry + std::string(".3") + index);
    EXPECT_EQ(log[0].varbinds[0].type, "integer");
    EXPECT_EQ(log[0].varbinds[0].value, "7");
    EXPECT_EQ(log[0].varbinds[1].oid, entry + std::string(".4") + index);
    EXPECT_EQ(log[0].varbinds[1].type, "string");
    EXPECT_EQ(log[0].varbinds[1].value, "lab \"one\"");
    EXPECT_EQ(log[0].varbinds[2].oid, entry + std::string(".5") + index);
    EXPECT_EQ(log[0].varbinds[2].value, "4");

    // The row reads back with its keys taken from the index.
    const UISnmpVar read[] = {vars[0], vars[1], {"1.3.6.1.4.1.99999.2.1.3", "Level", sxInteger, acReadWrite},
                              vars[3], vars[4], {nullptr}};
    r.varList = QzSNMPVarList(read, MVT_UMV, 2);
    EXPECT_EQ(WalkSync(r), (std::vector<Row>{{"ab", "xyz", "7", "lab \"one\"", "active"}}));
}

TEST_F(RequestTest, ANumberBeyondItsTypeIsRefusedAndNothingIsSent)
{
    UsePorts();
    *r_->varList.Items(0).value = "2";
    *r_->varList.Items(1).value = "port2";
    *r_->varList.Items(2).value = "4294967396";  // 100 once wrapped to 32 bits
    AnsiString text;
    EXPECT_EQ(RaisedCode([&] { r_->Set(false); }, &text), -518);
    EXPECT_EQ(text, QzSNMPOwnText(qzsBadPartValue));
    bool called = false;
    EXPECT_EQ(RaisedCode([&] {
                  r_->SetAsync(QzSNMPDoneEvent(std::function<void(QzSNMPError&, QzSNMPVarList&)>(
                                   [&](QzSNMPError&, QzSNMPVarList&) { called = true; })),
                               false);
              }),
              -518);
    EXPECT_EQ(r_->outstanding, 0);
    EXPECT_EQ(*r_->varList.Items(2).value, "4294967396");
    EXPECT_TRUE(NoRequests());
    EXPECT_FALSE(called);
}

TEST_F(RequestTest, PartialSetSendsTheListedItemsAndRestoresTheList)
{
    Start({}, 1, false);
    const UISnmpVar vars[] = {
        {"1.3.6.1.2.1.1.4", "Contact", sxDisplayStr, acReadWrite},
        {"1.3.6.1.2.1.1.5", "Name", sxDisplayStr, acReadWrite},
        {"1.3.6.1.2.1.1.6", "Location", sxDisplayStr, acReadWrite | acInvalid},
        {"1.3.6.1.2.1.1.7", "Services", sxInteger, acReadOnly},
        {nullptr},
    };
    QzSNMPRequest r;
    r.retries = 0;  // requests are counted
    r.varList = QzSNMPVarList(vars, SVT_SV, 0);
    for (int i = 0; i < 4; ++i) *r.varList.Items(i).value = "v" + std::to_string(i);
    TStringList values;
    values.Add("admin");
    values.Add("rack 4");
    values.Add("unused");
    EXPECT_FALSE(r.Set(false, "0,2,3", &values));
    auto log = Log(1);
    ASSERT_EQ(log.size(), 1u);
    ASSERT_EQ(log[0].varbinds.size(), 2u);  // 3 is not writable
    EXPECT_EQ(log[0].varbinds[0].oid, "1.3.6.1.2.1.1.4.0");
    EXPECT_EQ(log[0].varbinds[0].value, "admin");
    EXPECT_EQ(log[0].varbinds[1].oid, "1.3.6.1.2.1.1.6.0");
    EXPECT_EQ(log[0].varbinds[1].value, "rack 4");
    EXPECT_EQ(RowOf(r.varList), (Row{"v0", "v1", "v2", "v3"}));
    EXPECT_EQ(r.varList.Items(2).access, acReadWrite | acInvalid);
    EXPECT_EQ(r.varList.Items(0).access, acReadWrite);

    // Read back: the reply's values go to the items that were sent.
    EXPECT_FALSE(r.Set(true, "1", nullptr));
    EXPECT_EQ(RowOf(r.varList), (Row{"v0", "v1", "v2", "v3"}));
    *r.varList.Items(1).value = "core-1";
    r.Set(true);
    EXPECT_EQ(OidsOf(Log(3).back()), (std::vector<std::string>{"1.3.6.1.2.1.1.4.0", "1.3.6.1.2.1.1.5.0"}));
    r.Get(true);
    EXPECT_EQ(RowOf(r.varList), (Row{"v0", "core-1", "v2", "6"}));

    // A refused set raises, and the list is as before.
    agent_->Control("fault error 1.3.6.1.2.1.1.5.0 wrongValue set");
    *r.varList.Items(1).value = "x";
    EXPECT_EQ(RaisedCode([&] { r.Set(false, "1", &values); }), -110);
    EXPECT_EQ(*r.varList.Items(1).value, "x");
    EXPECT_EQ(r.varList.Items(0).access, acReadWrite);
}

namespace {

// A name server that knows one switch, counts its look-ups and can be down.
int g_lookups = 0;
bool g_nameServerDown = false;
bool SwitchLookup(const std::string& name, unsigned char out[4])
{
    ++g_lookups;
    if (g_nameServerDown || name != "vrx-switch.test") return false;
    const unsigned char loopback[4] = {127, 0, 0, 1};
    std::memcpy(out, loopback, 4);
    return true;
}

}  // namespace

TEST_F(RequestTest, ASwitchGivenByNameIsLookedUpOnceAndAgainAfterAFailure)
{
    Start({}, 1, false);
    struct Restore {
        HostLookup old = SetHostLookup(SwitchLookup);
        ~Restore() { SetHostLookup(old), ForgetHostName("vrx-switch.test"); }
    } restore;
    g_lookups = 0;
    g_nameServerDown = true;
    QzSNMPDevice.address = "vrx-switch.test";
    const UISnmpVar vars[] = {{"1.3.6.1.2.1.1.5", "Name", sxDisplayStr, acReadOnly}, {nullptr}};
    QzSNMPRequest r;
    r.varList = QzSNMPVarList(vars, SVT_SV, 0);
    r.timeout = 20;
    r.retries = 0;
    // A failed look-up is not kept.
    EXPECT_EQ(RaisedCode([&] { r.Get(true); }), -509);
    g_nameServerDown = false;
    for (int k = 0; k < 3; ++k) r.Get(true);
    AsyncWalk walk{r};
    ASSERT_TRUE(walk.Run());
    EXPECT_EQ(walk.last.code, 0);
    EXPECT_EQ(g_lookups, 2);
    // The switch stops answering: the next request looks its name up again.
    agent_->Control("fault drop all");
    EXPECT_EQ(RaisedCode([&] { r.Get(true); }), -405);
    EXPECT_EQ(g_lookups, 2);
    agent_->Control("fault drop off");
    r.Get(true);
    r.Get(true);
    EXPECT_EQ(g_lookups, 3);
}

TEST_F(RequestTest, TimeOutAfterTheRetry)
{
    Start({}, 1, false);
    agent_->Control("fault drop all");
    const UISnmpVar vars[] = {{"1.3.6.1.2.1.1.5", "Name", sxDisplayStr, acReadOnly}, {nullptr}};
    QzSNMPRequest r;
    r.varList = QzSNMPVarList(vars, SVT_SV, 0);
    r.timeout = 20;
    r.retries = 1;
    AnsiString text;
    EXPECT_EQ(RaisedCode([&] { r.Get(true); }, &text), -405);
    EXPECT_EQ(text, "(SNMPClass) SNMP request timed out!");
    auto log = Log(2);
    ASSERT_EQ(log.size(), 2u);  // two sends
    EXPECT_EQ(log[0].status, "dropped");
    EXPECT_EQ(log[1].status, "dropped");

    AsyncWalk walk{r};
    ASSERT_TRUE(walk.Run());
    EXPECT_EQ(walk.completions, 1);
    EXPECT_EQ(walk.last.code, -405);
    EXPECT_EQ(walk.last.message, "(SNMPClass) SNMP request timed out!");
    EXPECT_TRUE(walk.last.done);
    EXPECT_EQ(Log(4).size(), 4u);
    EXPECT_EQ(r.outstanding, 0);
}

TEST_F(RequestTest, AgentErrors)
{
    Start({}, 1, false);
    agent_->Control("fault error 1.3.6.1.2.1.1.6.0 genErr get");
    const UISnmpVar vars[] = {{"1.3.6.1.2.1.1.5", "Name", sxDisplayStr, acReadOnly},
                              {"1.3.6.1.2.1.1.6", "Location", sxDisplayStr, acReadOnly},
                              {nullptr}};
    QzSNMPRequest r;
    r.retries = 0;  // requests are counted
    r.varList = QzSNMPVarList(vars, SVT_SV, 0);
    AnsiString text;
    EXPECT_EQ(RaisedCode([&] { r.Get(true); }, &text), -105);
    EXPECT_EQ(text, "(SNMP) Cannot perform operation, General Error!");
    EXPECT_EQ(*r.varList.Items(0).value, "");  // nothing stored

    AsyncWalk walk{r};
    ASSERT_TRUE(walk.Run());
    EXPECT_EQ(walk.last.code, -105);
    EXPECT_EQ(walk.last.errorIndex, 2);
    EXPECT_EQ(walk.last.message, "(SNMP) Cannot perform operation, General Error!");
    EXPECT_TRUE(walk.last.done);
    EXPECT_EQ(walk.last.device.address, "127.0.0.1");
}

TEST_F(RequestTest, AGetThatLacksAnObjectFailsInEveryVersion)
{
    const UISnmpVar vars[] = {{"1.3.6.1.4.1.99999.9", "Present", sxDisplayStr, acReadOnly},
                              {"1.3.6.1.4.1.99999.8", "No object", sxInteger, acReadOnly},
                              {"1.3.6.1.4.1.99999.7", "No instance", sxDisplayStr, acReadOnly},
                              {nullptr}};
    for (int version : {0, 1, 3}) {
        SCOPED_TRACE(version);
        Start({"user admin SHA authpass1 DES privpass1", "1.3.6.1.4.1.99999.9.0 string here",
               "1.3.6.1.4.1.99999.7.1 string elsewhere"},
              version);
        if (version == 3) UseAdmin();
        QzSNMPRequest r;
        r.varList = QzSNMPVarList(vars, SVT_SV, 0);
        AnsiString text;
        EXPECT_EQ(RaisedCode([&] { r.Get(true); }, &text), -102);
        EXPECT_EQ(text, "(SNMP) Variable does not exist!");
        // SNMPv1 refuses the whole reply; SNMPv2 answers the objects it has.
        const Row read = version == 0 ? Row{"", "", ""} : Row{"here", "(NULL)", "(NULL)"};
        EXPECT_EQ(RowOf(r.varList), read);
        EXPECT_EQ(r.MissedObjects(), version != 0);

        *r.varList.Items(0).value = "";
        AsyncWalk walk{r};
        ASSERT_TRUE(walk.Run());
        EXPECT_EQ(walk.completions, 1);
        EXPECT_EQ(walk.last.code, -102);
        EXPECT_EQ(walk.last.message, "(SNMP) Variable does not exist!");
        if (version != 0) {
            EXPECT_EQ(walk.last.errorIndex, 2);  // SNMPv1: where the agent stopped
        }
        EXPECT_EQ(walk.last.missed, version != 0);
        EXPECT_TRUE(walk.last.done);
        EXPECT_EQ(RowOf(r.varList), read);
        EXPECT_EQ(Log(2).back().version, version == 0 ? "v1" : version == 1 ? "v2c" : "v3");

        // Every object there: no failure.
        const UISnmpVar present[] = {vars[0], {nullptr}};
        r.varList = QzSNMPVarList(present, SVT_SV, 0);
        r.Get(true);
        EXPECT_FALSE(r.MissedObjects());
        EXPECT_EQ(*r.varList.Items(0).value, "here");
    }
}

TEST_F(RequestTest, EmptyTablesEndWithoutAnErrorInEveryVersion)
{
    for (int version : {0, 1}) {
        Start({"table 1.3.6.1.4.1.99999.1.1", "column 1.3.6.1.4.1.99999.1.1.2 rw string",
               "column 1.3.6.1.4.1.99999.1.1.3 rw integer"},
              version);
        QzSNMPRequest r;
        r.retries = 0;  // requests are counted
        r.varList = QzSNMPVarList(kPortVars, MVT_FMV, 1);
        EXPECT_FALSE(r.Get(true)) << version;
        AsyncWalk walk{r};
        ASSERT_TRUE(walk.Run());
        EXPECT_TRUE(walk.rows.empty());
        EXPECT_EQ(walk.last.code, 0) << version;
        EXPECT_EQ(walk.last.message, "(QzSNMP++) Ok!");
        EXPECT_TRUE(walk.last.done);
        auto log = Log(2);
        ASSERT_EQ(log.size(), 2u);
        EXPECT_EQ(log[0].version, version == 0 ? "v1" : "v2c");
        // SNMPv1 has no exception values: past the end of the agent's objects it refuses the
        // whole request.
        EXPECT_EQ(log[0].status, version == 0 ? "noSuchName" : "noError") << version;
        EXPECT_EQ(OidsOf(log[0]), (std::vector<std::string>{Col(2), Col(3)}));
    }
}

TEST_F(RequestTest, AnSnmpV1WalkEndsAtTheEndOfTheAgentsObjects)
{
    UsePorts(0);
    EXPECT_EQ(WalkSync(*r_).size(), 3u);
    EXPECT_EQ(Log(4).back().status, "noSuchName");
    AsyncWalk walk{*r_};
    ASSERT_TRUE(walk.Run());
    EXPECT_EQ(walk.rows.size(), 3u);
    EXPECT_EQ(walk.last.code, 0);
}

TEST_F(RequestTest, ARefusedSetIsNeverReportedAsSuccess)
{
    // SNMPv1 reports a refused set as noSuchName, the status that also ends a table.
    UsePorts(0);
    agent_->Control("fault error 1.3.6.1.4.1.99999.1.1.3 notWritable set");
    EXPECT_EQ(WalkSync(*r_).size(), 3u);  // every column parked on row 3
    *r_->varList.Items(0).value = "3";
    *r_->varList.Items(2).value = "5";
    EXPECT_EQ(RaisedCode([&] { r_->Set(false, "2", nullptr); }), -102);

    QzSNMPError result;
    bool called = false;
    r_->SetAsync(QzSNMPDoneEvent(std::function<void(QzSNMPError&, QzSNMPVarList&)>(
                     [&](QzSNMPError& e, QzSNMPVarList&) { result = e, called = true; })),
                 true, "2", nullptr);
    ASSERT_TRUE(WaitFor([&] { return called; }));
    EXPECT_EQ(result.code, -102);
    EXPECT_EQ(result.message, "(SNMP) Variable does not exist!");
    EXPECT_TRUE(result.done);
    EXPECT_EQ(Log(6).back().kind, "SET");
    EXPECT_EQ(OidsOf(Log(6).back()), (std::vector<std::string>{Col(3, "3")}));
}

TEST_F(RequestTest, AFaultyAgentThatRepeatsFailsTheWalkKeepingTheRowsBefore)
{
    // Column 2 answers its first row again and again.
    Start(With(kPortLines, {std::string("fault repeat ") + Col(2)}));
    QzSNMPRequest r;
    r.retries = 0;  // requests are counted
    r.varList = QzSNMPVarList(kPortVars, MVT_FMV, 1);
    ASSERT_TRUE(r.Get(true));
    EXPECT_EQ(RowOf(r.varList), (Row{"1", "port1", "10"}));
    AnsiString text;
    EXPECT_EQ(RaisedCode([&] { r.Get(false); }, &text), -417);
    EXPECT_EQ(text, "(SNMPClass) Invalid Object Identifier!");
    EXPECT_EQ(Log(2).size(), 2u);

    AsyncWalk walk{r};
    ASSERT_TRUE(walk.Run());
    EXPECT_EQ(walk.rows, (std::vector<Row>{{"1", "port1", "10"}}));
    EXPECT_EQ(walk.last.code, -417);
    EXPECT_EQ(walk.last.message, "(SNMPClass) Invalid Object Identifier!");
    EXPECT_TRUE(walk.last.done);
}

TEST_F(RequestTest, AFaultyAgentThatGoesBackFailsTheWalkKeepingTheRowsBefore)
{
    UsePorts();
    ASSERT_TRUE(r_->Get(true));
    ASSERT_TRUE(r_->Get(false));
    agent_->Control(std::string("fault repeat ") + Col(3));  // from now on back to row 1
    EXPECT_EQ(RaisedCode([&] { r_->Get(false); }), -417);
    EXPECT_EQ(OidsOf(Log(3).back()), (std::vector<std::string>{Col(2, "2"), Col(3, "2")}));

    // Asynchronously: the rows before it, then the failure.
    AsyncWalk walk{*r_};
    agent_->Control("fault clear");
    agent_->Control(std::string("fault repeat ") + Col(3, "2"));
    ASSERT_TRUE(walk.Run());
    EXPECT_EQ(walk.rows, (std::vector<Row>{{"1", "port1", "10"}, {"2", "port2", "100"}}));
    EXPECT_EQ(walk.last.code, -417);
}

TEST_F(RequestTest, KeysOfASparseRowComeFromTheColumnsThatHaveIt)
{
    // Column 2 lacks row 3: the third row's key must still be 3, so that a set goes to it.
    Start({"table 1.3.6.1.4.1.99999.1.1", "column 1.3.6.1.4.1.99999.1.1.3 rw integer",
           "1.3.6.1.4.1.99999.1.1.2.1 string port1", "1.3.6.1.4.1.99999.1.1.3.1 integer 10",
           "1.3.6.1.4.1.99999.1.1.2.2 string port2", "1.3.6.1.4.1.99999.1.1.3.2 integer 100",
           "1.3.6.1.4.1.99999.1.1.3.3 integer 1000"});
    QzSNMPRequest r;
    r.retries = 0;  // requests are counted
    r.varList = QzSNMPVarList(kPortVars, MVT_FMV, 1);
    ASSERT_TRUE(r.Get(true));
    ASSERT_TRUE(r.Get(false));
    ASSERT_TRUE(r.Get(false));
    EXPECT_EQ(RowOf(r.varList), (Row{"3", "(NOTDONE)", "1000"}));
    *r.varList.Items(2).value = "999";
    r.Set(false, "2", nullptr);
    EXPECT_EQ(OidsOf(Log(4).back()), (std::vector<std::string>{Col(3, "3")}));
    EXPECT_EQ(Log(4).back().status, "noError");
    EXPECT_FALSE(r.Get(false));
}

TEST_F(RequestTest, AColumnOfAnotherTableWithALongerIndexDoesNotMoveTheWrite)
{
    // Column 2 of a second table is indexed port.instance; the key takes the port alone, so
    // a write of the ports table goes to the port, not to port.instance.
    const char* other = "1.3.6.1.4.1.99999.3.1.2";
    Start(With(kPortLines, {std::string(other) + ".1.0 integer 11", std::string(other) + ".2.0 integer 12",
                            std::string(other) + ".3.0 integer 13"}));
    const UISnmpVar vars[] = {kPortVars[0], {other, "Number", sxInteger, acReadOnly}, kPortVars[2], {nullptr}};
    QzSNMPRequest r;
    r.retries = 0;  // requests are counted
    r.varList = QzSNMPVarList(vars, MVT_FMV, 1);
    EXPECT_EQ(WalkSync(r), (std::vector<Row>{{"1", "11", "10"}, {"2", "12", "100"}, {"3", "13", "1000"}}));
    r.varList = QzSNMPVarList(vars, MVT_FMV, 1);
    ASSERT_TRUE(r.Get(true));
    ASSERT_TRUE(r.Get(false));
    EXPECT_EQ(r.HeldRowIndex(), "2");
    *r.varList.Items(2).value = "555";
    r.Set(false);
    auto log = Log(7);  // the walk's four steps, two more, the set
    ASSERT_EQ(log.size(), 7u);
    EXPECT_EQ(OidsOf(log.back()), (std::vector<std::string>{Col(3, "2")}));
    EXPECT_EQ(log.back().status, "noError");
    EXPECT_EQ(log.back().varbinds[0].value, "555");
}

TEST_F(RequestTest, AColumnsWalkDoesNotRunIntoALongerColumnNumber)
{
    Start({"1.3.6.1.4.1.99999.1.1.2.1 string port1", "1.3.6.1.4.1.99999.1.1.2.2 string port2",
           "1.3.6.1.4.1.99999.1.1.20.1 string other1", "1.3.6.1.4.1.99999.1.1.20.2 string other2"});
    const UISnmpVar vars[] = {kPortVars[0], kPortVars[1], {nullptr}};
    QzSNMPRequest r;
    r.retries = 0;  // requests are counted
    r.varList = QzSNMPVarList(vars, MVT_FMV, 1);
    EXPECT_EQ(WalkSync(r), (std::vector<Row>{{"1", "port1"}, {"2", "port2"}}));
    EXPECT_EQ(Log(3).size(), 3u);
}

TEST_F(RequestTest, ADisabledRequestSendsNothing)
{
    UsePorts();
    r_->enabled = 0;
    EXPECT_FALSE(r_->Get(true));
    EXPECT_FALSE(r_->Set(false));
    AsyncWalk walk{*r_};
    walk.Start();
    r_->SetAsync(QzSNMPDoneEvent(&walk, &AsyncWalk::Done), false);
    WaitFor([] { return false; }, 100);
    EXPECT_EQ(walk.completions, 0);
    EXPECT_EQ(r_->outstanding, 0);
    EXPECT_TRUE(NoRequests());
}

TEST_F(RequestTest, FailuresBeforeTheSendAreRaisedAndLeaveNothingOpen)
{
    UsePorts();
    AsyncWalk walk{*r_};
    // An address that is none.
    r_->device.address = "";
    EXPECT_EQ(RaisedCode([&] { r_->Get(true); }), -509);
    EXPECT_EQ(RaisedCode([&] { walk.Start(); }), -509);
    EXPECT_EQ(RaisedCode([&] { r_->Set(false); }), -509);
    r_->device.address = "127.0.0.1";
    // A list type that is none.
    r_->varList.listType = 7;
    EXPECT_EQ(RaisedCode([&] { r_->Get(true); }), -515);
    EXPECT_EQ(RaisedCode([&] { r_->Set(false); }), -515);
    r_->varList.listType = MVT_FMV;
    // An OID the session refuses to send.
    const UISnmpVar bad[] = {{"1.3.x", "Bad", sxInteger, acReadOnly}, {nullptr}};
    r_->varList = QzSNMPVarList(bad, MVT_FMV, 0);
    EXPECT_EQ(RaisedCode([&] { walk.Start(); }), -417);
    EXPECT_EQ(r_->outstanding, 0);
    EXPECT_EQ(QzSNMPSession->pending_count(), 0);
    // A row index with fewer parts than keys.
    r_->varList = QzSNMPVarList(kPortVars, MVT_FMV, 1);
    EXPECT_EQ(RaisedCode([&] { r_->SetKeysFromIndex(""); }), -514);
    EXPECT_EQ(walk.completions, 0);
    EXPECT_TRUE(NoRequests());
}

TEST_F(RequestTest, SnmpV3Get)
{
    Start({"user admin SHA authpass1 DES privpass1", "1.3.6.1.4.1.99999.9.0 string secret"});
    QzSNMPSecurity.version = 3;
    UseAdmin();
    QzSNMPRequest r;
    r.retries = 0;  // requests are counted
    const UISnmpVar vars[] = {{"1.3.6.1.4.1.99999.9", "Secret", sxDisplayStr, acReadOnly}, {nullptr}};
    r.varList = QzSNMPVarList(vars, SVT_SV, 0);
    r.Get(true);
    EXPECT_EQ(*r.varList.Items(0).value, "secret");
    EXPECT_EQ(Log(1).back().version, "v3");
    EXPECT_EQ(Log(1).back().name, "admin");
    EXPECT_EQ(Log(1).back().level, "authPriv");
}
