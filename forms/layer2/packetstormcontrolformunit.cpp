#include "forms/layer2/packetstormcontrolformunit.h"

#include "mib/deviceforms.h"

TPacketStormControlForm* PacketStormControlForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name                  parent               left top    w    h  align
    {"TStatusBar",   "StatusBar1",         nullptr,               0,   0,   0,  19, alBottom, nullptr, "50"},
    {"TPanel",       "StackingPortPanel",  nullptr,               0,   0,   0, 284, alTop, "", nullptr, rfBevelNone},
    {"TGroupBox",    "gbStackingPort",     "StackingPortPanel",   0,   0,   0,   0, alClient, "Packet Storm Recover"},
    {"TRadioGroup",  "rgPktStromTrapCtrl", nullptr,               8, 292, 596,  46, alNone, "Packet Storm Trap Control",
     "none|stormOccurred|stormCleared|both", 0, 4},
    {"TButton",      "btnSet",             nullptr,             364, 350,  75,  25, alNone, "Set"},
    {"TButton",      "btnGet",             nullptr,             446, 350,  75,  25, alNone, "Refresh"},
    {"TButton",      "btnClose",           nullptr,             528, 350,  75,  25, alNone, "Close"},
    {nullptr},
};
const TResForm kLayout = {"PacketStormControlForm", "Packet Storm Control Form", 620, 440, poMainFormCenter,
                          bsSingle, kComponents};

constexpr int kPortsPerUnit = 64;

}  // namespace

TPacketStormControlForm::TPacketStormControlForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    StackingPortPanel = C<TPanel>("StackingPortPanel");
    gbStackingPort = C<TGroupBox>("gbStackingPort");
    rgPktStromTrapCtrl = C<TRadioGroup>("rgPktStromTrapCtrl");
    btnSet = C<TButton>("btnSet");
    btnGet = C<TButton>("btnGet");
    btnClose = C<TButton>("btnClose");
    StatusBar1 = C<TStatusBar>("StatusBar1");
    rgPktStromTrapCtrl->SetItemIndex(0);

    btnSet->OnClick = TNotifyEvent(this, &TPacketStormControlForm::btnSetClick);
    btnGet->OnClick = TNotifyEvent(this, &TPacketStormControlForm::btnGetClick);
    btnClose->OnClick = TNotifyEvent(this, &TPacketStormControlForm::btnCloseClick);
    OnCreate = TNotifyEvent(this, &TPacketStormControlForm::FormCreate);
    OnClose = TCloseEvent(this, &TPacketStormControlForm::FormClose);
    DoCreate();
}

void TPacketStormControlForm::FormCreate(TObject*)
{
    try {
        PortPage = NewPortPage(gbStackingPort);
        Request = NewRequest(swPktStormCtrl, SVT_SV, 0);
        Request->Mode = 0;
        Request->AssociateIndexList(0, PortIndexList(kPortsPerUnit), PortPage->PortChecks);
        Request->Associate(1, rgPktStromTrapCtrl, 1);
        Request->SetMessageControl(StatusBar1->Panels()->Items(0));
        Request->Request.timeout = 300;
        Request->Get();
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
    }
}

void TPacketStormControlForm::btnGetClick(TObject*)
{
    if (!Request || Request->Busy) return;
    try {
        Request->Get();
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
    }
}

void TPacketStormControlForm::btnSetClick(TObject*)
{
    if (!Request || Request->Busy) return;
    try {
        Request->Set(true, true);
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
    }
}

void TPacketStormControlForm::btnCloseClick(TObject*) { Close(); }

void TPacketStormControlForm::FormClose(TObject*, TCloseAction& Action)
{
    Action = caFree;
    // The request goes before the page whose boxes it is bound to.
    ReleaseRequest(Request);
    delete PortPage;
    PortPage = nullptr;
}
