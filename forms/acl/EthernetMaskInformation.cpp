#include "forms/acl/EthernetMaskInformation.h"

#include "forms/acl/aclformkit.h"
#include "forms/layer2/textchecks.h"
#include "mainwindow/mainunit.h"
#include "mib/acl.h"

namespace {

const TResComponent kComponents[] = {
    {"TStatusBar", "StatusBar1", nullptr, 0, 0, 0, 19, alBottom, nullptr, "50"},
    {"TPanel", "Panel1", nullptr, 0, 0, 99, 0, alRight, "", nullptr, rfBevelNone},
    {"TButton", "BT_Get", "Panel1", 12, 16, 75, 25, alNone, "Refresh"},
    {"TBitBtn", "SetBtn", "Panel1", 12, 48, 75, 25, alNone, "Set"},
    {"TButton", "AddBtn", "Panel1", 12, 80, 75, 25, alNone, "Add"},
    {"TButton", "BT_Delete", "Panel1", 12, 112, 75, 25, alNone, "Delete"},
    {"TPanel", "Panel2", nullptr, 0, 0, 0, 0, alClient, "", nullptr, rfBevelNone},
    {"TListView", "ListView1", "Panel2", 0, 0, 0, 200, alTop},
    {"TPanel", "Panel3", "Panel2", 0, 0, 0, 0, alClient, "", nullptr, rfBevelNone},
    {"TLabel", "LabelEthernetMASkID", "Panel3", 12, 14, 185, 16, alNone, "Ethernet Mask ID"},
    {"TEdit", "IDEdit", "Panel3", 200, 10, 120, 21},
    {"TLabel", "Label1", "Panel3", 12, 44, 185, 16, alNone, "Use Vlan"},
    {"TComboBox", "UseVLanComBo", "Panel3", 200, 40, 120, 21},
    {"TLabel", "Label2", "Panel3", 12, 74, 185, 16, alNone, "Mac Address Mask State"},
    {"TComboBox", "MacMaskStateComBo", "Panel3", 200, 70, 120, 21},
    {"TLabel", "Label3", "Panel3", 12, 104, 185, 16, alNone, "Mac Address Mask Source"},
    {"TEdit", "MacAddMaskSourceEdit", "Panel3", 200, 100, 120, 21},
    {"TLabel", "Label4", "Panel3", 12, 134, 185, 16, alNone, "Mac Address Mask Destination"},
    {"TEdit", "MacMaskDstEdit", "Panel3", 200, 130, 120, 21},
    {"TLabel", "Label5", "Panel3", 340, 14, 120, 16, alNone, "Use 8021p"},
    {"TComboBox", "Use8021pComBo", "Panel3", 465, 10, 110, 21},
    {"TLabel", "Label6", "Panel3", 340, 44, 120, 16, alNone, "Use Ethernet Type"},
    {"TComboBox", "UseEthTypeCombo", "Panel3", 465, 40, 110, 21},
    {"TLabel", "Label7", "Panel3", 340, 74, 120, 16, alNone, "Row Status"},
    {"TComboBox", "RowStatusComBo", "Panel3", 465, 70, 110, 21},
    {nullptr},
};
const TResForm kLayout = {"EthernetMaskInformationForm", "Ethernet Mask Information Form", 690, 460,
                          poMainFormCenter, bsSizeable, kComponents};

enum { oID, oUseVlan, oMaskState, oMaskSource, oMaskDestination, oUse8021p, oUseEthType, oRowStatus };

}  // namespace

