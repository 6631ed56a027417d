#include "mainwindow/mainunit.h"

#include <memory>

#include "common/qzini.h"
#include "common/qzmessages.h"
#include "mainwindow/statusvars.h"
#include "mib/rmon.h"
#include "platform/os/program.h"
#include "platform/os/registry.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/sysutils.h"
#include "snmpvars/qzsnmperror.h"
#include "snmpvars/qzsnmprequest2edits.h"
#include "snmpvars/qzsnmpsession.h"

TMainForm* MainForm = nullptr;

namespace {

const char* const kHelpPathKey = "\\SOFTWARE\\Quenzo\\Modules\\HelpPath";
const char* const kHelpPathValue = "1.3.6.1.4.1.171.10.70.2";
const int kHelpFileNameLength = 12;  // "VRX-6120.hlp"
const char* const kExePathKey = "\\SOFTWARE\\Quenzo\\Zentra5.1\\ExePath";
const char* const kMibFileKey = "\\SOFTWARE\\Quenzo\\Zentra5.1\\MibFile";

}  // namespace

TMainForm::TMainForm(TComponent* Owner) : TForm(Owner)
{
    // Set before anything else, as the status requests are made with the main form as owner.
    MainForm = this;
    try {
        Construct();
    } catch (...) {
        MainForm = nullptr;
        throw;
    }
    DoCreate();
}

void TMainForm::Construct()
{
    BuildLayout();

    ScaleUp = Screen->PixelsPerInch() != 96;
    ScaleFactor = ScaleUp ? 1.25f : 1.0f;
    SetWidth(800);

    // The boots counter lies in the current directory.
    QzSNMPInitialize("");
    QzSNMPSecurity.version = 0;

    // The module directory: the help file's full path without the file name. The key is
    // created when missing (only in memory: the registry file is the host's and is never
    // written).
    {
        TRegistry reg;
        AnsiString helpPath;
        if (reg.OpenKey(kHelpPathKey, true)) helpPath = reg.ReadString(kHelpPathValue);
        ModuleDirectory = helpPath.Length() > kHelpFileNameLength
                              ? helpPath.SubString(1, helpPath.Length() - kHelpFileNameLength)
                              : AnsiString();
    }

    LoadMessageFile(QzCommonMessageTable, ModuleDirectory + "errmsg/common.err");
    QzSNMPLoadMessageFiles(ModuleDirectory + "errmsg");

    TRegistry reg;
    SettingsDirectory = "";
    if (reg.OpenKeyReadOnly(kExePathKey)) SettingsDirectory = JoinPath(reg.ReadString("Path"), "../Conf/MBF/");
    if (reg.OpenKeyReadOnly(kMibFileKey)) SettingsDirectory = reg.ReadString("Path");

    ClearConnectionFlags();
    if (ParamCount() == 0) {
        Application->MessageBox("No parameter input", "", MB_OK);
        Application->Terminate();
    } else {
        for (int i = 1; i <= ParamCount(); ++i) ApplyParameter(*this, ParamStr(i), SettingsDirectory);
    }
    VACM1->SetEnabled(QzSNMPSecurity.version == 3);
}

TMainForm::~TMainForm()
{
    // Normally FormClose has done this already.
    Shutdown();
    if (MainForm == this) MainForm = nullptr;
}

void TMainForm::BuildLayout()
{
    SetName("MainForm");
    SetCaption("MainForm");
    SetBorderStyle(bsSingle);
    SetPosition(poScreenCenter);

    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    BuildMainMenu();
    SetMenu(MainMenu1);

    StatusBar = new TStatusBar(this);
    StatusBar->SetName("StatusBar");
    StatusBar->SetParent(this);
    StatusBar->SetAlign(alBottom);
    StatusBar->Panels()->Add()->SetWidth(50);

    ScrollBox1 = new TScrollBox(this);
    ScrollBox1->SetName("ScrollBox1");
    ScrollBox1->SetParent(this);
    ScrollBox1->SetAutoScroll(false);
    ScrollBox1->SetAlign(alClient);

    TStaticText** texts[] = {&ST_RmonState, &ST_STPVersion, &ST_8021xStatus};
    const char* names[] = {"ST_RmonState", "ST_STPVersion", "ST_8021xStatus"};
    for (int i = 0; i < 3; ++i) {
        *texts[i] = new TStaticText(this);
        (*texts[i])->SetName(names[i]);
        (*texts[i])->SetParent(this);
        (*texts[i])->SetVisible(false);
    }

    // Room for one front panel (89 high) above the status bar.
    SetClientHeight(89 + StatusBar->Height() + 3);

    OnCreate = TNotifyEvent(this, &TMainForm::FormCreate);
    OnActivate = TNotifyEvent(this, &TMainForm::FormActivate);
    OnClose = TCloseEvent(this, &TMainForm::FormClose);
}

