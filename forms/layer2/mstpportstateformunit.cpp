#include "forms/layer2/mstpportstateformunit.h"

#include "forms/layer2/mstpportstateeditformunit.h"
#include "mib/stpforms.h"

TMSTPPortStateForm* MSTPPortStateForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class        name               parent    left top   w    h  align
    {"TPanel",      "Panel1",          nullptr,    0,   0,  97,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",     "btnRefresh",      "Panel1",  11,  14,  75,  25, alNone, "Refresh"},
    {"TButton",     "btnEdit",         "Panel1",  11,  48,  75,  25, alNone, "Edit"},
    {"TButton",     "btnClose",        "Panel1",  11,  82,  75,  25, alNone, "Close"},
    {"TLabel",      "lblSTPVersion",   "Panel1",  11, 120,  75,  16, alNone, "", nullptr, rfHidden},
    {"TMemo",       "memMsg",          nullptr,    0,   0,   0,  80, alBottom, nullptr, nullptr, rfReadOnly | rfScrollBars},
    {"TSplitter",   "Splitter2",       nullptr,    0,   0,   0,   4, alBottom},
    {"TListView",   "lvMSTPPortState", nullptr,    0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"MSTPPortStateForm", "MSTP Port State", 980, 440, poMainFormCenter, bsSizeable, kComponents};

}  // namespace

TMSTPPortStateForm::TMSTPPortStateForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    lvMSTPPortState = C<TListView>("lvMSTPPortState");
    memMsg = C<TMemo>("memMsg");
    lblSTPVersion = C<TLabel>("lblSTPVersion");
    btnRefresh = C<TButton>("btnRefresh");
    btnEdit = C<TButton>("btnEdit");
    btnClose = C<TButton>("btnClose");
    btnRefresh->OnClick = TNotifyEvent(this, &TMSTPPortStateForm::btnRefreshClick);
    btnEdit->OnClick = TNotifyEvent(this, &TMSTPPortStateForm::btnEditClick);
    btnClose->OnClick = TNotifyEvent(this, &TMSTPPortStateForm::btnCloseClick);
    lvMSTPPortState->OnSelectItem = TLVSelectItemEvent(this, &TMSTPPortStateForm::lvMSTPPortStateSelectItem);
    OnCreate = TNotifyEvent(this, &TMSTPPortStateForm::FormCreate);
    OnClose = TCloseEvent(this, &TMSTPPortStateForm::FormClose);
    btnEdit->SetEnabled(false);
    DoCreate();
}

TMSTPPortStateForm::~TMSTPPortStateForm()
{
    ReleaseRequests();
    ReleaseOwnedDialog(MSTPPortStateEditForm, this);
}

void TMSTPPortStateForm::FormCreate(TObject*)
{
    try {
        MSTPPortStateEditForm = new TMSTPPortStateEditForm(this);
        TMSTPPortStateEditForm* d = MSTPPortStateEditForm;

        VersionRequest = NewRequest(swMSTPStpVersion, SVT_SV, 0);
        VersionRequest->Mode = 0;
        VersionRequest->Associate(0, lblSTPVersion);

        PortRequest = NewRequest(swMSTPPortEntry, MVT_UMV, 1);
        PortRequest->Request.timeout = 300;
        PortRequest->BindListView(lvMSTPPortState, true);
        PortRequest->AssociateFormat(0, "%u", d->edtPortIndex);
        PortRequest->AssociateFormat(1, "%s", d->edtPortNumber);
        PortRequest->AssociateFormat(2, "%u", d->edtAdminHelloTime);
        PortRequest->AssociateFormat(3, "%u", d->edtOperHelloTime);
        PortRequest->Associate(4, d->cbxPortEnable);
        PortRequest->AssociateFormat(5, "%u", d->edtExtPathCost);
        PortRequest->Associate(6, d->cbxMigration);
        PortRequest->Associate(7, d->cbxAdminEdgePort);
        PortRequest->Associate(8, d->cbxOperEdgePort);
        PortRequest->Associate(9, d->cbxAdminP2P);
        PortRequest->Associate(10, d->cbxOperP2P);
        PortRequest->Associate(11, d->cbxSTPlbd);
        PortRequest->SetMessageControl(memMsg);

        VersionRequest->Get();
        PortRequest->Get();
    } catch (...) {
        ShowInMemo(memMsg, CurrentExceptionText());
    }
}

void TMSTPPortStateForm::ReadVersion()
{
    if (!VersionRequest || VersionRequest->Busy) return;
    try {
        VersionRequest->Get();
    } catch (...) {
        ShowInMemo(memMsg, CurrentExceptionText());
    }
}

void TMSTPPortStateForm::btnRefreshClick(TObject*)
{
    ReadVersion();
    if (!PortRequest) return;
    PortRequest->Request.enabled = true;
    if (PortRequest->Busy) return;
    try {
        PortRequest->Get();
    } catch (...) {
        ShowInMemo(memMsg, CurrentExceptionText());
    }
}

void TMSTPPortStateForm::lvMSTPPortStateSelectItem(TObject*, TListItem*, bool)
{
    btnEdit->SetEnabled(lvMSTPPortState->Selected() != nullptr);
}

void TMSTPPortStateForm::btnEditClick(TObject*)
{
    if (lvMSTPPortState->Selected() && MSTPPortStateEditForm && PortRequest) {
        // A read still running would overwrite the dialog's controls: it ends at its next reply.
        PortRequest->Request.enabled = false;
        MSTPPortStateEditForm->SetCaption("Port State Information(Edit)");
        MSTPPortStateEditForm->ShowModal();
    }
    btnEdit->SetEnabled(false);
    ReadVersion();
}

void TMSTPPortStateForm::btnCloseClick(TObject*) { Close(); }

// The requests stop before the dialog goes: a reply delivered while one stops still finds the
// dialog's controls.
void TMSTPPortStateForm::FormClose(TObject*, TCloseAction&)
{
    ReleaseRequest(VersionRequest);
    ReleaseRequest(PortRequest);
    ReleaseOwnedDialog(MSTPPortStateEditForm, this);
}
