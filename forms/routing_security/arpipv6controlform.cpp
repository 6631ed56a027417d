#include "forms/routing_security/arpipv6controlform.h"

#include "forms/routing_security/arpipv6controleditform.h"
#include "mib/routingforms.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/sysutils.h"

TARPIPV6ControlForm* ARPIPV6ControlForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name           parent    left top   w    h  align
    {"TPanel",       "Panel2",      nullptr,    0,   0, 110,   0, alRight, "", nullptr, rfBevelNone},
    {"TStaticText",  "StaticText1", "Panel2",  12,  12,  85,  20, alNone, "0", nullptr, rfSunken | rfCenter},
    {"TButton",      "btnGet",      "Panel2",  12,  44,  85,  25, alNone, "Refresh"},
    {"TButton",      "btnAdd",      "Panel2",  12,  78,  85,  25, alNone, "Add"},
    {"TButton",      "btnDelete",   "Panel2",  12, 112,  85,  25, alNone, "Delete"},
    {"TButton",      "btnClose",    "Panel2",  12, 146,  85,  25, alNone, "Close"},
    {"TSplitter",    "Splitter1",   nullptr,    0,   0,   4,   0, alRight},
    {"TPanel",       "Panel1",      nullptr,    0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TMemo",        "Memo1",       "Panel1",   0,   0,   0,  90, alBottom, nullptr, nullptr, rfReadOnly | rfScrollBars},
    {"TSplitter",    "Splitter2",   "Panel1",   0,   0,   0,   4, alBottom},
    {"TPanel",       "Panel3",      "Panel1",   0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TListView",    "ListView1",   "Panel3",   0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"ARPIPV6ControlForm", "IPV6 ARP Control", 820, 400, poMainFormCenter, bsSizeable,
                          kComponents};

constexpr int kMac = 2;
constexpr int kInvalidItem = 1;

}  // namespace

TARPIPV6ControlForm::TARPIPV6ControlForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    ListView1 = C<TListView>("ListView1");
    Memo1 = C<TMemo>("Memo1");
    StaticText1 = C<TStaticText>("StaticText1");
    btnGet = C<TButton>("btnGet");
    btnAdd = C<TButton>("btnAdd");
    btnDelete = C<TButton>("btnDelete");
    btnClose = C<TButton>("btnClose");

    btnGet->OnClick = TNotifyEvent(this, &TARPIPV6ControlForm::btnGetClick);
    btnAdd->OnClick = TNotifyEvent(this, &TARPIPV6ControlForm::btnAddClick);
    btnDelete->OnClick = TNotifyEvent(this, &TARPIPV6ControlForm::btnDeleteClick);
    btnClose->OnClick = TNotifyEvent(this, &TARPIPV6ControlForm::btnCloseClick);
    ListView1->OnClick = TNotifyEvent(this, &TARPIPV6ControlForm::ListView1Click);
    ListView1->OnChange = TLVChangeEvent(this, &TARPIPV6ControlForm::ListView1Change);
    OnCreate = TNotifyEvent(this, &TARPIPV6ControlForm::FormCreate);
    OnClose = TCloseEvent(this, &TARPIPV6ControlForm::FormClose);
    DoCreate();
}

TARPIPV6ControlForm::~TARPIPV6ControlForm()
{
    ReleaseRequests();
    ReleaseDialog();
}

void TARPIPV6ControlForm::ReleaseDialog()
{
    ReleaseOwnedDialog(ARPIPv6ControlEditForm, this);
}

void TARPIPV6ControlForm::FormCreate(TObject*)
{
    ARPIPv6ControlEditForm = new TARPIPv6ControlEditForm(this);
    TARPIPv6ControlEditForm* d = ARPIPv6ControlEditForm;
    try {
        Request = NewRequest(swL3ArpCtrlIpv6Entry, MVT_UMV, 2);
        Request->BindListView(ListView1, true);
        Request->AssociateFormat(0, "%i{n1x65535l5}", d->edtIndex);
        Request->AssociateFormat(1, "%s{l32}", d->edtAddress);
        Request->AssociateFormat(2, "%s{l12}", d->edtMac);
        Request->Associate(3, d->cbxType);
        Request->SetMessageControl(Memo1);
        Request->Mode = 0;
        Request->Get();
        btnDelete->SetEnabled(false);
        StaticText1->SetCaption(IntToStr(ListView1->Items()->Count()));
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
}

void TARPIPV6ControlForm::FormClose(TObject*, TCloseAction&)
{
    ReleaseRequest(Request);
    ReleaseDialog();
}

void TARPIPV6ControlForm::btnCloseClick(TObject*) { Close(); }

void TARPIPV6ControlForm::btnGetClick(TObject*)
{
    if (!Request || Request->Busy) return;
    try {
        Request->Get();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
    btnDelete->SetEnabled(false);
}

// The dialog writes through the request: while a read is under way it is not opened.
void TARPIPV6ControlForm::btnAddClick(TObject*)
{
    if (!Request || Request->Busy) {
        ShowMessage("Get data not complete");
        return;
    }
    try {
        ARPIPv6ControlEditForm->ShowModal();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
    // The dialog's edits are the entry's index: whatever they hold now is no longer the
    // highlighted entry, so that a Delete never goes to what was typed there.
    ListView1->ClearSelection();
    btnDelete->SetEnabled(false);
}

void TARPIPV6ControlForm::btnDeleteClick(TObject*)
{
    if (!ListView1->Selected()) {
        ShowMessage("Choose the item first.");
    } else if (!Request || Request->Busy) {
        ShowMessage("Get data not complete");
        return;
    } else {
        TSavedAccessFlags saved(Request->Request.varList);
        try {
            saved.LeaveOut(kMac);
            ARPIPv6ControlEditForm->cbxType->SetItemIndex(kInvalidItem);
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

void TARPIPV6ControlForm::ListView1Click(TObject*) { btnDelete->SetEnabled(ListView1->Selected() != nullptr); }

void TARPIPV6ControlForm::ListView1Change(TObject*, TListItem*, TItemChange)
{
    StaticText1->SetCaption(IntToStr(ListView1->Items()->Count()));
}
