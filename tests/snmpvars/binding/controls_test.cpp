// The control binding base: synchronous and asynchronous reads and writes with their hooks,
// the busy flag, the done events, and the result lines in every kind of message control.
#include "bindingfixture.h"
#include "snmpvars/qzsnmprequest2controls.h"
#include "tests/snmpvars/requestfixture.h"

namespace {

// Records the hooks it is called through and the rows it is handed.
class Recorder : public QzSNMPRequest2Controls {
public:
    using QzSNMPRequest2Controls::QzSNMPRequest2Controls;

    void PrepareSet() override { calls += "PrepareSet;"; }
    std::string calls;
    std::vector<Row> rows;
    bool throwOnRow = false;
    int gets = 0, sets = 0;
    QzSNMPError last;

    void GetDone(QzSNMPRequest2Controls* sender, QzSNMPError* result)
    {
        EXPECT_EQ(sender, this);
        ++gets;
        last = *result;
    }
    void SetDone(QzSNMPRequest2Controls*, QzSNMPError* result)
    {
        ++sets;
        last = *result;
    }
    void Listen()
    {
        OnGetDone = QzSNMPControlsDoneEvent(this, &Recorder::GetDone);
        OnSetDone = QzSNMPControlsDoneEvent(this, &Recorder::SetDone);
    }

protected:
    void BeforeGet() override { calls += "BeforeGet;"; }
    void BeforeSet() override { calls += "BeforeSet;"; }
    void OnRowReceived() override
    {
        calls += "Row;";
        rows.push_back(RowOf(Request.varList));
        if (throwOnRow) throw Exception("(QzSNMP++) Bad SNMP syntax!", -511);
    }
    void AfterGet() override { calls += "AfterGet;"; }
    void AfterSet() override { calls += "AfterSet;"; }
};

const UISnmpVar kSystem[] = {
    {"1.3.6.1.2.1.1.5", "Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.2.1.1.6", "Location", sxDisplayStr, acReadWrite},
    {nullptr},
};

class ControlsTest : public BindingTest {
protected:
    // The System Log server table (rows 1 to 3) or the system group.
    void UseTable(unsigned char mode)
    {
        Start(MoreSysLogRows(), 1, false);
        r = std::make_unique<Recorder>(form);
        r->Request.varList = QzSNMPVarList(SysLogVars(), MVT_FMV, 1);
        r->Mode = mode;
        r->Listen();
    }
    void UseSystem(unsigned char mode)
    {
        Start({}, 1, false);
        r = std::make_unique<Recorder>(form);
        r->Request.varList = QzSNMPVarList(kSystem, SVT_SV, 0);
        r->Mode = mode;
        r->Listen();
    }
    bool WaitIdle() { return WaitFor([&] { return !r->Busy; }); }
    std::unique_ptr<Recorder> r;
};

const Row kRow1 = {"1", "10.90.90.99", "all", "1", "514", "enabled", "active"};
const Row kRow2 = {"2", "10.90.90.98", "warning", "2", "502", "disabled", "active"};
const Row kRow3 = {"3", "192.168.1.200", "info", "2", "503", "enabled", "active"};

}  // namespace

TEST_F(ControlsTest, ResultLinesInEveryKindOfMessageControl)
{
    Start({}, 1, false);
    Recorder rec(form);
    rec.ShowResult("nowhere");  // no message control: nothing, and no box
    rec.SetMessageControl(memo);
    rec.ShowResult(OkText().c_str());
    rec.Request.varList.description = " Led Status";
    rec.LastOperation = 1;
    rec.ShowResult("(SNMPClass) SNMP request timed out!");
    auto lines = LinesOf(memo);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(IsResultLine(lines[0], "Get", "(QzSNMP++) Ok!")) << lines[0];
    EXPECT_TRUE(IsResultLine(lines[1], "Set", "(SNMPClass) SNMP request timed out!", " Led Status")) << lines[1];

    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    rec.SetMessageControl(bar);
    rec.LastOperation = 0;
    rec.Request.varList.description = "";
    rec.ShowResult("bar");
    EXPECT_TRUE(IsResultLine(bar->SimpleText().std(), "Get", "bar")) << bar->SimpleText().std();
    TStatusPanel* panel = bar->Panels()->Add();
    bar->Panels()->Add()->SetText("other");
    rec.SetMessageControl(panel);
    rec.ShowResult("panel");
    EXPECT_TRUE(IsResultLine(panel->Text().std(), "Get", "panel")) << panel->Text().std();
    EXPECT_EQ(bar->Panels()->Items(1)->Text(), "other");

    // A message control that is gone receives nothing.
    rec.SetMessageControl(memo);
    delete memo;
    memo = nullptr;
    rec.ShowResult("gone");
}

