#include "forms/layer2/multicastfilterinformationformunit.h"

#include "mib/vlanforms.h"
#include "platform/ui/sysutils.h"

TMulticastFilterInformationForm* MulticastFilterInformationForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class            name                            parent          left top   w    h  align
    {"TPanel",          "Panel1",                       nullptr,          0,   0,  99,   0, alRight, "", nullptr, rfBevelNone},
    {"TLabel",          "Label1",                       "Panel1",        22,  12,  56,  16, alNone, "Samples", nullptr, rfCenter},
    {"TStaticText",     "ST_Count",                     "Panel1",        14,  30,  70,  20, alNone, "0", nullptr, rfSunken | rfCenter},
    {"TButton",         "RefreshBtn",                   "Panel1",        12,  64,  75,  25, alNone, "Refresh"},
    {"TButton",         "SetBtn",                       "Panel1",        12,  98,  75,  25, alNone, "Set"},
    {"TButton",         "btnDelete",                    "Panel1",        12, 132,  75,  25, alNone, "Delete"},
    {"TButton",         "btnAdd",                       "Panel1",        12, 166,  75,  25, alNone, "Add"},
    {"TPanel",          "Panel2",                       nullptr,          0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TMemo",           "Memo1",                        "Panel2",         0,   0,   0,  41, alBottom, nullptr, nullptr, rfReadOnly | rfScrollBars},
    {"TPanel",          "Panel3",                       "Panel2",         0,   0,   0, 215, alBottom, "", nullptr, rfBevelNone},
    {"TGroupBox",       "GroupBox5",                    "Panel3",         0,   0,   0,  52, alTop},
    {"TLabel",          "Label2",                       "GroupBox5",     10,  22,  30,  16, alNone, "VID"},
    {"TEdit",           "ED_MulticastVID",              "GroupBox5",     40,  20,  80,  21, alNone},
    {"TLabel",          "Label3",                       "GroupBox5",    135,  22,  80,  16, alNone, "MAC Address"},
    {"TEdit",           "ED_MACAddress",                "GroupBox5",    215,  20, 120,  21, alNone},
    {"TLabel",          "Label4",                       "GroupBox5",    350,  22,  45,  16, alNone, "Status"},
    {"TComboBox",       "Status",                       "GroupBox5",    395,  20, 130,  21, alNone},
    {"TPageControl",    "PageControl1",                 "Panel3",         0,   0,   0,   0, alClient},
    {"TTabSheet",       "TabSheet1",                    "PageControl1",   0,   0,   0,   0, alNone, "Egress Ports", nullptr, rfActive},
    {"TScrollBox",      "ScrollBox1",                   "TabSheet1",      0,   0,   0,   0, alClient},
    {"TTabSheet",       "TabSheet2",                    "PageControl1",   0,   0,   0,   0, alNone, "Forbidden Ports", nullptr, rfNoTab},
    {"TScrollBox",      "ScrollBox2",                   "TabSheet2",      0,   0,   0,   0, alClient},
    {"TListView",       "LV_dot1qStaticMulticastEntry", "Panel2",         0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"MulticastFilterInformationForm", "Multicast Filter InformationForm", 659, 449,
                          poScreenCenter, bsSizeable, kComponents};

constexpr int kReceivePort = 2;       // no control gives it
const char kAnyReceivePort[] = "0";   // a new entry's: any port
constexpr int kStatus = 4;
constexpr int kInvalidItem = 1;       // status "invalid" (2) removes the entry
const char kNotComplete[] = "Get data not complete";

}  // namespace

TMulticastFilterInformationForm::TMulticastFilterInformationForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    ST_Count = C<TStaticText>("ST_Count");
    RefreshBtn = C<TButton>("RefreshBtn");
    SetBtn = C<TButton>("SetBtn");
    btnDelete = C<TButton>("btnDelete");
    btnAdd = C<TButton>("btnAdd");
    LV_dot1qStaticMulticastEntry = C<TListView>("LV_dot1qStaticMulticastEntry");
    ED_MulticastVID = C<TEdit>("ED_MulticastVID");
    ED_MACAddress = C<TEdit>("ED_MACAddress");
    Status = C<TComboBox>("Status");
    ScrollBox1 = C<TScrollBox>("ScrollBox1");
    TabSheet2 = C<TTabSheet>("TabSheet2");
    Memo1 = C<TMemo>("Memo1");

    RefreshBtn->OnClick = TNotifyEvent(this, &TMulticastFilterInformationForm::RefreshBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TMulticastFilterInformationForm::SetBtnClick);
    btnAdd->OnClick = TNotifyEvent(this, &TMulticastFilterInformationForm::btnAddClick);
    btnDelete->OnClick = TNotifyEvent(this, &TMulticastFilterInformationForm::btnDeleteClick);
    LV_dot1qStaticMulticastEntry->OnSelectItem =
        TLVSelectItemEvent(this, &TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntrySelectItem);
    LV_dot1qStaticMulticastEntry->OnChange =
        TLVChangeEvent(this, &TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryChange);
    OnCreate = TNotifyEvent(this, &TMulticastFilterInformationForm::FormCreate);
    OnClose = TCloseEvent(this, &TMulticastFilterInformationForm::FormClose);
    DoCreate();
}

