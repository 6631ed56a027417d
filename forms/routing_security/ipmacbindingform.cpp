#include "forms/routing_security/ipmacbindingform.h"

#include "forms/layer2/stackingportunit.h"
#include "forms/layer2/textchecks.h"
#include "forms/routing_security/arpipv6controleditform.h"
#include "mib/routingforms.h"
#include "platform/ui/dialogs.h"

TIPMACBindingForm* IPMACBindingForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name                 parent    left top   w    h  align
    {"TPanel",       "Panel2",            nullptr,    0,   0, 110,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",      "btnGet",            "Panel2",  12,  12,  85,  25, alNone, "Refresh"},
    {"TButton",      "btnEdit",           "Panel2",  12,  46,  85,  25, alNone, "Edit"},
    {"TButton",      "btnAdd",            "Panel2",  12,  80,  85,  25, alNone, "Add"},
    {"TButton",      "btnDelete",         "Panel2",  12, 114,  85,  25, alNone, "Delete"},
    {"TButton",      "btnClose",          "Panel2",  12, 148,  85,  25, alNone, "Close"},
    {"TComboBox",    "ComboStatus",       "Panel2",  12, 182,  85,  21, alNone, nullptr, nullptr, rfDropDownList | rfHidden},
    {"TPanel",       "Panel4",            nullptr,    0,   0,   0, 300, alBottom, "", nullptr, rfBevelNone},
    {"TLabel",       "Label1",            "Panel4",   8,  10,  80,  16, alNone, "IP Address"},
    {"TEdit",        "edtIpAddr",         "Panel4",  92,   8, 140,  21, alNone},
    {"TLabel",       "Label2",            "Panel4", 250,  10,  80,  16, alNone, "MAC Address"},
    {"TEdit",        "edtMacAddr",        "Panel4", 336,   8, 140,  21, alNone},
    {"TLabel",       "Label3",            "Panel4", 490,  10,  40,  16, alNone, "Mode", nullptr, rfHidden},
    {"TComboBox",    "cbxMode",           "Panel4", 536,   8,  80,  21, alNone, nullptr, nullptr, rfDropDownList | rfHidden},
    {"TStatusBar",   "StatusBar1",        "Panel4",   0,   0,   0,  19, alBottom},
    {"TPanel",       "StackingPortPanel", "Panel4",   0,  38, 560, 240, alNone, "", nullptr, rfBevelNone},
    {"TPanel",       "Panel5",            nullptr,    0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TListView",    "ListView1",         "Panel5",   0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"IPMACBindingForm", "IP-MAC Binding Form", 700, 560, poMainFormCenter, bsSizeable,
                          kComponents};

constexpr int kCreateAndGoItem = 3;
constexpr int kDestroyItem = 5;
constexpr int kKeepStatus = -1;

}  // namespace

TIPMACBindingForm::TIPMACBindingForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    btnGet = C<TButton>("btnGet");
    btnEdit = C<TButton>("btnEdit");
    btnAdd = C<TButton>("btnAdd");
    btnDelete = C<TButton>("btnDelete");
    btnClose = C<TButton>("btnClose");
    ComboStatus = C<TComboBox>("ComboStatus");
    edtIpAddr = C<TEdit>("edtIpAddr");
    edtMacAddr = C<TEdit>("edtMacAddr");
    cbxMode = C<TComboBox>("cbxMode");
    StatusBar1 = C<TStatusBar>("StatusBar1");
    StackingPortPanel = C<TPanel>("StackingPortPanel");
    ListView1 = C<TListView>("ListView1");

    btnGet->OnClick = TNotifyEvent(this, &TIPMACBindingForm::btnGetClick);
    btnEdit->OnClick = TNotifyEvent(this, &TIPMACBindingForm::btnEditClick);
    btnAdd->OnClick = TNotifyEvent(this, &TIPMACBindingForm::btnAddClick);
    btnDelete->OnClick = TNotifyEvent(this, &TIPMACBindingForm::btnDeleteClick);
    btnClose->OnClick = TNotifyEvent(this, &TIPMACBindingForm::btnCloseClick);
    ListView1->OnClick = TNotifyEvent(this, &TIPMACBindingForm::ListView1Click);
    OnCreate = TNotifyEvent(this, &TIPMACBindingForm::FormCreate);
    OnClose = TCloseEvent(this, &TIPMACBindingForm::FormClose);
    DoCreate();
}

