// The main window: start-up from registry, message files and command line; its layout;
// activation, panel refresh and closing; the gate form.
#include <QCoreApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <sys/stat.h>

#include "mainwindow/unit1.h"
#include "platform/ui/buttons.h"
#include "platform/ui/menubar.h"
#include "platform/ui/menus.h"
#include "snmpvars/qzsnmpsession.h"
#include "tests/mainwindow/mainformfixture.h"
#include "tests/support/simagent.h"

namespace {

std::string Read(const std::string& file)
{
    std::ifstream f(file);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// A stand-in for a front-panel form: its close says whether the main window's lists were
// still there.
class StubPanel : public TForm {
public:
    explicit StubPanel(TComponent* owner, std::string* log) : TForm(owner), log_(log)
    {
        OnClose = TCloseEvent(this, &StubPanel::FormClose);
        DoCreate();
    }
    void FormClose(TObject*, TCloseAction& action)
    {
        *log_ += MainForm && MainForm->PanelForms && MainForm->PortButtons ? "closed;" : "closed late;";
        action = caFree;
    }

private:
    std::string* log_;
};

const std::string kRmonOid = "1.3.6.1.4.1.171.11.70.2.2.1.2.4.0";
const std::string kDot1xOid = "1.0.8802.1.1.1.1.1.1.0";
const std::string kLinkOid21 = "1.3.6.1.4.1.171.11.70.2.2.3.1.1.5.21.2";

// GETs of the object that the agent has answered so far.
size_t Reads(const SimAgent& agent, const std::string& oid)
{
    size_t n = 0;
    for (const SimRequest& r : agent.Requests())
        if (r.kind == "GET" && r.varbinds.size() == 1 && r.varbinds[0].oid == oid) ++n;
    return n;
}

}  // namespace

TEST_F(MainFormTest, DirectoriesFromTheRegistry)
{
    struct Case {
        const char* name;
        std::string registry;
        std::string moduleDir, settingsDir;
    } cases[] = {
        {"no registry file", "", "", ""},
        {"help path", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quenzo\\Modules\\HelpPath]\r\n"
                      "\"1.3.6.1.4.1.171.10.70.2\"=\"/m/VRX-6120.hlp\"\r\n",
         "/m/", ""},
        {"a help path no longer than the file name", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quenzo\\Modules\\HelpPath]\r\n"
                                                     "\"1.3.6.1.4.1.171.10.70.2\"=\"VRX-6120.hlp\"\r\n",
         "", ""},
        {"host program folder", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quenzo\\Zentra5.1\\ExePath]\r\n\"Path\"=\"/h/bin/\"\r\n",
         "", "/h/bin/../Conf/MBF/"},
        {"host program folder without its separator",
         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quenzo\\Zentra5.1\\ExePath]\r\n\"Path\"=\"/h/bin\"\r\n", "", "/h/bin/../Conf/MBF/"},
        {"the MIB file folder wins",
         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quenzo\\Zentra5.1\\ExePath]\r\n\"Path\"=\"/h/bin/\"\r\n"
         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quenzo\\Zentra5.1\\MibFile]\r\n\"Path\"=\"/conf/\"\r\n",
         "", "/conf/"},
        {"a MIB file key without its value", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quenzo\\Zentra5.1\\ExePath]\r\n"
                                             "\"Path\"=\"/h/bin/\"\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quenzo\\Zentra5.1\\MibFile]\r\n",
         "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::remove(dir.File("registry.reg").c_str());
        if (!c.registry.empty()) Registry(c.registry);
        Make({"/I10.1.1.1"});
        EXPECT_EQ(form->ModuleDirectory, c.moduleDir);
        EXPECT_EQ(form->SettingsDirectory, c.settingsDir);
    }
}

