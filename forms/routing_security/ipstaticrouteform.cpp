#include "forms/routing_security/ipstaticrouteform.h"

#include "forms/routing_security/ipstaticrouteeditform.h"
#include "mib/routingforms.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/sysutils.h"

TIpStaticRouteForm* IpStaticRouteForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name               parent    left top   w    h  align
    {"TPanel",       "Panel1",          nullptr,    0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPanel",       "Panel2",          "Panel1",   0,   0, 150,   0, alRight, "", nullptr, rfBevelNone},
    {"TStaticText",  "StaticText1",     "Panel2",  12,  12, 125,  20, alNone, "0", nullptr, rfSunken | rfCenter},
    {"TButton",      "GetButton",       "Panel2",  12,  44, 125,  25, alNone, "Refresh"},
    {"TButton",      "AddButton",       "Panel2",  12,  78, 125,  25, alNone, "Add"},
    {"TButton",      "btnDefaultRoute", "Panel2",  12, 112, 125,  25, alNone, "Add Default Route"},
    {"TButton",      "EditButton",      "Panel2",  12, 146, 125,  25, alNone, "Edit", nullptr, rfHidden},
    {"TButton",      "DeleteButton",    "Panel2",  12, 146, 125,  25, alNone, "Delete"},
    {"TButton",      "CloseButton",     "Panel2",  12, 180, 125,  25, alNone, "Close"},
    {"TSplitter",    "Splitter1",       "Panel1",   0,   0,   4,   0, alRight},
    {"TPanel",       "Panel3",          "Panel1",   0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TMemo",        "Memo1",           "Panel3",   0,   0,   0,  90, alBottom, nullptr, nullptr, rfReadOnly | rfScrollBars},
    {"TSplitter",    "Splitter2",       "Panel3",   0,   0,   0,   4, alBottom},
    {"TListView",    "ListView1",       "Panel3",   0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"IpStaticRouteForm", "IP Static Route", 900, 420, poMainFormCenter, bsSizeable, kComponents};

constexpr int kNextHop = 3;
constexpr int kInvalidItem = 0;

}  // namespace

TIpStaticRouteForm::TIpStaticRouteForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    ListView1 = C<TListView>("ListView1");
    Memo1 = C<TMemo>("Memo1");
    StaticText1 = C<TStaticText>("StaticText1");
    btnDefaultRoute = C<TButton>("btnDefaultRoute");
    DeleteButton = C<TButton>("DeleteButton");
    EditButton = C<TButton>("EditButton");
    GetButton = C<TButton>("GetButton");
    AddButton = C<TButton>("AddButton");
    CloseButton = C<TButton>("CloseButton");

    GetButton->OnClick = TNotifyEvent(this, &TIpStaticRouteForm::GetButtonClick);
    AddButton->OnClick = TNotifyEvent(this, &TIpStaticRouteForm::AddButtonClick);
    btnDefaultRoute->OnClick = TNotifyEvent(this, &TIpStaticRouteForm::btnDefaultRouteClick);
    EditButton->OnClick = TNotifyEvent(this, &TIpStaticRouteForm::EditButtonClick);
    DeleteButton->OnClick = TNotifyEvent(this, &TIpStaticRouteForm::DeleteButtonClick);
    CloseButton->OnClick = TNotifyEvent(this, &TIpStaticRouteForm::CloseButtonClick);
    ListView1->OnSelectItem = TLVSelectItemEvent(this, &TIpStaticRouteForm::ListView1SelectItem);
    ListView1->OnChange = TLVChangeEvent(this, &TIpStaticRouteForm::ListView1Change);
    OnCreate = TNotifyEvent(this, &TIpStaticRouteForm::FormCreate);
    OnCloseQuery = TCloseQueryEvent(this, &TIpStaticRouteForm::FormCloseQuery);
    OnClose = TCloseEvent(this, &TIpStaticRouteForm::FormClose);
    DoCreate();
}

TIpStaticRouteForm::~TIpStaticRouteForm()
{
    ReleaseRequests();
    ReleaseOwnedDialog(IpStaticRouteEditForm, this);
}

