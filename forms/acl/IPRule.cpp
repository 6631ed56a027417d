#include "forms/acl/IPRule.h"

#include <iterator>

#include "forms/layer2/stackingportunit.h"
#include "forms/layer2/textchecks.h"
#include "mib/acl.h"

TIPRuleForm* IPRuleForm = nullptr;

namespace {

// clang-format off
const TResComponent kComponents[] = {
    // class          name                    parent        left top   w    h  align
    {"TStatusBar",    "StatusBar1",           nullptr,         0,   0,   0,  19, alBottom, nullptr, "50"},
    {"TPanel",        "Panel1",               nullptr,         0,   0,  99,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",       "GetButton",            "Panel1",        8,  12,  83,  25, alNone, "Refresh"},
    {"TButton",       "EditButton",           "Panel1",        8,  44,  83,  25, alNone, "Edit"},
    {"TButton",       "AddButton",            "Panel1",        8,  76,  83,  25, alNone, "Add"},
    {"TButton",       "DeleteButton",         "Panel1",        8, 108,  83,  25, alNone, "Delete"},
    {"TButton",       "CheckButton",          "Panel1",        8, 152,  83,  25, alNone, "Check All"},
    {"TButton",       "UncheckButton",        "Panel1",        8, 184,  83,  25, alNone, "Clear Checks"},
    {"TStaticText",   "StaticText1",          "Panel1",        8, 224,  83,  20, alNone, "0", nullptr, rfSunken | rfCenter},
    {"TSplitter",     "Splitter1",            nullptr,         0,   0,   4,   0, alRight},
    {"TPanel",        "Panel2",               nullptr,         0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPanel",        "Panel3",               "Panel2",        0,   0,   0, 150, alTop, "", nullptr, rfBevelNone},
    {"TListView",     "ListView1",            "Panel3",        0,   0,   0,   0, alClient},
    {"TSplitter",     "Splitter2",            "Panel2",        0,   0,   0,   4, alTop},
    {"TPanel",        "StackingPortPanel",    "Panel2",        0,   0,   0,  72, alBottom, "", nullptr, rfBevelNone},
    {"TSplitter",     "Splitter3",            "Panel2",        0,   0,   0,   4, alBottom},
    {"TPanel",        "Panel4",               "Panel2",        0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TLabel",        "Label1",               "Panel4",       26,  10, 150,  16, alNone, "IP Rule ID"},
    {"TEdit",         "IPRuleEdit",           "Panel4",      180,   6, 180,  21},
    {"TLabel",        "Label2",               "Panel4",       26,  36, 150,  16, alNone, "IP Rule Access ID"},
    {"TEdit",         "AccessIDEdit",         "Panel4",      180,  32, 180,  21},
    {"TCheckBox",     "cbxSourceIP",          "Panel4",        8,  62,  16,  17},
    {"TLabel",        "Label4",               "Panel4",       26,  62, 150,  16, alNone, "Source IP Address"},
    {"TEdit",         "SourceIPEdit",         "Panel4",      180,  58, 180,  21},
    {"TCheckBox",     "cbxDestIP",            "Panel4",        8,  88,  16,  17},
    {"TLabel",        "Label5",               "Panel4",       26,  88, 150,  16, alNone, "Destination IP address"},
    {"TEdit",         "DestIPEdit",           "Panel4",      180,  84, 180,  21},
    {"TCheckBox",     "cbxDscp",              "Panel4",        8, 114,  16,  17},
    {"TLabel",        "Label6",               "Panel4",       26, 114, 150,  16, alNone, "DSCP"},
    {"TEdit",         "DSCPEdit",             "Panel4",      180, 110, 180,  21},
    {"TCheckBox",     "cbxProtocol",          "Panel4",        8, 140,  16,  17},
    {"TLabel",        "Label7",               "Panel4",       26, 140, 150,  16, alNone, "Rule Protocol"},
    {"TComboBox",     "ProtocolComboBox",     "Panel4",      180, 136, 180,  21},
    {"TCheckBox",     "cbxRuleIcmp",          "Panel4",        8, 166,  16,  17},
    {"TLabel",        "Label8",               "Panel4",       26, 166, 150,  16, alNone, "Rule ICMP"},
    {"TComboBox",     "RuleIcmpComboBox",     "Panel4",      180, 162, 180,  21},
    {"TCheckBox",     "cbxRuleIgmp",          "Panel4",        8, 192,  16,  17},
    {"TLabel",        "Label9",               "Panel4",       26, 192, 150,  16, alNone, "Rule IGMP"},
    {"TComboBox",     "RuleIgmpComboBox",     "Panel4",      180, 188, 180,  21},
    {"TCheckBox",     "cbxSourcePort",        "Panel4",        8, 218,  16,  17},
    {"TLabel",        "Label10",              "Panel4",       26, 218, 150,  16, alNone, "Source Port"},
    {"TEdit",         "SourcePortEdit",       "Panel4",      180, 214, 180,  21},
    {"TCheckBox",     "cbxDestPort",          "Panel4",        8, 244,  16,  17},
    {"TLabel",        "Label11",              "Panel4",       26, 244, 150,  16, alNone, "Destination Port"},
    {"TEdit",         "DestPortEdit",         "Panel4",      180, 240, 180,  21},
    {"TCheckBox",     "cbxFBs",               "Panel4",        8, 270,  16,  17},
    {"TLabel",        "Label12",              "Panel4",       26, 270, 150,  16, alNone, "Flag Bits"},
    {"TEdit",         "FlagEdit",             "Panel4",      180, 266, 180,  21},
    {"TCheckBox",     "cbxProtocolID",        "Panel4",      380,  10,  16,  17},
    {"TLabel",        "Label13",              "Panel4",      398,  10, 150,  16, alNone, "Protocol ID"},
    {"TEdit",         "ProtocolIDEdit",       "Panel4",      552,   6, 180,  21},
    {"TCheckBox",     "cbxUserMask",          "Panel4",      380,  36,  16,  17},
    {"TLabel",        "Label14",              "Panel4",      398,  36, 150,  16, alNone, "User Mask"},
    {"TEdit",         "UserMaskEdit",         "Panel4",      552,  32, 180,  21},
    {"TCheckBox",     "cbxEnablePriority",    "Panel4",      380,  62,  16,  17},
    {"TLabel",        "Label15",              "Panel4",      398,  62, 150,  16, alNone, "Enable Priority"},
    {"TComboBox",     "PriorityComboBox",     "Panel4",      552,  58, 180,  21},
    {"TCheckBox",     "cbxPriority",          "Panel4",      380,  88,  16,  17},
    {"TLabel",        "Label16",              "Panel4",      398,  88, 150,  16, alNone, "Priority"},
    {"TEdit",         "PriorityEdit",         "Panel4",      552,  84, 180,  21},
    {"TCheckBox",     "cbxReplacePriority",   "Panel4",      380, 114,  16,  17},
    {"TLabel",        "Label17",              "Panel4",      398, 114, 150,  16, alNone, "Replace Priority"},
    {"TComboBox",     "ReplaceComboBox",      "Panel4",      552, 110, 180,  21},
    {"TCheckBox",     "cbxEnableReplaceDscp", "Panel4",      380, 140,  16,  17},
    {"TLabel",        "Label18",              "Panel4",      398, 140, 150,  16, alNone, "Enable Replace DSCP"},
    {"TComboBox",     "EnableReplComboBox",   "Panel4",      552, 136, 180,  21},
    {"TCheckBox",     "cbxValue",             "Panel4",      380, 166,  16,  17},
    {"TLabel",        "Label19",              "Panel4",      398, 166, 150,  16, alNone, "Replace DSCP"},
    {"TEdit",         "DSCPValueEdit",        "Panel4",      552, 162, 180,  21},
    {"TCheckBox",     "cbxPermit",            "Panel4",      380, 192,  16,  17},
    {"TLabel",        "Label20",              "Panel4",      398, 192, 150,  16, alNone, "Permit"},
    {"TComboBox",     "PermitComboBox",       "Panel4",      552, 188, 180,  21},
    {"TCheckBox",     "cbxRxRate",            "Panel4",      380, 218,  16,  17},
    {"TLabel",        "Label3",               "Panel4",      398, 218, 150,  16, alNone, "Rx Rate"},
    {"TEdit",         "RxRateEdit",           "Panel4",      552, 214, 180,  21},
    {"TCheckBox",     "cbxRow",               "Panel4",      380, 244,  16,  17},
    {"TLabel",        "Label21",              "Panel4",      398, 244, 150,  16, alNone, "Row Status"},
    {"TComboBox",     "RowComboBox",          "Panel4",      552, 240, 180,  21},
    {nullptr},
};
// clang-format on
const TResForm kLayout = {"IPRuleForm", "IP Rule", 860, 620, poMainFormCenter, bsSizeable, kComponents};

enum {
    oProfileID, oAccessID, oSrcIp, oDstIp, oDscp, oProtocol, oIcmp, oIgmp, oSrcPort, oDstPort, oFlagBits,
    oProtoID, oUserMask, oEnablePriority, oPriority, oReplacePriority, oEnableReplaceDscp, oRepDscp, oPermit,
    oPorts, oRxRate, oRowStatus
};

}  // namespace

TIPRuleForm::TIPRuleForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    GetButton = C<TButton>("GetButton");
    EditButton = C<TButton>("EditButton");
    AddButton = C<TButton>("AddButton");
    DeleteButton = C<TButton>("DeleteButton");
    CheckButton = C<TButton>("CheckButton");
    UncheckButton = C<TButton>("UncheckButton");
    StaticText1 = C<TStaticText>("StaticText1");
    ListView1 = C<TListView>("ListView1");
    IPRuleEdit = C<TEdit>("IPRuleEdit");
    AccessIDEdit = C<TEdit>("AccessIDEdit");
    SourceIPEdit = C<TEdit>("SourceIPEdit");
    DestIPEdit = C<TEdit>("DestIPEdit");
    DSCPEdit = C<TEdit>("DSCPEdit");
    ProtocolComboBox = C<TComboBox>("ProtocolComboBox");
    RuleIcmpComboBox = C<TComboBox>("RuleIcmpComboBox");
    RuleIgmpComboBox = C<TComboBox>("RuleIgmpComboBox");
    SourcePortEdit = C<TEdit>("SourcePortEdit");
    DestPortEdit = C<TEdit>("DestPortEdit");
    FlagEdit = C<TEdit>("FlagEdit");
    ProtocolIDEdit = C<TEdit>("ProtocolIDEdit");
    UserMaskEdit = C<TEdit>("UserMaskEdit");
    PriorityComboBox = C<TComboBox>("PriorityComboBox");
    PriorityEdit = C<TEdit>("PriorityEdit");
    ReplaceComboBox = C<TComboBox>("ReplaceComboBox");
    EnableReplComboBox = C<TComboBox>("EnableReplComboBox");
    DSCPValueEdit = C<TEdit>("DSCPValueEdit");
    PermitComboBox = C<TComboBox>("PermitComboBox");
    RxRateEdit = C<TEdit>("RxRateEdit");
    RowComboBox = C<TComboBox>("RowComboBox");
    cbxSourceIP = C<TCheckBox>("cbxSourceIP");
    cbxDestIP = C<TCheckBox>("cbxDestIP");
    cbxDscp = C<TCheckBox>("cbxDscp");
    cbxProtocol = C<TCheckBox>("cbxProtocol");
    cbxRuleIcmp = C<TCheckBox>("cbxRuleIcmp");
    cbxRuleIgmp = C<TCheckBox>("cbxRuleIgmp");
    cbxSourcePort = C<TCheckBox>("cbxSourcePort");
    cbxDestPort = C<TCheckBox>("cbxDestPort");
    cbxFBs = C<TCheckBox>("cbxFBs");
    cbxProtocolID = C<TCheckBox>("cbxProtocolID");
    cbxUserMask = C<TCheckBox>("cbxUserMask");
    cbxEnablePriority = C<TCheckBox>("cbxEnablePriority");
    cbxPriority = C<TCheckBox>("cbxPriority");
    cbxReplacePriority = C<TCheckBox>("cbxReplacePriority");
    cbxEnableReplaceDscp = C<TCheckBox>("cbxEnableReplaceDscp");
    cbxValue = C<TCheckBox>("cbxValue");
    cbxPermit = C<TCheckBox>("cbxPermit");
    cbxRxRate = C<TCheckBox>("cbxRxRate");
    cbxRow = C<TCheckBox>("cbxRow");
    StackingPortPanel = C<TPanel>("StackingPortPanel");
    StatusBar1 = C<TStatusBar>("StatusBar1");

    using F = TIPRuleForm;
    GetButton->OnClick = TNotifyEvent(this, &F::GetButtonClick);
    EditButton->OnClick = TNotifyEvent(this, &F::EditButtonClick);
    AddButton->OnClick = TNotifyEvent(this, &F::AddButtonClick);
    DeleteButton->OnClick = TNotifyEvent(this, &F::DeleteButtonClick);
    CheckButton->OnClick = TNotifyEvent(this, &F::CheckButtonClick);
    UncheckButton->OnClick = TNotifyEvent(this, &F::UncheckButtonClick);
    ListView1->OnClick = TNotifyEvent(this, &F::ListView1Click);
    ListView1->OnChange = TLVChangeEvent(this, &F::ListView1Change);
    PriorityComboBox->OnChange = TNotifyEvent(this, &F::PriorityComboBoxChange);
    PermitComboBox->OnChange = TNotifyEvent(this, &F::PermitComboBoxChange);
    OnCreate = TNotifyEvent(this, &F::FormCreate);
    OnClose = TCloseEvent(this, &F::FormClose);
    DoCreate();
}

// The fields a check box chooses, in the order the entry check walks them.
TAclRuleFields TIPRuleForm::Fields() const
{
    return {
        {oSrcIp, SourceIPEdit, cbxSourceIP},
        {oDstIp, DestIPEdit, cbxDestIP},
        {oDscp, DSCPEdit, cbxDscp},
        {oProtocol, ProtocolComboBox, cbxProtocol},
        {oIcmp, RuleIcmpComboBox, cbxRuleIcmp},
        {oIgmp, RuleIgmpComboBox, cbxRuleIgmp},
        {oSrcPort, SourcePortEdit, cbxSourcePort},
        {oDstPort, DestPortEdit, cbxDestPort},
        {oFlagBits, FlagEdit, cbxFBs},
        {oProtoID, ProtocolIDEdit, cbxProtocolID},
        {oUserMask, UserMaskEdit, cbxUserMask},
        {oEnablePriority, PriorityComboBox, cbxEnablePriority},
        {oPriority, PriorityEdit, cbxPriority},
        {oReplacePriority, ReplaceComboBox, cbxReplacePriority},
        {oEnableReplaceDscp, EnableReplComboBox, cbxEnableReplaceDscp},
        {oRepDscp, DSCPValueEdit, cbxValue},
        {oPermit, PermitComboBox, cbxPermit},
        {oRxRate, RxRateEdit, cbxRxRate},
        {oRowStatus, RowComboBox, cbxRow},
    };
}

void TIPRuleForm::FormCreate(TObject*)
{
    try {
        PortPage = NewPortPage(StackingPortPanel);
        const AnsiString ports = PortIndexList(64);
        Request = NewRequest(swACLIpRuleEntry, MVT_UMV, 2);
        Request->Mode = 0;
        Request->BindListView(ListView1, true);
        Request->AssociateFormat(oProfileID, "%i{n1x6}", IPRuleEdit);
        Request->AssociateFormat(oAccessID, "%i{n1x128}", AccessIDEdit);
        Request->AssociateFormat(oSrcIp, "%s{l16}", SourceIPEdit);
        Request->AssociateFormat(oDstIp, "%s{l16}", DestIPEdit);
        Request->AssociateFormat(oDscp, "%i{n0x63l2}", DSCPEdit);
        Request->Associate(oProtocol, ProtocolComboBox);
        Request->Associate(oIcmp, RuleIcmpComboBox);
        Request->Associate(oIgmp, RuleIgmpComboBox);
        Request->AssociateFormat(oSrcPort, "%i{n0x65535l5}", SourcePortEdit);
        Request->AssociateFormat(oDstPort, "%i{n0x65535l5}", DestPortEdit);
        Request->AssociateFormat(oFlagBits, "%i{n0x63l2}", FlagEdit);
        Request->AssociateFormat(oProtoID, "%i{n0x255l3}", ProtocolIDEdit);
        Request->AssociateFormat(oUserMask, "%s", UserMaskEdit);
        Request->Associate(oEnablePriority, PriorityComboBox);
        Request->AssociateFormat(oPriority, "%i{n0x7l1}", PriorityEdit);
        Request->Associate(oReplacePriority, ReplaceComboBox);
        Request->Associate(oEnableReplaceDscp, EnableReplComboBox);
        Request->AssociateFormat(oRepDscp, "%i{n0x63l2}", DSCPValueEdit);
        Request->Associate(oPermit, PermitComboBox);
        Request->AssociateIndexList(oPorts, ports, PortPage->PortChecks);
        Request->AssociateFormat(oRxRate, "%i{n0x156249}", RxRateEdit);
        Request->Associate(oRowStatus, RowComboBox);
        Request->SetMessageControl(StatusBar1);
        for (TEdit* e : {IPRuleEdit, AccessIDEdit, SourceIPEdit, DestIPEdit, DSCPEdit, SourcePortEdit, DestPortEdit,
                         FlagEdit, ProtocolIDEdit, UserMaskEdit, PriorityEdit, DSCPValueEdit, RxRateEdit})
            e->SetText("");
        for (TComboBox* c : {RuleIcmpComboBox, RuleIgmpComboBox, PriorityComboBox, ReplaceComboBox,
                             EnableReplComboBox, PermitComboBox})
            c->SetItemIndex(1);
        ProtocolComboBox->SetItemIndex(-1);
        PriorityComboBoxChange(this);
        RowComboBox->SetItemIndex(kRowCreateAndGo);
        IdleState();
        Request->Get();
        ShowCount();
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
        ShowCount();
    }
}

void TIPRuleForm::FormClose(TObject*, TCloseAction& Action)
{
    ReleaseRequest(Request);
    Action = caFree;
}

void TIPRuleForm::IdleState()
{
    EditButton->SetEnabled(false);
    DeleteButton->SetEnabled(false);
    IPRuleEdit->SetEnabled(true);
    AccessIDEdit->SetEnabled(true);
    AddButton->SetEnabled(true);
}

// No row selected: the protocol is the operator's to choose again, from no item, as on a
// fresh form; the one a row showed says nothing about a new rule.
void TIPRuleForm::AddMode()
{
    ForgetSelection(ListView1);
    IdleState();
    ProtocolComboBox->SetItemIndex(-1);
    ProtocolComboBox->SetEnabled(true);
    cbxProtocol->SetChecked(false);
    cbxProtocol->SetEnabled(true);
    PriorityComboBoxChange(this);
    ClearIpRuleFields();
}

void TIPRuleForm::ClearIpRuleFields()
{
    for (TEdit* e : {IPRuleEdit, AccessIDEdit, SourceIPEdit, DestIPEdit, DSCPEdit, SourcePortEdit, DestPortEdit,
                     FlagEdit, ProtocolIDEdit, UserMaskEdit, PriorityEdit, DSCPValueEdit, RxRateEdit})
        e->SetText("");
    if (ListView1->Items()->Count() == 0) StaticText1->SetCaption("0");
    for (const TAclRuleField& f : Fields())
        if (f.box != cbxPriority && f.box != cbxReplacePriority) f.box->SetChecked(false);
    SetBoxesIfFocusable({cbxPriority, cbxReplacePriority}, false);
    if (PortPage) PortPage->ClearChecks();
}

void TIPRuleForm::ShowCount() { StaticText1->SetCaption(IntToStr(ListView1->Items()->Count())); }

void TIPRuleForm::Failed(const AnsiString& text)
{
    AddMode();
    ShowInPanel(StatusBar1, text);
}

void TIPRuleForm::GetButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        Request->Get();
        AddMode();
    } catch (...) {
        Failed(CurrentExceptionText());
    }
}

