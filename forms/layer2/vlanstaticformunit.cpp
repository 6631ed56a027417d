#include "forms/layer2/vlanstaticformunit.h"

#include "mib/vlantrunkforms.h"
#include "platform/ui/sysutils.h"

TVlanStaticForm* VlanStaticForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class            name                        parent            left top   w    h  align
    {"TPanel",          "Panel1",                   nullptr,            0,   0,  99,   0, alRight, "", nullptr, rfBevelNone},
    {"TLabel",          "Label11",                  "Panel1",          22,  12,  56,  16, alNone, "Samples", nullptr, rfCenter},
    {"TStaticText",     "ST_Count2",                "Panel1",          14,  30,  70,  20, alNone, "0", nullptr, rfSunken | rfCenter},
    {"TButton",         "RefreshBtn",               "Panel1",          12,  64,  75,  25, alNone, "Refresh"},
    {"TButton",         "SetBtn",                   "Panel1",          12,  98,  75,  25, alNone, "Set"},
    {"TButton",         "AddBtn",                   "Panel1",          12, 132,  75,  25, alNone, "Add"},
    {"TButton",         "DeleteBtn",                "Panel1",          12, 166,  75,  25, alNone, "Delete"},
    {"TPanel",          "Panel2",                   nullptr,            0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TMemo",           "Memo1",                    "Panel2",           0,   0,   0,  39, alBottom, nullptr, nullptr, rfReadOnly | rfScrollBars},
    {"TPanel",          "Panel3",                   "Panel2",           0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPanel",          "Panel4",                   "Panel3",           0,   0,   0, 273, alBottom, "", nullptr, rfBevelNone},
    {"TSplitter",       "Splitter1",                "Panel3",           0,   0,   0,   4, alBottom},
    {"TListView",       "LV_dot1qVlanStaticEntry",  "Panel3",           0,   0,   0,   0, alClient},
    {"TPanel",          "Panel6",                   "Panel4",           0,   0,   0,  64, alTop, "", nullptr, rfBevelNone},
    {"TLabel",          "Label7",                   "Panel6",           8,   8,  90,  16, alNone, "VLAN ID"},
    {"TEdit",           "ED_VLANID",                "Panel6",         100,   6, 121,  21, alNone},
    {"TLabel",          "Label12",                  "Panel6",         240,   8,  60,  16, alNone, "Status"},
    {"TComboBox",       "Status",                   "Panel6",         320,   6, 121,  21, alNone},
    {"TLabel",          "Label5",                   "Panel6",           8,  36,  90,  16, alNone, "VLAN Name"},
    {"TEdit",           "ED_VLANName",              "Panel6",         100,  34, 121,  21, alNone},
    {"TLabel",          "Label10",                  "Panel6",         240,  36, 170,  16, alNone, "Next Free Local VLAN Index"},
    {"TStaticText",     "NextFreeLocalVlanIndex",   "Panel6",         420,  34, 121,  20, alNone, "", nullptr, rfSunken},
    {"TPanel",          "PortListPanel",            "Panel4",           0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPageControl",    "PageControl1",             "PortListPanel",    0,   0,   0,   0, alClient},
    {"TTabSheet",       "TSheetEgressPort",         "PageControl1",     0,   0,   0,   0, alNone, "Egress ports", nullptr, rfActive},
    {"TScrollBox",      "ScrollBox1",               "TSheetEgressPort", 0,   0,   0,   0, alClient},
    {"TTabSheet",       "TSheetFbdenEgrsP",         "PageControl1",     0,   0,   0,   0, alNone, "Forbidden Egress Ports"},
    {"TScrollBox",      "ScrollBox2",               "TSheetFbdenEgrsP", 0,   0,   0,   0, alClient},
    {"TTabSheet",       "TabSheet3",                "PageControl1",     0,   0,   0,   0, alNone, "Untagged Ports"},
    {"TScrollBox",      "ScrollBox3",               "TabSheet3",        0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"VlanStaticForm", "VLAN Static Form", 693, 566, poMainFormCenter, bsSizeable, kComponents};

// Row status items of the combo box, in the enumeration's order.
constexpr int kCreateAndGoItem = 3;
constexpr int kDestroyItem = 5;

}  // namespace

TVlanStaticForm::TVlanStaticForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    ST_Count2 = C<TStaticText>("ST_Count2");
    RefreshBtn = C<TButton>("RefreshBtn");
    SetBtn = C<TButton>("SetBtn");
    AddBtn = C<TButton>("AddBtn");
    DeleteBtn = C<TButton>("DeleteBtn");
    Memo1 = C<TMemo>("Memo1");
    LV_dot1qVlanStaticEntry = C<TListView>("LV_dot1qVlanStaticEntry");
    ED_VLANID = C<TEdit>("ED_VLANID");
    Status = C<TComboBox>("Status");
    ED_VLANName = C<TEdit>("ED_VLANName");
    NextFreeLocalVlanIndex = C<TStaticText>("NextFreeLocalVlanIndex");
    ScrollBox1 = C<TScrollBox>("ScrollBox1");
    ScrollBox2 = C<TScrollBox>("ScrollBox2");
    ScrollBox3 = C<TScrollBox>("ScrollBox3");

    RefreshBtn->OnClick = TNotifyEvent(this, &TVlanStaticForm::RefreshBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TVlanStaticForm::SetBtnClick);
    AddBtn->OnClick = TNotifyEvent(this, &TVlanStaticForm::AddBtnClick);
    DeleteBtn->OnClick = TNotifyEvent(this, &TVlanStaticForm::DeleteBtnClick);
    LV_dot1qVlanStaticEntry->OnClick = TNotifyEvent(this, &TVlanStaticForm::LV_dot1qVlanStaticEntryClick);
    LV_dot1qVlanStaticEntry->OnChange = TLVChangeEvent(this, &TVlanStaticForm::LV_dot1qVlanStaticEntryChange);
    LV_dot1qVlanStaticEntry->OnSelectItem =
        TLVSelectItemEvent(this, &TVlanStaticForm::LV_dot1qVlanStaticEntrySelectItem);
    OnCreate = TNotifyEvent(this, &TVlanStaticForm::FormCreate);
    OnClose = TCloseEvent(this, &TVlanStaticForm::FormClose);
    DoCreate();
}

void TVlanStaticForm::CreatePortPages()
{
    EgressPage = NewPortPage(ScrollBox1);
    ForbiddenPage = NewPortPage(ScrollBox2);
    UntaggedPage = NewPortPage(ScrollBox3);
}

void TVlanStaticForm::FormCreate(TObject*)
{
    CreatePortPages();
    const AnsiString ports = PortIndexList(64);

    StaticRequest = NewRequest(dot1qVlanStaticEntry, MVT_UMV, 1);
    StaticRequest->BindListView(LV_dot1qVlanStaticEntry, true);
    StaticRequest->AssociateFormat(0, "%s", ED_VLANID);
    StaticRequest->AssociateFormat(1, "%s", ED_VLANName);
    StaticRequest->AssociateIndexList(2, ports, EgressPage->PortChecks);
    StaticRequest->AssociateIndexList(3, ports, ForbiddenPage->PortChecks);
    StaticRequest->AssociateIndexList(4, ports, UntaggedPage->PortChecks);
    StaticRequest->Associate(5, Status);
    StaticRequest->SetMessageControl(Memo1);
    StaticRequest->OnSetDone = QzSNMPControlsDoneEvent(this, &TVlanStaticForm::WriteDone);
    try {
        StaticRequest->Get();
        ShowCount();
    } catch (...) {
        StaticRequest->ShowResult(CurrentExceptionText());
    }

    NextFreeRequest = NewRequest(dot1qNextFreeLocalVlanIndex, SVT_SV, 0);
    NextFreeRequest->Associate(0, NextFreeLocalVlanIndex);
    NextFreeRequest->SetMessageControl(Memo1);
    try {
        NextFreeRequest->Get();
    } catch (...) {
        NextFreeRequest->ShowResult(CurrentExceptionText());
    }
    EditState(false);
}

void TVlanStaticForm::ResetEditFields()
{
    for (TStackingPortUitForm* page : {EgressPage, ForbiddenPage, UntaggedPage})
        for (int k = 0; k < 64; ++k)
            if (TCheckBox* box = page->PortCheck(k)) box->SetChecked(false);
    ED_VLANID->SetText("");
    ED_VLANName->SetText("");
    Status->SetItemIndex(-1);
}

void TVlanStaticForm::ShowCount() { ST_Count2->SetCaption(IntToStr(LV_dot1qVlanStaticEntry->Items()->Count())); }

// Set and Delete write the highlighted VLAN under the index it was read with: while a row is
// selected its ID cannot be typed over; a new ID is typed for Add.
void TVlanStaticForm::EditState(bool rowSelected)
{
    SetBtn->SetEnabled(rowSelected);
    DeleteBtn->SetEnabled(rowSelected);
    AddBtn->SetEnabled(!rowSelected);
    ED_VLANID->SetReadOnly(rowSelected);
}

void TVlanStaticForm::RefreshBtnClick(TObject*)
{
    if (StaticRequest->Busy || NextFreeRequest->Busy) return;
    try {
        NextFreeRequest->Get();
    } catch (...) {
        NextFreeRequest->ShowResult(CurrentExceptionText());
    }
    try {
        StaticRequest->Get();
        ShowCount();
        ResetEditFields();
    } catch (...) {
        StaticRequest->ShowResult(CurrentExceptionText());
    }
    ShowCount();
    EditState(false);
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryClick(TObject*)
{
    if (LV_dot1qVlanStaticEntry->Selected()) {
        EditState(true);
    } else {
        ResetEditFields();
        EditState(false);
    }
}

// Runs before the binding fills the fields, so a row whose values cannot all be shown (the
// message box of a short port list) still gets its buttons.
void TVlanStaticForm::LV_dot1qVlanStaticEntrySelectItem(TObject*, TListItem*, bool Selected) { EditState(Selected); }

void TVlanStaticForm::LV_dot1qVlanStaticEntryChange(TObject*, TListItem*, TItemChange) { ShowCount(); }

void TVlanStaticForm::SendRow()
{
    try {
        StaticRequest->Set(true, true);
    } catch (...) {
        StaticRequest->ShowResult(CurrentExceptionText());
        WriteDone(StaticRequest, nullptr);
    }
}

// A refused write leaves the fields as typed and the row as selected; a refused Delete gives
// the status back, so that Destroy is not what the next Set sends.
void TVlanStaticForm::WriteDone(QzSNMPRequest2Controls*, QzSNMPError* Result)
{
    const bool deleting = deleting_;
    deleting_ = false;
    if (Result && Result->code == 0) {
        // The table is read again next, which leaves no row selected.
        ResetEditFields();
        EditState(false);
        return;
    }
    if (deleting) Status->SetItemIndex(statusBeforeDelete_);
}

void TVlanStaticForm::AddBtnClick(TObject*)
{
    if (StaticRequest->Busy || LV_dot1qVlanStaticEntry->Selected()) return;
    Status->SetItemIndex(kCreateAndGoItem);
    SendRow();
}

void TVlanStaticForm::SetBtnClick(TObject*)
{
    if (StaticRequest->Busy || !LV_dot1qVlanStaticEntry->Selected()) return;
    SendRow();
}

void TVlanStaticForm::DeleteBtnClick(TObject*)
{
    if (StaticRequest->Busy || !LV_dot1qVlanStaticEntry->Selected()) return;
    deleting_ = true;
    statusBeforeDelete_ = Status->ItemIndex();
    Status->SetItemIndex(kDestroyItem);
    SendRow();
}

void TVlanStaticForm::FormClose(TObject*, TCloseAction&)
{
    // The pages go with the form; their boxes must not outlive the requests bound to them,
    // so the requests are stopped and released first.
    ReleaseRequest(StaticRequest);
    ReleaseRequest(NextFreeRequest);
}
