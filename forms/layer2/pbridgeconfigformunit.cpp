#include "forms/layer2/pbridgeconfigformunit.h"

#include "mib/bridgeforms.h"

TPBridgeConfigForm* PBridgeConfigForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name                       parent    left top   w    h  align
    {"TPanel",       "Panel1",                  nullptr,    0,   0,  95,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",      "BT_Get",                  "Panel1",  10,  12,  75,  25, alNone, "Refresh"},
    {"TButton",      "BT_Set",                  "Panel1",  10,  44,  75,  25, alNone, "Set", nullptr, rfHidden},
    {"TPanel",       "Panel2",                  nullptr,    0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TMemo",        "Memo1",                   "Panel2",   0,   0,   0,  44, alBottom, nullptr, nullptr, rfReadOnly},
    {"TLabel",       "Label1",                  "Panel2",   8,  14, 120,  16, alNone, "Device Capabilities"},
    {"TStaticText",  "Edit_DeviceCapabilities", "Panel2", 136,  12, 130,  20, alNone, "", nullptr, rfSunken},
    {"TLabel",       "Label11",                 "Panel2",   8,  44, 120,  16, alNone, "Traffic Classes State"},
    {"TComboBox",    "TrafficClassesState",     "Panel2", 136,  42, 130,  21, alNone, nullptr, nullptr, rfDropDownList | rfDisabled},
    {"TLabel",       "Label4",                  "Panel2",   8,  74, 120,  16, alNone, "GMRP Status", nullptr, rfHidden},
    {"TComboBox",    "GmrpStatus",              "Panel2", 136,  72, 130,  21, alNone, nullptr, nullptr, rfDropDownList | rfHidden},
    {nullptr},
};
const TResForm kLayout = {"PBridgeConfigForm", "802.1P Basic Configure", 380, 148, poMainFormCenter, bsSizeable,
                          kComponents};

}  // namespace

TPBridgeConfigForm::TPBridgeConfigForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    BT_Get = C<TButton>("BT_Get");
    BT_Set = C<TButton>("BT_Set");
    Edit_DeviceCapabilities = C<TStaticText>("Edit_DeviceCapabilities");
    TrafficClassesState = C<TComboBox>("TrafficClassesState");
    GmrpStatus = C<TComboBox>("GmrpStatus");
    Memo1 = C<TMemo>("Memo1");
    BT_Get->OnClick = TNotifyEvent(this, &TPBridgeConfigForm::BT_GetClick);
    BT_Set->OnClick = TNotifyEvent(this, &TPBridgeConfigForm::BT_SetClick);
    OnCreate = TNotifyEvent(this, &TPBridgeConfigForm::FormCreate);
    OnClose = TCloseEvent(this, &TPBridgeConfigForm::FormClose);
    DoCreate();
}

TPBridgeConfigForm::~TPBridgeConfigForm()
{
    ReleaseRequest(CapabilitiesRequest);
    ReleaseRequest(TrafficClassesRequest);
}

void TPBridgeConfigForm::Read(QzSNMPRequest2Edits* request)
{
    if (!request) return;
    try {
        request->Get();
    } catch (...) {
        request->ShowResult(CurrentExceptionText());
    }
}

void TPBridgeConfigForm::FormCreate(TObject*)
{
    CapabilitiesRequest = NewRequest(dot1dDeviceCapabilities, SVT_SV, 0);
    CapabilitiesRequest->Associate(0, Edit_DeviceCapabilities);
    CapabilitiesRequest->SetMessageControl(Memo1);
    Read(CapabilitiesRequest);
    TrafficClassesRequest = NewRequest(dot1dTrafficClassesEnabled, SVT_SV, 0);
    TrafficClassesRequest->Associate(0, TrafficClassesState);
    TrafficClassesRequest->SetMessageControl(Memo1);
    Read(TrafficClassesRequest);
}

void TPBridgeConfigForm::BT_GetClick(TObject*)
{
    try {
        Read(CapabilitiesRequest);
        Read(TrafficClassesRequest);
    } catch (...) {
    }
}

void TPBridgeConfigForm::BT_SetClick(TObject*)
{
    for (QzSNMPRequest2Edits* request : {CapabilitiesRequest, TrafficClassesRequest}) {
        if (!request) continue;
        try {
            request->PrepareSet();
            request->Set(true, true);
        } catch (...) {
            request->ShowResult(CurrentExceptionText());
        }
    }
}

void TPBridgeConfigForm::FormClose(TObject*, TCloseAction&)
{
    ReleaseRequest(CapabilitiesRequest);
    ReleaseRequest(TrafficClassesRequest);
}