void TIPRuleForm::ListView1Click(TObject*)
{
    TListItem* row = ListView1->Selected();
    if (!row) {
        AddMode();
        return;
    }
    IPRuleEdit->SetText(row->Caption());
    AccessIDEdit->SetText(SelectedRowText(ListView1, oAccessID));
    EditButton->SetEnabled(true);
    DeleteButton->SetEnabled(true);
    IPRuleEdit->SetEnabled(false);
    AccessIDEdit->SetEnabled(false);
    AddButton->SetEnabled(false);
    ProtocolComboBox->SetEnabled(false);
    cbxProtocol->SetChecked(false);
    cbxProtocol->SetEnabled(false);
    PriorityComboBoxChange(this);
}

void TIPRuleForm::ListView1Change(TObject*, TListItem*, TItemChange) { ShowCount(); }

void TIPRuleForm::PriorityComboBoxChange(TObject*)
{
    ApplyPrioritySwitch(PriorityComboBox, cbxPriority, PriorityEdit, cbxReplacePriority, ReplaceComboBox, false);
}

void TIPRuleForm::PermitComboBoxChange(TObject*) {}

// The protocol box is set even while it is disabled; the two priority boxes only while enabled.
void TIPRuleForm::CheckFieldBoxes(bool checked)
{
    for (const TAclRuleField& f : Fields())
        if (f.box != cbxPriority && f.box != cbxReplacePriority) f.box->SetChecked(checked);
    SetBoxesIfFocusable({cbxPriority, cbxReplacePriority}, checked);
}

