#include "forms/layer2/safeguardctrlformunit.h"

#include "mib/deviceforms.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/sysutils.h"

TSafeguardCtrlForm* SafeguardCtrlForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class        name               parent   left top    w    h  align
    {"TStatusBar",  "stbStatus",       nullptr,    0,   0,   0,  19, alBottom, nullptr, "50"},
    {"TCheckBox",   "ckRising",        nullptr,   16,  20,  17,  17, alNone, ""},
    {"TLabel",      "lblRising",       nullptr,   40,  20, 110,  16, alNone, "Rising Threshold"},
    {"TEdit",       "edtRising",       nullptr,  160,  18, 121,  21, alNone},
    {"TCheckBox",   "ckFalling",       nullptr,   16,  52,  17,  17, alNone, ""},
    {"TLabel",      "lblFalling",      nullptr,   40,  52, 110,  16, alNone, "Falling Threshold"},
    {"TEdit",       "edtFalling",      nullptr,  160,  50, 121,  21, alNone},
    {"TCheckBox",   "ckMode",          nullptr,   16,  84,  17,  17, alNone, ""},
    {"TLabel",      "lblMode",         nullptr,   40,  84, 110,  16, alNone, "Mode"},
    {"TComboBox",   "cbxMode",         nullptr,  160,  82, 121,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TCheckBox",   "ckAlarm",         nullptr,   16, 116,  17,  17, alNone, ""},
    {"TLabel",      "lblAlarm",        nullptr,   40, 116, 110,  16, alNone, "Alarm State"},
    {"TComboBox",   "cbxAlarm",        nullptr,  160, 114, 121,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TLabel",      "lblCurrentState", nullptr,   40, 148, 110,  16, alNone, "Current State"},
    {"TComboBox",   "cbxCurrentState", nullptr,  160, 146, 121,  21, alNone, nullptr, nullptr,
     rfDropDownList | rfDisabled},
    {"TButton",     "btnGet",          nullptr,  304,  16,  85,  25, alNone, "Refresh"},
    {"TButton",     "btnSet",          nullptr,  304,  48,  85,  25, alNone, "Set"},
    {"TButton",     "btnCheckAll",     nullptr,  304,  80,  85,  25, alNone, "Check All"},
    {"TButton",     "btnClearCheck",   nullptr,  304, 112,  85,  25, alNone, "Clear Checks"},
    {"TButton",     "btnClose",        nullptr,  304, 144,  85,  25, alNone, "Close"},
    {nullptr},
};
const TResForm kLayout = {"SafeguardCtrlForm", "Safeguard Control", 416, 230, poMainFormCenter, bsSingle,
                          kComponents};

constexpr int kWritable = 4;  // rising, falling, mode, alarm

// A threshold as typed: a number from 20 to 100 (anything else counts as -1).
bool ThresholdOk(const AnsiString& text)
{
    const int v = StrToIntDef(text, -1);
    return v >= 20 && v <= 100;
}

}  // namespace

TSafeguardCtrlForm::TSafeguardCtrlForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    edtRising = C<TEdit>("edtRising");
    edtFalling = C<TEdit>("edtFalling");
    cbxMode = C<TComboBox>("cbxMode");
    cbxAlarm = C<TComboBox>("cbxAlarm");
    cbxCurrentState = C<TComboBox>("cbxCurrentState");
    ckRising = C<TCheckBox>("ckRising");
    ckFalling = C<TCheckBox>("ckFalling");
    ckMode = C<TCheckBox>("ckMode");
    ckAlarm = C<TCheckBox>("ckAlarm");
    btnGet = C<TButton>("btnGet");
    btnSet = C<TButton>("btnSet");
    btnClose = C<TButton>("btnClose");
    btnCheckAll = C<TButton>("btnCheckAll");
    btnClearCheck = C<TButton>("btnClearCheck");
    stbStatus = C<TStatusBar>("stbStatus");

    for (TCheckBox* box : {ckRising, ckFalling, ckAlarm, ckMode})
        box->OnClick = TNotifyEvent(this, &TSafeguardCtrlForm::ChangeSetState);
    btnGet->OnClick = TNotifyEvent(this, &TSafeguardCtrlForm::btnGetClick);
    btnSet->OnClick = TNotifyEvent(this, &TSafeguardCtrlForm::btnSetClick);
    btnClose->OnClick = TNotifyEvent(this, &TSafeguardCtrlForm::btnCloseClick);
    btnCheckAll->OnClick = TNotifyEvent(this, &TSafeguardCtrlForm::btnCheckAllClick);
    btnClearCheck->OnClick = TNotifyEvent(this, &TSafeguardCtrlForm::btnClearCheckClick);
    OnCreate = TNotifyEvent(this, &TSafeguardCtrlForm::FormCreate);
    OnCloseQuery = TCloseQueryEvent(this, &TSafeguardCtrlForm::FormCloseQuery);
    DoCreate();
}