TEthernetMaskInformationForm::TEthernetMaskInformationForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    BT_Get = C<TButton>("BT_Get");
    SetBtn = C<TButton>("SetBtn");
    AddBtn = C<TButton>("AddBtn");
    BT_Delete = C<TButton>("BT_Delete");
    ListView1 = C<TListView>("ListView1");
    IDEdit = C<TEdit>("IDEdit");
    UseVLanComBo = C<TComboBox>("UseVLanComBo");
    MacMaskStateComBo = C<TComboBox>("MacMaskStateComBo");
    MacAddMaskSourceEdit = C<TEdit>("MacAddMaskSourceEdit");
    MacMaskDstEdit = C<TEdit>("MacMaskDstEdit");
    Use8021pComBo = C<TComboBox>("Use8021pComBo");
    UseEthTypeCombo = C<TComboBox>("UseEthTypeCombo");
    RowStatusComBo = C<TComboBox>("RowStatusComBo");
    StatusBar1 = C<TStatusBar>("StatusBar1");
    BT_Get->OnClick = TNotifyEvent(this, &TEthernetMaskInformationForm::BT_GetClick);
    SetBtn->OnClick = TNotifyEvent(this, &TEthernetMaskInformationForm::SetBtnClick);
    AddBtn->OnClick = TNotifyEvent(this, &TEthernetMaskInformationForm::AddBtnClick);
    BT_Delete->OnClick = TNotifyEvent(this, &TEthernetMaskInformationForm::BT_DeleteClick);
    ListView1->OnClick = TNotifyEvent(this, &TEthernetMaskInformationForm::ListView1Click);
    OnCreate = TNotifyEvent(this, &TEthernetMaskInformationForm::FormCreate);
    OnClose = TCloseEvent(this, &TEthernetMaskInformationForm::FormClose);
    DoCreate();
}

void TEthernetMaskInformationForm::FormCreate(TObject*)
{
    SetCaption("Ethernet Mask Information :" + (MainForm ? MainForm->AgentAddress : AnsiString()));
    try {
        Request = NewRequest(swACLEthernetEntry, MVT_UMV, 1);
        Request->Mode = 0;
        Request->BindListView(ListView1, true);
        Request->AssociateFormat(oID, "%i{n1x6l3}", IDEdit);
        Request->Associate(oUseVlan, UseVLanComBo);
        Request->Associate(oMaskState, MacMaskStateComBo);
        Request->AssociateFormat(oMaskSource, "%s", MacAddMaskSourceEdit);
        Request->AssociateFormat(oMaskDestination, "%s", MacMaskDstEdit);
        Request->Associate(oUse8021p, Use8021pComBo);
        Request->Associate(oUseEthType, UseEthTypeCombo);
        Request->Associate(oRowStatus, RowStatusComBo);
        Request->SetMessageControl(StatusBar1);
        for (TComboBox* c : {UseVLanComBo, Use8021pComBo, MacMaskStateComBo, UseEthTypeCombo, RowStatusComBo})
            c->SetItemIndex(0);
        Request->Get();
        IdleState();
        ClearEdits();
    } catch (...) {
        IdleState();
        ClearEdits();
        ShowInPanel(StatusBar1, CurrentExceptionText());
    }
}

void TEthernetMaskInformationForm::FormClose(TObject*, TCloseAction& Action)
{
    ReleaseRequest(Request);
    Action = caFree;
}

void TEthernetMaskInformationForm::IdleState()
{
    SetBtn->SetEnabled(false);
    AddBtn->SetEnabled(true);
    BT_Delete->SetEnabled(false);
    IDEdit->SetEnabled(true);
}

void TEthernetMaskInformationForm::RowSelectedState()
{
    SetBtn->SetEnabled(true);
    AddBtn->SetEnabled(false);
    BT_Delete->SetEnabled(true);
    IDEdit->SetEnabled(false);
}

void TEthernetMaskInformationForm::ClearEdits()
{
    IDEdit->SetText("");
    MacMaskDstEdit->SetText("");
    MacAddMaskSourceEdit->SetText("");
}

void TEthernetMaskInformationForm::BT_GetClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        Request->Get();
        IdleState();
        ClearEdits();
    } catch (...) {
        IdleState();
        ClearEdits();
        ShowInPanel(StatusBar1, CurrentExceptionText());
    }
}

void TEthernetMaskInformationForm::ListView1Click(TObject*)
{
    if (ListView1->Selected()) {
        RowSelectedState();
    } else {
        IdleState();
        ClearEdits();
    }
}