TEST_F(ControlsTest, AReadThatLacksAnObjectShowsWhatCameBackAndFails)
{
    for (unsigned char mode : {0, 1}) {
        SCOPED_TRACE(int(mode));
        UseSystem(mode);
        agent_->Control("unset 1.3.6.1.2.1.1.6.0");
        r->SetMessageControl(memo);
        memo->Lines()->Clear();
        if (mode == 0) {
            AnsiString text;
            EXPECT_EQ(RaisedCode([&] { r->Get(); }, &text), -102);
            EXPECT_EQ(text, "(SNMP) Variable does not exist!");
            EXPECT_TRUE(LinesOf(memo).empty());  // the form shows what is raised
        } else {
            r->Get();
            ASSERT_TRUE(WaitIdle());
            EXPECT_EQ(r->gets, 1);
            EXPECT_EQ(r->last.code, -102);
            auto lines = LinesOf(memo);
            ASSERT_EQ(lines.size(), 1u);
            EXPECT_TRUE(IsResultLine(lines[0], "Get", "(SNMP) Variable does not exist!")) << lines[0];
        }
        EXPECT_FALSE(r->Busy);
        EXPECT_EQ(r->calls, "BeforeGet;Row;");
        EXPECT_EQ(r->rows, (std::vector<Row>{{"VRX-6120", "(NULL)"}}));
    }
}

TEST_F(ControlsTest, SynchronousWalkRunsTheHooksAroundEveryRow)
{
    UseTable(0);
    r->SetMessageControl(memo);
    r->Get();
    EXPECT_FALSE(r->Busy);
    EXPECT_EQ(r->calls, "BeforeGet;Row;Row;Row;AfterGet;");
    EXPECT_EQ(r->rows, (std::vector<Row>{kRow1, kRow2, kRow3}));
    ASSERT_EQ(memo->Lines()->Count(), 1);
    EXPECT_TRUE(IsResultLine(LinesOf(memo)[0], "Get", OkText()));
    EXPECT_EQ(r->gets, 0);  // the done event is the asynchronous read's

    // A row whose condition fails is skipped; the walk goes on after it.
    r->calls.clear();
    r->rows.clear();
    r->Request.condition = "$4<>502";
    r->Get();
    EXPECT_EQ(r->rows, (std::vector<Row>{kRow1, kRow3}));
}

TEST_F(ControlsTest, SynchronousReadOfAnEmptyTableAndOfScalars)
{
    Start({"table 1.3.6.1.4.1.99999.7.1", "column 1.3.6.1.4.1.99999.7.1.2 rw integer"}, 1);
    Recorder rec(form);
    const UISnmpVar empty[] = {{"1.3.6.1.4.1.99999.7.1.1", "Index", sxInteger, acNotAccess},
                               {"1.3.6.1.4.1.99999.7.1.2", "Value", sxInteger, acReadWrite},
                               {nullptr}};
    rec.Request.varList = QzSNMPVarList(empty, MVT_FMV, 1);
    rec.Mode = 0;
    rec.Get();
    EXPECT_EQ(rec.calls, "BeforeGet;AfterGet;");

    // A disabled request sends nothing, but a scalar list still hands its values on.
    rec.Request.varList = QzSNMPVarList(kSystem, SVT_SV, 0);
    rec.Request.enabled = 0;
    rec.calls.clear();
    rec.Get();
    EXPECT_EQ(rec.calls, "BeforeGet;Row;AfterGet;");
    EXPECT_EQ(Log(1).size(), 1u);
}

TEST_F(ControlsTest, AsynchronousWalkIsDrivenByItsCompletions)
{
    UseTable(1);
    r->SetMessageControl(memo);
    r->Get();
    EXPECT_TRUE(r->Busy);
    ASSERT_TRUE(WaitFor([&] { return r->gets > 0; }));
    EXPECT_FALSE(r->Busy);
    EXPECT_EQ(r->gets, 1);
    EXPECT_EQ(r->last.code, 0);
    EXPECT_EQ(r->calls, "BeforeGet;Row;Row;Row;AfterGet;");
    EXPECT_EQ(r->rows, (std::vector<Row>{kRow1, kRow2, kRow3}));
    ASSERT_EQ(memo->Lines()->Count(), 1);
    EXPECT_TRUE(IsResultLine(LinesOf(memo)[0], "Get", OkText()));
    EXPECT_EQ(Count("GETNEXT", 4), 4u);
}

