#include "forms/routing_security/serverinformationform.h"

#include "forms/routing_security/aaatablewrite.h"
#include "mib/securityforms.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/sysutils.h"

TServerInformationForm* ServerInformationForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class          name                parent     left top   w    h  align
    {"TStatusBar",    "StatusBar1",       nullptr,     0,   0,   0,  19, alBottom, nullptr, "50"},
    {"TPanel",        "Panel1",           nullptr,     0,   0,  99,   0, alRight, "", nullptr, rfBevelNone},
    {"TStaticText",   "Static",           "Panel1",   14,  12,  70,  20, alNone, "0", nullptr, rfSunken | rfCenter},
    {"TButton",       "GetButton",        "Panel1",   12,  44,  75,  25, alNone, "Refresh"},
    {"TButton",       "EditButton",       "Panel1",   12,  78,  75,  25, alNone, "Edit"},
    {"TButton",       "AddButton",        "Panel1",   12, 112,  75,  25, alNone, "Add"},
    {"TButton",       "DeleteButton",     "Panel1",   12, 146,  75,  25, alNone, "Delete"},
    {"TSplitter",     "Splitter1",        nullptr,     0,   0,   4,   0, alRight},
    {"TPanel",        "Panel2",           nullptr,     0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPanel",        "Panel3",           "Panel2",    0,   0,   0, 128, alBottom, "", nullptr, rfBevelNone},
    {"TSplitter",     "Splitter2",        "Panel2",    0,   0,   0,   4, alBottom},
    {"TListView",     "ListView1",        "Panel2",    0,   0,   0,   0, alClient},
    {"TLabel",        "Label1",           "Panel3",    8,  10, 120,  16, alNone, "Server IP"},
    {"TEdit",         "IPEdit",           "Panel3",  130,   8, 140,  21, alNone},
    {"TLabel",        "Label5",           "Panel3",  290,  10, 130,  16, alNone, "Server AuthProtocol"},
    {"TComboBox",     "ProtocolComboBox", "Panel3",  424,   8, 140,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TLabel",        "Label2",           "Panel3",    8,  38, 120,  16, alNone, "Server AuthPort"},
    {"TEdit",         "PortEdit",         "Panel3",  130,  36, 140,  21, alNone},
    {"TLabel",        "Label6",           "Panel3",  290,  38, 130,  16, alNone, "Server RetryCount"},
    {"TEdit",         "RetryCEdit",       "Panel3",  424,  36, 140,  21, alNone},
    {"TLabel",        "Label3",           "Panel3",    8,  66, 120,  16, alNone, "Server AuthKey"},
    {"TEdit",         "KeyEdit",          "Panel3",  130,  64, 140,  21, alNone},
    {"TLabel",        "Label7",           "Panel3",  290,  66, 130,  16, alNone, "Server RowStatus"},
    {"TComboBox",     "RowComboBox",      "Panel3",  424,  64, 140,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TLabel",        "Label4",           "Panel3",    8,  94, 120,  16, alNone, "Server Timeout"},
    {"TEdit",         "TimeoutEdit",      "Panel3",  130,  92, 140,  21, alNone},
    {nullptr},
};
const TResForm kLayout = {"ServerInformationForm", "Server Information Table", 700, 440, poScreenCenter, bsSizeable,
                          kComponents};

constexpr int kCreateAndGoItem = 3;
constexpr int kDestroyItem = 5;
// Columns: 0 address and 1 protocol (the index), 2 port, 3 key, 4 time-out, 5 retry count,
// 6 row status.
constexpr int kFirstSetting = 2;
constexpr int kRowStatusColumn = 6;

}  // namespace

TServerInformationForm::TServerInformationForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    StatusBar1 = C<TStatusBar>("StatusBar1");
    Static = C<TStaticText>("Static");
    GetButton = C<TButton>("GetButton");
    EditButton = C<TButton>("EditButton");
    AddButton = C<TButton>("AddButton");
    DeleteButton = C<TButton>("DeleteButton");
    ListView1 = C<TListView>("ListView1");
    IPEdit = C<TEdit>("IPEdit");
    ProtocolComboBox = C<TComboBox>("ProtocolComboBox");
    PortEdit = C<TEdit>("PortEdit");
    KeyEdit = C<TEdit>("KeyEdit");
    TimeoutEdit = C<TEdit>("TimeoutEdit");
    RetryCEdit = C<TEdit>("RetryCEdit");
    RowComboBox = C<TComboBox>("RowComboBox");

    GetButton->OnClick = TNotifyEvent(this, &TServerInformationForm::GetButtonClick);
    EditButton->OnClick = TNotifyEvent(this, &TServerInformationForm::EditButtonClick);
    AddButton->OnClick = TNotifyEvent(this, &TServerInformationForm::AddButtonClick);
    DeleteButton->OnClick = TNotifyEvent(this, &TServerInformationForm::DeleteButtonClick);
    ListView1->OnChange = TLVChangeEvent(this, &TServerInformationForm::ListView1Change);
    ListView1->OnClick = TNotifyEvent(this, &TServerInformationForm::ListView1Click);
    OnCreate = TNotifyEvent(this, &TServerInformationForm::FormCreate);
    OnClose = TCloseEvent(this, &TServerInformationForm::FormClose);
    DoCreate();
}

