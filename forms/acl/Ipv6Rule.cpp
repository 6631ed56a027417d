#include "forms/acl/Ipv6Rule.h"

#include "forms/layer2/stackingportunit.h"
#include "forms/layer2/textchecks.h"
#include "mib/acl.h"

TIpv6RuleForm* Ipv6RuleForm = nullptr;

namespace {

// clang-format off
const TResComponent kComponents[] = {
    // class          name                   parent        left top   w    h  align
    {"TStatusBar",    "StatusBar1",          nullptr,         0,   0,   0,  19, alBottom, nullptr, "50"},
    {"TPanel",        "Panel1",              nullptr,         0,   0,  99,   0, alRight, "", nullptr, rfBevelNone},
    {"TPanel",        "Panel2",              "Panel1",        0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TButton",       "GetButton",           "Panel2",        8,  12,  83,  25, alNone, "Refresh"},
    {"TButton",       "EditButton",          "Panel2",        8,  44,  83,  25, alNone, "Edit"},
    {"TButton",       "AddButton",           "Panel2",        8,  76,  83,  25, alNone, "Add"},
    {"TButton",       "DeleteButton",        "Panel2",        8, 108,  83,  25, alNone, "Delete"},
    {"TButton",       "CheckButton",         "Panel2",        8, 152,  83,  25, alNone, "Check All"},
    {"TButton",       "UncheckButton",       "Panel2",        8, 184,  83,  25, alNone, "Clear Checks"},
    {"TStaticText",   "StaticText1",         "Panel2",        8, 224,  83,  20, alNone, "0", nullptr, rfSunken | rfCenter},
    {"TSplitter",     "Splitter1",           nullptr,         0,   0,   4,   0, alRight},
    {"TPanel",        "Panel3",              nullptr,         0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPanel",        "Panel4",              "Panel3",        0,   0,   0, 150, alTop, "", nullptr, rfBevelNone},
    {"TListView",     "ListView1",           "Panel4",        0,   0,   0,   0, alClient},
    {"TSplitter",     "Splitter2",           "Panel3",        0,   0,   0,   4, alTop},
    {"TPanel",        "StackingPortPanel",   "Panel3",        0,   0,   0,  70, alBottom, "", nullptr, rfBevelNone},
    {"TSplitter",     "Splitter3",           "Panel3",        0,   0,   0,   4, alBottom},
    {"TPanel",        "Panel5",              "Panel3",        0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TLabel",        "Label1",              "Panel5",       26,  10, 180,  16, alNone, "IPv6 Rule ID"},
    {"TEdit",         "edtRuleID",           "Panel5",      208,   6, 250,  21},
    {"TLabel",        "Label2",              "Panel5",       26,  36, 180,  16, alNone, "IPv6 Rule Access ID"},
    {"TEdit",         "edtRuleAccessID",     "Panel5",      208,  32, 250,  21},
    {"TCheckBox",     "cbxRuleClass",        "Panel5",        8,  62,  16,  17},
    {"TLabel",        "Label3",              "Panel5",       26,  62, 180,  16, alNone, "IPv6 Rule Class (0-255)"},
    {"TEdit",         "edtRuleClass",        "Panel5",      208,  58, 250,  21},
    {"TCheckBox",     "cbxRuleFlowlabel",    "Panel5",        8,  88,  16,  17},
    {"TLabel",        "Label4",              "Panel5",       26,  88, 180,  16, alNone, "IPv6 Rule Flowlabel"},
    {"TEdit",         "edtRuleFlowlabel",    "Panel5",      208,  84, 250,  21},
    {"TCheckBox",     "cbxRuleSrcIpv6addr",  "Panel5",        8, 114,  16,  17},
    {"TLabel",        "Label5",              "Panel5",       26, 114, 180,  16, alNone, "Rule Source Ipv6 address"},
    {"TEdit",         "edtRuleSrcIpv6addr",  "Panel5",      208, 110, 250,  21},
    {"TCheckBox",     "cbxRuleDstIpv6addr",  "Panel5",        8, 140,  16,  17},
    {"TLabel",        "Label6",              "Panel5",       26, 140, 180,  16, alNone, "Rule Destination Ipv6 address"},
    {"TEdit",         "edtRuleDstIpv6addr",  "Panel5",      208, 136, 250,  21},
    {"TCheckBox",     "cbxEnablePriority",   "Panel5",      478,  10,  16,  17},
    {"TLabel",        "Label15",             "Panel5",      498,  10, 110,  16, alNone, "Enable Priority"},
    {"TComboBox",     "PriorityComboBox",    "Panel5",      610,   6, 120,  21},
    {"TCheckBox",     "cbxPriority",         "Panel5",      478,  36,  16,  17},
    {"TLabel",        "Label16",             "Panel5",      498,  36, 110,  16, alNone, "Priority"},
    {"TEdit",         "PriorityEdit",        "Panel5",      610,  32, 120,  21},
    {"TCheckBox",     "cbxReplacePriority",  "Panel5",      478,  62,  16,  17},
    {"TLabel",        "Label17",             "Panel5",      498,  62, 110,  16, alNone, "Replace Priority"},
    {"TComboBox",     "ReplaceComboBox",     "Panel5",      610,  58, 120,  21},
    {"TCheckBox",     "cbxPermit",           "Panel5",      478,  88,  16,  17},
    {"TLabel",        "Label20",             "Panel5",      498,  88, 110,  16, alNone, "Permit"},
    {"TComboBox",     "PermitComboBox",      "Panel5",      610,  84, 120,  21},
    {"TCheckBox",     "cbxRow",              "Panel5",      478, 114,  16,  17},
    {"TLabel",        "Label21",             "Panel5",      498, 114, 110,  16, alNone, "Row Status"},
    {"TComboBox",     "RowComboBox",         "Panel5",      610, 110, 120,  21},
    {"TCheckBox",     "cbxRxRate",           "Panel5",      478, 140,  16,  17},
    {"TLabel",        "Label7",              "Panel5",      498, 140, 110,  16, alNone, "Rx Rate"},
    {"TEdit",         "RxRateEdit",          "Panel5",      610, 136, 120,  21},
    {nullptr},
};
// clang-format on
const TResForm kLayout = {"Ipv6RuleForm", "Ipv6 Rule Form", 860, 480, poMainFormCenter, bsSizeable, kComponents};

enum {
    oProfileID, oAccessID, oClass, oFlowlabel, oSrcAddr, oDstAddr, oEnablePriority, oPriority, oReplacePriority,
    oPermit, oPorts, oRxRate, oRowStatus
};

}  // namespace

TIpv6RuleForm::TIpv6RuleForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    GetButton = C<TButton>("GetButton");
    EditButton = C<TButton>("EditButton");
    AddButton = C<TButton>("AddButton");
    DeleteButton = C<TButton>("DeleteButton");
    CheckButton = C<TButton>("CheckButton");
    UncheckButton = C<TButton>("UncheckButton");
    StaticText1 = C<TStaticText>("StaticText1");
    ListView1 = C<TListView>("ListView1");
    edtRuleID = C<TEdit>("edtRuleID");
    edtRuleAccessID = C<TEdit>("edtRuleAccessID");
    edtRuleClass = C<TEdit>("edtRuleClass");
    edtRuleFlowlabel = C<TEdit>("edtRuleFlowlabel");
    edtRuleSrcIpv6addr = C<TEdit>("edtRuleSrcIpv6addr");
    edtRuleDstIpv6addr = C<TEdit>("edtRuleDstIpv6addr");
    PriorityComboBox = C<TComboBox>("PriorityComboBox");
    PriorityEdit = C<TEdit>("PriorityEdit");
    ReplaceComboBox = C<TComboBox>("ReplaceComboBox");
    PermitComboBox = C<TComboBox>("PermitComboBox");
    RxRateEdit = C<TEdit>("RxRateEdit");
    RowComboBox = C<TComboBox>("RowComboBox");
    cbxRuleClass = C<TCheckBox>("cbxRuleClass");
    cbxRuleFlowlabel = C<TCheckBox>("cbxRuleFlowlabel");
    cbxRuleSrcIpv6addr = C<TCheckBox>("cbxRuleSrcIpv6addr");
    cbxRuleDstIpv6addr = C<TCheckBox>("cbxRuleDstIpv6addr");
    cbxEnablePriority = C<TCheckBox>("cbxEnablePriority");
    cbxPriority = C<TCheckBox>("cbxPriority");
    cbxReplacePriority = C<TCheckBox>("cbxReplacePriority");
    cbxPermit = C<TCheckBox>("cbxPermit");
    cbxRxRate = C<TCheckBox>("cbxRxRate");
    cbxRow = C<TCheckBox>("cbxRow");
    StackingPortPanel = C<TPanel>("StackingPortPanel");
    StatusBar1 = C<TStatusBar>("StatusBar1");

    using F = TIpv6RuleForm;
    GetButton->OnClick = TNotifyEvent(this, &F::GetButtonClick);
    EditButton->OnClick = TNotifyEvent(this, &F::EditButtonClick);
    AddButton->OnClick = TNotifyEvent(this, &F::AddButtonClick);
    DeleteButton->OnClick = TNotifyEvent(this, &F::DeleteButtonClick);
    CheckButton->OnClick = TNotifyEvent(this, &F::CheckButtonClick);
    UncheckButton->OnClick = TNotifyEvent(this, &F::UncheckButtonClick);
    ListView1->OnClick = TNotifyEvent(this, &F::ListView1Click);
    ListView1->OnChange = TLVChangeEvent(this, &F::ListView1Change);
    PriorityComboBox->OnChange = TNotifyEvent(this, &F::PriorityComboBoxChange);
    OnCreate = TNotifyEvent(this, &F::FormCreate);
    OnClose = TCloseEvent(this, &F::FormClose);
    DoCreate();
}

// The fields a check box chooses, each with the object it writes.
TAclRuleFields TIpv6RuleForm::Fields() const
{
    return {
        {oClass, edtRuleClass, cbxRuleClass},
        {oFlowlabel, edtRuleFlowlabel, cbxRuleFlowlabel},
        {oSrcAddr, edtRuleSrcIpv6addr, cbxRuleSrcIpv6addr},
        {oDstAddr, edtRuleDstIpv6addr, cbxRuleDstIpv6addr},
        {oEnablePriority, PriorityComboBox, cbxEnablePriority},
        {oPriority, PriorityEdit, cbxPriority},
        {oReplacePriority, ReplaceComboBox, cbxReplacePriority},
        {oPermit, PermitComboBox, cbxPermit},
        {oRxRate, RxRateEdit, cbxRxRate},
        {oRowStatus, RowComboBox, cbxRow},
    };
}

void TIpv6RuleForm::FormCreate(TObject*)
{
    try {
        PortPage = NewPortPage(StackingPortPanel);
        const AnsiString ports = PortIndexList(64);
        Request = NewRequest(swACLIpv6RuleEntry, MVT_UMV, 2);
        Request->Mode = 0;
        Request->BindListView(ListView1, true);
        Request->AssociateFormat(oProfileID, "%i{n1x6}", edtRuleID);
        Request->AssociateFormat(oAccessID, "%i{n1x128}", edtRuleAccessID);
        Request->AssociateFormat(oClass, "%i{n0x255}", edtRuleClass);
        Request->AssociateFormat(oFlowlabel, "%s", edtRuleFlowlabel);
        Request->AssociateFormat(oSrcAddr, "%s{l32}", edtRuleSrcIpv6addr);
        Request->AssociateFormat(oDstAddr, "%s{l32}", edtRuleDstIpv6addr);
        Request->Associate(oEnablePriority, PriorityComboBox);
        Request->AssociateFormat(oPriority, "%i{n0x7}", PriorityEdit);
        Request->Associate(oReplacePriority, ReplaceComboBox);
        Request->Associate(oPermit, PermitComboBox);
        Request->AssociateIndexList(oPorts, ports, PortPage->PortChecks);
        Request->AssociateFormat(oRxRate, "%i{n0x156249}", RxRateEdit);
        Request->Associate(oRowStatus, RowComboBox);
        Request->SetMessageControl(StatusBar1);
        PriorityComboBox->SetItemIndex(1);
        ReplaceComboBox->SetItemIndex(1);
        PermitComboBox->SetItemIndex(1);
        RowComboBox->SetItemIndex(kRowCreateAndGo);
        ClearFields();
        IdleState();
        Request->Get();
        PrioritySwitch();
        ShowCount();
    } catch (...) {
        Failed(CurrentExceptionText());
        ShowCount();
    }
}

void TIpv6RuleForm::FormClose(TObject*, TCloseAction& Action)
{
    ReleaseRequest(Request);
    Action = caFree;
}

void TIpv6RuleForm::ClearFields()
{
    for (TEdit* e : {edtRuleID, edtRuleAccessID, edtRuleClass, edtRuleFlowlabel, edtRuleSrcIpv6addr,
                     edtRuleDstIpv6addr, PriorityEdit, RxRateEdit})
        e->SetText("");
    if (PortPage) PortPage->ClearChecks();
    SetBoxes({cbxRuleClass, cbxRuleFlowlabel, cbxRuleSrcIpv6addr, cbxRuleDstIpv6addr, cbxEnablePriority}, false);
    SetBoxesIfFocusable({cbxPriority, cbxReplacePriority}, false);
    SetBoxes({cbxPermit, cbxRxRate, cbxRow}, false);
}

void TIpv6RuleForm::IdleState()
{
    EditButton->SetEnabled(false);
    DeleteButton->SetEnabled(false);
    AddButton->SetEnabled(true);
    edtRuleID->SetEnabled(true);
    edtRuleAccessID->SetEnabled(true);
}

void TIpv6RuleForm::ShowCount() { StaticText1->SetCaption(IntToStr(ListView1->Items()->Count())); }

void TIpv6RuleForm::PrioritySwitch()
{
    ApplyPrioritySwitch(PriorityComboBox, cbxPriority, PriorityEdit, cbxReplacePriority, ReplaceComboBox, false);
}

void TIpv6RuleForm::Failed(const AnsiString& text)
{
    ForgetSelection(ListView1);
    ClearFields();
    IdleState();
    ShowInPanel(StatusBar1, text);
}

void TIpv6RuleForm::GetButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        Request->Get();
        ShowCount();  // an emptied list fires no change event
        ClearFields();
        IdleState();
    } catch (...) {
        Failed(CurrentExceptionText());
    }
}