void TIpStaticRouteForm::FormCreate(TObject*)
{
    btnDefaultRoute->SetEnabled(false);
    IpStaticRouteEditForm = new TIpStaticRouteEditForm(this);
    TIpStaticRouteEditForm* d = IpStaticRouteEditForm;
    try {
        Request = NewRequest(swL3IpStaticRouteEntry, MVT_UMV, 3);
        Request->BindListView(ListView1, true);
        Request->AssociateFormat(0, "%s{l16}", d->DesEdit);
        Request->AssociateFormat(1, "%s{l16}", d->MaskEdit);
        Request->Associate(2, d->BakeupComboBox);
        Request->AssociateFormat(3, "%s{l16}", d->NextHopEdit);
        Request->AssociateFormat(4, "%i{n1x65535l5}", d->MetricEdit);
        Request->Associate(5, d->StatusComboBox);
        Request->SetMessageControl(Memo1);
        Request->OnGetDone = QzSNMPControlsDoneEvent(this, &TIpStaticRouteForm::UpdateDefaultRouteButton);
        Request->Get();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
    EditButton->SetEnabled(false);
    DeleteButton->SetEnabled(false);
    StaticText1->SetCaption(IntToStr(ListView1->Items()->Count()));
}

// The requests stop before the dialog goes: a reply delivered while one is stopped still finds
// the dialog's controls.
void TIpStaticRouteForm::FormCloseQuery(TObject*, bool&)
{
    ReleaseRequest(Request);
    delete IpStaticRouteEditForm;
    IpStaticRouteEditForm = nullptr;
}

void TIpStaticRouteForm::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void TIpStaticRouteForm::CloseButtonClick(TObject*) { Close(); }

void TIpStaticRouteForm::NoSelection()
{
    ListView1->ClearSelection();
    EditButton->SetEnabled(false);
    DeleteButton->SetEnabled(false);
}

void TIpStaticRouteForm::GetButtonClick(TObject*)
{
    if (!Request || Request->Busy) return;
    try {
        Request->Get();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
    EditButton->SetEnabled(false);
    DeleteButton->SetEnabled(false);
}

// The dialog writes through the route request: while a read is under way it is not opened.
void TIpStaticRouteForm::ShowDialog(int mode, const AnsiString& caption)
{
    if (!Request || Request->Busy) {
        ShowMessage("Get data not complete");
        return;
    }
    try {
        IpStaticRouteEditForm->Mode = mode;
        IpStaticRouteEditForm->SetCaption(caption);
        IpStaticRouteEditForm->ShowModal();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
    NoSelection();
}

void TIpStaticRouteForm::AddButtonClick(TObject*)
{
    ShowDialog(TIpStaticRouteEditForm::modeAdd, Caption() + " (Add)");
}

void TIpStaticRouteForm::btnDefaultRouteClick(TObject*)
{
    ShowDialog(TIpStaticRouteEditForm::modeDefaultRoute, Caption() + " (Add Default Route)");
}

void TIpStaticRouteForm::EditButtonClick(TObject*)
{
    if (!ListView1->Selected()) return;
    ShowDialog(TIpStaticRouteEditForm::modeEdit, Caption());
}

void TIpStaticRouteForm::DeleteButtonClick(TObject*)
{
    if (!ListView1->Selected()) {
        ShowMessage("Choose the item first.");
    } else if (!Request || Request->Busy) {
        ShowMessage("Get data not complete");
        return;
    } else {
        TSavedAccessFlags saved(Request->Request.varList);
        try {
            for (int i = kNextHop; i < Request->Request.varList.GetCount() - 1; ++i) saved.LeaveOut(i);
            IpStaticRouteEditForm->StatusComboBox->SetItemIndex(kInvalidItem);
            Request->Set(false, true);
            saved.Restore();
            Request->Get();
        } catch (...) {
            saved.Restore();
            ShowInMemo(Memo1, CurrentExceptionText());
        }
    }
    NoSelection();
    if (ListView1->Items()->Count() == 0) StaticText1->SetCaption("0");
}

void TIpStaticRouteForm::ListView1SelectItem(TObject*, TListItem*, bool)
{
    const bool selected = ListView1->Selected() != nullptr;
    EditButton->SetEnabled(selected);
    DeleteButton->SetEnabled(selected);
}

void TIpStaticRouteForm::ListView1Change(TObject*, TListItem*, TItemChange)
{
    StaticText1->SetCaption(IntToStr(ListView1->Items()->Count()));
}

void TIpStaticRouteForm::UpdateDefaultRouteButton(QzSNMPRequest2Controls*, QzSNMPError* Result)
{
    if (Result && Result->code != 0) {
        btnDefaultRoute->SetEnabled(false);
        return;
    }
    bool found = false;
    for (int i = 0; i < ListView1->Items()->Count() && !found; ++i) {
        TListItem* row = ListView1->Items()->Item(i);
        found = row->Caption() == "0.0.0.0" && row->SubItems()->Count() > 0 &&
                row->SubItems()->Strings(0) == "0.0.0.0";
    }
    btnDefaultRoute->SetEnabled(!found);
}
