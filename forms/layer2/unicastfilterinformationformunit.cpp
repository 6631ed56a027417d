#include "forms/layer2/unicastfilterinformationformunit.h"

#include "mib/vlanforms.h"
#include "platform/ui/sysutils.h"

TUnicastFilterInformationForm* UnicastFilterInformationForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class            name                          parent       left top   w    h  align
    {"TPanel",          "Panel1",                     nullptr,       0,   0,  99,   0, alRight, "", nullptr, rfBevelNone},
    {"TStaticText",     "ST_Count",                   "Panel1",     14,  16,  70,  20, alNone, "0", nullptr, rfSunken | rfCenter},
    {"TButton",         "RefreshBtn",                 "Panel1",     12,  50,  75,  25, alNone, "Refresh"},
    {"TButton",         "SetBtn",                     "Panel1",     12,  84,  75,  25, alNone, "Add"},
    {"TButton",         "DeleteBtn",                  "Panel1",     12, 118,  75,  25, alNone, "Delete"},
    {"TPanel",          "Panel2",                     nullptr,       0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TMemo",           "Memo1",                      "Panel2",      0,   0,   0,  41, alBottom, nullptr, nullptr, rfReadOnly | rfScrollBars},
    {"TPanel",          "Panel3",                     "Panel2",      0,   0,   0, 220, alBottom, "", nullptr, rfBevelNone},
    {"TGroupBox",       "GroupBox4",                  "Panel3",      0,   0,   0,  52, alTop},
    {"TLabel",          "Label1",                     "GroupBox4",  10,  22,  30,  16, alNone, "VID"},
    {"TEdit",           "ED_UnicastVID",              "GroupBox4",  40,  20,  80,  21, alNone},
    {"TLabel",          "Label2",                     "GroupBox4", 140,  22,  80,  16, alNone, "MAC  Address"},
    {"TEdit",           "UnicastAddress",             "GroupBox4", 220,  20, 130,  21, alNone},
    {"TLabel",          "Label3",                     "GroupBox4", 370,  22,  45,  16, alNone, "Status"},
    {"TComboBox",       "UStatus",                    "GroupBox4", 415,  20, 130,  21, alNone},
    {"TGroupBox",       "GroupBox1",                  "Panel3",      0,   0,   0,   0, alClient, "Allow To Go To Port"},
    {"TListView",       "LV_dot1qStaticUnicastEntry", "Panel2",      0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"UnicastFilterInformationForm", "UnicastFilterInformationForm", 695, 479, poMainFormCenter,
                          bsSizeable, kComponents};

constexpr int kReceivePort = 2;       // no control gives it
const char kAnyReceivePort[] = "0";   // a new entry's: any port
constexpr int kInvalidItem = 1;  // status "invalid" (2) removes the entry
const char kNotComplete[] = "Get data not complete";

}  // namespace

TUnicastFilterInformationForm::TUnicastFilterInformationForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    ST_Count = C<TStaticText>("ST_Count");
    RefreshBtn = C<TButton>("RefreshBtn");
    SetBtn = C<TButton>("SetBtn");
    DeleteBtn = C<TButton>("DeleteBtn");
    LV_dot1qStaticUnicastEntry = C<TListView>("LV_dot1qStaticUnicastEntry");
    ED_UnicastVID = C<TEdit>("ED_UnicastVID");
    UnicastAddress = C<TEdit>("UnicastAddress");
    UStatus = C<TComboBox>("UStatus");
    GroupBox1 = C<TGroupBox>("GroupBox1");
    Memo1 = C<TMemo>("Memo1");

    RefreshBtn->OnClick = TNotifyEvent(this, &TUnicastFilterInformationForm::RefreshBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TUnicastFilterInformationForm::SetBtnClick);
    DeleteBtn->OnClick = TNotifyEvent(this, &TUnicastFilterInformationForm::DeleteBtnClick);
    LV_dot1qStaticUnicastEntry->OnSelectItem =
        TLVSelectItemEvent(this, &TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntrySelectItem);
    LV_dot1qStaticUnicastEntry->OnChange =
        TLVChangeEvent(this, &TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryChange);
    OnCreate = TNotifyEvent(this, &TUnicastFilterInformationForm::FormCreate);
    OnClose = TCloseEvent(this, &TUnicastFilterInformationForm::FormClose);
    DoCreate();
}

void TUnicastFilterInformationForm::CreatePortPages() { PortPage = NewPortPage(GroupBox1); }