void TIpv6RuleForm::ListView1Click(TObject*)
{
    if (!ListView1->Selected()) {
        IdleState();
        ClearFields();
        return;
    }
    edtRuleID->SetEnabled(false);
    edtRuleAccessID->SetEnabled(false);
    EditButton->SetEnabled(true);
    DeleteButton->SetEnabled(true);
    AddButton->SetEnabled(false);
    PrioritySwitch();
}

void TIpv6RuleForm::ListView1Change(TObject*, TListItem*, TItemChange) { ShowCount(); }

void TIpv6RuleForm::PriorityComboBoxChange(TObject*) { PrioritySwitch(); }

// The rx rate box is left as it is by both buttons.
void TIpv6RuleForm::CheckFieldBoxes(bool checked)
{
    SetBoxes({cbxRuleClass, cbxRuleFlowlabel, cbxRuleSrcIpv6addr, cbxRuleDstIpv6addr, cbxEnablePriority}, checked);
    SetBoxesIfFocusable({cbxPriority, cbxReplacePriority}, checked);
    SetBoxes({cbxPermit, cbxRow}, checked);
}

void TIpv6RuleForm::CheckButtonClick(TObject*) { CheckFieldBoxes(true); }

void TIpv6RuleForm::UncheckButtonClick(TObject*) { CheckFieldBoxes(false); }