void TIPMACBindingForm::FormCreate(TObject*)
{
    PortPage = NewPortPage(StackingPortPanel);
    const AnsiString ports = PortIndexList(64);
    try {
        Request = NewRequest(swIpMacBindingEntry, MVT_UMV, 1);
        Request->BindListView(ListView1, true);
        Request->AssociateFormat(0, "%s{l16}", edtIpAddr);
        Request->AssociateFormat(1, "%s{l12}", edtMacAddr);
        Request->Associate(2, ComboStatus);
        Request->AssociateIndexList(3, ports, PortPage->PortChecks);
        Request->SetMessageControl(StatusBar1);
        Request->Mode = 0;
        Request->Get();
    } catch (...) {
        if (Request) Request->ShowResult(CurrentExceptionText());
    }
    btnEdit->SetEnabled(false);
    btnDelete->SetEnabled(false);
}

void TIPMACBindingForm::FormClose(TObject*, TCloseAction&) { ReleaseRequest(Request); }

void TIPMACBindingForm::btnCloseClick(TObject*) { Close(); }

void TIPMACBindingForm::ResetEdits()
{
    btnEdit->SetEnabled(false);
    btnDelete->SetEnabled(false);
    edtIpAddr->SetEnabled(true);
    edtIpAddr->SetText("");
    edtMacAddr->SetText("");
}

void TIPMACBindingForm::btnGetClick(TObject*)
{
    if (!Request || Request->Busy) return;
    try {
        Request->Get();
    } catch (...) {
        Request->ShowResult(CurrentExceptionText());
    }
    ResetEdits();
    PortPage->ClearChecks();
}

void TIPMACBindingForm::ListView1Click(TObject*)
{
    if (ListView1->Selected()) {
        btnEdit->SetEnabled(true);
        btnDelete->SetEnabled(true);
        edtIpAddr->SetEnabled(false);
        return;
    }
    ResetEdits();
    PortPage->ClearChecks();
}

bool TIPMACBindingForm::CheckFields()
{
    if (!ParseIpv4Text(edtIpAddr->Text())) {
        ShowMessage("Please input a valid ip");
        if (edtIpAddr->CanFocus()) edtIpAddr->SetFocus();
        return false;
    }
    if (!ValidateMacText(edtMacAddr->Text())) {
        if (edtMacAddr->CanFocus()) edtMacAddr->SetFocus();
        return false;
    }
    return true;
}

// Writes the row at the address of edtIpAddr, then reads again and resets the controls.
void TIPMACBindingForm::Write(int statusItem)
{
    try {
        if (statusItem != kKeepStatus) ComboStatus->SetItemIndex(statusItem);
        Request->Set(false, true);
        btnGetClick(btnGet);
    } catch (...) {
        Request->ShowResult(CurrentExceptionText());
        // The edits are emptied: no row stays highlighted with ports that no longer go with
        // them, and a click on the row fills it all again.
        ListView1->ClearSelection();
        ResetEdits();
        PortPage->ClearChecks();
    }
}

void TIPMACBindingForm::btnAddClick(TObject*)
{
    if (!Request || Request->Busy || !CheckFields()) return;
    Write(kCreateAndGoItem);
}

void TIPMACBindingForm::btnEditClick(TObject*)
{
    if (!Request || Request->Busy || !CheckFields()) return;
    Write(kKeepStatus);
}

void TIPMACBindingForm::btnDeleteClick(TObject*)
{
    if (!Request || Request->Busy) return;
    Write(kDestroyItem);
}