void TMulticastFilterInformationForm::CreatePortPages() { PortPage = NewPortPage(ScrollBox1); }

void TMulticastFilterInformationForm::FormCreate(TObject*)
{
    CreatePortPages();
    FilterRequest = NewRequest(dot1qStaticMulticastEntry, MVT_UMV, 3);
    FilterRequest->BindListView(LV_dot1qStaticMulticastEntry, true);
    FilterRequest->AssociateFormat(0, "%i{n1x4094}", ED_MulticastVID);
    FilterRequest->AssociateFormat(1, "%h", ED_MACAddress);
    FilterRequest->AssociateIndexList(3, PortIndexList(64), PortPage->PortChecks);
    FilterRequest->Associate(kStatus, Status);
    FilterRequest->SetMessageControl(Memo1);
    try {
        FilterRequest->Get();
        ShowCount();
    } catch (...) {
        FilterRequest->ShowResult(CurrentExceptionText());
    }
    SetBtn->SetEnabled(false);
    btnDelete->SetEnabled(false);
}

void TMulticastFilterInformationForm::ResetMulticastFields()
{
    PortPage->ClearChecks();
    ED_MulticastVID->SetText("");
    ED_MACAddress->SetText("");
    Status->SetItemIndex(-1);
}

void TMulticastFilterInformationForm::ShowCount()
{
    ST_Count->SetCaption(IntToStr(LV_dot1qStaticMulticastEntry->Items()->Count()));
}

void TMulticastFilterInformationForm::EditState(bool rowSelected)
{
    SetBtn->SetEnabled(rowSelected);
    btnDelete->SetEnabled(rowSelected);
    btnAdd->SetEnabled(!rowSelected);
}

void TMulticastFilterInformationForm::RefreshBtnClick(TObject*)
{
    try {
        FilterRequest->Get();
    } catch (...) {
        FilterRequest->ShowResult(CurrentExceptionText());
    }
    NoRowSelected();
}

// The fields emptied with the row still highlighted would send an empty row to it: the
// selection and the buttons that write it go with the fields.
void TMulticastFilterInformationForm::NoRowSelected()
{
    LV_dot1qStaticMulticastEntry->SetSelected(nullptr);
    ResetMulticastFields();
    EditState(false);
}

void TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntrySelectItem(TObject*, TListItem*, bool Selected)
{
    EditState(Selected);
    if (!Selected) ResetMulticastFields();
}

void TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryChange(TObject*, TListItem*, TItemChange)
{
    ShowCount();
}

void TMulticastFilterInformationForm::SetBtnClick(TObject*)
{
    if (FilterRequest->Busy) {
        ShowMessage(kNotComplete);
        return;
    }
    if (!LV_dot1qStaticMulticastEntry->Selected()) return;
    // Only the egress ports are written, never the status shown.
    TSavedAccessFlags saved(FilterRequest->Request.varList);
    try {
        saved.LeaveOut(kStatus);
        FilterRequest->Set(true, true);
        saved.Restore();
    } catch (...) {
        saved.Restore();
        FilterRequest->ShowResult(CurrentExceptionText());
    }
    NoRowSelected();
}

void TMulticastFilterInformationForm::btnAddClick(TObject*)
{
    if (FilterRequest->Busy) {
        ShowMessage(kNotComplete);
        return;
    }
    try {
        FilterRequest->LastOperation = 1;  // a value its preparation refuses is a refused write
        FilterRequest->PrepareSet();
        *FilterRequest->Request.varList.Items(kReceivePort).value = kAnyReceivePort;
        FilterRequest->Set(true, false);
    } catch (...) {
        FilterRequest->ShowResult(CurrentExceptionText());
    }
    NoRowSelected();
}

void TMulticastFilterInformationForm::btnDeleteClick(TObject*)
{
    if (FilterRequest->Busy) {
        ShowMessage(kNotComplete);
        return;
    }
    if (!LV_dot1qStaticMulticastEntry->Selected()) return;
    Status->SetItemIndex(kInvalidItem);
    try {
        FilterRequest->Set(true, true);
    } catch (...) {
        FilterRequest->ShowResult(CurrentExceptionText());
    }
    NoRowSelected();
}

void TMulticastFilterInformationForm::FormClose(TObject*, TCloseAction& Action)
{
    Action = caFree;
    ReleaseRequest(FilterRequest);
}
