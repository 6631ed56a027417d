#include "forms/layer2/probebasicinformationformunit.h"

#include "mib/deviceforms.h"

TProbeBasicInformationForm* ProbeBasicInformationForm = nullptr;

namespace {

// What the probe offers, shown whatever the device reports.
const char* const kCapabilities = "etherStats,historyControl,etherHistory,alarm,event,probeConfig";

const TResComponent kComponents[] = {
    // class         name          parent   left top    w    h  align
    {"TStatusBar",   "StatusBar1", nullptr,    0,   0,   0,  19, alBottom},
    {"TLabel",       "Label1",     nullptr,   16,  18, 110,  16, alNone, "Capabilities"},
    {"TStaticText",  "stCap",      nullptr,  130,  16, 400,  20, alNone, "", nullptr, rfSunken},
    {"TLabel",       "Label2",     nullptr,   16,  48, 110,  16, alNone, "Software revision"},
    {"TStaticText",  "stSoftware", nullptr,  130,  46, 160,  20, alNone, "", nullptr, rfSunken},
    {"TLabel",       "Label3",     nullptr,   16,  78, 110,  16, alNone, "Hardware revision"},
    {"TStaticText",  "stHardware", nullptr,  130,  76, 160,  20, alNone, "", nullptr, rfSunken},
    {"TLabel",       "Label4",     nullptr,   16, 108, 110,  16, alNone, "Reset Control"},
    {"TComboBox",    "cbxReset",   nullptr,  130, 106, 160,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TEdit",        "edtCap",     nullptr,  300, 106,  40,  21, alNone, nullptr, nullptr, rfHidden},
    {"TButton",      "btnGet",     nullptr,  374,  46,  75,  25, alNone, "Refresh"},
    {"TButton",      "btnSet",     nullptr,  456,  46,  75,  25, alNone, "Set"},
    {nullptr},
};
const TResForm kLayout = {"ProbeBasicInformationForm", "Probe Basic Information", 560, 190, poMainFormCenter,
                          bsSingle, kComponents};

}  // namespace

TProbeBasicInformationForm::TProbeBasicInformationForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    stCap = C<TStaticText>("stCap");
    stSoftware = C<TStaticText>("stSoftware");
    stHardware = C<TStaticText>("stHardware");
    cbxReset = C<TComboBox>("cbxReset");
    edtCap = C<TEdit>("edtCap");
    btnGet = C<TButton>("btnGet");
    btnSet = C<TButton>("btnSet");
    StatusBar1 = C<TStatusBar>("StatusBar1");
    stCap->SetCaption(kCapabilities);

    btnGet->OnClick = TNotifyEvent(this, &TProbeBasicInformationForm::btnGetClick);
    btnSet->OnClick = TNotifyEvent(this, &TProbeBasicInformationForm::btnSetClick);
    OnCreate = TNotifyEvent(this, &TProbeBasicInformationForm::FormCreate);
    OnClose = TCloseEvent(this, &TProbeBasicInformationForm::FormClose);
    DoCreate();
}

void TProbeBasicInformationForm::FormCreate(TObject*)
{
    try {
        Request = NewRequest(probeConfig, SVT_SV, 0);
        Request->Mode = 0;
        Request->AssociateFormat(0, "%s", edtCap);
        Request->Associate(1, stSoftware);
        Request->Associate(2, stHardware);
        Request->Associate(3, cbxReset);
        Request->SetMessageControl(StatusBar1);
        Request->Get();
    } catch (...) {
        StatusBar1->SetSimpleText(CurrentExceptionText());
    }
}

void TProbeBasicInformationForm::btnGetClick(TObject*)
{
    if (!Request) return;
    try {
        Request->Get();
    } catch (...) {
        StatusBar1->SetSimpleText(CurrentExceptionText());
    }
}

void TProbeBasicInformationForm::btnSetClick(TObject*)
{
    if (!Request) return;
    try {
        Request->Set(true, true);
    } catch (...) {
        StatusBar1->SetSimpleText(CurrentExceptionText());
    }
}

void TProbeBasicInformationForm::FormClose(TObject*, TCloseAction& Action)
{
    ReleaseRequest(Request);
    Action = caFree;
}
