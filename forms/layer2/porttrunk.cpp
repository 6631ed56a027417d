#include "forms/layer2/porttrunk.h"

#include "mainwindow/mainunit.h"
#include "mainwindow/panelvrx6120.h"
#include "mib/vlantrunkforms.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/sysutils.h"

namespace {

const TResComponent kComponents[] = {
    // class          name                  parent                left top    w    h  align
    {"TStatusBar",    "StatusBar1",         nullptr,                0,   0,   0,  19, alBottom, nullptr, "50"},
    {"TPanel",        "Panel1",             nullptr,                0,   0,  99,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",       "BT_Get",             "Panel1",              12,  12,  75,  25, alNone, "Refresh"},
    {"TButton",       "BT_Set",             "Panel1",              12,  46,  75,  25, alNone, "Add"},
    {"TButton",       "SetBtn",             "Panel1",              12,  80,  75,  25, alNone, "Set"},
    {"TButton",       "BT_Delete",          "Panel1",              12, 114,  75,  25, alNone, "Delete"},
    {"TButton",       "BT_Close",           "Panel1",              12, 148,  75,  25, alNone, "Close"},
    {"TPanel",        "Panel2",             nullptr,                0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPanel",        "Panel3",             "Panel2",               0,   0,   0, 330, alBottom, "", nullptr, rfBevelNone},
    {"TListView",     "LV_PortTrunk",       "Panel2",               0,   0,   0,   0, alClient},
    {"TPanel",        "Panel4",             "Panel3",               0,   0,   0,  92, alTop, "", nullptr, rfBevelNone},
    {"TLabel",        "Label1",             "Panel4",               8,  10,  70,  16, alNone, "Index(1-32)"},
    {"TEdit",         "ED_Index",           "Panel4",              90,   8,  80,  21, alNone},
    {"TLabel",        "Label2",             "Panel4",             190,  10,  50,  16, alNone, "Name"},
    {"TEdit",         "ED_Name",            "Panel4",             250,   8, 120,  21, alNone},
    {"TEdit",         "ED_MasterPort",      "Panel4",             380,   8,  40,  21, alNone, nullptr, nullptr, rfHidden},
    {"TLabel",        "LB_Master",          "Panel4",               8,  40,  80,  16, alNone, "Master Port"},
    {"TGroupBox",     "GroupBox1",          "Panel4",              90,  30, 150,  44, alNone, ""},
    {"TLabel",        "Label3",             "GroupBox1",           76,  18,  36,  16, alNone, "Unit : ", nullptr, rfHidden},
    {"TEdit",         "UnitEdit",           "GroupBox1",          112,  16,  30,  21, alNone, "1", nullptr, rfHidden},
    {"TLabel",        "Label4",             "GroupBox1",            8,  18,  36,  16, alNone, "Port : "},
    {"TEdit",         "PortEdit",           "GroupBox1",           44,  16,  40,  21, alNone},
    {"TLabel",        "Label5",             "Panel4",             250,  40,  80,  16, alNone, "Flooding Port"},
    {"TStaticText",   "ST_FloodingPort",    "Panel4",             340,  38,  60,  20, alNone, "", nullptr, rfSunken},
    {"TLabel",        "Label6",             "Panel4",             410,  10,  70,  16, alNone, "Trunk Type"},
    {"TComboBox",     "Combo_Type",         "Panel4",             480,   8,  90,  21, alNone},
    {"TComboBox",     "Combo_State",        "Panel4",             480,  60,  90,  21, alNone, nullptr, nullptr, rfHidden},
    {"TLabel",        "Label7",             "Panel4",             410,  40,  70,  16, alNone, "Status"},
    {"TComboBox",     "ComboBox1",          "Panel4",             480,  38,  90,  21, alNone, nullptr, "enable|disable", rfDropDownList},
    {"TPageControl",  "PageControl1",       "Panel3",               0,   0,   0,   0, alClient},
    {"TTabSheet",     "tbsMember",          "PageControl1",         0,   0,   0,   0, alNone, "Member Ports", nullptr, rfActive},
    {"TPanel",        "StackingPortPanel",  "tbsMember",            0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TTabSheet",     "tbsActive",          "PageControl1",         0,   0,   0,   0, alNone, "Active Ports"},
    {"TPanel",        "StackingPortPanel2", "tbsActive",            0,   0,   0,   0, alClient, "", nullptr, rfBevelNone | rfDisabled},
    {nullptr},
};
const TResForm kLayout = {"PortTrunkForm", "Port Trunk Table", 700, 600, poMainFormCenter, bsSizeable, kComponents};

// Positions of the state combo box's items.
constexpr int kStateEnable = 0;
constexpr int kStateCreateAndGo = 2;
constexpr int kStateDestroy = 4;
constexpr int kPortsPerUnit = 64;
constexpr int kMaxMembers = 8;

}  // namespace

TPortTrunkForm::TPortTrunkForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    ED_Index = C<TEdit>("ED_Index");
    ED_Name = C<TEdit>("ED_Name");
    ED_MasterPort = C<TEdit>("ED_MasterPort");
    PortEdit = C<TEdit>("PortEdit");
    UnitEdit = C<TEdit>("UnitEdit");
    ST_FloodingPort = C<TStaticText>("ST_FloodingPort");
    Combo_Type = C<TComboBox>("Combo_Type");
    Combo_State = C<TComboBox>("Combo_State");
    ComboBox1 = C<TComboBox>("ComboBox1");
    PageControl1 = C<TPageControl>("PageControl1");
    tbsMember = C<TTabSheet>("tbsMember");
    StackingPortPanel = C<TPanel>("StackingPortPanel");
    StackingPortPanel2 = C<TPanel>("StackingPortPanel2");
    BT_Get = C<TButton>("BT_Get");
    BT_Set = C<TButton>("BT_Set");
    BT_Delete = C<TButton>("BT_Delete");
    SetBtn = C<TButton>("SetBtn");
    BT_Close = C<TButton>("BT_Close");
    LV_PortTrunk = C<TListView>("LV_PortTrunk");
    StatusBar1 = C<TStatusBar>("StatusBar1");

    BT_Get->OnClick = TNotifyEvent(this, &TPortTrunkForm::BT_GetClick);
    BT_Set->OnClick = TNotifyEvent(this, &TPortTrunkForm::BT_SetClick);
    SetBtn->OnClick = TNotifyEvent(this, &TPortTrunkForm::SetBtnClick);
    BT_Delete->OnClick = TNotifyEvent(this, &TPortTrunkForm::BT_DeleteClick);
    BT_Close->OnClick = TNotifyEvent(this, &TPortTrunkForm::BT_CloseClick);
    LV_PortTrunk->OnClick = TNotifyEvent(this, &TPortTrunkForm::LV_PortTrunkClick);
    Combo_State->OnChange = TNotifyEvent(this, &TPortTrunkForm::Combo_StateChange);
    UnitEdit->OnKeyPress = TKeyPressEvent(this, &TPortTrunkForm::UnitEditKeyPress);
    PortEdit->OnKeyPress = TKeyPressEvent(this, &TPortTrunkForm::UnitEditKeyPress);
    OnCreate = TNotifyEvent(this, &TPortTrunkForm::FormCreate);
    OnClose = TCloseEvent(this, &TPortTrunkForm::FormClose);
    DoCreate();
}

TPortTrunkForm::~TPortTrunkForm()
{
    ReleaseRequest(TrunkRequest);
    FreeUnits();
}

void TPortTrunkForm::FreeUnits()
{
    while (Units) {
        TTrunkUnitRecord* next = Units->next;
        delete Units;
        Units = next;
    }
}

void TPortTrunkForm::FormCreate(TObject*)
{
    try {
        MemberPage = CreatePortPage(this, StackingPortPanel);
        ActivePage = CreatePortPage(this, StackingPortPanel2);
        Units = new TTrunkUnitRecord{1, PortCountForModel("VRX-6120"), "VRX-6120", nullptr};
        PageControl1->SetActivePage(tbsMember);
        SetCaption("Port Trunk Table :" + (MainForm ? MainForm->AgentAddress : AnsiString()));

        const AnsiString ports = PortIndexList(kPortsPerUnit);
        TrunkRequest = NewRequest(swL2TrunkCtrlEntry, MVT_UMV, 1);
        TrunkRequest->Mode = 0;
        TrunkRequest->BindListView(LV_PortTrunk, true);
        TrunkRequest->AssociateFormat(0, "%i{n1x32}", ED_Index);
        TrunkRequest->AssociateFormat(1, "%s{l12}", ED_Name);
        TrunkRequest->AssociateFormat(2, "%i", ED_MasterPort);
        TrunkRequest->AssociateIndexList(3, ports, MemberPage->PortChecks);
        TrunkRequest->AssociateIndexList(7, ports, ActivePage->PortChecks);
        TrunkRequest->Associate(4, ST_FloodingPort);
        TrunkRequest->Associate(5, Combo_Type);
        TrunkRequest->Associate(6, Combo_State);
        TrunkRequest->SetMessageControl(StatusBar1->Panels()->Items(0));
        TrunkRequest->Request.timeout = 300;
        Refresh();
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
        BT_GetClick(BT_Get);
    }
}

void TPortTrunkForm::Refresh()
{
    if (!TrunkRequest) return;
    TrunkRequest->Get();
    NewTrunkState();
}

void TPortTrunkForm::NewTrunkState()
{
    ED_Index->SetColor(clWhite);
    ED_Index->SetEnabled(true);
    ED_Index->SetText("");
    ED_Name->SetText("");
    PortEdit->SetText("");
    ST_FloodingPort->SetCaption("");
    if (MemberPage) MemberPage->ClearChecks();
    if (ActivePage) ActivePage->ClearChecks();
    SetBtn->SetEnabled(false);
    BT_Delete->SetEnabled(false);
    BT_Set->SetEnabled(true);
}

void TPortTrunkForm::Failed(const AnsiString& text)
{
    // The emptied pages are no trunk's: the row goes with them, so that a click reads it in
    // again instead of offering its Edit with no members.
    if (LV_PortTrunk->Selected()) {
        LV_PortTrunk->SetSelected(nullptr);
        NewTrunkState();
    }
    PortEdit->SetText("");
    ST_FloodingPort->SetCaption("");
    if (MemberPage) MemberPage->ClearChecks();
    if (ActivePage) ActivePage->ClearChecks();
    SetBtn->SetEnabled(false);
    BT_Delete->SetEnabled(false);
    BT_Set->SetEnabled(true);
    ShowInPanel(StatusBar1, text);
}

void TPortTrunkForm::Refuse(const char* message, TWinControl* focus)
{
    ShowMessage(message);
    if (focus && focus->CanFocus()) focus->SetFocus();
}

const TTrunkUnitRecord* TPortTrunkForm::Unit(int unit) const
{
    for (const TTrunkUnitRecord* r = Units; r; r = r->next)
        if (r->unit == unit) return r;
    return nullptr;
}

bool TPortTrunkForm::ValidMasterPort(int u, int p) const
{
    const TTrunkUnitRecord* record = Unit(u);
    return p > 0 && record && p <= record->portCount;
}

bool TPortTrunkForm::MemberCountOk(int u)
{
    int count = 0;
    for (int k = (u - 1) * kPortsPerUnit; k < u * kPortsPerUnit; ++k) {
        TCheckBox* box = MemberPage->PortCheck(k);
        if (!box || !box->Checked()) continue;
        if (++count > kMaxMembers) {
            box->SetChecked(false);
            ShowMessage("The trunk member can't over eight!");
            return false;
        }
    }
    if (count < 2) {
        ShowMessage("You must choose at least two members!");
        return false;
    }
    return true;
}

void TPortTrunkForm::BT_GetClick(TObject*)
{
    try {
        Refresh();
    } catch (...) {
        Failed(CurrentExceptionText());
    }
}

void TPortTrunkForm::LV_PortTrunkClick(TObject*)
{
    TListItem* row = LV_PortTrunk->Selected();
    if (!row) {
        NewTrunkState();
        return;
    }
    ED_Index->SetColor(clBtnFace);
    ED_Index->SetEnabled(false);
    SetBtn->SetEnabled(true);
    BT_Delete->SetEnabled(true);
    BT_Set->SetEnabled(false);
    const int m = StrToInt(ED_MasterPort->Text());
    const int u = m / kPortsPerUnit;
    const int p = m % kPortsPerUnit;
    if (p != 0) {
        PortEdit->SetText(IntToStr(p));
        UnitEdit->SetText(IntToStr(u + 1));
    } else {
        UnitEdit->SetText(IntToStr(u));
        PortEdit->SetText(m != 0 ? "64" : "0");
    }
    if (row->SubItems()->Count() > 5) {
        const AnsiString state = row->SubItems()->Get(5);
        if (state == "disable") ComboBox1->SetItemIndex(1);
        else if (state == "enable") ComboBox1->SetItemIndex(0);
    }
}

void TPortTrunkForm::BT_SetClick(TObject*)
{
    try {
        UnitEdit->SetText("1");
        if (ED_Index->Text().IsEmpty()) return Refuse("The index should not be empty.", ED_Index);
        for (int i = 0; i < LV_PortTrunk->Items()->Count(); ++i)
            if (LV_PortTrunk->Items()->Item(i)->Caption() == ED_Index->Text())
                return Refuse("The Index must be different!", ED_Index);
        if (PortEdit->Text().IsEmpty()) return Refuse("The Port should not be empty.", PortEdit);
        const int u = StrToIntDef(UnitEdit->Text(), -1);
        const int p = StrToIntDef(PortEdit->Text(), -1);
        if (!ValidMasterPort(u, p)) return Refuse("set valid master port", PortEdit);
        if (Combo_Type->ItemIndex() < 0) return Refuse("Please choose trunk type.", Combo_Type);
        const int m = (u - 1) * kPortsPerUnit + p;
        for (int i = 0; i < LV_PortTrunk->Items()->Count(); ++i) {
            TStrings* sub = LV_PortTrunk->Items()->Item(i)->SubItems();
            if (sub->Count() > 1 && StrToIntDef(sub->Get(1), -1) == m)
                return Refuse("The master port must be different!", PortEdit);
        }
        TCheckBox* master = MemberPage->PortCheck(m - 1);
        if (!master || !master->Checked()) return Refuse("Master port must be checked.", PortEdit);
        ED_MasterPort->SetText(IntToStr(m));
        Combo_State->SetItemIndex(kStateCreateAndGo);
        if (!MemberCountOk(u)) return;
        TrunkRequest->Set(false, true);
        if (ComboBox1->Text() == "enable") {
            Combo_State->SetItemIndex(kStateEnable);
            TrunkRequest->Set(false, true);
        }
        Refresh();
    } catch (...) {
        Failed(CurrentExceptionText());
    }
}

void TPortTrunkForm::SetBtnClick(TObject*)
{
    try {
        UnitEdit->SetText("1");
        if (ED_Index->Text().IsEmpty()) return Refuse("Please select trunk group.");
        if (PortEdit->Text().IsEmpty()) return Refuse("The Port Edit should not be empty", PortEdit);
        Combo_State->SetItemIndex(ComboBox1->ItemIndex());
        const int u = StrToInt(UnitEdit->Text());
        const int p = StrToInt(PortEdit->Text());
        if (!ValidMasterPort(u, p)) return Refuse("set valid master port", PortEdit);
        const int m = (u - 1) * kPortsPerUnit + p;
        ED_MasterPort->SetText(IntToStr(m));
        TCheckBox* master = MemberPage->PortCheck(m - 1);
        if (!master || !master->Checked()) return Refuse("Master port must be checked.", PortEdit);
        if (!MemberCountOk(u)) return;
        TrunkRequest->Set(false, true);
        ComboBox1->SetItemIndex(Combo_State->ItemIndex());
        ED_Index->SetColor(clWhite);
        ED_Index->SetEnabled(true);
        ED_Index->SetText("");
        ED_Name->SetText("");
        Refresh();
    } catch (...) {
        Failed(CurrentExceptionText());
    }
}

void TPortTrunkForm::BT_DeleteClick(TObject*)
{
    try {
        if (ED_Index->Text().IsEmpty()) return Refuse("Please select trunk group.", ED_Index);
        {
            // Only the trunk state travels; the flags come back however the write ends.
            TSavedAccessFlags saved(TrunkRequest->Request.varList);
            for (int i = 1; i <= 5; ++i) saved.LeaveOut(i);
            Combo_State->SetItemIndex(kStateDestroy);
            TrunkRequest->Set(false, true);
        }
        Refresh();
    } catch (...) {
        Failed(CurrentExceptionText());
    }
}

void TPortTrunkForm::BT_CloseClick(TObject*) { Close(); }

void TPortTrunkForm::Combo_StateChange(TObject*)
{
    if (Combo_State->Text() == "enable") ComboBox1->SetItemIndex(0);
    else if (Combo_State->Text() == "disable") ComboBox1->SetItemIndex(1);
}

void TPortTrunkForm::UnitEditKeyPress(TObject*, char& Key)
{
    if ((Key >= '0' && Key <= '9') || Key == '\b') return;
    Key = 0;
    MessageBeep();
}

void TPortTrunkForm::FormClose(TObject*, TCloseAction& Action)
{
    // The request goes first, so that nothing it delivers reaches the pages.
    ReleaseRequest(TrunkRequest);
    FreeUnits();
    Action = caFree;
}
