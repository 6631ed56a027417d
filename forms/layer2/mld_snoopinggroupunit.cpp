#include "forms/layer2/mld_snoopinggroupunit.h"

#include "mib/configsnoopingforms.h"

TMLD_SnoopingGroupForm* MLD_SnoopingGroupForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name                 parent      left top    w    h  align
    {"TStatusBar",   "StatusBar1",        nullptr,       0,   0,   0,  19, alBottom},
    {"TPanel",       "Panel1",            nullptr,       0,   0,   0, 200, alBottom, "", nullptr, rfBevelNone},
    {"TLabel",       "Label1",            "Panel1",      8,  10,  70,  16, alNone, "VID"},
    {"TStaticText",  "stVID",             "Panel1",     90,   8,  80,  20, alNone, "", nullptr, rfSunken},
    {"TLabel",       "Label2",            "Panel1",    190,  10,  70,  16, alNone, "IP Address"},
    {"TEdit",        "edtIPAddress",      "Panel1",    270,   8, 250,  21, alNone},
    {"TLabel",       "Label3",            "Panel1",      8,  38,  80,  16, alNone, "MAC Address"},
    {"TEdit",        "edtMAC",            "Panel1",     90,  36, 120,  21, alNone},
    {"TLabel",       "Label4",            "Panel1",    230,  38,  40,  16, alNone, "Count"},
    {"TEdit",        "edtCount",          "Panel1",    270,  36,  80,  21, alNone},
    {"TButton",      "btnGet",            "Panel1",    530,   6,  75,  25, alNone, "Refresh"},
    {"TPanel",       "StackingPortPanel", "Panel1",      0,  64, 620, 136, alNone, "", nullptr, rfBevelNone},
    {"TListView",    "ListView1",         nullptr,       0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"MLD_SnoopingGroupForm", "MLD Snooping Group  Information", 630, 460, poMainFormCenter,
                          bsSizeable, kComponents};

}  // namespace

TMLD_SnoopingGroupForm::TMLD_SnoopingGroupForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    ListView1 = C<TListView>("ListView1");
    stVID = C<TStaticText>("stVID");
    edtIPAddress = C<TEdit>("edtIPAddress");
    edtMAC = C<TEdit>("edtMAC");
    edtCount = C<TEdit>("edtCount");
    StackingPortPanel = C<TPanel>("StackingPortPanel");
    btnGet = C<TButton>("btnGet");
    StatusBar1 = C<TStatusBar>("StatusBar1");

    btnGet->OnClick = TNotifyEvent(this, &TMLD_SnoopingGroupForm::btnGetClick);
    ListView1->OnClick = TNotifyEvent(this, &TMLD_SnoopingGroupForm::ListView1Click);
    OnCreate = TNotifyEvent(this, &TMLD_SnoopingGroupForm::FormCreate);
    OnClose = TCloseEvent(this, &TMLD_SnoopingGroupForm::FormClose);
    DoCreate();
}

void TMLD_SnoopingGroupForm::FormCreate(TObject*)
{
    try {
        PortPage = NewPortPage(StackingPortPanel);
        Request = NewRequest(swMldSnoopingGroupInfoEntry, MVT_UMV, 2);
        Request->BindListView(ListView1, true);
        Request->Associate(0, stVID);
        Request->AssociateFormat(1, "%s{l32}", edtIPAddress);
        Request->AssociateFormat(2, "%s", edtMAC);
        Request->AssociateIndexList(3, PortIndexList(64), PortPage->PortChecks);
        Request->AssociateFormat(4, "%i", edtCount);
        Request->SetMessageControl(StatusBar1);
        Request->Get();
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
    }
}

void TMLD_SnoopingGroupForm::ResetDetails()
{
    for (int k = 0; k < 64; ++k)
        if (TCheckBox* box = PortPage ? PortPage->PortCheck(k) : nullptr) box->SetChecked(false);
    stVID->SetCaption("");
    edtIPAddress->SetText("");
    edtCount->SetText("");
    edtMAC->SetText("");
}

void TMLD_SnoopingGroupForm::btnGetClick(TObject*)
{
    // A second walk on the same request would fill the one list view twice over.
    if (!Request || Request->Busy) return;
    try {
        Request->Get();
        ResetDetails();
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
        ResetDetails();
    }
}

void TMLD_SnoopingGroupForm::ListView1Click(TObject*)
{
    if (!ListView1->Selected()) ResetDetails();
}

void TMLD_SnoopingGroupForm::FormClose(TObject*, TCloseAction& Action)
{
    ReleaseRequest(Request);
    Action = caFree;
}