bool TIpv6RuleForm::EntryPasses()
{
    static const char* kEmpty = "Some checked field is empty";
    if (edtRuleID->Text().IsEmpty()) return RefuseEntry("Rule ID must be set.", edtRuleID);
    if (edtRuleAccessID->Text().IsEmpty()) return RefuseEntry("Rule Access ID must be set.", edtRuleAccessID);
    const bool src = cbxRuleSrcIpv6addr->Checked();
    const bool dst = cbxRuleDstIpv6addr->Checked();
    if (src && dst) return RefuseEntry("Can not support Source IP and Destination IP both");
    if ((cbxRuleClass->Checked() || cbxRuleFlowlabel->Checked()) && (src || dst))
        return RefuseEntry("Can not set mutex data together");
    if (cbxRuleClass->Checked() && edtRuleClass->Text().IsEmpty()) return RefuseEntry(kEmpty, edtRuleClass);
    if (cbxRuleFlowlabel->Checked()) {
        if (edtRuleFlowlabel->Text().IsEmpty()) return RefuseEntry(kEmpty, edtRuleFlowlabel);
        if (!IsHexDigits(edtRuleFlowlabel->Text(), 8)) return RefuseEntry("Invalid data!", edtRuleFlowlabel);
    }
    for (TEdit* address : {edtRuleSrcIpv6addr, edtRuleDstIpv6addr}) {
        if (!(address == edtRuleSrcIpv6addr ? src : dst)) continue;
        if (address->Text().IsEmpty()) return RefuseEntry(kEmpty, address);
        if (!IsIpv6HexText(address->Text())) return RefuseEntry("Invalid Ipv6 Address value", address);
    }
    const TAclRuleFields choices = {
        {oEnablePriority, PriorityComboBox, cbxEnablePriority},
        {oPriority, PriorityEdit, cbxPriority},
        {oReplacePriority, ReplaceComboBox, cbxReplacePriority},
        {oPermit, PermitComboBox, cbxPermit},
    };
    if (const TAclRuleField* empty = FirstEmptyCheckedField(choices)) return RefuseEntry(kEmpty, empty->control);
    if (cbxRxRate->Checked()) {
        if (RxRateEdit->Text().IsEmpty()) return RefuseEntry(kEmpty, RxRateEdit);
        const int v = RxRateEdit->Text().ToIntDef(-1);
        if (v < 0 || v > 156249) return RefuseEntry("Rx Rate should between 0-156249", RxRateEdit);
    }
    if (cbxRow->Checked() && RowComboBox->Text().IsEmpty()) return RefuseEntry(kEmpty, RowComboBox);
    return true;
}

