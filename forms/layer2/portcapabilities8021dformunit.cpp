#include "forms/layer2/portcapabilities8021dformunit.h"

#include "mib/bridgeforms.h"

TPortCapabilities8021dForm* PortCapabilities8021dForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name                             parent    left top   w    h  align
    {"TPanel",       "Panel2",                        nullptr,    0,   0,  95,   0, alRight, "", nullptr, rfBevelNone},
    {"TLabel",       "Label2",                        "Panel2",  10,  12,  75,  16, alNone, "Samples", nullptr, rfCenter},
    {"TStaticText",  "ST_Count",                      "Panel2",  10,  30,  75,  20, alNone, "0", nullptr, rfSunken | rfCenter},
    {"TButton",      "RefreshBtn",                    "Panel2",  10,  62,  75,  25, alNone, "Refresh"},
    {"TMemo",        "Memo1",                         nullptr,    0,   0,   0,  39, alBottom, nullptr, nullptr, rfReadOnly},
    {"TListView",    "LV_dot1dPortCapabilitiesEntry", nullptr,    0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"PortCapabilities8021dForm", "Port Capability Form", 449, 291, poMainFormCenter,
                          bsSizeable, kComponents};

}  // namespace

TPortCapabilities8021dForm::TPortCapabilities8021dForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    ST_Count = C<TStaticText>("ST_Count");
    RefreshBtn = C<TButton>("RefreshBtn");
    LV_dot1dPortCapabilitiesEntry = C<TListView>("LV_dot1dPortCapabilitiesEntry");
    Memo1 = C<TMemo>("Memo1");
    LV_dot1dPortCapabilitiesEntry->SetGridLines(true);
    RefreshBtn->OnClick = TNotifyEvent(this, &TPortCapabilities8021dForm::RefreshBtnClick);
    LV_dot1dPortCapabilitiesEntry->OnChanging =
        TLVChangingEvent(this, &TPortCapabilities8021dForm::LV_dot1dPortCapabilitiesEntryChanging);
    // Our list view asks before selection changes only; arriving rows come as changes.
    LV_dot1dPortCapabilitiesEntry->OnChange = TLVChangeEvent(this, &TPortCapabilities8021dForm::LV_Change);
    OnCreate = TNotifyEvent(this, &TPortCapabilities8021dForm::FormCreate);
    OnClose = TCloseEvent(this, &TPortCapabilities8021dForm::FormClose);
    DoCreate();
}

TPortCapabilities8021dForm::~TPortCapabilities8021dForm() { Release(); }

// A walk stopped by the close may end without its completion: the gate opens all the same.
void TPortCapabilities8021dForm::Release()
{
    ReleaseRequest(PortCapabilityRequest);
    Gate.Detach();
}

void TPortCapabilities8021dForm::ShowCount()
{
    ST_Count->SetCaption(IntToStr(LV_dot1dPortCapabilitiesEntry->Items()->Count()));
}

void TPortCapabilities8021dForm::Read()
{
    Gate.HoldGet();
    try {
        PortCapabilityRequest->Get();
        ShowCount();
    } catch (...) {
        Gate.Open();
        PortCapabilityRequest->ShowResult(CurrentExceptionText());
    }
}

void TPortCapabilities8021dForm::FormCreate(TObject*)
{
    PortCapabilityRequest = NewRequest(dot1dPortCapabilitiesEntry, MVT_FMV, 1);
    PortCapabilityRequest->BindListView(LV_dot1dPortCapabilitiesEntry, true);
    PortCapabilityRequest->SetMessageControl(Memo1);
    Gate.Attach(PortCapabilityRequest);
    Read();
}

void TPortCapabilities8021dForm::RefreshBtnClick(TObject*)
{
    if (!PortCapabilityRequest || !Gate.GetIdle()) return;
    Read();
}

void TPortCapabilities8021dForm::LV_dot1dPortCapabilitiesEntryChanging(TObject*, TListItem*, TItemChange, bool&)
{
    ShowCount();
}

void TPortCapabilities8021dForm::LV_Change(TObject*, TListItem*, TItemChange) { ShowCount(); }

void TPortCapabilities8021dForm::FormClose(TObject*, TCloseAction&) { Release(); }
