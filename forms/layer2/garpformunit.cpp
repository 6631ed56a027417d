#include "forms/layer2/garpformunit.h"

#include "mib/bridgeforms.h"

TGARPForm* GARPForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name                     parent    left top   w    h  align
    {"TPanel",       "Panel2",                nullptr,    0,   0,  95,   0, alRight, "", nullptr, rfBevelNone},
    {"TLabel",       "Label5",                "Panel2",  10,  12,  75,  16, alNone, "Samples", nullptr, rfCenter},
    {"TStaticText",  "ST_Count",              "Panel2",  10,  30,  75,  20, alNone, "0", nullptr, rfSunken | rfCenter},
    {"TButton",      "RefreshBtn",            "Panel2",  10,  62,  75,  25, alNone, "Refresh"},
    {"TButton",      "SetBtn",                "Panel2",  10,  94,  75,  25, alNone, "Set", nullptr, rfHidden},
    {"TMemo",        "Memo1",                 nullptr,    0,   0,   0,  52, alBottom, nullptr, nullptr, rfReadOnly},
    {"TPanel",       "Panel5",                nullptr,    0,   0,   0,  81, alBottom, "", nullptr, rfBevelNone | rfHidden},
    {"TLabel",       "Label1",                "Panel5",   8,   6, 250,  16, alNone, "GARP Join Time           (0....2147483647)"},
    {"TEdit",        "GarpJoinTime",          "Panel5", 262,   4, 100,  21, alNone},
    {"TLabel",       "Label6",                "Panel5", 370,   6,  80,  16, alNone, "Centiseconds"},
    {"TLabel",       "Label2",                "Panel5",   8,  31, 250,  16, alNone, "GARP Leave Time       (0....2147483647)"},
    {"TEdit",        "GarpLeaveTime",         "Panel5", 262,  29, 100,  21, alNone},
    {"TLabel",       "Label7",                "Panel5", 370,  31,  80,  16, alNone, "Centiseconds"},
    {"TLabel",       "Label3",                "Panel5",   8,  56, 250,  16, alNone, "GARP Leave All Time   (0....2147483647)"},
    {"TEdit",        "GarpLeaveAllTime",      "Panel5", 262,  54, 100,  21, alNone},
    {"TLabel",       "Label8",                "Panel5", 370,  56,  80,  16, alNone, "Centiseconds"},
    {"TListView",    "LV_dot1dPortGarpEntry", nullptr,    0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"GARPForm", "GARP Form", 696, 480, poMainFormCenter, bsSizeable, kComponents};

const char* const kTimerFormat = "%i{n0x2147483647l10}";

}  // namespace

TGARPForm::TGARPForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    ST_Count = C<TStaticText>("ST_Count");
    RefreshBtn = C<TButton>("RefreshBtn");
    SetBtn = C<TButton>("SetBtn");
    LV_dot1dPortGarpEntry = C<TListView>("LV_dot1dPortGarpEntry");
    Panel5 = C<TPanel>("Panel5");
    GarpJoinTime = C<TEdit>("GarpJoinTime");
    GarpLeaveTime = C<TEdit>("GarpLeaveTime");
    GarpLeaveAllTime = C<TEdit>("GarpLeaveAllTime");
    Memo1 = C<TMemo>("Memo1");
    LV_dot1dPortGarpEntry->SetGridLines(true);
    RefreshBtn->OnClick = TNotifyEvent(this, &TGARPForm::RefreshBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TGARPForm::SetBtnClick);
    LV_dot1dPortGarpEntry->OnChange = TLVChangeEvent(this, &TGARPForm::LV_dot1dPortGarpEntryChange);
    OnCreate = TNotifyEvent(this, &TGARPForm::FormCreate);
    OnClose = TCloseEvent(this, &TGARPForm::FormClose);
    DoCreate();
}

TGARPForm::~TGARPForm() { Release(); }

// A walk stopped by the close may end without its completion: the gate opens all the same.
void TGARPForm::Release()
{
    ReleaseRequest(GarpRequest);
    Gate.Detach();
}

void TGARPForm::ShowCount() { ST_Count->SetCaption(IntToStr(LV_dot1dPortGarpEntry->Items()->Count())); }

void TGARPForm::FormCreate(TObject*)
{
    GarpRequest = NewRequest(dot1dPortGarpEntry, MVT_FMV, 1);
    GarpRequest->BindListView(LV_dot1dPortGarpEntry, true);
    GarpRequest->AssociateFormat(1, kTimerFormat, GarpJoinTime);
    GarpRequest->AssociateFormat(2, kTimerFormat, GarpLeaveTime);
    GarpRequest->AssociateFormat(3, kTimerFormat, GarpLeaveAllTime);
    GarpRequest->SetMessageControl(Memo1);
    Gate.Attach(GarpRequest);
    Gate.HoldGet();
    try {
        GarpRequest->Get();
    } catch (...) {
        GarpRequest->ShowResult(CurrentExceptionText());
        Gate.Open();
    }
    ShowCount();
}

void TGARPForm::RefreshBtnClick(TObject*)
{
    if (!GarpRequest || !Gate.BothIdle()) return;
    Gate.HoldGet();
    try {
        GarpRequest->Get();
        ShowCount();
    } catch (...) {
        Gate.Open();
        GarpRequest->ShowResult(CurrentExceptionText());
    }
}

void TGARPForm::SetBtnClick(TObject*)
{
    // Without a selected row there is no port to write to.
    TListItem* selected = LV_dot1dPortGarpEntry->Selected();
    if (!GarpRequest || !selected || !Gate.BothIdle()) return;
    Gate.HoldBoth();
    const AnsiString key = selected->Caption();
    try {
        GarpRequest->LastOperation = 1;  // a value its preparation refuses is a refused write
        GarpRequest->PrepareSet();
        GarpRequest->Set(true, true);
        TListItems* rows = LV_dot1dPortGarpEntry->Items();
        for (int i = 0; i < rows->Count(); ++i) {
            if (rows->Item(i)->Caption() == key) {
                LV_dot1dPortGarpEntry->SetSelected(rows->Item(i));
                break;
            }
            GarpJoinTime->SetText("");
            GarpLeaveTime->SetText("");
            GarpLeaveAllTime->SetText("");
        }
        ShowCount();
    } catch (...) {
        Gate.Open();
        GarpRequest->ShowResult(CurrentExceptionText());
    }
}

void TGARPForm::LV_dot1dPortGarpEntryChange(TObject*, TListItem*, TItemChange) { ShowCount(); }

void TGARPForm::FormClose(TObject*, TCloseAction&) { Release(); }
