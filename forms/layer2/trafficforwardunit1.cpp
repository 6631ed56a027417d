#include "forms/layer2/trafficforwardunit1.h"

#include "mainwindow/mainunit.h"
#include "mib/bridgeforms.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/sysutils.h"

namespace {

const TResComponent kComponents[] = {
    // class         name                 parent       left top   w    h  align
    {"TStatusBar",   "StatusBar1",        nullptr,        0,   0,   0,  19, alBottom, nullptr, "50"},
    {"TPanel",       "Panel1",            nullptr,        0,   0,  95,   0, alRight, "", nullptr, rfBevelNone},
    {"TStaticText",  "StaticText1",       "Panel1",      10,  12,  75,  20, alNone, "0", nullptr, rfSunken | rfCenter},
    {"TButton",      "BT_Get",            "Panel1",      10,  44,  75,  25, alNone, "Refresh"},
    {"TButton",      "BT_Set",            "Panel1",      10,  76,  75,  25, alNone, "Set"},
    {"TButton",      "StopBtn",           "Panel1",      10, 108,  75,  25, alNone, "Stop"},
    {"TPanel",       "Panel2",            nullptr,        0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPanel",       "Panel3",            "Panel2",       0,   0,   0, 140, alBottom, "", nullptr, rfBevelNone},
    {"TGroupBox",    "GroupBox1",         "Panel3",       0,   0,   0,  44, alTop, ""},
    {"TLabel",       "Label1",            "GroupBox1",    8,  18,  36,  16, alNone, "Port : "},
    {"TEdit",        "Combo_Port",        "GroupBox1",   44,  16,  40,  21, alNone, nullptr, nullptr, rfReadOnly},
    {"TEdit",        "Combo_Unit",        "GroupBox1",  100,  16,  30,  21, alNone, nullptr, nullptr, rfReadOnly | rfHidden},
    {"TStaticText",  "ST_Port",           "GroupBox1",  140,  18,  30,  20, alNone, "", nullptr, rfHidden},
    {"TPanel",       "Panel4",            "Panel3",       0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TListView",    "LV_TrafficForward", "Panel2",       0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"TrafficSegmentationForm", "Traffic Segmentation Form", 620, 460, poMainFormCenter,
                          bsSizeable, kComponents};

constexpr int kPortsPerUnit = 64;

}  // namespace

TTrafficSegmentationForm::TTrafficSegmentationForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    LV_TrafficForward = C<TListView>("LV_TrafficForward");
    StaticText1 = C<TStaticText>("StaticText1");
    ST_Port = C<TStaticText>("ST_Port");
    Panel4 = C<TPanel>("Panel4");
    Combo_Unit = C<TEdit>("Combo_Unit");
    Combo_Port = C<TEdit>("Combo_Port");
    BT_Get = C<TButton>("BT_Get");
    BT_Set = C<TButton>("BT_Set");
    StopBtn = C<TButton>("StopBtn");
    StatusBar1 = C<TStatusBar>("StatusBar1");
    BT_Get->OnClick = TNotifyEvent(this, &TTrafficSegmentationForm::BT_GetClick);
    BT_Set->OnClick = TNotifyEvent(this, &TTrafficSegmentationForm::BT_SetClick);
    StopBtn->OnClick = TNotifyEvent(this, &TTrafficSegmentationForm::StopBtnClick);
    LV_TrafficForward->OnClick = TNotifyEvent(this, &TTrafficSegmentationForm::LV_TrafficForwardClick);
    LV_TrafficForward->OnChange = TLVChangeEvent(this, &TTrafficSegmentationForm::LV_TrafficForwardChange);
    OnCreate = TNotifyEvent(this, &TTrafficSegmentationForm::FormCreate);
    OnClose = TCloseEvent(this, &TTrafficSegmentationForm::FormClose);
    DoCreate();
}

TTrafficSegmentationForm::~TTrafficSegmentationForm() { ReleaseRequest(TrafficRequest); }

void TTrafficSegmentationForm::FormCreate(TObject*)
{
    SetCaption("Traffic Segmentation Table:" + (MainForm ? MainForm->AgentAddress : AnsiString()));
    try {
        PortPage = NewPortPage(Panel4);
        TrafficRequest = NewRequest(swL2TrafficSegEntry, MVT_UMV, 1);
        TrafficRequest->BindListView(LV_TrafficForward, true);
        TrafficRequest->Associate(0, ST_Port);
        TrafficRequest->AssociateIndexList(1, PortIndexList(kPortsPerUnit), PortPage->PortChecks);
        TrafficRequest->SetMessageControl(StatusBar1->Panels()->Items(0));
        TrafficRequest->OnGetDone = QzSNMPControlsDoneEvent(this, &TTrafficSegmentationForm::GetDone);
        TrafficRequest->Get();
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
        Ready = true;
    }
    BT_Set->SetEnabled(false);
}

void TTrafficSegmentationForm::GetDone(QzSNMPRequest2Controls*, QzSNMPError*) { Ready = true; }

bool TTrafficSegmentationForm::EarlierReadEnded()
{
    if (!TrafficRequest) return false;
    if (!TrafficRequest->Busy) return true;
    TrafficRequest->StopAndWait();
    return TrafficRequest && !TrafficRequest->Busy;
}

void TTrafficSegmentationForm::ClearPort()
{
    if (PortPage) PortPage->ClearChecks();
    Combo_Unit->SetText("");
    Combo_Port->SetText("");
    BT_Set->SetEnabled(false);
}

void TTrafficSegmentationForm::BT_GetClick(TObject*)
{
    if (!Ready) {
        ShowMessage("Refresh not complete");
        return;
    }
    if (!EarlierReadEnded()) return;
    try {
        TrafficRequest->Request.enabled = 1;
        Ready = false;
        TrafficRequest->Get();
        ClearPort();
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
        Ready = true;
    }
}

void TTrafficSegmentationForm::BT_SetClick(TObject*)
{
    if (!Ready) {
        ShowMessage("Refresh not complete");
        return;
    }
    if (!EarlierReadEnded()) return;
    if (!LV_TrafficForward->Selected()) return;
    try {
        TrafficRequest->Request.enabled = 1;
        TrafficRequest->Set(true, true);
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
    }
    ClearPort();
    // The cleared page is no row's: a click on the row, even a refused one, reads it in again.
    LV_TrafficForward->SetSelected(nullptr);
}

void TTrafficSegmentationForm::StopBtnClick(TObject*)
{
    Ready = true;
    if (TrafficRequest) TrafficRequest->Request.enabled = 0;
}

void TTrafficSegmentationForm::LV_TrafficForwardClick(TObject*)
{
    if (!LV_TrafficForward->Selected()) {
        ClearPort();
        return;
    }
    const int v = StrToInt(ST_Port->Caption());
    const int u = v / kPortsPerUnit;
    const int p = v % kPortsPerUnit;
    if (p != 0) {
        Combo_Unit->SetText(IntToStr(u + 1));
        Combo_Port->SetText(IntToStr(p));
    } else {
        Combo_Unit->SetText(IntToStr(u));
        Combo_Port->SetText(v != 0 ? "64" : "0");
    }
    BT_Set->SetEnabled(true);
}

void TTrafficSegmentationForm::LV_TrafficForwardChange(TObject*, TListItem*, TItemChange)
{
    StaticText1->SetCaption(IntToStr(LV_TrafficForward->Items()->Count()));
}

void TTrafficSegmentationForm::FormClose(TObject*, TCloseAction&) { ReleaseRequest(TrafficRequest); }