TEST_F(ControlsTest, AnAsynchronousWalkStopsAtItsNextAnswerOnceDisabled)
{
    UseTable(1);
    r->Get();
    r->Request.enabled = 0;
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(r->calls, "BeforeGet;Row;AfterGet;");  // the answer on its way is still handed on
    EXPECT_EQ(r->gets, 1);
    EXPECT_EQ(Count("GETNEXT", 1), 1u);

    // Disabled before it starts: nothing is sent, no done event ever comes.
    r->calls.clear();
    r->Get();
    EXPECT_FALSE(r->Busy);
    EXPECT_EQ(r->calls, "BeforeGet;");
    WaitFor([] { return false; }, 100);
    EXPECT_EQ(r->gets, 1);
    EXPECT_EQ(Count("GETNEXT", 1), 1u);
}

TEST_F(ControlsTest, ModesWithoutAnExchangeRunTheOpeningHooksOnly)
{
    UseSystem(2);
    r->Get();
    EXPECT_EQ(r->calls, "BeforeGet;");
    r->Set(true, true);
    EXPECT_EQ(r->calls, "BeforeGet;BeforeSet;PrepareSet;");
    EXPECT_EQ(r->LastOperation, 1);
    EXPECT_FALSE(r->Busy);
    EXPECT_TRUE(NoRequests());
}

TEST_F(ControlsTest, TimeOutGoesToTheMessageControlOrAMessageBox)
{
    UseSystem(1);
    agent_->Control("fault drop all");
    r->Request.timeout = 10;
    r->Request.retries = 0;
    {
        MessageBoxRecorder boxes;
        r->Get();
        ASSERT_TRUE(WaitFor([&] { return r->gets > 0; }));
        EXPECT_FALSE(r->Busy);
        EXPECT_EQ(r->last.code, -405);
        EXPECT_EQ(r->calls, "BeforeGet;");
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "(SNMPClass) SNMP request timed out!");
        EXPECT_EQ(boxes.Boxes()[0].caption, "vrx6120");  // the program's file name
        EXPECT_EQ(boxes.Boxes()[0].flags, MB_OK);
    }
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    r->SetMessageControl(bar);
    r->Get();
    ASSERT_TRUE(WaitFor([&] { return r->gets > 1; }));
    EXPECT_TRUE(IsResultLine(bar->SimpleText().std(), "Get", "(SNMPClass) SNMP request timed out!"))
        << bar->SimpleText().std();

    // Synchronously the error leaves as the layer's exception; nothing is shown.
    r->Mode = 0;
    bar->SetSimpleText("");
    EXPECT_EQ(RaisedCode([&] { r->Get(); }), -405);
    EXPECT_FALSE(r->Busy);
    EXPECT_EQ(bar->SimpleText(), "");
}

TEST_F(ControlsTest, AgentErrorOfAWrite)
{
    UseTable(1);
    agent_->Control(std::string("fault error ") + SysLogCol(5) + " genErr set");
    r->SetMessageControl(memo);
    *r->Request.varList.Items(0).value = "1";
    *r->Request.varList.Items(4).value = "600";
    r->Set(true, false, "4");
    ASSERT_TRUE(WaitFor([&] { return r->sets > 0; }));
    AnsiString genErr;
    EXPECT_EQ(QzSNMPGetErrorText(5, genErr), -105);
    EXPECT_EQ(r->last.code, -105);
    ASSERT_EQ(memo->Lines()->Count(), 1);
    EXPECT_TRUE(IsResultLine(LinesOf(memo)[0], "Set", genErr.std())) << LinesOf(memo)[0];
    EXPECT_EQ(r->calls, "BeforeSet;");

    // A synchronous write that fails is raised and reads nothing again.
    r->Mode = 0;
    EXPECT_EQ(RaisedCode([&] { r->Set(true, false, "4"); }), -105);
    EXPECT_FALSE(r->Busy);
    WaitFor([] { return false; }, 50);
    EXPECT_EQ(Count("SET", 2), 2u);
    EXPECT_EQ(Count("GETNEXT"), 0u);
}

