#include "forms/layer2/layer2controlunit.h"

#include <string>
#include <utility>

#include "mainwindow/mainunit.h"
#include "mib/stpforms.h"
#include "platform/snmp/snmperrs.h"
#include "platform/ui/dialogs.h"

TLayer2ControlForm* Layer2ControlForm = nullptr;

namespace {

#define ROW(n, label, control, cls, top)                                                         \
    {"TCheckBox", "CheckBox" #n, "Panel3", 10, top + 2, 18, 17, alNone, ""},                    \
    {"TLabel", "Label" #n, "Panel3", 34, top + 3, 240, 16, alNone, label},                      \
    {cls, control, "Panel3", 280, top, 150, 21, alNone, nullptr, nullptr,                      \
     (cls[1] == 'C' ? rfDropDownList : 0u)}

const TResComponent kComponents[] = {
    // class       name           parent   left top    w    h  align
    {"TMemo",      "Memo1",       nullptr,    0,   0,   0,  80, alBottom, "", nullptr, rfReadOnly | rfScrollBars},
    {"TPanel",     "Panel4",      nullptr,    0,   0, 116,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",    "GetButton",   "Panel4",  12,  12,  96,  25, alNone, "Refresh"},
    {"TButton",    "SetButton",   "Panel4",  12,  46,  96,  25, alNone, "Set Checked"},
    {"TButton",    "CheckButton", "Panel4",  12,  80,  96,  25, alNone, "Check All"},
    {"TButton",    "ClearButton", "Panel4",  12, 114,  96,  25, alNone, "Clear Checked"},
    {"TButton",    "CloseButton", "Panel4",  12, 148,  96,  25, alNone, "Close"},
    {"TPanel",     "Panel3",      nullptr,    0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    ROW(1, "IGMP Snooping State", "IGMPComBo", "TComboBox", 10),
    ROW(2, "Snooping Multicast Route Only State", "SnoopingComBo", "TComboBox", 36),
    ROW(3, "Rmon State", "RmonComBo", "TComboBox", 62),
    ROW(4, "Clean All Statistic Counter", "CleanComBo", "TComboBox", 88),
    ROW(5, "Vlan ID Of FDB Table [1-4094]", "VlanEdit", "TEdit", 114),
    ROW(11, "Management Vlan ID [1-4094]", "edtMVlanID", "TEdit", 140),
    ROW(12, "MAC Notification", "cbxMACNotify", "TComboBox", 166),
    ROW(13, "MAC Notify History Size [1-500]", "edtNotifySize", "TEdit", 192),
    ROW(14, "MAC Notify Interval", "edtNotifyInterval", "TEdit", 218),
    ROW(6, "Web State", "WebStateComBo", "TComboBox", 244),
    ROW(7, "Web Port", "WebPortEdit", "TEdit", 270),
    ROW(8, "Telnet State", "TelStateComBo", "TComboBox", 296),
    ROW(9, "Telnet Port", "TelPortEdit", "TEdit", 322),
    ROW(10, "IP Auto Config", "IPConfigComBo", "TComboBox", 348),
    {nullptr},
};
#undef ROW
const TResForm kLayout = {"Layer2ControlForm", "Layer2 Control", 560, 520, poMainFormCenter, bsSingle, kComponents};

// The check boxes of the main group with their objects, in the order the empty check visits them.
struct MainField {
    int box;
    int object;
};
const MainField kMainFields[] = {{1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {11, 5}, {12, 6}, {13, 7}, {14, 8},
                                 {6, 9}, {8, 10}, {10, 11}};

AnsiString ControlText(TWinControl* c)
{
    if (auto* e = dynamic_cast<TEdit*>(c)) return e->Text();
    if (auto* b = dynamic_cast<TComboBox*>(c)) return b->Text();
    return AnsiString();
}

}  // namespace

unsigned Layer2PortPause(int snmpVersion) { return snmpVersion == version3 ? 1500 : 800; }

TLayer2ControlForm::TLayer2ControlForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    Panel3 = C<TPanel>("Panel3");
    Panel4 = C<TPanel>("Panel4");
    Memo1 = C<TMemo>("Memo1");
    IGMPComBo = C<TComboBox>("IGMPComBo");
    SnoopingComBo = C<TComboBox>("SnoopingComBo");
    RmonComBo = C<TComboBox>("RmonComBo");
    CleanComBo = C<TComboBox>("CleanComBo");
    VlanEdit = C<TEdit>("VlanEdit");
    edtMVlanID = C<TEdit>("edtMVlanID");
    cbxMACNotify = C<TComboBox>("cbxMACNotify");
    edtNotifySize = C<TEdit>("edtNotifySize");
    edtNotifyInterval = C<TEdit>("edtNotifyInterval");
    WebStateComBo = C<TComboBox>("WebStateComBo");
    WebPortEdit = C<TEdit>("WebPortEdit");
    TelStateComBo = C<TComboBox>("TelStateComBo");
    TelPortEdit = C<TEdit>("TelPortEdit");
    IPConfigComBo = C<TComboBox>("IPConfigComBo");
    CheckBox[0] = nullptr;
    for (int n = 1; n <= 14; ++n) CheckBox[n] = C<TCheckBox>(("CheckBox" + std::to_string(n)).c_str());
    GetButton = C<TButton>("GetButton");
    SetButton = C<TButton>("SetButton");
    CheckButton = C<TButton>("CheckButton");
    ClearButton = C<TButton>("ClearButton");
    CloseButton = C<TButton>("CloseButton");

    GetButton->OnClick = TNotifyEvent(this, &TLayer2ControlForm::GetButtonClick);
    SetButton->OnClick = TNotifyEvent(this, &TLayer2ControlForm::SetButtonClick);
    CheckButton->OnClick = TNotifyEvent(this, &TLayer2ControlForm::CheckButtonClick);
    ClearButton->OnClick = TNotifyEvent(this, &TLayer2ControlForm::ClearButtonClick);
    CloseButton->OnClick = TNotifyEvent(this, &TLayer2ControlForm::CloseButtonClick);
    WebStateComBo->OnChange = TNotifyEvent(this, &TLayer2ControlForm::WebStateComBoChange);
    TelStateComBo->OnChange = TNotifyEvent(this, &TLayer2ControlForm::TelStateComBoChange);
    OnCreate = TNotifyEvent(this, &TLayer2ControlForm::FormCreate);
    OnCloseQuery = TCloseQueryEvent(this, &TLayer2ControlForm::FormCloseQuery);
    OnClose = TCloseEvent(this, &TLayer2ControlForm::FormClose);
    DoCreate();
}

void TLayer2ControlForm::FormCreate(TObject*)
{
    try {
        MainRequest = NewRequest(swL2DevCtrl, SVT_SV, 0);
        MainRequest->Mode = 0;
        MainRequest->Associate(0, IGMPComBo);
        MainRequest->Associate(1, SnoopingComBo);
        MainRequest->Associate(2, RmonComBo);
        MainRequest->Associate(3, CleanComBo);
        MainRequest->AssociateFormat(4, "%i{n1x4094l4}", VlanEdit);
        MainRequest->AssociateFormat(5, "%i{n1x4094l4}", edtMVlanID);
        MainRequest->Associate(6, cbxMACNotify);
        MainRequest->AssociateFormat(7, "%i{n1x500l3}", edtNotifySize);
        MainRequest->AssociateFormat(8, "%i{n1x2147483647}", edtNotifyInterval);
        MainRequest->Associate(9, WebStateComBo);
        MainRequest->Associate(10, TelStateComBo);
        MainRequest->Associate(11, IPConfigComBo);
        MainRequest->SetMessageControl(Memo1);

        WebPortRequest = NewRequest(swL2DevCtrlWebTcpPort, SVT_SV, 0);
        WebPortRequest->Mode = 0;
        WebPortRequest->AssociateFormat(0, "%i{n1x65535}", WebPortEdit);
        WebPortRequest->SetMessageControl(Memo1);

        TelnetPortRequest = NewRequest(swL2DevCtrlTelnetTcpPort, SVT_SV, 0);
        TelnetPortRequest->Mode = 0;
        TelnetPortRequest->AssociateFormat(0, "%i{n1x65535}", TelPortEdit);
        TelnetPortRequest->SetMessageControl(Memo1);

        ReadAll();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
}

void TLayer2ControlForm::ReadAll()
{
    MainRequest->Get();
    WebStateComBoChange(WebStateComBo);
    TelStateComBoChange(TelStateComBo);
    if (WebStateComBo->Text() == "enabled") WebPortRequest->Get();
    if (TelStateComBo->Text() == "enabled") TelnetPortRequest->Get();
}

bool TLayer2ControlForm::AnyBusy() const
{
    for (const QzSNMPRequest2Edits* r : {MainRequest, WebPortRequest, TelnetPortRequest})
        if (r && r->Busy) return true;
    return false;
}

void TLayer2ControlForm::GetButtonClick(TObject*)
{
    if (!MainRequest || !WebPortRequest || !TelnetPortRequest || AnyBusy()) return;
    try {
        ReadAll();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
}

static void PortStateRule(TComboBox* state, TEdit* port, TCheckBox* check)
{
    if (state->Text() == "disabled") {
        port->SetText("");
        port->SetEnabled(false);
        check->SetChecked(false);
        check->SetEnabled(false);
    } else if (state->Text() == "enabled") {
        port->SetEnabled(true);
        check->SetEnabled(true);
    }
}

void TLayer2ControlForm::WebStateComBoChange(TObject*) { PortStateRule(WebStateComBo, WebPortEdit, CheckBox[7]); }

void TLayer2ControlForm::TelStateComBoChange(TObject*) { PortStateRule(TelStateComBo, TelPortEdit, CheckBox[9]); }

void TLayer2ControlForm::SetButtonClick(TObject*)
{
    if (!MainRequest || !WebPortRequest || !TelnetPortRequest || AnyBusy()) return;
    // Empty checked fields are only warned about: the write goes on.
    TWinControl* const controls[] = {IGMPComBo, SnoopingComBo, RmonComBo, CleanComBo, VlanEdit, edtMVlanID,
                                     cbxMACNotify, edtNotifySize, edtNotifyInterval, WebStateComBo, TelStateComBo,
                                     IPConfigComBo};
    for (const MainField& m : kMainFields) {
        TWinControl* control = controls[m.object];
        if (!CheckBox[m.box]->Checked() || !ControlText(control).IsEmpty()) continue;
        ShowMessage("Some Checked fields are empty.");
        if (control->CanFocus()) control->SetFocus();
        break;
    }
    for (auto [box, edit] : {std::pair<int, TEdit*>{7, WebPortEdit}, {9, TelPortEdit}}) {
        if (!CheckBox[box]->Checked() || !edit->Text().IsEmpty()) continue;
        ShowMessage("Some Checked fields are empty.");
        if (edit->CanFocus()) edit->SetFocus();
    }
    // With no field of the group checked there is nothing to write: an empty SET would be
    // reported as written.
    bool anyChecked = false;
    for (const MainField& m : kMainFields) anyChecked = anyChecked || CheckBox[m.box]->Checked();
    if (anyChecked) {
        TSavedAccessFlags saved(MainRequest->Request.varList);
        for (const MainField& m : kMainFields)
            if (!CheckBox[m.box]->Checked()) saved.LeaveOut(m.object);
        try {
            MainRequest->Set(false, true);
        } catch (...) {
            ShowInMemo(Memo1, CurrentExceptionText());
        }
    }
    MainRequest->Get();
    WebStateComBoChange(WebStateComBo);
    TelStateComBoChange(TelStateComBo);
    PortAfterSet(WebStateComBo, CheckBox[7], WebPortEdit, WebPortRequest);
    PortAfterSet(TelStateComBo, CheckBox[9], TelPortEdit, TelnetPortRequest);
}

void TLayer2ControlForm::PortAfterSet(TComboBox* state, TCheckBox* check, TEdit* port, QzSNMPRequest2Edits* request)
{
    if (state->Text() != "enabled") return;
    if (check->Checked()) {
        try {
            request->Set(true, true);
        } catch (...) {
            ShowInMemo(Memo1, CurrentExceptionText());
        }
        request->Get();
        return;
    }
    request->Get();
    port->SetText("");
    port->SetReadOnly(true);
    Sleep(Layer2PortPause(request->Request.security.version));
    port->SetReadOnly(false);
    request->Get();
}

void TLayer2ControlForm::CheckButtonClick(TObject*)
{
    for (int n : {1, 2, 3, 4, 5, 6, 8, 10, 11, 12, 13, 14}) CheckBox[n]->SetChecked(true);
    for (int n : {7, 9})
        if (CheckBox[n]->Enabled()) CheckBox[n]->SetChecked(true);
}

void TLayer2ControlForm::ClearButtonClick(TObject*)
{
    for (int n = 1; n <= 14; ++n) CheckBox[n]->SetChecked(false);
}

void TLayer2ControlForm::CloseButtonClick(TObject*) { Close(); }

void TLayer2ControlForm::FormCloseQuery(TObject*, bool& CanClose)
{
    ReleaseRequest(MainRequest);
    ReleaseRequest(WebPortRequest);
    ReleaseRequest(TelnetPortRequest);
    CanClose = true;
}

void TLayer2ControlForm::FormClose(TObject*, TCloseAction&)
{
    if (MainForm) MainForm->ApplyRmonMenuState();
}
