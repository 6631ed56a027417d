#include "forms/routing_security/ipv6staticrouteform.h"

#include "forms/routing_security/ipv6staticrouteeditform.h"
#include "mib/routingforms.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/sysutils.h"

TIpv6StaticRouteForm* Ipv6StaticRouteForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name             parent    left top   w    h  align
    {"TPanel",       "Panel1",        nullptr,    0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPanel",       "Panel2",        "Panel1",   0,   0, 110,   0, alRight, "", nullptr, rfBevelNone},
    {"TStaticText",  "StaticText1",   "Panel2",  12,  12,  85,  20, alNone, "0", nullptr, rfSunken | rfCenter},
    {"TButton",      "btnGet",        "Panel2",  12,  44,  85,  25, alNone, "Refresh"},
    {"TButton",      "btnAdd",        "Panel2",  12,  78,  85,  25, alNone, "Add"},
    {"TButton",      "btnAddDefault", "Panel2",  12, 112,  85,  25, alNone, "Add Default"},
    {"TButton",      "btnDelete",     "Panel2",  12, 146,  85,  25, alNone, "Delete"},
    {"TButton",      "btnClose",      "Panel2",  12, 180,  85,  25, alNone, "Close"},
    {"TSplitter",    "Splitter1",     "Panel1",   0,   0,   4,   0, alRight},
    {"TPanel",       "Panel3",        "Panel1",   0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TMemo",        "Memo1",         "Panel3",   0,   0,   0,  90, alBottom, nullptr, nullptr, rfReadOnly | rfScrollBars},
    {"TSplitter",    "Splitter2",     "Panel3",   0,   0,   0,   4, alBottom},
    {"TListView",    "ListView1",     "Panel3",   0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"Ipv6StaticRouteForm", "Ipv6 Static Route", 980, 420, poMainFormCenter, bsSizeable,
                          kComponents};

constexpr int kMetric = 3;
constexpr int kInvalidItem = 0;

}  // namespace

TIpv6StaticRouteForm::TIpv6StaticRouteForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    ListView1 = C<TListView>("ListView1");
    Memo1 = C<TMemo>("Memo1");
    StaticText1 = C<TStaticText>("StaticText1");
    btnGet = C<TButton>("btnGet");
    btnAdd = C<TButton>("btnAdd");
    btnAddDefault = C<TButton>("btnAddDefault");
    btnDelete = C<TButton>("btnDelete");
    btnClose = C<TButton>("btnClose");

    btnGet->OnClick = TNotifyEvent(this, &TIpv6StaticRouteForm::btnGetClick);
    btnAdd->OnClick = TNotifyEvent(this, &TIpv6StaticRouteForm::btnAddClick);
    btnAddDefault->OnClick = TNotifyEvent(this, &TIpv6StaticRouteForm::btnAddDefaultClick);
    btnDelete->OnClick = TNotifyEvent(this, &TIpv6StaticRouteForm::btnDeleteClick);
    btnClose->OnClick = TNotifyEvent(this, &TIpv6StaticRouteForm::btnCloseClick);
    ListView1->OnSelectItem = TLVSelectItemEvent(this, &TIpv6StaticRouteForm::ListView1SelectItem);
    ListView1->OnChange = TLVChangeEvent(this, &TIpv6StaticRouteForm::ListView1Change);
    OnCreate = TNotifyEvent(this, &TIpv6StaticRouteForm::FormCreate);
    OnClose = TCloseEvent(this, &TIpv6StaticRouteForm::FormClose);
    DoCreate();
}

TIpv6StaticRouteForm::~TIpv6StaticRouteForm()
{
    ReleaseRequests();
    ReleaseDialog();
}

void TIpv6StaticRouteForm::ReleaseDialog()
{
    ReleaseOwnedDialog(Ipv6StaticRouteEditForm, this);
}

void TIpv6StaticRouteForm::FormCreate(TObject*)
{
    Ipv6StaticRouteEditForm = new TIpv6StaticRouteEditForm(this);
    TIpv6StaticRouteEditForm* d = Ipv6StaticRouteEditForm;
    try {
        Request = NewRequest(swL3Ipv6StaticRouteEntry, MVT_UMV, 3);
        Request->BindListView(ListView1, true);
        Request->AssociateFormat(0, "%s{l32}", d->edtDst);
        Request->AssociateFormat(1, "%s{l32}", d->edtMask);
        Request->AssociateFormat(2, "%s{l32}", d->edtNextHop);
        Request->AssociateFormat(3, "%i{n1x65535l5}", d->edtMetric);
        Request->Associate(4, d->cbxStatus);
        Request->SetMessageControl(Memo1);
        Request->Mode = 0;
        Request->Get();
        btnDelete->SetEnabled(false);
        StaticText1->SetCaption(IntToStr(ListView1->Items()->Count()));
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
        btnDelete->SetEnabled(false);
    }
}

void TIpv6StaticRouteForm::FormClose(TObject*, TCloseAction&)
{
    ReleaseRequest(Request);
    ReleaseDialog();
}

void TIpv6StaticRouteForm::btnCloseClick(TObject*) { Close(); }

void TIpv6StaticRouteForm::btnGetClick(TObject*)
{
    if (!Request || Request->Busy) return;
    try {
        Request->Get();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
    btnDelete->SetEnabled(false);
}

// The dialog writes through the route request: while a read is under way it is not opened.
void TIpv6StaticRouteForm::ShowDialog(int mode)
{
    if (!Request || Request->Busy) {
        ShowMessage("Get data not complete");
        return;
    }
    try {
        Ipv6StaticRouteEditForm->Mode = mode;
        Ipv6StaticRouteEditForm->ShowModal();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
    // The dialog's edits are the row's index: whatever they hold now is no longer the
    // highlighted row, so that a Delete never goes to what was typed there.
    ListView1->ClearSelection();
    btnDelete->SetEnabled(false);
}

void TIpv6StaticRouteForm::btnAddClick(TObject*) { ShowDialog(TIpv6StaticRouteEditForm::modeAdd); }

void TIpv6StaticRouteForm::btnAddDefaultClick(TObject*) { ShowDialog(TIpv6StaticRouteEditForm::modeDefaultRoute); }

void TIpv6StaticRouteForm::btnDeleteClick(TObject*)
{
    if (!ListView1->Selected()) {
        ShowMessage("Choose the item first.");
    } else if (!Request || Request->Busy) {
        ShowMessage("Get data not complete");
        return;
    } else {
        TSavedAccessFlags saved(Request->Request.varList);
        try {
            saved.LeaveOut(kMetric);
            Ipv6StaticRouteEditForm->cbxStatus->SetItemIndex(kInvalidItem);
            Request->Set(false, true);
            saved.Restore();
            Request->Get();
        } catch (...) {
            saved.Restore();
            ShowInMemo(Memo1, CurrentExceptionText());
        }
    }
    // A refused delete leaves its row selected, and Delete offered for it again.
    btnDelete->SetEnabled(ListView1->Selected() != nullptr);
    if (ListView1->Items()->Count() == 0) StaticText1->SetCaption("0");
}

void TIpv6StaticRouteForm::ListView1SelectItem(TObject*, TListItem*, bool)
{
    btnDelete->SetEnabled(ListView1->Selected() != nullptr);
}

void TIpv6StaticRouteForm::ListView1Change(TObject*, TListItem*, TItemChange)
{
    StaticText1->SetCaption(IntToStr(ListView1->Items()->Count()));
}
