#include "forms/acl/EthernetInformationRule.h"

#include "forms/layer2/stackingportunit.h"
#include "forms/layer2/textchecks.h"
#include "mib/acl.h"

TEthernetInformationRuleForm* EthernetInformationRuleForm = nullptr;

namespace {

// clang-format off
const TResComponent kComponents[] = {
    // class          name                       parent        left top   w    h  align
    {"TStatusBar",    "StatusBar1",              nullptr,         0,   0,   0,  19, alBottom, nullptr, "50"},
    {"TPanel",        "Panel1",                  nullptr,         0,   0,  99,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",       "GetButton",               "Panel1",        8,  12,  83,  25, alNone, "Refresh"},
    {"TButton",       "EditButton",              "Panel1",        8,  44,  83,  25, alNone, "Edit"},
    {"TButton",       "AddButton",               "Panel1",        8,  76,  83,  25, alNone, "Add"},
    {"TButton",       "DeleteButton",            "Panel1",        8, 108,  83,  25, alNone, "Delete"},
    {"TButton",       "AddCheckButton",          "Panel1",        8, 152,  83,  25, alNone, "Check All"},
    {"TButton",       "CleanCheButton",          "Panel1",        8, 184,  83,  25, alNone, "Clear Checks"},
    {"TStaticText",   "StaticText1",             "Panel1",        8, 224,  83,  20, alNone, "0", nullptr, rfSunken | rfCenter},
    {"TSplitter",     "Splitter1",               nullptr,         0,   0,   4,   0, alRight},
    {"TPanel",        "Panel2",                  nullptr,         0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPanel",        "Panel3",                  "Panel2",        0,   0,   0, 150, alTop, "", nullptr, rfBevelNone},
    {"TListView",     "ListView1",               "Panel3",        0,   0,   0,   0, alClient},
    {"TSplitter",     "Splitter2",               "Panel2",        0,   0,   0,   4, alTop},
    {"TPanel",        "StackingPortPanel",       "Panel2",        0,   0,   0,  70, alBottom, "", nullptr, rfBevelNone},
    {"TSplitter",     "Splitter3",               "Panel2",        0,   0,   0,   4, alBottom},
    {"TPanel",        "Panel4",                  "Panel2",        0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TLabel",        "Label1",                  "Panel4",       26,  10, 185,  16, alNone, "Mask ID"},
    {"TEdit",         "MaskIDEdit",              "Panel4",      214,   6, 122,  21},
    {"TLabel",        "Label2",                  "Panel4",       26,  36, 185,  16, alNone, "Access ID"},
    {"TEdit",         "AccessEdit",              "Panel4",      214,  32, 122,  21},
    {"TCheckBox",     "cbxVlan",                 "Panel4",        8,  62,  16,  17},
    {"TLabel",        "Label3",                  "Panel4",       26,  62, 185,  16, alNone, "Vlan Rule"},
    {"TEdit",         "VlanRuleEdit",            "Panel4",      214,  58, 122,  21},
    {"TCheckBox",     "cbxSource",               "Panel4",        8,  88,  16,  17},
    {"TLabel",        "Label4",                  "Panel4",       26,  88, 185,  16, alNone, "Source MAC Address Rule"},
    {"TEdit",         "SourceMACEdit",           "Panel4",      214,  84, 122,  21},
    {"TCheckBox",     "cbxDestination",          "Panel4",        8, 114,  16,  17},
    {"TLabel",        "Label5",                  "Panel4",       26, 114, 185,  16, alNone, "Destination MAC Address Rule"},
    {"TEdit",         "DestMACEdit",             "Panel4",      214, 110, 122,  21},
    {"TCheckBox",     "cbxIEEE802dot1P",         "Panel4",        8, 140,  16,  17},
    {"TLabel",        "Label6",                  "Panel4",       26, 140, 185,  16, alNone, "8021P Rule"},
    {"TEdit",         "IEEE8021pEdit",           "Panel4",      214, 136, 122,  21},
    {"TCheckBox",     "cbxEtherType",            "Panel4",        8, 166,  16,  17},
    {"TLabel",        "Label7",                  "Panel4",       26, 166, 185,  16, alNone, "Ethernet Type Rule"},
    {"TEdit",         "EthTypeEdit",             "Panel4",      214, 162, 122,  21},
    {"TCheckBox",     "cbxEnablePriority",       "Panel4",      348,  10,  16,  17},
    {"TLabel",        "Label8",                  "Panel4",      368,  10, 140,  16, alNone, "Enable Priority Rule"},
    {"TComboBox",     "EnablePriorityComboBox",  "Panel4",      510,   6, 130,  21},
    {"TCheckBox",     "cbxPriority",             "Panel4",      348,  36,  16,  17},
    {"TLabel",        "Label9",                  "Panel4",      368,  36, 140,  16, alNone, "Priority Rule"},
    {"TEdit",         "PriorityEdit",            "Panel4",      510,  32, 130,  21},
    {"TCheckBox",     "cbxReplacePriority",      "Panel4",      348,  62,  16,  17},
    {"TLabel",        "Label10",                 "Panel4",      368,  62, 140,  16, alNone, "Replace Priority Rule"},
    {"TComboBox",     "ReplacePriorityComboBox", "Panel4",      510,  58, 130,  21},
    {"TCheckBox",     "cbxPermit",               "Panel4",      348,  88,  16,  17},
    {"TLabel",        "Label13",                 "Panel4",      368,  88, 140,  16, alNone, "Permit"},
    {"TComboBox",     "PermitComboBox",          "Panel4",      510,  84, 130,  21},
    {"TCheckBox",     "cbxRow",                  "Panel4",      348, 114,  16,  17},
    {"TLabel",        "Label14",                 "Panel4",      368, 114, 140,  16, alNone, "Row Status Rule"},
    {"TComboBox",     "RowComboBox",             "Panel4",      510, 110, 130,  21},
    {"TCheckBox",     "cbxRxRate",               "Panel4",      348, 140,  16,  17},
    {"TLabel",        "Label11",                 "Panel4",      368, 140, 140,  16, alNone, "Rx Rate"},
    {"TEdit",         "RxRateEdit",              "Panel4",      510, 136, 130,  21},
    {nullptr},
};
// clang-format on
const TResForm kLayout = {"EthernetInformationRuleForm", "Ethernet Information Rule", 770, 500, poMainFormCenter,
                          bsSizeable, kComponents};

enum {
    oMaskID, oAccessID, oVlan, oSourceMac, oDestMac, o8021p, oEthType, oEnablePriority, oPriority,
    oReplacePriority, oPermit, oPorts, oRxRate, oRowStatus
};

}  // namespace

TEthernetInformationRuleForm::TEthernetInformationRuleForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    GetButton = C<TButton>("GetButton");
    EditButton = C<TButton>("EditButton");
    AddButton = C<TButton>("AddButton");
    DeleteButton = C<TButton>("DeleteButton");
    AddCheckButton = C<TButton>("AddCheckButton");
    CleanCheButton = C<TButton>("CleanCheButton");
    StaticText1 = C<TStaticText>("StaticText1");
    ListView1 = C<TListView>("ListView1");
    MaskIDEdit = C<TEdit>("MaskIDEdit");
    AccessEdit = C<TEdit>("AccessEdit");
    VlanRuleEdit = C<TEdit>("VlanRuleEdit");
    SourceMACEdit = C<TEdit>("SourceMACEdit");
    DestMACEdit = C<TEdit>("DestMACEdit");
    IEEE8021pEdit = C<TEdit>("IEEE8021pEdit");
    EthTypeEdit = C<TEdit>("EthTypeEdit");
    EnablePriorityComboBox = C<TComboBox>("EnablePriorityComboBox");
    PriorityEdit = C<TEdit>("PriorityEdit");
    ReplacePriorityComboBox = C<TComboBox>("ReplacePriorityComboBox");
    PermitComboBox = C<TComboBox>("PermitComboBox");
    RxRateEdit = C<TEdit>("RxRateEdit");
    RowComboBox = C<TComboBox>("RowComboBox");
    cbxVlan = C<TCheckBox>("cbxVlan");
    cbxSource = C<TCheckBox>("cbxSource");
    cbxDestination = C<TCheckBox>("cbxDestination");
    cbxIEEE802dot1P = C<TCheckBox>("cbxIEEE802dot1P");
    cbxEtherType = C<TCheckBox>("cbxEtherType");
    cbxEnablePriority = C<TCheckBox>("cbxEnablePriority");
    cbxPriority = C<TCheckBox>("cbxPriority");
    cbxReplacePriority = C<TCheckBox>("cbxReplacePriority");
    cbxPermit = C<TCheckBox>("cbxPermit");
    cbxRxRate = C<TCheckBox>("cbxRxRate");
    cbxRow = C<TCheckBox>("cbxRow");
    StackingPortPanel = C<TPanel>("StackingPortPanel");
    StatusBar1 = C<TStatusBar>("StatusBar1");

    using F = TEthernetInformationRuleForm;
    GetButton->OnClick = TNotifyEvent(this, &F::GetButtonClick);
    EditButton->OnClick = TNotifyEvent(this, &F::EditButtonClick);
    AddButton->OnClick = TNotifyEvent(this, &F::AddButtonClick);
    DeleteButton->OnClick = TNotifyEvent(this, &F::DeleteButtonClick);
    AddCheckButton->OnClick = TNotifyEvent(this, &F::AddCheckButtonClick);
    CleanCheButton->OnClick = TNotifyEvent(this, &F::CleanCheButtonClick);
    ListView1->OnClick = TNotifyEvent(this, &F::ListView1Click);
    ListView1->OnChange = TLVChangeEvent(this, &F::ListView1Change);
    EnablePriorityComboBox->OnChange = TNotifyEvent(this, &F::EnablePriorityComboBoxChange);
    PermitComboBox->OnChange = TNotifyEvent(this, &F::PermitComboBoxChange);
    OnCreate = TNotifyEvent(this, &F::FormCreate);
    OnClose = TCloseEvent(this, &F::FormClose);
    DoCreate();
}

// The fields in the order of the entry check, each with the object it writes.
TAclRuleFields TEthernetInformationRuleForm::Fields() const
{
    return {
        {oVlan, VlanRuleEdit, cbxVlan},
        {oSourceMac, SourceMACEdit, cbxSource},
        {oDestMac, DestMACEdit, cbxDestination},
        {o8021p, IEEE8021pEdit, cbxIEEE802dot1P},
        {oEthType, EthTypeEdit, cbxEtherType},
        {oEnablePriority, EnablePriorityComboBox, cbxEnablePriority},
        {oPriority, PriorityEdit, cbxPriority},
        {oReplacePriority, ReplacePriorityComboBox, cbxReplacePriority},
        {oPermit, PermitComboBox, cbxPermit},
        {oRxRate, RxRateEdit, cbxRxRate},
        {oRowStatus, RowComboBox, cbxRow},
    };
}

std::vector<TCheckBox*> TEthernetInformationRuleForm::FieldBoxes() const
{
    std::vector<TCheckBox*> boxes;
    for (const TAclRuleField& f : Fields()) boxes.push_back(f.box);
    return boxes;
}

void TEthernetInformationRuleForm::FormCreate(TObject*)
{
    try {
        PortPage = NewPortPage(StackingPortPanel);
        const AnsiString ports = PortIndexList(64);
        Request = NewRequest(swACLEtherRuleEntry, MVT_UMV, 2);
        Request->Mode = 0;
        Request->BindListView(ListView1, true);
        Request->AssociateFormat(oMaskID, "%i{n1x6}", MaskIDEdit);
        Request->AssociateFormat(oAccessID, "%i{n1x128}", AccessEdit);
        Request->AssociateFormat(oVlan, "%s{l32}", VlanRuleEdit);
        Request->AssociateFormat(oSourceMac, "%s{l12}", SourceMACEdit);
        Request->AssociateFormat(oDestMac, "%s{l12}", DestMACEdit);
        Request->AssociateFormat(o8021p, "%i{n0x7}", IEEE8021pEdit);
        Request->AssociateFormat(oEthType, "%s{l4}", EthTypeEdit);
        Request->Associate(oEnablePriority, EnablePriorityComboBox);
        Request->AssociateFormat(oPriority, "%i{n0x7}", PriorityEdit);
        Request->Associate(oReplacePriority, ReplacePriorityComboBox);
        Request->Associate(oPermit, PermitComboBox);
        Request->AssociateIndexList(oPorts, ports, PortPage->PortChecks);
        Request->AssociateFormat(oRxRate, "%i{n0x156249}", RxRateEdit);
        Request->Associate(oRowStatus, RowComboBox);
        Request->SetMessageControl(StatusBar1);
        ClearFields();
        EnablePriorityComboBox->SetItemIndex(1);
        ReplacePriorityComboBox->SetItemIndex(1);
        PermitComboBox->SetItemIndex(1);
        PrioritySwitch();
        RowComboBox->SetItemIndex(kRowCreateAndGo);
        IdleState();
        Request->Get();
        ShowCount();
    } catch (...) {
        const AnsiString text = CurrentExceptionText();
        IdleState();
        ClearFields();
        ShowInPanel(StatusBar1, text);
        ShowCount();
    }
}

void TEthernetInformationRuleForm::FormClose(TObject*, TCloseAction& Action)
{
    ReleaseRequest(Request);
    Action = caFree;
}

void TEthernetInformationRuleForm::ClearFields()
{
    for (TEdit* e : {MaskIDEdit, AccessEdit, VlanRuleEdit, SourceMACEdit, DestMACEdit, IEEE8021pEdit, EthTypeEdit,
                     PriorityEdit, RxRateEdit})
        e->SetText("");
    SetBoxes(FieldBoxes(), false);
    if (PortPage) PortPage->ClearChecks();
}

void TEthernetInformationRuleForm::IdleState()
{
    EditButton->SetEnabled(false);
    DeleteButton->SetEnabled(false);
    MaskIDEdit->SetEnabled(true);
    AccessEdit->SetEnabled(true);
    AddButton->SetEnabled(true);
}

void TEthernetInformationRuleForm::ShowCount() { StaticText1->SetCaption(IntToStr(ListView1->Items()->Count())); }

void TEthernetInformationRuleForm::PrioritySwitch()
{
    ApplyPrioritySwitch(EnablePriorityComboBox, cbxPriority, PriorityEdit, cbxReplacePriority,
                        ReplacePriorityComboBox, true);
}

void TEthernetInformationRuleForm::GetButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        Request->Get();
        ShowCount();  // an emptied list fires no change event
        IdleState();
        ClearFields();
    } catch (...) {
        Failed();
    }
}