TEST_F(MainFormTest, MessageFilesAndSettingsFileWhereTheRegistrySays)
{
    const std::string d = dir.Path();
    Registry("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quenzo\\Modules\\HelpPath]\r\n\"1.3.6.1.4.1.171.10.70.2\"=\"" + d +
             "/mod/VRX-6120.hlp\"\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quenzo\\Zentra5.1\\ExePath]\r\n\"Path\"=\"" + d +
             "/host/bin/\"\r\n");
    mkdir(dir.File("mod").c_str(), 0755);
    mkdir(dir.File("mod/errmsg").c_str(), 0755);
    dir.Write("mod/errmsg/common.err", "(QzCommon) first text\n\n(QzCommon) second text\n");
    dir.Write("mod/errmsg/qzsnmp.err", "(QzSNMP++) All right!\n");
    mkdir(dir.File("host").c_str(), 0755);
    mkdir(dir.File("host/bin").c_str(), 0755);
    mkdir(dir.File("host/Conf").c_str(), 0755);
    mkdir(dir.File("host/Conf/MBF").c_str(), 0755);
    dir.Write("host/Conf/MBF/10.1.1.1.cfg",
              "[Program Information]\nAgentPort=2161\nVersion=3\nSecurityModel=3\nSecurityLevel=0\n"
              "SecurityName=op\nAuthProtocol=0\nPrivProtocol=0\n");

    Make({"/I10.1.1.1", "/Rpub", "/Wpriv"});
    EXPECT_EQ(QzCommonMessageTable.Text(0), "(QzCommon) first text");
    EXPECT_EQ(QzCommonMessageTable.Text(1), "(QzCommon) second text");
    EXPECT_EQ(QzSNMPMessageTable.Text(0), "(QzSNMP++) All right!");
    EXPECT_TRUE(SettingsFileFound);
    EXPECT_EQ(QzSNMPDevice.address, "10.1.1.1");
    EXPECT_EQ(QzSNMPDevice.port, 2161);
    EXPECT_EQ(QzSNMPSecurity.version, 3);
    EXPECT_EQ(QzSNMPSecurity.readCommunity, "pub");
    EXPECT_EQ(QzSNMPSecurity.writeCommunity, "priv");
    EXPECT_EQ(QzSNMPSecurity.securityName, "op");
    EXPECT_TRUE(form->VACM1->Enabled());
}

TEST_F(MainFormTest, EveryStartCountsTheEngineBoots)
{
    const std::string counter = "517A534E4D505F50505F4170706C69636174696F6E";
    Make({"/I10.1.1.1"});
    EXPECT_EQ(Read(dir.File("QzSNMP_PP_BootCounter")), counter + " 1\n");
    Make({"/I10.1.1.1"});
    EXPECT_EQ(Read(dir.File("QzSNMP_PP_BootCounter")), counter + " 2\n");
}

TEST_F(MainFormTest, LayoutAndStartState)
{
    Make({"/I10.1.1.1", "/Rpub", "/Wpriv"});
    EXPECT_EQ(MainForm, form);
    EXPECT_EQ(form->Caption(), "10.1.1.1");
    EXPECT_EQ(form->Width(), 800);
    EXPECT_EQ(form->ScaleUp, Screen->PixelsPerInch() != 96);
    EXPECT_FLOAT_EQ(form->ScaleFactor, form->ScaleUp ? 1.25f : 1.0f);
    EXPECT_EQ(form->BorderStyle(), bsSingle);
    EXPECT_EQ(form->Position(), poScreenCenter);
    EXPECT_EQ(form->Menu(), form->MainMenu1);
    EXPECT_FALSE(form->Activated);
    ASSERT_NE(form->PortButtons, nullptr);
    ASSERT_NE(form->PanelForms, nullptr);
    EXPECT_EQ(form->PanelForms->Count(), 0);
    EXPECT_EQ(form->CurrentPanel, nullptr);

    EXPECT_EQ(form->StatusBar->Panels()->Count(), 1);
    EXPECT_EQ(form->StatusBar->Panels()->Items(0)->Width(), 50);
    EXPECT_EQ(form->StatusBar->Align(), alBottom);
    EXPECT_EQ(form->ScrollBox1->Align(), alClient);
    EXPECT_FALSE(form->ScrollBox1->AutoScroll());
    for (TStaticText* t : {form->ST_RmonState, form->ST_STPVersion, form->ST_8021xStatus}) EXPECT_FALSE(t->Visible());

    // The menu items the window works with, under their menus.
    struct Item {
        TMenuItem* item;
        const char* name;
        const char* caption;
        const char* parent;
        bool visible;
    } items[] = {
        {form->RefreshPanel1, "RefreshPanel1", "Refresh Panel", "Device Management", false},
        {form->RefreshPanel2, "RefreshPanel2", "Refresh Panel", "Basic Configuration", true},
        {form->Statistics1, "Statistics1", "Statistics", "RMON", true},
        {form->History1, "History1", "History", "RMON", true},
        {form->AlarmEvent1, "AlarmEvent1", "Alarm/Event", "RMON", true},
        {form->Auth1, "Auth1", "Authentication Mode Setting", "Security Management", true},
        {form->VACM1, "VACM1", "SNMP V3", "", true},
    };
    for (const Item& i : items) {
        SCOPED_TRACE(i.name);
        ASSERT_NE(i.item, nullptr);
        EXPECT_EQ(form->FindComponent(i.name), i.item);
        EXPECT_EQ(i.item->Caption(), i.caption);
        EXPECT_EQ(i.item->Parent()->Caption(), i.parent);
        EXPECT_EQ(i.item->Visible(), i.visible);
    }
    EXPECT_EQ(form->RefreshPanel1->OnClick, TNotifyEvent(form, &TMainForm::RefreshPanel1Click));
    EXPECT_EQ(form->RefreshPanel2->OnClick, TNotifyEvent(form, &TMainForm::RefreshPanel1Click));
    EXPECT_FALSE(form->VACM1->Enabled());  // SNMPv1

    // Every top menu stands in the bar ("Single IP" and "Help" last), on as many rows as
    // the window's width needs; the controls start below them.
    WrappingMenuBar* bar = form->MainMenu1->MenuBar();
    TMenuItem* tops = form->MainMenu1->Items();
    ASSERT_GT(tops->Count(), 0);
    for (int i = 0; i < tops->Count(); ++i) {
        TMenuItem* top = tops->Items(i);
        if (!top->Visible()) continue;
        SCOPED_TRACE(top->Caption().c_str());
        QRect r = bar->ActionGeometry(top->Action());
        EXPECT_FALSE(r.isEmpty());
        EXPECT_TRUE(bar->rect().contains(r));
    }
    EXPECT_EQ(tops->Items(tops->Count() - 1)->Caption(), "Help");
    EXPECT_EQ(form->ClientWidget()->y(), bar->height());

    Make({"/I10.1.1.1", "/v3"});
    EXPECT_TRUE(form->VACM1->Enabled());
}

