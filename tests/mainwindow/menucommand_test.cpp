// Running the menu commands: table commands around a stand-in form builder (caption, sizes,
// the SNMPv2c raise and its restore, a failing build), feature forms through their
// registration, module commands through the launcher, and Help.
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <fstream>
#include <sys/stat.h>

#include "mainwindow/aboutunit.h"
#include "mainwindow/featureforms.h"
#include "mainwindow/menucommands.h"
#include "mainwindow/tableform.h"
#include "snmpvars/qzsnmpsession.h"
#include "tests/mainwindow/mainformfixture.h"

namespace {

std::vector<std::string> Lines(const std::string& file)
{
    std::ifstream f(file);
    std::vector<std::string> out;
    std::string line;
    while (std::getline(f, line)) out.push_back(line);
    return out;
}

// What the stand-in builder saw, and what the built form looked like while it was shown.
struct BuildLog {
    bool fail = false;  // raise after making the form
    std::vector<std::string> tables;
    std::vector<QPointer<TForm>> forms;
    int versionAtBuild = -1;
    int versionWhileShown = -1;
    std::string caption;
    int width = 0, height = 0;
    int closes = 0;  // runs of the form's own close handler
};
BuildLog* Log = nullptr;

void StubBuilder(TMainForm&, const TMenuCommand&, const MibCommand& table, std::unique_ptr<TForm>& form)
{
    Log->tables.push_back(table.component);
    Log->versionAtBuild = QzSNMPSecurity.version;
    form.reset(new TForm(Application));
    form->SetBounds(0, 0, 400, 300);
    form->OnClose = TCloseEvent(std::function<void(TObject*, TCloseAction&)>([](TObject*, TCloseAction&) {
        ++Log->closes;
    }));
    Log->forms.push_back(form.get());
    if (Log->fail) throw Exception("broken table");
    TForm* f = form.get();
    QTimer::singleShot(0, f, [f] {
        Log->versionWhileShown = QzSNMPSecurity.version;
        Log->caption = f->Caption().std();
        Log->width = f->Width();
        Log->height = f->Height();
        f->Close();
    });
}

// A feature form that records what it saw while shown and closes itself.
class TStubFeatureForm : public TForm {
public:
    explicit TStubFeatureForm(TComponent* owner) : TForm(owner)
    {
        ++Made;
        QTimer::singleShot(0, this, [this] {
            SeenGlobal = Global;
            SeenCaption = Caption().std();
            Close();
        });
    }
    static TStubFeatureForm* Global;
    static TStubFeatureForm* SeenGlobal;
    static std::string SeenCaption;
    static int Made;
};
TStubFeatureForm* TStubFeatureForm::Global = nullptr;
TStubFeatureForm* TStubFeatureForm::SeenGlobal = nullptr;
std::string TStubFeatureForm::SeenCaption;
int TStubFeatureForm::Made = 0;

class MenuCommandTest : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        Log = &log;
        TableFormBuilder = StubBuilder;
    }
    void TearDown() override
    {
        TableFormBuilder = BuildTableForm;
        Log = nullptr;
        MainFormTest::TearDown();
    }
    // Commands that read the device's state give up at once on 10.1.1.1.
    void Made() override { QuickStatusReads(); }
    TMenuItem* Item(const char* name) { return dynamic_cast<TMenuItem*>(form->FindComponent(name)); }

    BuildLog log;
};

}  // namespace