void TEthernetInformationRuleForm::ListView1Click(TObject*)
{
    TListItem* row = ListView1->Selected();
    if (!row) {
        IdleState();
        ClearFields();
        return;
    }
    MaskIDEdit->SetText(row->Caption());
    AccessEdit->SetText(SelectedRowText(ListView1, oAccessID));
    EditButton->SetEnabled(true);
    DeleteButton->SetEnabled(true);
    MaskIDEdit->SetEnabled(false);
    AccessEdit->SetEnabled(false);
    AddButton->SetEnabled(false);
    PrioritySwitch();
}

void TEthernetInformationRuleForm::ListView1Change(TObject*, TListItem*, TItemChange) { ShowCount(); }

void TEthernetInformationRuleForm::EnablePriorityComboBoxChange(TObject*) { PrioritySwitch(); }

void TEthernetInformationRuleForm::PermitComboBoxChange(TObject*) {}

void TEthernetInformationRuleForm::AddCheckButtonClick(TObject*) { SetBoxes(FieldBoxes(), true); }

void TEthernetInformationRuleForm::CleanCheButtonClick(TObject*) { SetBoxes(FieldBoxes(), false); }

bool TEthernetInformationRuleForm::EntryPasses()
{
    if (MaskIDEdit->Text().IsEmpty()) return RefuseEntry("Mask ID must be set.", MaskIDEdit);
    if (AccessEdit->Text().IsEmpty()) return RefuseEntry("Access ID must be set.", AccessEdit);
    const TAclRuleFields fields = Fields();
    if (const TAclRuleField* empty = FirstEmptyCheckedField(fields))
        return RefuseEntry("Some check field is empty", empty->control);
    for (TEdit* mac : {SourceMACEdit, DestMACEdit}) {
        if (!(mac == SourceMACEdit ? cbxSource : cbxDestination)->Checked()) continue;
        switch (CheckMacText(mac->Text())) {
        case htBadDigit: return RefuseEntry("Invalid Macaddrss", mac);
        case htBadLength: return RefuseEntry("Invalid Macaddress", mac);
        default: break;
        }
    }
    if (cbxEtherType->Checked() && !IsHexDigits(EthTypeEdit->Text(), 4))
        return RefuseEntry("Invalid EtherType", EthTypeEdit);
    if (cbxPriority->Checked()) {
        const int v = PriorityEdit->Text().ToIntDef(-1);
        if (v < 0 || v > 7) return RefuseEntry("Priority value should between 0-7", PriorityEdit);
    }
    if (cbxRxRate->Checked()) {
        const int v = RxRateEdit->Text().ToIntDef(-1);
        if (v < 0 || v > 156249) return RefuseEntry("Rx Rate should between 0-156249", RxRateEdit);
    }
    return true;
}

