#include "forms/layer2/routerportsframe.h"

namespace {
constexpr int kPorts = 64;
}

TRouterPortsFormBase::TRouterPortsFormBase(TComponent* Owner, const TResForm& layout, const UISnmpVar* table,
                                           unsigned char listType)
    : TFeatureFormBase(Owner, layout), table_(table), listType_(listType)
{
    ListView1 = C<TListView>("ListView1");
    Label1 = C<TLabel>("Label1");
    stVlanID = C<TStaticText>("stVlanID");
    PageControl1 = C<TPageControl>("PageControl1");
    tbsStatic = C<TTabSheet>("tbsStatic");
    tbsDynamic = C<TTabSheet>("tbsDynamic");
    tbsForbidden = C<TTabSheet>("tbsForbidden");
    ScrollBox1 = C<TScrollBox>("ScrollBox1");
    ScrollBox2 = C<TScrollBox>("ScrollBox2");
    ScrollBox3 = C<TScrollBox>("ScrollBox3");
    btnGet = C<TButton>("btnGet");
    btnSet = C<TButton>("btnSet");
    Memo1 = dynamic_cast<TMemo*>(FindComponent("Memo1"));
    StatusBar1 = dynamic_cast<TStatusBar*>(FindComponent("StatusBar1"));

    btnGet->OnClick = TNotifyEvent(this, &TRouterPortsFormBase::btnGetClick);
    btnSet->OnClick = TNotifyEvent(this, &TRouterPortsFormBase::btnSetClick);
    ListView1->OnClick = TNotifyEvent(this, &TRouterPortsFormBase::ListView1Click);
    OnCreate = TNotifyEvent(this, &TRouterPortsFormBase::FormCreate);
    OnClose = TCloseEvent(this, &TRouterPortsFormBase::FormClose);
    DoCreate();
}

TRouterPortsFormBase::~TRouterPortsFormBase()
{
    ReleaseRequest(Request);
    DeletePages();
}

void TRouterPortsFormBase::ShowError(const AnsiString& text)
{
    if (Memo1) ShowInMemo(Memo1, text);
    else ShowInPanel(StatusBar1, text);
}

void TRouterPortsFormBase::FormCreate(TObject*)
{
    try {
        StaticPage = NewPortPage(ScrollBox1);
        DynamicPage = NewPortPage(ScrollBox2);
        ForbiddenPage = NewPortPage(ScrollBox3);
        const AnsiString ports = PortIndexList(kPorts);

        Request = NewRequest(table_, listType_, 1);
        Request->BindListView(ListView1, true);
        Request->Associate(0, stVlanID);
        Request->AssociateIndexList(1, ports, StaticPage->PortChecks);
        Request->AssociateIndexList(2, ports, DynamicPage->PortChecks);
        Request->AssociateIndexList(3, ports, ForbiddenPage->PortChecks);
        if (Memo1) Request->SetMessageControl(Memo1);
        else Request->SetMessageControl(StatusBar1);
        Request->OnGetDone = QzSNMPControlsDoneEvent(this, &TRouterPortsFormBase::RequestGetDone);
        btnSet->SetEnabled(false);
        Request->Get();
    } catch (...) {
        ShowError(CurrentExceptionText());
    }
}

void TRouterPortsFormBase::RequestGetDone(QzSNMPRequest2Controls*, QzSNMPError*)
{
    ReadDone = true;
    for (TStackingPortUitForm* page : {StaticPage, DynamicPage, ForbiddenPage})
        for (int k = 0; k < kPorts && page; ++k)
            if (TCheckBox* box = page->PortCheck(k)) box->SetEnabled(true);
}

void TRouterPortsFormBase::ResetPages()
{
    for (int k = 0; k < kPorts; ++k)
        for (TStackingPortUitForm* page : {StaticPage, DynamicPage, ForbiddenPage})
            if (TCheckBox* box = page ? page->PortCheck(k) : nullptr) box->SetChecked(false);
    stVlanID->SetCaption("");
    btnSet->SetEnabled(false);
}

void TRouterPortsFormBase::btnGetClick(TObject*)
{
    if (!Request || !ReadDone) return;
    try {
        ReadDone = false;
        try {
            Request->Get();
        } catch (...) {
            // No read runs, so no completion will set the flag: Refresh must stay possible.
            ReadDone = true;
            throw;
        }
        ResetPages();
    } catch (...) {
        ShowError(CurrentExceptionText());
    }
}

void TRouterPortsFormBase::ListView1Click(TObject*)
{
    if (!ListView1->Selected()) {
        ResetPages();
        return;
    }
    btnSet->SetEnabled(true);
}

void TRouterPortsFormBase::btnSetClick(TObject*)
{
    if (!Request || Request->Busy || !ListView1->Selected()) return;
    try {
        Request->Set(true, true);
        ResetPages();
    } catch (...) {
        ShowError(CurrentExceptionText());
    }
    // The emptied pages are no row's: a click on the row, even a refused one, reads it in again.
    ListView1->SetSelected(nullptr);
}

void TRouterPortsFormBase::DeletePages()
{
    for (TStackingPortUitForm** page : {&StaticPage, &DynamicPage, &ForbiddenPage}) {
        delete *page;
        *page = nullptr;
    }
}

void TRouterPortsFormBase::FormClose(TObject*, TCloseAction& Action)
{
    ReleaseRequest(Request);
    DeletePages();
    Action = caFree;
}