void TIPRuleForm::CheckButtonClick(TObject*) { CheckFieldBoxes(true); }

void TIPRuleForm::UncheckButtonClick(TObject*) { CheckFieldBoxes(false); }

bool TIPRuleForm::ValidateIpRuleEntry()
{
    if (IPRuleEdit->Text().IsEmpty()) return RefuseEntry("IP Rule ID must be set.", IPRuleEdit);
    if (AccessIDEdit->Text().IsEmpty()) return RefuseEntry("IP Rule Access ID must be set.", AccessIDEdit);
    for (const TAclRuleField& f : Fields()) {
        if (!f.box->Checked()) continue;
        if (ShowsNoText(f.control)) return RefuseEntry("Some checked field is empty", f.control);
        if ((f.control == SourceIPEdit || f.control == DestIPEdit) &&
            !ParseIpv4Text(static_cast<TEdit*>(f.control)->Text()))
            return RefuseEntry("Please input a valid ip", f.control);
        if (f.control == UserMaskEdit && !IsHexDigits(UserMaskEdit->Text(), 8))
            return RefuseEntry("Invalid UserMask", UserMaskEdit);
        if (f.control == RxRateEdit) {
            const int v = RxRateEdit->Text().ToIntDef(-1);
            if (v < 0 || v > 156249) return RefuseEntry("Rx Rate should between 0-156249", RxRateEdit);
        }
    }
    return true;
}