void TServerInformationForm::FormCreate(TObject*)
{
    try {
        Request = NewRequest(swAACServerInfoEntry, MVT_UMV, 2);
        Request->Mode = 0;
        Request->BindListView(ListView1, true);
        Request->AssociateFormat(0, "%s{l16}", IPEdit);
        Request->Associate(1, ProtocolComboBox);
        Request->AssociateFormat(2, "%i{n1x65535l5}", PortEdit);
        Request->AssociateFormat(3, "%s{l254}", KeyEdit);
        Request->AssociateFormat(4, "%i{n1x255l3}", TimeoutEdit);
        Request->AssociateFormat(5, "%i{n1x255l3}", RetryCEdit);
        Request->Associate(kRowStatusColumn, RowComboBox);
        Request->SetMessageControl(StatusBar1);
        ProtocolComboBox->SetItemIndex(-1);
        ClearEdits();
        RowComboBox->SetItemIndex(kCreateAndGoItem);
        AddMode();
        Request->Get();
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
    }
}

void TServerInformationForm::FormClose(TObject*, TCloseAction&) { ReleaseRequest(Request); }

// No row is highlighted in add mode: after a refused write the edits no longer show the row,
// and a click on it must fill them again before Edit or Delete can act on it.
void TServerInformationForm::AddMode()
{
    ListView1->ClearSelection();
    EditButton->SetEnabled(false);
    DeleteButton->SetEnabled(false);
    IPEdit->SetEnabled(true);
    ProtocolComboBox->SetEnabled(true);
    AddButton->SetEnabled(true);
}

void TServerInformationForm::ClearEdits()
{
    for (TEdit* e : {IPEdit, PortEdit, KeyEdit, TimeoutEdit, RetryCEdit}) e->SetText("");
    if (ListView1->Items()->Count() == 0) Static->SetCaption("0");
}

void TServerInformationForm::Focus(TWinControl* control) const
{
    if (control->CanFocus()) control->SetFocus();
}

void TServerInformationForm::GetButtonClick(TObject*)
{
    ReadTable(Request, StatusBar1);
    AddMode();
    ClearEdits();
}

void TServerInformationForm::ListView1Click(TObject*)
{
    if (!ListView1->Selected()) {
        AddMode();
        ClearEdits();
        return;
    }
    // The index of a row cannot be changed.
    EditButton->SetEnabled(true);
    DeleteButton->SetEnabled(true);
    IPEdit->SetEnabled(false);
    ProtocolComboBox->SetEnabled(false);
    AddButton->SetEnabled(false);
}

void TServerInformationForm::ListView1Change(TObject*, TListItem*, TItemChange)
{
    Static->SetCaption(IntToStr(ListView1->Items()->Count()));
}

void TServerInformationForm::LeaveOutSettings(TSavedAccessFlags& saved, bool all) const
{
    const TEdit* edits[] = {PortEdit, KeyEdit, TimeoutEdit, RetryCEdit};
    for (int k = 0; k < 4; ++k)
        if (all || edits[k]->Text().IsEmpty()) saved.LeaveOut(kFirstSetting + k);
}

void TServerInformationForm::WriteAndReload(TSavedAccessFlags& saved)
{
    WriteThenRead(Request, saved, StatusBar1);
    AddMode();
    ClearEdits();
}

void TServerInformationForm::AddButtonClick(TObject*)
{
    if (IPEdit->Text().IsEmpty()) {
        ShowMessage("Server IP must be set.");
        Focus(IPEdit);
        return;
    }
    if (ProtocolComboBox->Text().IsEmpty()) {
        ShowMessage("Protocol must be set.");
        Focus(ProtocolComboBox);
        return;
    }
    for (int i = 0; i < ListView1->Items()->Count(); ++i) {
        TListItem* row = ListView1->Items()->Item(i);
        if (row->Caption() != IPEdit->Text()) continue;
        if (row->SubItems()->Count() < 1 || row->SubItems()->Strings(0) != ProtocolComboBox->Text()) continue;
        ShowMessage("Has already a record with the same Server IP and Protocol. Please Change Server IP or Protocol.");
        Focus(IPEdit);
        return;
    }
    if (RowComboBox->ItemIndex() != kCreateAndGoItem) {
        ShowMessage("Row State must be createAndGo.");
        Focus(RowComboBox);
        return;
    }
    TSavedAccessFlags saved(Request->Request.varList);
    LeaveOutSettings(saved, false);
    WriteAndReload(saved);
}

void TServerInformationForm::EditButtonClick(TObject*)
{
    if (IPEdit->Text().IsEmpty()) {
        ShowMessage("Server IP must be set.");
        return;
    }
    if (ProtocolComboBox->Text().IsEmpty()) {
        ShowMessage("Protocol must be set.");
        return;
    }
    TSavedAccessFlags saved(Request->Request.varList);
    if (RowComboBox->ItemIndex() == kDestroyItem) {
        LeaveOutSettings(saved, true);
    } else {
        LeaveOutSettings(saved, false);
        saved.LeaveOut(kRowStatusColumn);
    }
    WriteAndReload(saved);
}

void TServerInformationForm::DeleteButtonClick(TObject*)
{
    TSavedAccessFlags saved(Request->Request.varList);
    LeaveOutSettings(saved, true);
    RowComboBox->SetItemIndex(kDestroyItem);
    WriteAndReload(saved);
}
