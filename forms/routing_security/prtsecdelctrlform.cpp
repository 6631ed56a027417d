#include "forms/routing_security/prtsecdelctrlform.h"

#include <cctype>
#include <string>

#include "mainwindow/panelvrx6120.h"
#include "mib/securityforms.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/sysutils.h"

TPrtSecDelCtrlForm* PrtSecDelCtrlForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name           parent       left top   w    h  align
    {"TStatusBar",   "StatusBar1",  nullptr,       0,   0,   0,  19, alBottom, nullptr, "50"},
    {"TPanel",       "pnlButton",   nullptr,       0,   0,  97,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",      "btnRefresh",  "pnlButton",  11,  14,  75,  25, alNone, "Refresh"},
    {"TButton",      "btnSet",      "pnlButton",  11,  48,  75,  25, alNone, "Set"},
    {"TLabel",       "lblVlan",     nullptr,      16,  18,  60,  16, alNone, "Vlan"},
    {"TEdit",        "edtVlan",     nullptr,      80,  16, 180,  21, alNone},
    {"TLabel",       "lblPort",     nullptr,      16,  48,  60,  16, alNone, "Port"},
    {"TEdit",        "PortEdit",    nullptr,      80,  46, 180,  21, alNone},
    {"TLabel",       "lblMac",      nullptr,      16,  78,  60,  16, alNone, "MAC"},
    {"TEdit",        "edtMac",      nullptr,      80,  76, 180,  21, alNone},
    {"TEdit",        "edtPort",     nullptr,     270,  46,  40,  21, alNone, nullptr, nullptr, rfHidden},
    {"TComboBox",    "cbxOper",     nullptr,     270,  76,  60,  21, alNone, nullptr, "none|start",
     rfHidden | rfDropDownList},
    {"TGroupBox",    "GroupBox1",   nullptr,     270,  10,  90,  30, alNone, "", nullptr, rfHidden},
    {"TLabel",       "Label_Unit",  "GroupBox1",   4,   8,  40,  16, alNone, "Unit : "},
    {"TEdit",        "UnitEdit",    "GroupBox1",  44,   6,  40,  21, alNone},
    {"TLabel",       "Label_Port",  "GroupBox1",   4,  30,  40,  16, alNone, "Port : "},
    {nullptr},
};
const TResForm kLayout = {"PrtSecDelCtrlForm", "Port Sercurity Delete Control Form", 390, 170, poScreenCenter,
                          bsSizeable, kComponents};

// A stack numbers its ports (unit - 1) x 64 + port, up to 12 units.
constexpr int kPortsPerUnit = 64;
constexpr int kMaxUnits = 12;
const char* const kModel = "VRX-6120";
constexpr int kStartItem = 1;

// Twelve hexadecimal digits first; what follows them is the request layer's to convert.
bool IsMacText(const AnsiString& text)
{
    const std::string& s = text.std();
    if (s.size() < 12) return false;
    for (size_t i = 0; i < 12; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(s[i]))) return false;
    return true;
}

}  // namespace

TPortShown ShownPort(int n)
{
    // Within unit 1 the port is the number itself; a number of another unit is not turned into
    // a port of unit 1, so that a Set never writes a port the operator did not choose.
    return {n > 0 ? (n - 1) / kPortsPerUnit + 1 : 0, n};
}

TPrtSecDelCtrlForm::TPrtSecDelCtrlForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    StatusBar1 = C<TStatusBar>("StatusBar1");
    edtVlan = C<TEdit>("edtVlan");
    PortEdit = C<TEdit>("PortEdit");
    edtMac = C<TEdit>("edtMac");
    edtPort = C<TEdit>("edtPort");
    cbxOper = C<TComboBox>("cbxOper");
    UnitEdit = C<TEdit>("UnitEdit");
    btnRefresh = C<TButton>("btnRefresh");
    btnSet = C<TButton>("btnSet");
    btnRefresh->OnClick = TNotifyEvent(this, &TPrtSecDelCtrlForm::btnRefreshClick);
    btnSet->OnClick = TNotifyEvent(this, &TPrtSecDelCtrlForm::btnSetClick);
    OnCreate = TNotifyEvent(this, &TPrtSecDelCtrlForm::FormCreate);
    OnClose = TCloseEvent(this, &TPrtSecDelCtrlForm::FormClose);
    DoCreate();
}

void TPrtSecDelCtrlForm::FormCreate(TObject*)
{
    Request = NewRequest(swL2PortSecurityDelCtrl, SVT_SV, 0);
    try {
        Request->AssociateFormat(0, "%s{l32}", edtVlan);
        Request->AssociateFormat(1, "%i{n0x" + IntToStr(kMaxUnits * kPortsPerUnit) + "l3}", edtPort);
        Request->AssociateFormat(2, "%s{l12}", edtMac);
        Request->Associate(3, cbxOper);
        Request->SetMessageControl(StatusBar1->Panels()->Items(0));
        Request->Mode = 0;
        Request->Get();
        SplitPort();
    } catch (...) {
        Request->ShowResult(CurrentExceptionText());
    }
    BuildUnits();
}

void TPrtSecDelCtrlForm::FormClose(TObject*, TCloseAction&)
{
    ReleaseRequest(Request);
    FreeUnits();
}

void TPrtSecDelCtrlForm::SplitPort()
{
    const TPortShown shown = ShownPort(edtPort->Text().ToIntDef(0));
    UnitEdit->SetText(IntToStr(shown.unit));
    PortEdit->SetText(IntToStr(shown.port));
}

void TPrtSecDelCtrlForm::BuildUnits()
{
    FreeUnits();
    Units = new TPrtSecUnitRecord{1, kModel, PortCountForModel(kModel), nullptr};
}

void TPrtSecDelCtrlForm::FreeUnits()
{
    while (Units) {
        TPrtSecUnitRecord* next = Units->next;
        delete Units;
        Units = next;
    }
}

int TPrtSecDelCtrlForm::PortCount(int unit) const
{
    for (const TPrtSecUnitRecord* u = Units; u; u = u->next)
        if (u->unit == unit) return u->portCount;
    return 0;
}

void TPrtSecDelCtrlForm::btnRefreshClick(TObject*)
{
    FreeUnits();
    try {
        Request->Get();
        SplitPort();
    } catch (...) {
        Request->ShowResult(CurrentExceptionText());
    }
    BuildUnits();
}

bool TPrtSecDelCtrlForm::CheckPort()
{
    const int unit = UnitEdit->Text().ToIntDef(0);
    const int port = PortEdit->Text().ToIntDef(0);
    if (port < 1) {
        ShowMessage("You should input valid port.");
        if (PortEdit->CanFocus()) PortEdit->SetFocus();
        return false;
    }
    if (port > PortCount(unit)) {
        UnitEdit->SetText("0");
        PortEdit->SetText("0");
        ShowMessage("You should input valid port.");
        if (PortEdit->CanFocus()) PortEdit->SetFocus();
        return false;
    }
    edtPort->SetText(IntToStr((unit - 1) * kPortsPerUnit + port));
    return true;
}

void TPrtSecDelCtrlForm::btnSetClick(TObject*)
{
    UnitEdit->SetText("1");
    if (edtVlan->Text().IsEmpty()) {
        ShowMessage("You should input Vlan name.");
        return;
    }
    if (!CheckPort()) return;
    if (!IsMacText(edtMac->Text())) {
        ShowMessage("You should input valid MAC address.");
        return;
    }
    cbxOper->SetItemIndex(kStartItem);
    try {
        Request->Set(true, true);
    } catch (...) {
        Request->ShowResult(CurrentExceptionText());
    }
}