// A protocol field goes only with its protocol: ticked while no protocol is chosen, it would
// be left out unseen.
bool TIPRuleForm::ProtocolCarriesTickedFields()
{
    if (ProtocolComboBox->ItemIndex() > 0) return true;
    const struct {
        TCheckBox* box;
        const char* text;
    } fields[] = {
        {cbxRuleIcmp, "Rule ICMP is sent only with the Rule Protocol icmp."},
        {cbxRuleIgmp, "Rule IGMP is sent only with the Rule Protocol igmp."},
        {cbxSourcePort, "Source Port is sent only with the Rule Protocol tcp or udp."},
        {cbxDestPort, "Destination Port is sent only with the Rule Protocol tcp or udp."},
        {cbxFBs, "Flag Bits is sent only with the Rule Protocol tcp."},
        {cbxProtocolID, "Protocol ID is sent only with the Rule Protocol protocolId."},
        {cbxUserMask, "User Mask is sent only with the Rule Protocol protocolId."},
    };
    for (const auto& f : fields)
        if (f.box->Checked()) return RefuseEntry(f.text, ProtocolComboBox);
    return true;
}

// What the chosen protocol lets go: the objects of the other protocols stay out.
void TIPRuleForm::ApplyRuleProtocolFields(TSavedAccessFlags& flags)
{
    static const std::vector<int> kLeftOut[] = {
        {oIcmp, oIgmp, oSrcPort, oDstPort, oFlagBits, oProtoID, oUserMask},  // none
        {oIgmp, oSrcPort, oDstPort, oFlagBits, oProtoID, oUserMask},         // icmp
        {oIcmp, oSrcPort, oDstPort, oFlagBits, oProtoID, oUserMask},         // igmp
        {oIcmp, oIgmp, oProtoID, oUserMask},                                 // tcp
        {oIcmp, oIgmp, oFlagBits, oProtoID, oUserMask},                      // udp
        {oIcmp, oIgmp, oSrcPort, oDstPort, oFlagBits},                       // protocolId
    };
    const int item = ProtocolComboBox->ItemIndex();
    if (item < 0 || item >= static_cast<int>(std::size(kLeftOut))) return;
    for (int i : kLeftOut[item]) flags.LeaveOut(i);
}

