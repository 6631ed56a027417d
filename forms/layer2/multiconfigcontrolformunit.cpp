#include "forms/layer2/multiconfigcontrolformunit.h"

#include "forms/layer2/multiconfigcontroleditformunit.h"
#include "mib/deviceforms.h"

TMultipleConfigControlForm* MultipleConfigControlForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class        name         parent    left top    w    h  align
    {"TPanel",      "Panel1",    nullptr,     0,   0,  97,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",     "btnEdit",   "Panel1",   11,  14,  75,  25, alNone, "Edit"},
    {"TButton",     "btnGet",    "Panel1",   11,  48,  75,  25, alNone, "Refresh"},
    {"TButton",     "btnClose",  "Panel1",   11,  82,  75,  25, alNone, "Close"},
    {"TMemo",       "Memo1",     nullptr,     0,   0,   0,  80, alBottom, nullptr, nullptr, rfReadOnly | rfScrollBars},
    {"TListView",   "ListView1", nullptr,     0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"MultipleConfigControlForm", "Multiple Config Control", 420, 260, poMainFormCenter,
                          bsSizeable, kComponents};

}  // namespace

TMultipleConfigControlForm::TMultipleConfigControlForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    ListView1 = C<TListView>("ListView1");
    Memo1 = C<TMemo>("Memo1");
    btnEdit = C<TButton>("btnEdit");
    btnGet = C<TButton>("btnGet");
    btnClose = C<TButton>("btnClose");
    btnEdit->OnClick = TNotifyEvent(this, &TMultipleConfigControlForm::btnEditClick);
    btnGet->OnClick = TNotifyEvent(this, &TMultipleConfigControlForm::btnGetClick);
    btnClose->OnClick = TNotifyEvent(this, &TMultipleConfigControlForm::btnCloseClick);
    ListView1->OnClick = TNotifyEvent(this, &TMultipleConfigControlForm::ListView1Click);
    OnCreate = TNotifyEvent(this, &TMultipleConfigControlForm::FormCreate);
    OnCloseQuery = TCloseQueryEvent(this, &TMultipleConfigControlForm::FormCloseQuery);
    DoCreate();
}

void TMultipleConfigControlForm::FormCreate(TObject*)
{
    try {
        MultiConfigControlEditForm = new TMultiConfigControlEditForm(this);
        Request = NewRequest(swMultiCfgCtrlEntry, MVT_UMV, 1);
        Request->Request.timeout = 300;
        Request->BindListView(ListView1, true);
        Request->Associate(0, MultiConfigControlEditForm->cbxCtrlID);
        Request->Associate(1, MultiConfigControlEditForm->cbxCfgAction);
        Request->SetMessageControl(Memo1);
        btnEdit->SetEnabled(false);
        Request->Get();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
}

void TMultipleConfigControlForm::btnGetClick(TObject*)
{
    if (Request && !Request->Busy) {
        try {
            Request->Get();
        } catch (...) {
            ShowInMemo(Memo1, CurrentExceptionText());
        }
    }
    btnEdit->SetEnabled(false);
}

void TMultipleConfigControlForm::ListView1Click(TObject*) { btnEdit->SetEnabled(ListView1->Selected() != nullptr); }

void TMultipleConfigControlForm::btnEditClick(TObject*)
{
    if (!MultiConfigControlEditForm || !Request || Request->Busy) return;
    MultiConfigControlEditForm->cbxCtrlID->SetEnabled(false);
    MultiConfigControlEditForm->ShowModal();
    // Closed without a write: what was chosen in the dialog goes, and the row shows as read.
    TListItem* row = ListView1->Selected();
    if (!row || !Request || Request->Busy) return;
    ListView1->SetSelected(nullptr);
    ListView1->SetSelected(row);
}

void TMultipleConfigControlForm::btnCloseClick(TObject*) { Close(); }

void TMultipleConfigControlForm::FormCloseQuery(TObject*, bool& CanClose)
{
    // The request goes first: a reply still on its way must not reach the dialog's controls.
    ReleaseRequest(Request);
    delete MultiConfigControlEditForm;
    MultiConfigControlEditForm = nullptr;
    CanClose = true;
}