TEST_F(MainFormTest, BadNumberLeavesNoMainWindow)
{
    SetProgramArguments({"vrx6120", "/I10.1.1.1", "/v3", "/t70000"});
    try {
        TMainForm f(nullptr);
        ADD_FAILURE() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message, "'70000' is not a valid port number (0 to 65535)");
    }
    EXPECT_EQ(MainForm, nullptr);
}

TEST_F(MainFormTest, OpensAndClosesAgainstTheSimulatedAgent)
{
    SimAgent agent;
    dir.Write("127.0.0.1.cfg", "[Program Information]\nAgentPort=" + std::to_string(agent.Port()) +
                                   "\nVersion=1\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
    Make({"/I127.0.0.1", "/Rpublic", "/Wprivate"});
    EXPECT_EQ(QzSNMPDevice.address, "127.0.0.1");
    EXPECT_EQ(QzSNMPDevice.port, agent.Port());
    EXPECT_EQ(QzSNMPSecurity.version, 1);
    EXPECT_EQ(form->AgentPortText, std::to_string(agent.Port()));

    form->Show();
    ASSERT_TRUE(WaitFor([&] { return form->Activated; }));
    QPointer<TMainForm> alive(form);
    form->Close();
    EXPECT_EQ(form->PortButtons, nullptr);
    EXPECT_EQ(form->PanelForms, nullptr);
    // The close released the window; it goes once messages run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
    form = nullptr;
    EXPECT_EQ(MainForm, nullptr);
    EXPECT_TRUE(boxes.Boxes().empty());
}

// The display going away ends the process by exit() from inside the message loop, with the
// main window and the gate form standing and their requests bound: it ends cleanly.
TEST_F(MainFormTest, EndsCleanlyWhenThePlatformExitsTheProcess)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SetProgramArguments({"vrx6120", "/I10.1.1.1", "/Rpublic", "/Wprivate"});
            Application->CreateForm(MainForm);
            form = MainForm;
            QuickStatusReads();
            form = nullptr;
            Application->CreateForm(Form1);
            QTimer::singleShot(300, qApp, [] { std::exit(3); });
            Application->Run();
            std::exit(4);
        },
        ::testing::ExitedWithCode(3), "");
}

TEST_F(MainFormTest, ClosingStopsThePanelsBeforeTheListsGo)
{
    Make({"/I10.1.1.1"});
    std::string log;
    QPointer<StubPanel> a = new StubPanel(form, &log), b = new StubPanel(form, &log);
    form->PanelForms->Add(a.data());
    form->PanelForms->Add(b.data());
    form->PortButtons->Add(form);  // any entry
    form->CurrentPanel = b;
    TCloseAction action = caHide;
    form->FormClose(form, action);
    EXPECT_EQ(action, caFree);
    EXPECT_EQ(log, "closed;closed;");
    EXPECT_TRUE(a.isNull());
    EXPECT_TRUE(b.isNull());
    EXPECT_EQ(form->PanelForms, nullptr);
    EXPECT_EQ(form->PortButtons, nullptr);
    EXPECT_EQ(form->CurrentPanel, nullptr);
}

