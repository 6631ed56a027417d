#include "forms/layer2/portmirror.h"

#include "mainwindow/mainunit.h"
#include "mainwindow/panelvrx6120.h"
#include "mib/deviceforms.h"
#include "mib/vlantrunkforms.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/sysutils.h"

namespace {

const TResComponent kComponents[] = {
    // class          name                 parent        left top    w    h  align
    {"TStatusBar",    "StatusBar1",        nullptr,         0,   0,   0,  19, alBottom, nullptr, "50"},
    {"TPanel",        "Panel1",            nullptr,         0,   0,  97,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",       "BT_Refresh",        "Panel1",       11,  14,  75,  25, alNone, "Refresh"},
    {"TButton",       "BT_Set",            "Panel1",       11,  48,  75,  25, alNone, "Set Member"},
    {"TButton",       "btnRemove",         "Panel1",       11,  82,  75,  25, alNone, "Clear Member", nullptr, rfHidden},
    {"TButton",       "btnSetstatus",      "Panel1",       11, 116,  75,  25, alNone, "Set", nullptr, rfHidden},
    {"TPanel",        "Panel3",            nullptr,         0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPanel",        "Panel2",            "Panel3",        0,   0,   0,  52, alTop, "", nullptr, rfBevelNone},
    {"TLabel",        "Label2",            "Panel2",       12,  20,  70,  16, alNone, "Target Port "},
    {"TGroupBox",     "GroupBox2",         "Panel2",       90,   2, 110,  44, alNone, ""},
    {"TLabel",        "Label3",            "GroupBox2",     8,  18,  36,  16, alNone, "Port : "},
    {"TEdit",         "PortEdit",          "GroupBox2",    48,  16,  50,  21, alNone},
    {"TEdit",         "UnitEdit",          "Panel2",      210,  16,  30,  21, alNone, "0", nullptr, rfHidden},
    {"TEdit",         "ET_TargetPort",     "Panel2",      250,  16,  40,  21, alNone, nullptr, nullptr,
     rfHidden | rfDisabled},
    {"TCheckBox",     "CK_Status",         "Panel2",      220,  18, 140,  17, alNone, "Mirroring Status"},
    {"TEdit",         "ED_MasterPort",     "Panel2",      380,  16,  40,  21, alNone, nullptr, nullptr,
     rfHidden | rfDisabled},
    {"TGroupBox",     "IngressPortGB",     "Panel3",          0,   0,   0, 110, alTop, "Ingress Port"},
    {"TGroupBox",     "EgressPortGB",      "Panel3",          0,   0,   0, 110, alTop, "Egress Port"},
    {"TPanel",        "StackingPortPanel", "Panel3",          0,   0,   0,  40, alTop, "", nullptr, rfHidden},
    {"TListView",     "LV_PortTrunk",      "Panel3",          0,   0,   0,  40, alTop, nullptr, nullptr, rfHidden},
    {nullptr},
};
const TResForm kLayout = {"PortMirrorForm", "Port Mirror Table", 680, 340, poMainFormCenter, bsSizeable,
                          kComponents};

constexpr int kPortsPerUnit = 64;
const char* const kModel = "VRX-6120";

TStackingPortUitForm* UnitPage(TForm* owner, TWinControl* container)
{
    auto* page = new TStackingPortUitForm(owner);
    page->SetParent(container);
    page->SetAlign(alClient);
    page->Show();
    page->AddUnitPage("Unit1", 1, kPortsPerUnit, 12, 0);
    return page;
}

bool Checked(const TStackingPortUitForm* page, int k)
{
    const TCheckBox* box = page ? page->PortCheck(k) : nullptr;
    return box && box->Checked();
}

bool AnyChecked(const TStackingPortUitForm* page)
{
    for (int k = 0; page && page->PortCheck(k); ++k)
        if (page->PortCheck(k)->Checked()) return true;
    return false;
}

}  // namespace

TPortMirrorForm::TPortMirrorForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    IngressPortGB = C<TGroupBox>("IngressPortGB");
    EgressPortGB = C<TGroupBox>("EgressPortGB");
    StackingPortPanel = C<TPanel>("StackingPortPanel");
    PortEdit = C<TEdit>("PortEdit");
    UnitEdit = C<TEdit>("UnitEdit");
    ET_TargetPort = C<TEdit>("ET_TargetPort");
    CK_Status = C<TCheckBox>("CK_Status");
    BT_Refresh = C<TButton>("BT_Refresh");
    BT_Set = C<TButton>("BT_Set");
    btnRemove = C<TButton>("btnRemove");
    btnSetstatus = C<TButton>("btnSetstatus");
    LV_PortTrunk = C<TListView>("LV_PortTrunk");
    ED_MasterPort = C<TEdit>("ED_MasterPort");
    StatusBar1 = C<TStatusBar>("StatusBar1");

    BT_Refresh->OnClick = TNotifyEvent(this, &TPortMirrorForm::BT_RefreshClick);
    BT_Set->OnClick = TNotifyEvent(this, &TPortMirrorForm::BT_SetClick);
    ET_TargetPort->OnChange = TNotifyEvent(this, &TPortMirrorForm::ET_TargetPortChange);
    UnitEdit->OnKeyPress = TKeyPressEvent(this, &TPortMirrorForm::UnitEditKeyPress);
    PortEdit->OnKeyPress = TKeyPressEvent(this, &TPortMirrorForm::PortEditKeyPress);
    OnCreate = TNotifyEvent(this, &TPortMirrorForm::FormCreate);
    OnClose = TCloseEvent(this, &TPortMirrorForm::FormClose);
    DoCreate();
}

TPortMirrorForm::~TPortMirrorForm()
{
    ReleaseRequests();
    FreeUnits();
}

void TPortMirrorForm::FormCreate(TObject*)
{
    try {
        SetCaption("Port Mirror Table:" + (MainForm ? MainForm->AgentAddress : AnsiString()));
        IngressPage = UnitPage(this, IngressPortGB);
        EgressPage = UnitPage(this, EgressPortGB);
        Units = new TTrunkUnitRecord{1, PortCountForModel(kModel), kModel, nullptr};
        IngressPage->ShowUnitPorts("1", kModel, 1, Units->portCount, 12);
        EgressPage->ShowUnitPorts("1", kModel, 1, Units->portCount, 12);

        const AnsiString ports = PortIndexList(kPortsPerUnit);
        MirrorRequest = NewRequest(swL2MirrorCtrl, SVT_SV, 0);
        MirrorRequest->Mode = 0;
        MirrorRequest->AssociateFormat(0, "%i", ET_TargetPort);
        MirrorRequest->AssociateIndexList(1, ports, IngressPage->PortChecks);
        MirrorRequest->AssociateIndexList(2, ports, EgressPage->PortChecks);
        MirrorRequest->Associate(3, CK_Status);
        MirrorRequest->SetMessageControl(StatusBar1->Panels()->Items(0));
        MirrorRequest->Get();

        TrunkPage = UnitPage(this, StackingPortPanel);
        TrunkRequest = NewRequest(swL2TrunkCtrlEntry, MVT_UMV, 1);
        TrunkRequest->Mode = 0;
        TrunkRequest->BindListView(LV_PortTrunk, true);
        TrunkRequest->AssociateFormat(2, "%i", ED_MasterPort);
        TrunkRequest->AssociateIndexList(3, ports, TrunkPage->PortChecks);
        TrunkRequest->Get();
    } catch (...) {
        if (MirrorRequest) MirrorRequest->ShowResult(CurrentExceptionText());
        else ShowInPanel(StatusBar1, CurrentExceptionText());
    }
}

void TPortMirrorForm::FreeUnits()
{
    while (Units) {
        TTrunkUnitRecord* next = Units->next;
        delete Units;
        Units = next;
    }
}

int TPortMirrorForm::PortCount(int unit) const
{
    for (const TTrunkUnitRecord* r = Units; r; r = r->next)
        if (r->unit == unit) return r->portCount;
    return 0;
}

void TPortMirrorForm::BT_RefreshClick(TObject*)
{
    try {
        MirrorRequest->Get();
        TrunkRequest->Get();
        ET_TargetPortChange(ET_TargetPort);
    } catch (...) {
        MirrorRequest->ShowResult(CurrentExceptionText());
    }
}

void TPortMirrorForm::ET_TargetPortChange(TObject*)
{
    const int t = StrToIntDef(ET_TargetPort->Text(), 0);
    if (t == 0) {
        UnitEdit->SetText("0");
        PortEdit->SetText("0");
        return;
    }
    const int u = t / kPortsPerUnit;
    const int p = t % kPortsPerUnit;
    if (p != 0) {
        PortEdit->SetText(IntToStr(p));
        UnitEdit->SetText(IntToStr(u + 1));
    } else {
        UnitEdit->SetText(IntToStr(u));
        PortEdit->SetText("64");
    }
}

void TPortMirrorForm::UnitEditKeyPress(TObject*, char& Key)
{
    if ((Key >= '0' && Key <= '9') || Key == '\b') return;
    Key = 0;
    MessageBeep();
}

void TPortMirrorForm::PortEditKeyPress(TObject* Sender, char& Key) { UnitEditKeyPress(Sender, Key); }

void TPortMirrorForm::Refuse(const char* message)
{
    ShowMessage(message);
    if (PortEdit->CanFocus()) PortEdit->SetFocus();
}

bool TPortMirrorForm::IsTrunkMember(int target)
{
    int stateColumn = -1;
    for (int c = 0; c < LV_PortTrunk->Columns()->Count(); ++c)
        if (LV_PortTrunk->Columns()->Items(c)->Caption() == "Trunk State") stateColumn = c - 1;
    bool member = false;
    for (int i = 0; i < LV_PortTrunk->Items()->Count(); ++i) {
        TListItem* row = LV_PortTrunk->Items()->Item(i);
        // Selecting the row loads its members into the hidden page.
        LV_PortTrunk->SetSelected(row);
        TStrings* sub = row->SubItems();
        const bool enabled = stateColumn >= 0 && stateColumn < sub->Count() && sub->Get(stateColumn) == "enable";
        if (enabled && Checked(TrunkPage, target - 1)) {
            ShowMessage("Target port can not be Trunk port!");
            member = true;
        }
    }
    return member;
}

void TPortMirrorForm::BT_SetClick(TObject*)
{
    try {
        if (!AnyChecked(IngressPage) && !AnyChecked(EgressPage))
            MessageDlg("Ingress Ports and Egress Ports can not be empty.", mtWarning, TMsgDlgButtons() << mbOK, 0);
        UnitEdit->SetText("1");
        const int u = 1;
        const int p = StrToInt(PortEdit->Text());
        if (p < 1) {
            ShowMessage("set valid master port");
            return Refuse("Set valid target port");
        }
        if (p > PortCount(u)) return Refuse("Set valid target port");
        const int t = (u - 1) * kPortsPerUnit + p;
        if (IsTrunkMember(t)) return;
        ET_TargetPort->SetText(IntToStr(t));
        if (Checked(IngressPage, t - 1) || Checked(EgressPage, t - 1)) {
            ShowMessage("Target port can not be member port!");
            return;
        }
        MirrorRequest->Set(true, true);
        // The switch may hold other values than were sent: show what it holds.
        MirrorRequest->Get();
    } catch (...) {
        MirrorRequest->ShowResult(CurrentExceptionText());
    }
}

void TPortMirrorForm::FormClose(TObject*, TCloseAction& Action)
{
    FreeUnits();
    Action = caFree;
    // The requests go before the pages whose boxes they are bound to.
    ReleaseRequest(MirrorRequest);
    ReleaseRequest(TrunkRequest);
    delete IngressPage;
    IngressPage = nullptr;
    delete EgressPage;
    EgressPage = nullptr;
}