void TSafeguardCtrlForm::FormCreate(TObject*)
{
    btnSet->SetEnabled(false);
    try {
        Request = NewRequest(swSafeGuardCtrl, SVT_SV, 0);
        Request->AssociateFormat(0, "%i{n20x100l3}", edtRising);
        Request->AssociateFormat(1, "%i{n20x100l3}", edtFalling);
        Request->Associate(2, cbxMode);
        Request->Associate(3, cbxAlarm);
        Request->Associate(4, cbxCurrentState);
        Request->SetMessageControl(stbStatus->Panels()->Items(0));
        SaveFlags();
        Request->Mode = 0;
        Request->Get();
    } catch (...) {
        ShowInPanel(stbStatus, CurrentExceptionText());
    }
}

void TSafeguardCtrlForm::SaveFlags()
{
    QzSNMPVarList& list = Request->Request.varList;
    if (list.GetCount() != kVars) {
        ShowMessage("Array of request is overflow");
        return;
    }
    for (int i = 0; i < kVars; ++i) savedFlags_[i] = list.Items(i).access;
    flagsSaved_ = true;
}

void TSafeguardCtrlForm::RestoreFlags()
{
    if (!flagsSaved_) return;
    QzSNMPVarList& list = Request->Request.varList;
    for (int i = 0; i < kVars; ++i) list.Items(i).access = savedFlags_[i];
}

TCheckBox* TSafeguardCtrlForm::BoxOf(int i) const
{
    TCheckBox* const boxes[kWritable] = {ckRising, ckFalling, ckMode, ckAlarm};
    return boxes[i];
}

void TSafeguardCtrlForm::btnGetClick(TObject*)
{
    if (!Request || Request->Busy) return;
    try {
        Request->Get();
    } catch (...) {
        ShowInPanel(stbStatus, CurrentExceptionText());
    }
}

void TSafeguardCtrlForm::ChangeSetState(TObject*)
{
    btnSet->SetEnabled(ckRising->Checked() || ckFalling->Checked() || ckAlarm->Checked() || ckMode->Checked());
}

void TSafeguardCtrlForm::btnCheckAllClick(TObject*)
{
    for (TCheckBox* box : {ckRising, ckFalling, ckAlarm, ckMode}) box->SetChecked(true);
}

void TSafeguardCtrlForm::btnClearCheckClick(TObject*)
{
    for (TCheckBox* box : {ckRising, ckFalling, ckAlarm, ckMode}) box->SetChecked(false);
}

void TSafeguardCtrlForm::btnSetClick(TObject*)
{
    if (!Request) return;
    if (ckRising->Checked() && !ThresholdOk(edtRising->Text())) {
        ShowMessage("Rising Threshold should between 20-100");
        return;
    }
    if (ckFalling->Checked() && !ThresholdOk(edtFalling->Text())) {
        ShowMessage("Falling Threshold should between 20-100");
        return;
    }
    QzSNMPVarList& list = Request->Request.varList;
    for (int i = 0; i < kWritable; ++i)
        if (!BoxOf(i)->Checked()) list.Items(i).access = acInvalid;
    // A busy request sends nothing; the flags come back all the same, or the next read
    // would leave the unchecked objects out for good.
    if (Request->Busy) {
        RestoreFlags();
        return;
    }
    for (int i = 0; i < kWritable; ++i) list.Items(i).access = acInvalid;
    try {
        for (int i = 0; i < kWritable; ++i) {
            if (!BoxOf(i)->Checked()) continue;
            list.Items(i).access = acReadWrite;
            Request->Set(false, true);
            list.Items(i).access = acInvalid;
        }
    } catch (...) {
        ShowInPanel(stbStatus, CurrentExceptionText());
    }
    RestoreFlags();
}

void TSafeguardCtrlForm::btnCloseClick(TObject*) { Close(); }

void TSafeguardCtrlForm::FormCloseQuery(TObject*, bool& CanClose)
{
    ReleaseRequest(Request);
    CanClose = true;
}