TEST_F(MainFormTest, RefreshPanelAsksFirst)
{
    SimAgent agent;
    MakeOn(agent);
    ShowAndActivate();
    QPointer<TForm> first = form->CurrentPanel;
    ASSERT_FALSE(first.isNull());
    const int height = form->ClientHeight(), width = form->ClientWidth();
    ASSERT_TRUE(WaitFor([&] { return Reads(agent, kDot1xOid) == 1; }));

    boxes.QueueAnswers({IDCANCEL});
    form->RefreshPanel2->Click();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Refresh panel may take a long time. Are you sure?");
    EXPECT_EQ(boxes.Boxes()[0].flags & 0xF, MB_OKCANCEL);
    EXPECT_EQ(form->CurrentPanel, first.data());
    EXPECT_EQ(form->PanelForms->Count(), 1);
    EXPECT_EQ(form->PortButtons->Count(), 28);

    // Agreed: a new panel in place of the old one, its buttons only, the states read again.
    agent.Control({"1.3.6.1.4.1.171.11.70.2.2.1.2.4.0 integer 2", "1.0.8802.1.1.1.1.1.1.0 integer 2"});
    boxes.QueueAnswers({IDOK});
    form->RefreshPanel1->Click();  // hidden, same command
    EXPECT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_TRUE(first.isNull());
    ASSERT_EQ(form->PanelForms->Count(), 1);
    auto* panel = static_cast<TForm*>(form->PanelForms->Get(0));
    EXPECT_EQ(form->CurrentPanel, panel);
    ASSERT_EQ(form->PortButtons->Count(), 28);
    for (int i = 0; i < 28; ++i)
        EXPECT_EQ(panel->FindComponent("SpeedButton" + IntToStr(i + 1)),
                  static_cast<TComponent*>(static_cast<TSpeedButton*>(form->PortButtons->Get(i))));
    EXPECT_EQ(panel->Top(), 0);
    EXPECT_EQ(form->ClientHeight(), height);
    EXPECT_EQ(form->ClientWidth(), width);
    EXPECT_FALSE(form->Statistics1->Enabled());
    EXPECT_FALSE(form->Auth1->Enabled());
    EXPECT_TRUE(WaitFor([&] { return Reads(agent, kDot1xOid) == 2; }));
    EXPECT_EQ(Reads(agent, kRmonOid), 2u);
}

