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
}

void TBOOTCtrlTableForm::FormClose(TObject*, TCloseAction&)
{
    ReleaseRequest(Request);
    ReleaseDialog();
}

void TBOOTCtrlTableForm::CloseBtnClick(TObject*) { Close(); }

void TBOOTCtrlTableForm::RefreshBtnClick(TObject*)
{
    try {
        if (Request) Request->Get();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
}

void TBOOTCtrlTableForm::AddBtnClick(TObject*)
{
    try {
        NewBootpCtrlForm->ShowModal();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
}

// Without a selected row the edits hold whatever was typed last: nothing to delete.
void TBOOTCtrlTableForm::DeleteBtnClick(TObject*)
{
    if (!ListView1->Selected() || !Request) return;
    try {
        ComboBox1->SetItemIndex(kInvalidItem);
        Request->Set(true, true);
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
}