// An empty mask passes: it is left out of the write.
bool TEthernetMaskInformationForm::MacTextPasses(TEdit* edit)
{
    if (edit->Text().IsEmpty()) return true;
    switch (CheckMacText(edit->Text())) {
    case htBadDigit: return RefuseEntry("Invalid Macaddrss", edit);
    case htBadLength: return RefuseEntry("Invalid Macaddress", edit);
    default: return true;
    }
}

bool TEthernetMaskInformationForm::EntryPasses()
{
    if (IDEdit->Text().IsEmpty()) return RefuseEntry("Mask ID must be set", IDEdit);
    if (Request->Busy) return RefuseEntry("Get data not complet");
    const AnsiString state = MacMaskStateComBo->Text();
    if (state == "dst-mac-addr") return MacTextPasses(MacMaskDstEdit);
    if (state == "src-mac-addr") return MacTextPasses(MacAddMaskSourceEdit);
    if (state == "dst-src-mac-addr") return MacTextPasses(MacMaskDstEdit) && MacTextPasses(MacAddMaskSourceEdit);
    return true;
}

void TEthernetMaskInformationForm::WriteProfile()
{
    try {
        {
            TSavedAccessFlags flags(Request->Request.varList);
            if (UseVLanComBo->Text().IsEmpty()) flags.LeaveOut(oUseVlan);
            if (Use8021pComBo->Text().IsEmpty()) flags.LeaveOut(oUse8021p);
            const AnsiString state = MacMaskStateComBo->Text();
            if (state.IsEmpty()) {
                for (int i : {oMaskState, oMaskSource, oMaskDestination}) flags.LeaveOut(i);
            } else if (state == "other") {
                flags.LeaveOut(oMaskSource);
                flags.LeaveOut(oMaskDestination);
            } else if (state == "dst-mac-addr") {
                flags.LeaveOut(oMaskSource);
            } else if (state == "src-mac-addr") {
                flags.LeaveOut(oMaskDestination);
            }
            if (MacMaskDstEdit->Text().IsEmpty()) flags.LeaveOut(oMaskDestination);
            if (MacAddMaskSourceEdit->Text().IsEmpty()) flags.LeaveOut(oMaskSource);
            if (UseEthTypeCombo->Text().IsEmpty()) flags.LeaveOut(oUseEthType);
            if (RowStatusComBo->ItemIndex() == kRowDestroy)
                for (int i = oUseVlan; i < oRowStatus; ++i) flags.LeaveOut(i);
            WriteChosenObjects(Request);
        }
        Request->Get();
        IdleState();
        ClearEdits();
    } catch (...) {
        ShowWriteFailure(CurrentExceptionText());
    }
}

// The list is read again, so that no row stays highlighted whose values the controls no longer
// show, and the refusal stays in sight.
void TEthernetMaskInformationForm::ShowWriteFailure(const AnsiString& text)
{
    try {
        Request->Get();
    } catch (...) {
        // The write's failure is the one to show.
    }
    ForgetSelection(ListView1);
    IdleState();
    ClearEdits();
    ShowInPanel(StatusBar1, text);
}

void TEthernetMaskInformationForm::SetBtnClick(TObject*)
{
    if (Request && EntryPasses()) WriteProfile();
}

void TEthernetMaskInformationForm::AddBtnClick(TObject*)
{
    if (HasListedRow(ListView1, IDEdit->Text())) {
        RefuseEntry("There is already a record with the same Ethernet Mask ID. Please modified it.", IDEdit);
        return;
    }
    if (RowStatusComBo->ItemIndex() != kRowCreateAndGo) {
        RefuseEntry("Row Status must be createAndGo.", RowStatusComBo);
        return;
    }
    if (EntryPasses()) WriteProfile();
}

void TEthernetMaskInformationForm::BT_DeleteClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        {
            TSavedAccessFlags flags(Request->Request.varList);
            for (int i = oUseVlan; i < oRowStatus; ++i) flags.LeaveOut(i);
            RowStatusComBo->SetItemIndex(kRowDestroy);
            WriteChosenObjects(Request);
        }
        Request->Get();
        IdleState();
        ClearEdits();
    } catch (...) {
        ShowWriteFailure(CurrentExceptionText());
    }
}