TEST_F(ControlsTest, ASuccessfulWriteOfATableReadsItAgain)
{
    for (unsigned char mode : {0, 1}) {
        UseTable(mode);
        r->SetMessageControl(memo);
        memo->Clear();
        *r->Request.varList.Items(0).value = "2";
        *r->Request.varList.Items(4).value = "600";
        r->Set(true, false, "4");
        ASSERT_TRUE(WaitFor([&] { return r->gets > 0 || (mode == 0 && !r->Busy); }));
        ASSERT_TRUE(WaitIdle());
        auto lines = LinesOf(memo);
        ASSERT_EQ(lines.size(), 2u) << int(mode);
        EXPECT_TRUE(IsResultLine(lines[0], "Set", OkText()));
        EXPECT_TRUE(IsResultLine(lines[1], "Get", OkText()));
        EXPECT_EQ(r->calls, "BeforeSet;AfterSet;BeforeGet;Row;Row;Row;AfterGet;");
        ASSERT_EQ(r->rows.size(), 3u);
        EXPECT_EQ(r->rows[1][4], "600");
        EXPECT_EQ(r->sets, mode == 1 ? 1 : 0);
        auto log = Log(2);
        ASSERT_GE(log.size(), 2u);
        EXPECT_EQ(log[0].kind, "SET");
        EXPECT_EQ(OidsOf(log[0]), (std::vector<std::string>{SysLogCol(5, 2)}));

        // Without RefreshAfterSet the write stands alone.
        r->calls.clear();
        *r->Request.varList.Items(0).value = "2";
        *r->Request.varList.Items(4).value = "601";
        r->Set(false, false, "4");
        ASSERT_TRUE(WaitIdle());
        EXPECT_EQ(r->calls, "BeforeSet;AfterSet;");
    }
}

// A form that sends its write and, at once, a read of the table (as a delete does): the write's
// answer must not make the binding look idle while the walk still runs, or a Refresh would start
// a second walk that the first one's last answer ends half-way.
TEST_F(ControlsTest, AWriteAndAReadSentTogetherKeepTheBindingBusyUntilBothAreAnswered)
{
    UseTable(1);
    bool busyAtSetDone = false;
    r->OnSetDone = QzSNMPControlsDoneEvent(std::function<void(QzSNMPRequest2Controls*, QzSNMPError*)>(
        [&](QzSNMPRequest2Controls*, QzSNMPError*) { busyAtSetDone = r->Busy; }));
    *r->Request.varList.Items(0).value = "2";
    *r->Request.varList.Items(4).value = "600";
    r->Set(false, false, "4");
    r->Get();
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(busyAtSetDone);
    EXPECT_EQ(r->calls, "BeforeSet;BeforeGet;AfterSet;Row;Row;Row;AfterGet;");
    EXPECT_EQ(r->gets, 1);
    auto log = Log(5);
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[0].kind, "SET");
    for (size_t i = 1; i < log.size(); ++i) EXPECT_EQ(log[i].kind, "GETNEXT");

    // A failed write beside a read: the same.
    busyAtSetDone = false;
    r->calls.clear();
    *r->Request.varList.Items(0).value = "9";  // no such row
    r->Set(false, false, "4");
    r->Get();
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(busyAtSetDone);
    EXPECT_EQ(r->gets, 2);
}

TEST_F(ControlsTest, ARowThatCannotBeTakenEndsTheReadWithItsError)
{
    UseTable(1);
    r->SetMessageControl(memo);
    r->throwOnRow = true;
    r->Get();
    ASSERT_TRUE(WaitIdle());
    WaitFor([] { return false; }, 50);
    EXPECT_EQ(r->calls, "BeforeGet;Row;");
    EXPECT_EQ(r->gets, 0);  // neither AfterGet nor the done event
    ASSERT_EQ(memo->Lines()->Count(), 1);
    EXPECT_TRUE(IsResultLine(LinesOf(memo)[0], "Get", "(QzSNMP++) Bad SNMP syntax!"));
    EXPECT_EQ(Count("GETNEXT", 1), 1u);
}

TEST_F(ControlsTest, AFailureToSendIsRaisedAndLeavesTheBindingIdle)
{
    UseSystem(1);
    r->Request.device.address = "";
    EXPECT_EQ(RaisedCode([&] { r->Get(); }), -509);
    EXPECT_FALSE(r->Busy);
    EXPECT_EQ(RaisedCode([&] { r->Set(false, false); }), -509);
    EXPECT_FALSE(r->Busy);
    EXPECT_EQ(r->gets + r->sets, 0);
}