void TIpv6RuleForm::ChooseObjects(TSavedAccessFlags& flags)
{
    LeaveOutUnchecked(flags, Fields());
    if (PriorityObjectsLeftOut(ListView1, oEnablePriority, cbxEnablePriority, PriorityComboBox)) {
        flags.LeaveOut(oPriority);
        flags.LeaveOut(oReplacePriority);
    }
}

// The two indexes and one address; the chosen flags come back after it.
void TIpv6RuleForm::WriteAddress(TSavedAccessFlags& chosen, int object)
{
    for (int i = oClass; i < Request->Request.varList.GetCount(); ++i)
        if (i != object) chosen.LeaveOut(i);
    WriteChosenObjects(Request);
    chosen.Restore();
}

void TIpv6RuleForm::WriteWithoutAddresses(TSavedAccessFlags& chosen)
{
    chosen.LeaveOut(oSrcAddr);
    chosen.LeaveOut(oDstAddr);
    WriteChosenObjects(Request);
    chosen.Restore();
}

// An edit writes the address first, as the switch expects of a rule it holds. A new rule
// must exist before a column of its own can be written, so an add writes the row-creating
// part first; when the address then fails, the new row stays and the failure is shown.
void TIpv6RuleForm::WriteRule(bool adding)
{
    bool wrote = false;
    try {
        {
            TSavedAccessFlags saved(Request->Request.varList);
            ChooseObjects(saved);
            const bool src = cbxRuleSrcIpv6addr->Checked();
            const bool dst = cbxRuleDstIpv6addr->Checked();
            if (!src && !dst) {
                WriteChosenObjects(Request);
            } else {
                TSavedAccessFlags chosen(Request->Request.varList);
                if (adding) {
                    WriteWithoutAddresses(chosen);
                    wrote = true;
                }
                if (src) WriteAddress(chosen, oSrcAddr);
                if (dst) WriteAddress(chosen, oDstAddr);
                wrote = true;
                if (!adding) WriteWithoutAddresses(chosen);
            }
        }
        GetButtonClick(this);
    } catch (...) {
        // The Sets before the failing one went through: the list shows what the switch holds.
        const AnsiString text = CurrentExceptionText();
        if (wrote) GetButtonClick(this);
        Failed(text);
    }
}

