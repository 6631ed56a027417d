#include "forms/layer2/vlangeneralinfounit.h"

#include "mib/bridgeforms.h"
#include "snmpvars/qzsnmperror.h"

TVLanGeneralInfoForm* VLanGeneralInfoForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name                 parent    left top   w    h  align
    {"TPanel",       "Panel1",            nullptr,    0,   0,  95,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",      "RefreshBtn",        "Panel1",  10,  12,  75,  25, alNone, "Refresh"},
    {"TButton",      "SetBtn",            "Panel1",  10,  44,  75,  25, alNone, "Set"},
    {"TPanel",       "Panel2",            nullptr,    0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TMemo",        "Memo1",             "Panel2",   0,   0,   0,  39, alBottom, nullptr, nullptr, rfReadOnly},
    {"TLabel",       "Label1",            "Panel2",   8,  12, 140,  16, alNone, "VLAN Version Number"},
    {"TStaticText",  "VlanVersionNumber", "Panel2", 156,  10, 120,  20, alNone, "", nullptr, rfSunken},
    {"TLabel",       "Label2",            "Panel2",   8,  38, 140,  16, alNone, "Max VLAN ID"},
    {"TStaticText",  "MaxVlanId",         "Panel2", 156,  36, 120,  20, alNone, "", nullptr, rfSunken},
    {"TLabel",       "Label3",            "Panel2",   8,  64, 140,  16, alNone, "Max Supported VLANs"},
    {"TStaticText",  "MaxSupportedVlans", "Panel2", 156,  62, 120,  20, alNone, "", nullptr, rfSunken},
    {"TLabel",       "Label4",            "Panel2",   8,  90, 140,  16, alNone, "Current Num Of VLANs"},
    {"TStaticText",  "CurrentNumOfVlans", "Panel2", 156,  88, 120,  20, alNone, "", nullptr, rfSunken},
    {"TLabel",       "Label5",            "Panel2",   8, 116, 140,  16, alNone, "GVRP Status"},
    {"TComboBox",    "GvrpStatus",        "Panel2", 156, 114, 120,  21, alNone, nullptr, nullptr, rfDropDownList},
    {nullptr},
};
const TResForm kLayout = {"VLanGeneralInfoForm", "802.1Q Basic Configure", 402, 219, poMainFormCenter, bsSizeable,
                          kComponents};

}  // namespace

TVLanGeneralInfoForm::TVLanGeneralInfoForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    RefreshBtn = C<TButton>("RefreshBtn");
    SetBtn = C<TButton>("SetBtn");
    VlanVersionNumber = C<TStaticText>("VlanVersionNumber");
    MaxVlanId = C<TStaticText>("MaxVlanId");
    MaxSupportedVlans = C<TStaticText>("MaxSupportedVlans");
    CurrentNumOfVlans = C<TStaticText>("CurrentNumOfVlans");
    GvrpStatus = C<TComboBox>("GvrpStatus");
    Memo1 = C<TMemo>("Memo1");
    RefreshBtn->OnClick = TNotifyEvent(this, &TVLanGeneralInfoForm::RefreshBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TVLanGeneralInfoForm::SetBtnClick);
    OnCreate = TNotifyEvent(this, &TVLanGeneralInfoForm::FormCreate);
    DoCreate();
}

TVLanGeneralInfoForm::~TVLanGeneralInfoForm() { ReleaseRequest(GeneralRequest); }

void TVLanGeneralInfoForm::FormCreate(TObject*)
{
    GeneralRequest = NewRequest(dot1qBase, SVT_SV, 0);
    GeneralRequest->Associate(0, VlanVersionNumber);
    GeneralRequest->Associate(1, MaxVlanId);
    GeneralRequest->Associate(2, MaxSupportedVlans);
    GeneralRequest->Associate(3, CurrentNumOfVlans);
    GeneralRequest->Associate(4, GvrpStatus);
    GeneralRequest->SetMessageControl(Memo1);
    GeneralRequest->OnSetDone = QzSNMPControlsDoneEvent(this, &TVLanGeneralInfoForm::SetDone);
    RefreshBtnClick(this);
}

// The layer reads only tables again after a write: the scalars are read here.
void TVLanGeneralInfoForm::SetDone(QzSNMPRequest2Controls*, QzSNMPError* Result)
{
    if (Result && Result->code == 0) RefreshBtnClick(this);
}

void TVLanGeneralInfoForm::RefreshBtnClick(TObject*)
{
    try {
        GeneralRequest->Get();
    } catch (...) {
        GeneralRequest->ShowResult(CurrentExceptionText());
    }
}

void TVLanGeneralInfoForm::SetBtnClick(TObject*)
{
    try {
        GeneralRequest->PrepareSet();
        GeneralRequest->Set(true, true);
    } catch (...) {
        GeneralRequest->ShowResult(CurrentExceptionText());
    }
}