void TUnicastFilterInformationForm::FormCreate(TObject*)
{
    CreatePortPages();
    FilterRequest = NewRequest(dot1qStaticUnicastEntry, MVT_UMV, 3);
    FilterRequest->BindListView(LV_dot1qStaticUnicastEntry, true);
    FilterRequest->AssociateFormat(0, "%i{n1x4094}", ED_UnicastVID);
    FilterRequest->AssociateFormat(1, "%h", UnicastAddress);
    FilterRequest->AssociateIndexList(3, PortIndexList(64), PortPage->PortChecks);
    FilterRequest->Associate(4, UStatus);
    FilterRequest->SetMessageControl(Memo1);
    try {
        FilterRequest->Get();
        ShowCount();
    } catch (...) {
        FilterRequest->ShowResult(CurrentExceptionText());
    }
    DeleteBtn->SetEnabled(false);
}

void TUnicastFilterInformationForm::ResetUnicastFields()
{
    PortPage->ClearChecks();
    UnicastAddress->SetText("");
    ED_UnicastVID->SetText("");
    UStatus->SetItemIndex(-1);
}

void TUnicastFilterInformationForm::ShowCount()
{
    ST_Count->SetCaption(IntToStr(LV_dot1qStaticUnicastEntry->Items()->Count()));
}

void TUnicastFilterInformationForm::RefreshBtnClick(TObject*)
{
    const bool rowShown = LV_dot1qStaticUnicastEntry->Selected() != nullptr;
    try {
        FilterRequest->Get();
        ShowCount();
    } catch (...) {
        FilterRequest->ShowResult(CurrentExceptionText());
    }
    // The read empties the list without a deselection: the fields of the row it had go too
    // (what was typed for an Add stays).
    if (!rowShown) return;
    ResetUnicastFields();
    DeleteBtn->SetEnabled(false);
    SetBtn->SetEnabled(true);
}

void TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntrySelectItem(TObject*, TListItem*, bool Selected)
{
    if (Selected) {
        DeleteBtn->SetEnabled(true);
        SetBtn->SetEnabled(false);
    } else {
        ResetUnicastFields();
        DeleteBtn->SetEnabled(false);
        SetBtn->SetEnabled(true);
    }
}

void TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryChange(TObject*, TListItem*, TItemChange) { ShowCount(); }

void TUnicastFilterInformationForm::SetBtnClick(TObject*)
{
    if (ED_UnicastVID->Text().IsEmpty() || UnicastAddress->Text().IsEmpty()) {
        MessageDlg("Please enter the VID and the MAC address of the entry.", mtWarning, TMsgDlgButtons() << mbOK, 0);
        return;
    }
    if (UStatus->Text() != "permanent") {
        MessageDlg("Only a \"permanent\" entry can be added.", mtWarning, TMsgDlgButtons() << mbOK, 0);
        return;
    }
    if (FilterRequest->Busy) {
        ShowMessage(kNotComplete);
        return;
    }
    try {
        // No control gives the receive port: a new entry is for any port.
        FilterRequest->LastOperation = 1;  // a value its preparation refuses is a refused write
        FilterRequest->PrepareSet();
        *FilterRequest->Request.varList.Items(kReceivePort).value = kAnyReceivePort;
        FilterRequest->Set(true, false);
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
    ResetUnicastFields();
}

void TUnicastFilterInformationForm::DeleteBtnClick(TObject*)
{
    if (ED_UnicastVID->Text().IsEmpty() || UnicastAddress->Text().IsEmpty() ||
        !LV_dot1qStaticUnicastEntry->Selected()) {
        MessageDlg("Please select which entry you want to delete.", mtWarning, TMsgDlgButtons() << mbOK, 0);
        return;
    }
    if (FilterRequest->Busy) {
        ShowMessage(kNotComplete);
        return;
    }
    try {
        TSavedAccessFlags saved(FilterRequest->Request.varList);
        saved.LeaveOut(3);
        UStatus->SetItemIndex(kInvalidItem);
        FilterRequest->Set(true, true);
    } catch (...) {
        FilterRequest->ShowResult(CurrentExceptionText());
    }
    ResetUnicastFields();
    DeleteBtn->SetEnabled(false);
    // The write reads the table again itself; a second walk beside it would fill the list
    // view twice.
    if (FilterRequest->Busy) return;
    try {
        FilterRequest->Get();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
}

void TUnicastFilterInformationForm::FormClose(TObject*, TCloseAction& Action)
{
    Action = caFree;
    ReleaseRequest(FilterRequest);
}