void TIPRuleForm::ChooseObjects(TSavedAccessFlags& flags)
{
    LeaveOutUnchecked(flags, Fields());
    ApplyRuleProtocolFields(flags);
    if (PriorityObjectsLeftOut(ListView1, oEnablePriority, cbxEnablePriority, PriorityComboBox)) {
        flags.LeaveOut(oPriority);
        flags.LeaveOut(oReplacePriority);
    }
}

void TIPRuleForm::LeaveOutAllButRowStatus(TSavedAccessFlags& flags)
{
    for (int i = oSrcIp; i < oRowStatus; ++i) flags.LeaveOut(i);
}

// The row is addressed by the two key edits; the port list always goes with a full write.
void TIPRuleForm::WriteRule(bool destroyOnly)
{
    try {
        {
            TSavedAccessFlags flags(Request->Request.varList);
            if (destroyOnly) {
                LeaveOutAllButRowStatus(flags);
                RowComboBox->SetItemIndex(kRowDestroy);
            } else {
                ChooseObjects(flags);
            }
            WriteChosenObjects(Request);
        }
        Request->Get();
        AddMode();
    } catch (...) {
        Failed(CurrentExceptionText());
    }
}

void TIPRuleForm::AddButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    if (!ValidateIpRuleEntry()) return;
    if (HasListedRow(ListView1, IPRuleEdit->Text(), AccessIDEdit->Text())) {
        RefuseEntry("Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
                    IPRuleEdit);
        return;
    }
    if (RowComboBox->ItemIndex() != kRowCreateAndGo || !cbxRow->Checked()) {
        RefuseEntry("Row State must be checked and set to createAndGo.", RowComboBox);
        return;
    }
    if (!ProtocolCarriesTickedFields()) return;
    WriteRule(false);
}

void TIPRuleForm::EditButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    if (!ValidateIpRuleEntry()) return;
    const bool destroyOnly = RowComboBox->ItemIndex() == kRowDestroy && cbxRow->Checked();
    if (!destroyOnly && !ProtocolCarriesTickedFields()) return;
    WriteRule(destroyOnly);
}

void TIPRuleForm::DeleteButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    WriteRule(true);
}