TEST_F(MainFormTest, FirstActivationSetsTheMenusFromTheSwitchOnlyOnce)
{
    SimAgentOptions options;
    options.lines = {"1.3.6.1.4.1.171.11.70.2.2.1.2.4.0 rw integer 2 range=2,3",
                     "1.0.8802.1.1.1.1.1.1.0 rw integer 2 range=1,2"};
    SimAgent agent(options);
    MakeOn(agent);
    for (TMenuItem* i : {form->Statistics1, form->History1, form->AlarmEvent1, form->Auth1}) EXPECT_TRUE(i->Enabled());
    ShowAndActivate();
    EXPECT_EQ(form->ST_RmonState->Caption(), "disabled");
    EXPECT_EQ(form->ST_8021xStatus->Caption(), "disabled");
    for (TMenuItem* i : {form->Statistics1, form->History1, form->AlarmEvent1, form->Auth1}) EXPECT_FALSE(i->Enabled());
    EXPECT_EQ(form->PanelForms->Count(), 1);

    // Later activations build nothing and read nothing.
    agent.Control({"1.3.6.1.4.1.171.11.70.2.2.1.2.4.0 integer 3", "1.0.8802.1.1.1.1.1.1.0 integer 1"});
    ASSERT_TRUE(WaitFor([&] { return Reads(agent, kDot1xOid) == 1; }));
    QPointer<TForm> panel = form->CurrentPanel;
    form->FormActivate(form);
    EXPECT_EQ(form->CurrentPanel, panel.data());
    EXPECT_EQ(form->PanelForms->Count(), 1);
    EXPECT_EQ(form->PortButtons->Count(), 28);
    QTest::qWait(100);
    EXPECT_EQ(Reads(agent, kRmonOid), 1u);
    EXPECT_EQ(Reads(agent, kDot1xOid), 1u);
    EXPECT_EQ(Reads(agent, kLinkOid21), 1u);
    EXPECT_FALSE(form->Statistics1->Enabled());
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(MainFormTest, MenuItemsFollowTheRmonAnd8021xStates)
{
    const std::string rmon = "1.3.6.1.4.1.171.11.70.2.2.1.2.4.0";
    const std::string dot1x = "1.0.8802.1.1.1.1.1.1.0";
    AnsiString genErr;
    QzSNMPGetErrorText(5, genErr);
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        bool rmonBefore, authBefore;  // the items' state before the reads
        bool rmonAfter, authAfter;
        std::string rmonText, dot1xText;
        std::string status;           // "" : status panel untouched
    } cases[] = {
        {"enabled", {rmon + " integer 3", dot1x + " integer 1"}, false, false, true, true, "enabled", "enabled", ""},
        {"disabled", {rmon + " integer 2", dot1x + " integer 2"}, true, true, false, false, "disabled", "disabled", ""},
        {"no label leaves them", {rmon + " integer 7", dot1x + " integer 9"}, false, true, false, true, "7", "9", ""},
        {"a failed read leaves them and says why",
         {rmon + " integer 2", dot1x + " integer 2", "fault error " + rmon + " genErr",
          "fault error " + dot1x + " genErr"},
         true, false, true, false, "7", "9", genErr.std()},
    };
    SimAgent agent;
    MakeOn(agent);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        agent.Control(c.lines);
        for (TMenuItem* i : {form->Statistics1, form->History1, form->AlarmEvent1}) i->SetEnabled(c.rmonBefore);
        form->Auth1->SetEnabled(c.authBefore);
        form->ShowStatus("");
        form->ApplyRmonMenuState();
        form->Apply8021xMenuState();
        for (TMenuItem* i : {form->Statistics1, form->History1, form->AlarmEvent1}) EXPECT_EQ(i->Enabled(), c.rmonAfter);
        EXPECT_EQ(form->Auth1->Enabled(), c.authAfter);
        EXPECT_EQ(form->ST_RmonState->Caption(), c.rmonText);
        EXPECT_EQ(form->ST_8021xStatus->Caption(), c.dot1xText);
        EXPECT_EQ(Status(), c.status);
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(MainFormTest, StatusRequestsAreSynchronousReadsOfTheirObjects)
{
    SimAgent agent;
    MakeOn(agent);
    struct Case {
        QzSNMPRequest2Edits* request;
        TStaticText* text;
        const char* oid;
        const char* value;
    } cases[] = {
        {form->RmonStateRequest, form->ST_RmonState, "1.3.6.1.4.1.171.11.70.2.2.1.2.4.0", "enabled"},
        {form->StpVersionRequest, form->ST_STPVersion, "1.3.6.1.4.1.171.12.15.1.2.0", "rstp"},
        {form->Dot1xStateRequest, form->ST_8021xStatus, "1.0.8802.1.1.1.1.1.1.0", "disabled"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.oid);
        ASSERT_NE(c.request, nullptr);
        EXPECT_EQ(c.request->Mode, 0);
        EXPECT_EQ(c.request->Request.varList.listType, SVT_SV);
        EXPECT_EQ(c.request->Request.varList.GetCount(), 1);
        const size_t before = agent.Requests().size();
        c.request->Get();  // synchronous: the value is there when it returns
        EXPECT_EQ(c.text->Caption(), c.value);
        // The agent logs a request once it has answered it.
        ASSERT_TRUE(agent.WaitForRequests(before + 1));
        EXPECT_EQ(agent.Requests()[before].varbinds[0].oid, c.oid);
    }
    // Closing stops and frees them.
    QPointer<TMainForm> alive(form);
    form->Close();
    EXPECT_EQ(form->RmonStateRequest, nullptr);
    EXPECT_EQ(form->StpVersionRequest, nullptr);
    EXPECT_EQ(form->Dot1xStateRequest, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
    form = nullptr;
}

TEST(GateForm, FlagsStartIdleAndRequestDoneFreesBoth)
{
    {
        TForm1 gate(nullptr);
        EXPECT_EQ(Form1, &gate);
        EXPECT_EQ(gate.Caption(), "Form1");
        EXPECT_FALSE(gate.Visible());
        // Nothing is outstanding yet: the first refresh of a gated form is not held back.
        EXPECT_TRUE(gate.GetIdle);
        EXPECT_TRUE(gate.SetIdle);
        gate.GetIdle = false;
        gate.SetIdle = false;
        gate.RequestDone(nullptr, nullptr);
        EXPECT_TRUE(gate.GetIdle);
        EXPECT_TRUE(gate.SetIdle);
    }
    EXPECT_EQ(Form1, nullptr);
}