void TEthernetInformationRuleForm::ChooseObjects(TSavedAccessFlags& flags)
{
    LeaveOutUnchecked(flags, Fields());
    if (PriorityObjectsLeftOut(ListView1, oEnablePriority, cbxEnablePriority, EnablePriorityComboBox)) {
        flags.LeaveOut(oPriority);
        flags.LeaveOut(oReplacePriority);
    }
}

// The chosen objects go in one write; the flags come back before the re-read.
void TEthernetInformationRuleForm::Write(TSavedAccessFlags& flags)
{
    WriteChosenObjects(Request);
    flags.Restore();
    GetButtonClick(this);
}

void TEthernetInformationRuleForm::Failed()
{
    const AnsiString text = CurrentExceptionText();
    ForgetSelection(ListView1);
    IdleState();
    ClearFields();
    ShowInPanel(StatusBar1, text);
}

void TEthernetInformationRuleForm::AddButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        if (!EntryPasses()) return;
        TSavedAccessFlags flags(Request->Request.varList);
        if (HasListedRow(ListView1, MaskIDEdit->Text(), AccessEdit->Text())) {
            RefuseEntry("Has already a record with the same Mask ID and Access ID. Please change eithor of them.",
                        MaskIDEdit);
            return;
        }
        if (RowComboBox->ItemIndex() != kRowCreateAndGo || !cbxRow->Checked()) {
            RefuseEntry("Row State must be checked and set to createAndGo.", RowComboBox);
            return;
        }
        ChooseObjects(flags);
        Write(flags);
    } catch (...) {
        Failed();
    }
}

void TEthernetInformationRuleForm::EditButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        if (!EntryPasses()) return;
        TSavedAccessFlags flags(Request->Request.varList);
        if (RowComboBox->ItemIndex() == kRowDestroy && cbxRow->Checked()) {
            for (int i = oVlan; i < oRowStatus; ++i) flags.LeaveOut(i);
        } else {
            ChooseObjects(flags);
        }
        Write(flags);
    } catch (...) {
        Failed();
    }
}

void TEthernetInformationRuleForm::DeleteButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        TSavedAccessFlags flags(Request->Request.varList);
        for (int i = oVlan; i < oRowStatus; ++i) flags.LeaveOut(i);
        RowComboBox->SetItemIndex(kRowDestroy);
        Write(flags);
    } catch (...) {
        Failed();
    }
}