void TIpv6RuleForm::AddButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        if (!EntryPasses()) return;
        if (HasListedRow(ListView1, edtRuleID->Text(), edtRuleAccessID->Text())) {
            RefuseEntry("Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them.",
                        edtRuleID);
            return;
        }
        if (RowComboBox->ItemIndex() != kRowCreateAndGo || !cbxRow->Checked()) {
            RefuseEntry("Row State must be checked and set to createAndGo.", RowComboBox);
            return;
        }
        WriteRule(true);
    } catch (...) {
        Failed(CurrentExceptionText());
    }
}

void TIpv6RuleForm::EditButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        if (!EntryPasses()) return;
        if (RowComboBox->ItemIndex() == kRowCreateAndGo) {
            AddButtonClick(this);
            return;
        }
        if (RowComboBox->ItemIndex() == kRowDestroy) {
            DeleteButtonClick(this);
            return;
        }
        WriteRule(false);
    } catch (...) {
        Failed(CurrentExceptionText());
    }
}

void TIpv6RuleForm::DeleteButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        {
            TSavedAccessFlags flags(Request->Request.varList);
            for (int i = oClass; i < oRowStatus; ++i) flags.LeaveOut(i);
            RowComboBox->SetItemIndex(kRowDestroy);
            WriteChosenObjects(Request);
        }
        GetButtonClick(this);
    } catch (...) {
        Failed(CurrentExceptionText());
    }
}