void TMainForm::ShowStatus(const AnsiString& text) { StatusBar->Panels()->Items(0)->SetText(text); }

void TMainForm::FormCreate(TObject*)
{
    Activated = false;
    SetCaption(AgentAddress);
    PortButtons = new TList;
    PanelForms = new TList;
    try {
        CreateStatusRequests();
    } catch (const Exception& e) {
        ShowStatus(e.Message);
    }
}

void TMainForm::FormActivate(TObject*)
{
    if (Activated) return;
    Activated = true;
    ShowPanelAndMenuStates();
}

void TMainForm::ShowPanelAndMenuStates()
{
    CreateFrontPanel();
    AttachPortPopup();
    AttachPortButtonClick();
    ApplyRmonMenuState();
    Apply8021xMenuState();
}

void TMainForm::RefreshPanel1Click(TObject*)
{
    if (MessageDlg("Refresh panel may take a long time. Are you sure?", mtConfirmation, mbOKCancel, 0) != mrOk)
        return;
    ClearPanels();
    PortButtons->Clear();
    CurrentPanel = nullptr;
    ShowPanelAndMenuStates();
}

void TMainForm::ClearPanels()
{
    if (!PanelForms) return;
    // Each panel's close stops its LED poll and waits for its requests.
    for (int i = 0; i < PanelForms->Count(); ++i) {
        auto* panel = static_cast<TForm*>(PanelForms->Get(i));
        panel->Close();
        delete panel;
    }
    PanelForms->Clear();
    CurrentPanel = nullptr;
}

void TMainForm::Shutdown()
{
    // Every poll and request stops before the lists that lead to them go.
    ClearPanels();
    StopStatusRequests();
    delete PortButtons;
    PortButtons = nullptr;
    delete PanelForms;
    PanelForms = nullptr;
}

void TMainForm::FormClose(TObject*, TCloseAction& Action)
{
    Action = caFree;
    Shutdown();
}

void TMainForm::CreateStatusRequests()
{
    struct {
        QzSNMPRequest2Edits** request;
        const UISnmpVar* table;
        TStaticText* text;
    } rows[] = {
        {&RmonStateRequest, RMONSetting1Vars, ST_RmonState},
        {&StpVersionRequest, StpVersionVars, ST_STPVersion},
        {&Dot1xStateRequest, Dot1xStateVars, ST_8021xStatus},
    };
    for (auto& row : rows) {
        auto request = std::make_unique<QzSNMPRequest2Edits>(this);
        request->Request.varList = QzSNMPVarList(row.table, SVT_SV, 0);
        request->Mode = 0;
        request->Associate(0, row.text);
        *row.request = request.release();
    }
}

void TMainForm::StopStatusRequests()
{
    for (QzSNMPRequest2Edits** r : {&RmonStateRequest, &StpVersionRequest, &Dot1xStateRequest}) {
        if (!*r) continue;
        (*r)->Withdraw();
        delete *r;
        *r = nullptr;
    }
}

// Reads a state into its static text; false when the read failed (its message is then in
// status panel 0) or there is no request to read it.
bool TMainForm::ReadStatus(QzSNMPRequest2Edits* request)
{
    if (!request) return false;
    try {
        request->Get();
        return true;
    } catch (const Exception& e) {
        ShowStatus(e.Message);
        return false;
    }
}

void TMainForm::ApplyRmonMenuState()
{
    if (!ReadStatus(RmonStateRequest)) return;
    const AnsiString state = ST_RmonState->Caption();
    if (state != "disabled" && state != "enabled") return;
    for (TMenuItem* item : {Statistics1, History1, AlarmEvent1}) item->SetEnabled(state == "enabled");
}

void TMainForm::Apply8021xMenuState()
{
    if (!ReadStatus(Dot1xStateRequest)) return;
    const AnsiString state = ST_8021xStatus->Caption();
    if (state == "disabled") Auth1->SetEnabled(false);
    else if (state == "enabled") Auth1->SetEnabled(true);
}

void TMainForm::RefreshStpVersion()
{
    if (!StpVersionRequest) return;
    try {
        StpVersionRequest->Get();
    } catch (const Exception& e) {
        ShowStatus(e.Message);
    }
}
