#include "forms/layer2/vlanportinfomationunit.h"

#include "mib/vlanforms.h"
#include "platform/ui/sysutils.h"

TVLanPortInfomationForm* VLanPortInfomationForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class            name                      parent    left top   w    h  align
    {"TPanel",          "Panel2",                 nullptr,    0,   0, 103,   0, alRight, "", nullptr, rfBevelNone},
    {"TLabel",          "Label5",                 "Panel2",  24,  12,  56,  16, alNone, "Samples", nullptr, rfCenter},
    {"TStaticText",     "ST_Count",               "Panel2",  16,  30,  70,  20, alNone, "0", nullptr, rfSunken | rfCenter},
    {"TButton",         "RefreshBtn",             "Panel2",  14,  64,  75,  25, alNone, "Refresh"},
    {"TButton",         "SetBtn",                 "Panel2",  14,  98,  75,  25, alNone, "Set"},
    {"TPanel",          "Panel1",                 nullptr,    0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TMemo",           "Memo1",                  "Panel1",   0,   0,   0,  41, alBottom, nullptr, nullptr, rfReadOnly | rfScrollBars},
    {"TPanel",          "Panel3",                 "Panel1",   0,   0,   0,  68, alBottom, "", nullptr, rfBevelNone},
    {"TLabel",          "Label1",                 "Panel3",   8,  10,  97,  16, alNone, "Port VLAN ID"},
    {"TEdit",           "PortVLanID",             "Panel3", 106,   8,  96,  21, alNone},
    {"TLabel",          "Label2",                 "Panel3", 210,  10, 150,  16, alNone, "Acceptable Frame Types"},
    {"TComboBox",       "AcceptableFrameTypes",   "Panel3", 362,   8, 170,  21, alNone},
    {"TLabel",          "Label3",                 "Panel3",   8,  40,  97,  16, alNone, "Ingress Filtering"},
    {"TComboBox",       "IngressFiltering",       "Panel3", 106,  38,  96,  21, alNone},
    {"TLabel",          "Label4",                 "Panel3", 210,  40, 150,  16, alNone, "GVRP Status"},
    {"TComboBox",       "GvrpStatus",             "Panel3", 362,  38, 170,  21, alNone},
    {"TListView",       "LV_dot1qPortVlanEntry",  "Panel1",   0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"VLanPortInfomationForm", "VLAN Port Information Form", 642, 440, poScreenCenter, bsSizeable,
                          kComponents};

const char kNotComplete[] = "Refresh Not Complete";

}  // namespace

TVLanPortInfomationForm::TVLanPortInfomationForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    ST_Count = C<TStaticText>("ST_Count");
    RefreshBtn = C<TButton>("RefreshBtn");
    SetBtn = C<TButton>("SetBtn");
    LV_dot1qPortVlanEntry = C<TListView>("LV_dot1qPortVlanEntry");
    PortVLanID = C<TEdit>("PortVLanID");
    AcceptableFrameTypes = C<TComboBox>("AcceptableFrameTypes");
    IngressFiltering = C<TComboBox>("IngressFiltering");
    GvrpStatus = C<TComboBox>("GvrpStatus");
    Memo1 = C<TMemo>("Memo1");

    RefreshBtn->OnClick = TNotifyEvent(this, &TVLanPortInfomationForm::RefreshBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TVLanPortInfomationForm::SetBtnClick);
    LV_dot1qPortVlanEntry->OnChange = TLVChangeEvent(this, &TVLanPortInfomationForm::LV_dot1qPortVlanEntryChange);
    OnCreate = TNotifyEvent(this, &TVLanPortInfomationForm::FormCreate);
    OnClose = TCloseEvent(this, &TVLanPortInfomationForm::FormClose);
    DoCreate();
}

void TVLanPortInfomationForm::FormCreate(TObject*)
{
    PortVlanRequest = NewRequest(dot1qPortVlanEntry, MVT_FMV, 1);
    PortVlanRequest->BindListView(LV_dot1qPortVlanEntry, true);
    PortVlanRequest->AssociateFormat(1, "%i{}", PortVLanID);
    PortVlanRequest->Associate(2, AcceptableFrameTypes);
    PortVlanRequest->Associate(3, IngressFiltering);
    PortVlanRequest->Associate(4, GvrpStatus);
    PortVlanRequest->SetMessageControl(Memo1);
    PortVlanRequest->OnGetDone = QzSNMPControlsDoneEvent(this, &TVLanPortInfomationForm::ReadDone);
    PortVlanRequest->OnSetDone = QzSNMPControlsDoneEvent(this, &TVLanPortInfomationForm::WriteDone);
    try {
        PortVlanRequest->Get();
    } catch (...) {
        PortVlanRequest->ShowResult(CurrentExceptionText());
    }
    EmptyFields();
    ShowCount();
}

void TVLanPortInfomationForm::EmptyFields()
{
    PortVLanID->SetText("");
    for (TComboBox* box : {AcceptableFrameTypes, IngressFiltering, GvrpStatus}) box->SetItemIndex(-1);
}

void TVLanPortInfomationForm::ShowCount() { ST_Count->SetCaption(IntToStr(LV_dot1qPortVlanEntry->Items()->Count())); }

void TVLanPortInfomationForm::RefreshBtnClick(TObject*)
{
    if (PortVlanRequest->Busy) {
        ShowMessage(kNotComplete);
        return;
    }
    try {
        PortVlanRequest->Get();
        ShowCount();
    } catch (...) {
        PortVlanRequest->ShowResult(CurrentExceptionText());
    }
}

void TVLanPortInfomationForm::SetBtnClick(TObject*)
{
    if (PortVlanRequest->Busy) {
        ShowMessage(kNotComplete);
        return;
    }
    // Without a selected row there is no port to write to.
    TListItem* selected = LV_dot1qPortVlanEntry->Selected();
    if (!selected) return;
    const AnsiString key = selected->Caption();
    try {
        // Its refusals are refusals of the write.
        PortVlanRequest->LastOperation = 1;
        PortVlanRequest->PrepareSet();
        PortVlanRequest->Set(true, true);
        writtenPort_ = key;
        reselect_ = true;
    } catch (...) {
        PortVlanRequest->ShowResult(CurrentExceptionText());
    }
}

// A refused write is not read again: the port stays selected with the values as typed.
void TVLanPortInfomationForm::WriteDone(QzSNMPRequest2Controls*, QzSNMPError* Result)
{
    if (!Result || Result->code != 0) reselect_ = false;
}

// A read leaves no row selected: the greyed fields keep no port's values.
void TVLanPortInfomationForm::ReadDone(QzSNMPRequest2Controls*, QzSNMPError*)
{
    if (reselect_) {
        reselect_ = false;
        SelectWrittenPort();
    } else if (!LV_dot1qPortVlanEntry->Selected()) {
        EmptyFields();
    }
}

void TVLanPortInfomationForm::SelectWrittenPort()
{
    TListItems* rows = LV_dot1qPortVlanEntry->Items();
    for (int i = 0; i < rows->Count(); ++i) {
        if (rows->Item(i)->Caption() == writtenPort_) {
            LV_dot1qPortVlanEntry->SetSelected(rows->Item(i));
            return;
        }
    }
    EmptyFields();
}

void TVLanPortInfomationForm::LV_dot1qPortVlanEntryChange(TObject*, TListItem*, TItemChange) { ShowCount(); }

void TVLanPortInfomationForm::FormClose(TObject*, TCloseAction&) { ReleaseRequest(PortVlanRequest); }
