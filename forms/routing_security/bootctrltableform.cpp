#include "forms/routing_security/bootctrltableform.h"

#include "forms/routing_security/newbootpctrlform.h"
#include "mib/routingforms.h"

TBOOTCtrlTableForm* BOOTCtrlTableForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class       name          parent    left top   w    h  align
    {"TPanel",     "Panel1",     nullptr,    0,   0, 110,   0, alRight, "", nullptr, rfBevelNone},
    {"TBitBtn",    "RefreshBtn", "Panel1",  12,  12,  85,  25, alNone, "Refresh"},
    {"TBitBtn",    "DeleteBtn",  "Panel1",  12,  46,  85,  25, alNone, "Delete"},
    {"TBitBtn",    "AddBtn",     "Panel1",  12,  80,  85,  25, alNone, "Add"},
    {"TBitBtn",    "CloseBtn",   "Panel1",  12, 114,  85,  25, alNone, "Close"},
    {"TComboBox",  "ComboBox1",  "Panel1",  12, 148,  85,  21, alNone, nullptr, nullptr, rfDropDownList | rfHidden},
    {"TPanel",     "Panel2",     nullptr,    0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TMemo",      "Memo1",      "Panel2",   0,   0,   0,  80, alBottom, nullptr, nullptr, rfReadOnly | rfScrollBars},
    {"TListView",  "ListView1",  "Panel2",   0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"BOOTCtrlTableForm", "BOOTCtrlTableForm", 560, 360, poMainFormCenter, bsSizeable,
                          kComponents};

constexpr int kInvalidItem = 0;

}  // namespace

TBOOTCtrlTableForm::TBOOTCtrlTableForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    RefreshBtn = C<TBitBtn>("RefreshBtn");
    DeleteBtn = C<TBitBtn>("DeleteBtn");
    AddBtn = C<TBitBtn>("AddBtn");
    CloseBtn = C<TBitBtn>("CloseBtn");
    ComboBox1 = C<TComboBox>("ComboBox1");
    Memo1 = C<TMemo>("Memo1");
    ListView1 = C<TListView>("ListView1");
    RefreshBtn->OnClick = TNotifyEvent(this, &TBOOTCtrlTableForm::RefreshBtnClick);
    DeleteBtn->OnClick = TNotifyEvent(this, &TBOOTCtrlTableForm::DeleteBtnClick);
    AddBtn->OnClick = TNotifyEvent(this, &TBOOTCtrlTableForm::AddBtnClick);
    CloseBtn->OnClick = TNotifyEvent(this, &TBOOTCtrlTableForm::CloseBtnClick);
    ListView1->OnSelectItem = TLVSelectItemEvent(this, &TBOOTCtrlTableForm::ListView1SelectItem);
    OnCreate = TNotifyEvent(this, &TBOOTCtrlTableForm::FormCreate);
    OnClose = TCloseEvent(this, &TBOOTCtrlTableForm::FormClose);
    DoCreate();
}

TBOOTCtrlTableForm::~TBOOTCtrlTableForm()
{
    ReleaseRequests();
    ReleaseDialog();
}

void TBOOTCtrlTableForm::ReleaseDialog()
{
    ReleaseOwnedDialog(NewBootpCtrlForm, this);
}

// Every handler that talks to the device shows what it catches as a line of Memo1.
void TBOOTCtrlTableForm::FormCreate(TObject*)
{
    NewBootpCtrlForm = new TNewBootpCtrlForm(this);
    try {
        Request = NewRequest(swL3BootpRelayServerEntry, MVT_FMV, 2);
        Request->BindListView(ListView1, true);
        Request->AssociateFormat(0, "%s", NewBootpCtrlForm->Edit1);
        Request->AssociateFormat(1, "%s", NewBootpCtrlForm->Edit2);
        Request->Associate(2, ComboBox1);
        Request->SetMessageControl(Memo1);
        Request->Get();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
    DeleteBtn->SetEnabled(false);
}

void TBOOTCtrlTableForm::FormClose(TObject*, TCloseAction&)
{
    ReleaseRequest(Request);
    ReleaseDialog();
}

void TBOOTCtrlTableForm::CloseBtnClick(TObject*) { Close(); }

// A read or write under way is left to finish: a second one would walk into the same list.
void TBOOTCtrlTableForm::RefreshBtnClick(TObject*)
{
    if (!Request || Request->Busy) return;
    NoSelection();
    try {
        Request->Get();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
}

// The dialog's edits are the row's index: after it, whatever they hold is no longer the
// highlighted row, so that a Delete never goes to what was typed there.
void TBOOTCtrlTableForm::AddBtnClick(TObject*)
{
    if (!Request || Request->Busy) return;
    try {
        NewBootpCtrlForm->ShowModal();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
    NoSelection();
}

// Without a selected row the edits hold whatever was typed last: nothing to delete.
void TBOOTCtrlTableForm::DeleteBtnClick(TObject*)
{
    if (!ListView1->Selected() || !Request || Request->Busy) return;
    try {
        ComboBox1->SetItemIndex(kInvalidItem);
        Request->Set(true, true);
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
    NoSelection();
}

void TBOOTCtrlTableForm::ListView1SelectItem(TObject*, TListItem*, bool)
{
    DeleteBtn->SetEnabled(ListView1->Selected() != nullptr);
}

void TBOOTCtrlTableForm::NoSelection()
{
    ListView1->ClearSelection();
    DeleteBtn->SetEnabled(false);
}