TEST_F(MenuCommandTest, EveryTableCommandShowsItsTableWithItsCaptionAndSize)
{
    Make({"/I10.1.1.1"});
    form->ScaleFactor = 1.25f;
    int runs = 0;
    for (int i = 0; i < MenuCommandCount(); ++i) {
        const TMenuCommand& cmd = MenuCommandAt(i);
        if (cmd.kind != ckEditor && cmd.kind != ckListView) continue;
        SCOPED_TRACE(cmd.component);
        const MibCommand* table = FindMibCommand(cmd.component);
        ASSERT_NE(table, nullptr);
        log.caption.clear();
        Item(cmd.component)->Click();  // hidden items too
        ++runs;
        ASSERT_EQ(log.tables.size(), static_cast<size_t>(runs));
        EXPECT_EQ(log.tables.back(), cmd.component);
        EXPECT_EQ(form->NextFormCaption, table->caption);
        TCommandLayout expected = ComputeCommandLayout(cmd, table->caption, "10.1.1.1", 1.25f, 400, 300);
        EXPECT_EQ(log.caption, expected.caption.std());
        EXPECT_EQ(log.width, expected.width);
        EXPECT_EQ(log.height, expected.height);
        EXPECT_TRUE(log.forms.back().isNull());  // deleted when the modal loop ended
    }
    EXPECT_EQ(runs, 137);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(MenuCommandTest, CaptionsAndSizesOfSomeCommands)
{
    struct Case {
        const char* name;
        std::vector<std::string> params;
        const char* component;
        float scale;
        const char* caption;
        int width, height;
    } cases[] = {
        {"address rule", {"/I10.1.1.1"}, "MemberSwitch1", 1.0f, "Member Switch: 10.1.1.1", 400, 300},
        {"address rule, no address", {"/Rpub"}, "MemberSwitch1", 1.0f, "Member Switch: ", 400, 300},
        {"trailing blank kept", {"/I10.1.1.1"}, "SessionInformation1", 1.0f, "Session Information ", 400, 300},
        {"height scaled", {"/I10.1.1.1"}, "PowerTable1", 1.25f, "Power Table", 400, 562},
        {"height unscaled", {"/I10.1.1.1"}, "IFXTable1", 1.25f, "IfX Table", 400, 450},
        {"width grows, then height", {"/I10.1.1.1"}, "MD5Table1", 1.25f, "Md5 Information Table", 437, 375},
        {"height grows", {"/I10.1.1.1"}, "HMACAlgorithm1", 1.25f, "HMAC Algorithm Control", 400, 318},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make(c.params);
        form->ScaleFactor = c.scale;
        Item(c.component)->Click();
        EXPECT_EQ(log.caption, c.caption);
        EXPECT_EQ(log.width, c.width);
        EXPECT_EQ(log.height, c.height);
    }
}

TEST_F(MenuCommandTest, SnmpV1ReadsCounter64TablesWithV2cAndGoesBack)
{
    struct Case {
        const char* name;
        const char* version;
        const char* component;
        int during, after;
    } cases[] = {
        {"IfX Table at SNMPv1", "/v0", "IFXTable1", 1, 0},
        {"Port Session Statistics at SNMPv1", "/v0", "PortSessionStatistics1", 1, 0},
        {"Session Information at SNMPv1", "/v0", "SessionInformation1", 1, 0},
        {"IfX Table at SNMPv2c", "/v1", "IFXTable1", 1, 1},
        {"IfX Table at SNMPv3", "/v3", "IFXTable1", 3, 3},
        {"another table at SNMPv1", "/v0", "DeviceInformation1", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make({"/I10.1.1.1", c.version});
        Item(c.component)->Click();
        EXPECT_EQ(log.versionAtBuild, c.during);
        EXPECT_EQ(log.versionWhileShown, c.during);
        EXPECT_EQ(QzSNMPSecurity.version, c.after);
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(MenuCommandTest, FailedBuildReleasesTheFormRestoresTheVersionAndShowsTheError)
{
    Make({"/I10.1.1.1", "/v0"});
    log.fail = true;
    Item("IFXTable1")->Click();
    EXPECT_EQ(log.versionAtBuild, 1);
    EXPECT_EQ(QzSNMPSecurity.version, 0);
    ASSERT_EQ(log.forms.size(), 1u);
    EXPECT_TRUE(log.forms[0].isNull());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "broken table.");  // as the application shows exceptions
    EXPECT_EQ(log.versionWhileShown, -1);  // never shown

    // The next command runs at the connection's own version.
    log.fail = false;
    Item("DeviceInformation1")->Click();
    EXPECT_EQ(log.versionAtBuild, 0);
    EXPECT_EQ(log.versionWhileShown, 0);
    EXPECT_EQ(boxes.Boxes().size(), 1u);
}

TEST_F(MenuCommandTest, RmonControlKeepsTheFormsOwnClose)
{
    Make({"/I10.1.1.1"});
    Item("RMONSetting1")->Click();
    Item("DeviceInformation1")->Click();
    EXPECT_EQ(log.closes, 2);
    EXPECT_EQ(log.caption, "Device Information");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(MenuCommandTest, SameCommandTwiceOpensTwoForms)
{
    Make({"/I10.1.1.1"});
    Item("FanTable1")->Click();
    Item("FanTable1")->Click();
    ASSERT_EQ(log.forms.size(), 2u);
    EXPECT_EQ(log.tables, (std::vector<std::string>{"FanTable1", "FanTable1"}));
    EXPECT_TRUE(log.forms[0].isNull());
    EXPECT_TRUE(log.forms[1].isNull());
}

TEST_F(MenuCommandTest, FeatureFormsShowModallyInTheirGlobalAndGo)
{
    struct Case {
        const char* component;
        bool global;
        const char* caption;  // as shown; null: the form's own
    } cases[] = {
        {"GVRP1", true, nullptr},
        {"PortTrunk2", false, nullptr},
        {"DeviceControl1", true, "Layer2 Control: 10.1.1.1"},
        {"SpanningTreeAlgorithm1", true, "Spanning Tree Algorithm"},
        {"Information2", true, nullptr},  // STP Control
    };
    Make({"/I10.1.1.1"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.component);
        if (c.global)
            RegisterFeatureForm<TStubFeatureForm>(c.component, &TStubFeatureForm::Global);
        else
            RegisterFeatureForm<TStubFeatureForm>(c.component);
        TStubFeatureForm::Made = 0;
        TStubFeatureForm::SeenGlobal = nullptr;
        TStubFeatureForm::SeenCaption = "(none)";
        int owned = Application->ComponentCount();
        Item(c.component)->Click();
        UnregisterFeatureForm(c.component);
        EXPECT_EQ(TStubFeatureForm::Made, 1);
        EXPECT_EQ(TStubFeatureForm::SeenGlobal != nullptr, c.global);
        EXPECT_EQ(TStubFeatureForm::Global, nullptr);
        EXPECT_EQ(TStubFeatureForm::SeenCaption, c.caption ? c.caption : "");
        EXPECT_EQ(Application->ComponentCount(), owned);  // deleted
    }
    EXPECT_TRUE(boxes.Boxes().empty());
    // Not registered: the item is disabled, and the command itself refuses.
    EXPECT_FALSE(Item("GVRP1")->Enabled());
    try {
        form->RunMenuCommand(*FindMenuCommand("GVRP1"));
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "TGARPForm is not available");
    }
}

TEST_F(MenuCommandTest, AboutOpensTheAboutBox)
{
    Make({"/I10.1.1.1"});
    std::string seen;
    QTimer::singleShot(0, qApp, [&] {
        if (AboutForm) {
            seen = AboutForm->Caption().std();
            AboutForm->Close();
        }
    });
    ASSERT_TRUE(Item("About1")->Enabled());
    Item("About1")->Click();
    EXPECT_EQ(seen, "About VRX-6120 Module");
    EXPECT_EQ(AboutForm, nullptr);
}

TEST_F(MenuCommandTest, ModuleCommandsStartTheirModule)
{
    mkdir(dir.File("bin").c_str(), 0755);
    for (const char* module : {"Rmon", "Bridge"}) {
        std::string out = dir.File(std::string(module) + ".args");
        dir.Write(std::string("bin/") + module, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" +
                                                     out + ".tmp'\nmv '" + out + ".tmp' '" + out + "'\n");
        chmod(dir.File(std::string("bin/") + module).c_str(), 0755);
    }
    std::string path = dir.File("bin") + ":" + (getenv("PATH") ? getenv("PATH") : "/usr/bin:/bin");
    setenv("PATH", path.c_str(), 1);

    Make({"/I10.1.1.1", "/Rpub", "/Wpriv"});
    form->History1->Click();
    Item("PortTable1")->Click();  // hidden
    ASSERT_TRUE(WaitFor([&] { return access(dir.File("Rmon.args").c_str(), F_OK) == 0; }));
    EXPECT_EQ(Lines(dir.File("Rmon.args")),
              (std::vector<std::string>{"/I10.1.1.1", "/Rpub", "/Wpriv", "/TRmon_History"}));
    ASSERT_TRUE(WaitFor([&] { return access(dir.File("Bridge.args").c_str(), F_OK) == 0; }));
    EXPECT_EQ(Lines(dir.File("Bridge.args")),
              (std::vector<std::string>{"/I10.1.1.1", "/Rpub", "/Wpriv", "/TBridge_Port"}));
    EXPECT_TRUE(log.tables.empty());
}

TEST_F(MenuCommandTest, HelpOpensTheHelpFileBesideTheProgram)
{
    EXPECT_EQ(HelpFileName(), ProgramDirectory() + "VRX-6120.hlp");
    // The build puts a help file beside the test program; a stand-in viewer records what it
    // was asked to open.
    mkdir(dir.File("bin").c_str(), 0755);
    std::string out = dir.File("viewer.args");
    dir.Write("bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + out + ".tmp'\nmv '" + out + ".tmp' '" +
                                  out + "'\n");
    chmod(dir.File("bin/xdg-open").c_str(), 0755);
    std::string oldPath = getenv("PATH") ? getenv("PATH") : "/usr/bin:/bin";
    setenv("PATH", (dir.File("bin") + ":" + oldPath).c_str(), 1);

    Make({"/I10.1.1.1"});
    Item("Help2")->Click();
    ASSERT_TRUE(WaitFor([&] { return access(out.c_str(), F_OK) == 0; }));
    EXPECT_EQ(Lines(out), (std::vector<std::string>{HelpFileName().std()}));
    EXPECT_EQ(Status(), "");

    // No viewer: the status bar says why.
    mkdir(dir.File("empty").c_str(), 0755);
    setenv("PATH", dir.File("empty").c_str(), 1);
    Item("Help2")->Click();
    setenv("PATH", oldPath.c_str(), 1);
    EXPECT_EQ(Status().SubString(1, 10), "xdg-open: ");
    EXPECT_TRUE(boxes.Boxes().empty());
}

namespace {

const char* const kStpVersionOid = "1.3.6.1.4.1.171.12.15.1.2.0";

// The status reads at their usual patience, for a window on the simulated agent.
void SteadyStatusReads(TMainForm* form)
{
    for (QzSNMPRequest2Edits* r : {form->RmonStateRequest, form->StpVersionRequest, form->Dot1xStateRequest}) {
        r->Request.timeout = 100;
        r->Request.retries = 1;
    }
}

bool Asked(const SimAgent& agent, const std::string& oid)
{
    for (const SimRequest& r : agent.Requests())
        if (r.kind == "GET" && r.varbinds.size() == 1 && r.varbinds[0].oid == oid) return true;
    return false;
}

}  // namespace

TEST_F(MenuCommandTest, SpanningTreeCommandsReadTheVersionFirst)
{
    SimAgent agent;
    MakeOn(agent);
    SteadyStatusReads(form);
    RegisterFeatureForm<TStubFeatureForm>("Information2", &TStubFeatureForm::Global);
    TStubFeatureForm::Made = 0;
    Item("Information2")->Click();  // STP Control
    EXPECT_EQ(TStubFeatureForm::Made, 1);
    EXPECT_TRUE(WaitFor([&] { return Asked(agent, kStpVersionOid); }));
    EXPECT_EQ(form->ST_STPVersion->Caption(), "rstp");

    agent.Control("1.3.6.1.4.1.171.12.15.1.2.0 integer 2");
    Item("PortTable")->Click();  // STP Port Table
    EXPECT_EQ(log.tables, std::vector<std::string>{"PortTable"});
    EXPECT_EQ(form->ST_STPVersion->Caption(), "mstp");
    EXPECT_EQ(Status(), "");

    // A failed read is shown in the status bar and the command goes on.
    AnsiString genErr;
    QzSNMPGetErrorText(5, genErr);
    agent.Control(std::string("fault error ") + kStpVersionOid + " genErr");
    Item("Information2")->Click();
    UnregisterFeatureForm("Information2");
    EXPECT_EQ(TStubFeatureForm::Made, 2);
    EXPECT_EQ(Status(), genErr);
    Item("PortTable")->Click();
    EXPECT_EQ(log.tables.size(), 2u);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(MenuCommandTest, RmonAnd8021xFormsLeaveTheMenusFollowingTheSwitch)
{
    SimAgent agent;
    MakeOn(agent);
    SteadyStatusReads(form);
    // The state the form set on the switch is read once the form is gone.
    agent.Control("1.3.6.1.4.1.171.11.70.2.2.1.2.4.0 integer 2");
    Item("RMONSetting1")->Click();
    EXPECT_EQ(log.closes, 1);  // the form's own close ran too
    for (TMenuItem* i : {form->Statistics1, form->History1, form->AlarmEvent1}) EXPECT_FALSE(i->Enabled());
    agent.Control("1.3.6.1.4.1.171.11.70.2.2.1.2.4.0 integer 3");
    Item("RMONSetting1")->Click();
    for (TMenuItem* i : {form->Statistics1, form->History1, form->AlarmEvent1}) EXPECT_TRUE(i->Enabled());

    form->Auth1->SetEnabled(false);
    agent.Control("1.0.8802.1.1.1.1.1.1.0 integer 1");
    Item("Configuration2")->Click();  // 802.1X Configuration
    EXPECT_TRUE(form->Auth1->Enabled());
    agent.Control("1.0.8802.1.1.1.1.1.1.0 integer 2");
    Item("Configuration2")->Click();
    EXPECT_FALSE(form->Auth1->Enabled());
    EXPECT_TRUE(boxes.Boxes().empty());
}
