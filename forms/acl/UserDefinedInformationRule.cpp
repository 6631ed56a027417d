#include "forms/acl/UserDefinedInformationRule.h"

#include "forms/layer2/textchecks.h"
#include "mib/acl.h"

namespace {

// clang-format off
const TResComponent kComponents[] = {
    // class          name                     parent    left top   w    h  align
    {"TStatusBar",    "StatusBar1",            nullptr,     0,   0,   0,  19, alBottom, nullptr, "50"},
    {"TPanel",        "Panel1",                nullptr,     0,   0,  99,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",       "GetButton",             "Panel1",    8,  12,  83,  25, alNone, "Refresh"},
    {"TButton",       "EditButton",            "Panel1",    8,  44,  83,  25, alNone, "Edit"},
    {"TButton",       "AddButton",             "Panel1",    8,  76,  83,  25, alNone, "Add"},
    {"TButton",       "DeleteButton",          "Panel1",    8, 108,  83,  25, alNone, "Delete"},
    {"TButton",       "CheckButton",           "Panel1",    8, 152,  83,  25, alNone, "Check All"},
    {"TButton",       "UncheckButton",         "Panel1",    8, 184,  83,  25, alNone, "Clear Checks"},
    {"TStaticText",   "StaticText1",           "Panel1",    8, 224,  83,  20, alNone, "0", nullptr, rfSunken | rfCenter},
    {"TSplitter",     "Splitter1",             nullptr,     0,   0,   4,   0, alRight},
    {"TPanel",        "Panel2",                nullptr,     0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPanel",        "Panel3",                "Panel2",    0,   0,   0, 170, alTop, "", nullptr, rfBevelNone},
    {"TListView",     "ListView1",             "Panel3",    0,   0,   0,   0, alClient},
    {"TSplitter",     "Splitter2",             "Panel2",    0,   0,   0,   4, alTop},
    {"TPanel",        "Panel4",                "Panel2",    0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TLabel",        "Label3",                "Panel4",   26,  10, 170,  16, alNone, "Profile ID"},
    {"TEdit",         "ProfileIDEdit",         "Panel4",  200,   6, 250,  21},
    {"TLabel",        "Label4",                "Panel4",   26,  36, 170,  16, alNone, "Access ID"},
    {"TEdit",         "AccessIDEdit",          "Panel4",  200,  32, 250,  21},
    {"TCheckBox",     "cbxGroupFirst",         "Panel4",    8,  62,  16,  17},
    {"TLabel",        "Label5",                "Panel4",   26,  62, 170,  16, alNone, "Packet(s) Offset [0 to 15]"},
    {"TEdit",         "OffsetGroupFirstEdit",  "Panel4",  200,  58, 250,  21},
    {"TCheckBox",     "cbxGroupSecond",        "Panel4",    8,  88,  16,  17},
    {"TLabel",        "Label6",                "Panel4",   26,  88, 170,  16, alNone, "Packet(s) Offset [16 to 31]"},
    {"TEdit",         "OffsetGroupSecondEdit", "Panel4",  200,  84, 250,  21},
    {"TCheckBox",     "cbxGroupThird",         "Panel4",    8, 114,  16,  17},
    {"TLabel",        "Label7",                "Panel4",   26, 114, 170,  16, alNone, "Packet(s) Offset [32 to 47]"},
    {"TEdit",         "OffsetGroupThirdEdit",  "Panel4",  200, 110, 250,  21},
    {"TCheckBox",     "cbxGroupForth",         "Panel4",    8, 140,  16,  17},
    {"TLabel",        "Label8",                "Panel4",   26, 140, 170,  16, alNone, "Packet(s) Offset [48 to 63]"},
    {"TEdit",         "OffsetGroupForthEdit",  "Panel4",  200, 136, 250,  21},
    {"TCheckBox",     "cbxGroupFifth",         "Panel4",    8, 166,  16,  17},
    {"TLabel",        "Label9",                "Panel4",   26, 166, 170,  16, alNone, "Packet(s) Offset [64 to 79]"},
    {"TEdit",         "OffsetGroupFifthEdit",  "Panel4",  200, 162, 250,  21},
    {"TCheckBox",     "cbxEnablePriority",     "Panel4",  470,  10,  16,  17},
    {"TLabel",        "Label1",                "Panel4",  490,  10, 130,  16, alNone, "Enable Priority"},
    {"TComboBox",     "EnablePriComboBox",     "Panel4",  625,   6, 110,  21},
    {"TCheckBox",     "cbxPriority",           "Panel4",  470,  36,  16,  17},
    {"TLabel",        "Label10",               "Panel4",  490,  36, 130,  16, alNone, "Priority"},
    {"TEdit",         "PriorityEdit",          "Panel4",  625,  32, 110,  21},
    {"TCheckBox",     "cbxReplace",            "Panel4",  470,  62,  16,  17},
    {"TLabel",        "Label11",               "Panel4",  490,  62, 130,  16, alNone, "Replace Priority"},
    {"TComboBox",     "ReplPriyComboBox",      "Panel4",  625,  58, 110,  21},
    {"TCheckBox",     "cbxEnableReplace",      "Panel4",  470,  88,  16,  17},
    {"TLabel",        "Label12",               "Panel4",  490,  88, 130,  16, alNone, "Enable Replace DSCP"},
    {"TComboBox",     "EnableReplComboBox",    "Panel4",  625,  84, 110,  21},
    {"TCheckBox",     "cbxReplaceDscp",        "Panel4",  470, 114,  16,  17},
    {"TLabel",        "Label13",               "Panel4",  490, 114, 130,  16, alNone, "Replace DSCP"},
    {"TEdit",         "ReplDSCPEdit",          "Panel4",  625, 110, 110,  21},
    {"TCheckBox",     "cbxPermit",             "Panel4",  470, 140,  16,  17},
    {"TLabel",        "Label14",               "Panel4",  490, 140, 130,  16, alNone, "Permit"},
    {"TComboBox",     "PermitComboBox",        "Panel4",  625, 136, 110,  21},
    {"TCheckBox",     "cbxRow",                "Panel4",  470, 166,  16,  17},
    {"TLabel",        "Label15",               "Panel4",  490, 166, 130,  16, alNone, "Row Status"},
    {"TComboBox",     "RowComboBox",           "Panel4",  625, 162, 110,  21},
    {nullptr},
};
// clang-format on
const TResForm kLayout = {"UserDefinedInformationRuleForm", "User Defined Information Rule", 860, 470,
                          poMainFormCenter, bsSizeable, kComponents};

enum {
    oProfileID, oAccessID, oWindow1, oWindow2, oWindow3, oWindow4, oWindow5, oEnablePriority, oPriority,
    oReplacePriority, oEnableReplaceDscp, oRepDscp, oPermit, oRowStatus
};

const char* const kWindowTexts[] = {"[0 to 15]", "[16 to 31]", "[32 to 47]", "[48 to 63]", "[64 to 79]"};
const char* const kZeroWindow = "00000000000000000000000000000000";
// Permit item 0 is "deny".
constexpr int kDenyItem = 0;

}  // namespace

TUserDefinedInformationRuleForm::TUserDefinedInformationRuleForm(TComponent* Owner)
    : TFeatureFormBase(Owner, kLayout, fscSizeAndPosition)
{
    GetButton = C<TButton>("GetButton");
    EditButton = C<TButton>("EditButton");
    AddButton = C<TButton>("AddButton");
    DeleteButton = C<TButton>("DeleteButton");
    CheckButton = C<TButton>("CheckButton");
    UncheckButton = C<TButton>("UncheckButton");
    StaticText1 = C<TStaticText>("StaticText1");
    ListView1 = C<TListView>("ListView1");
    ProfileIDEdit = C<TEdit>("ProfileIDEdit");
    AccessIDEdit = C<TEdit>("AccessIDEdit");
    OffsetGroupFirstEdit = C<TEdit>("OffsetGroupFirstEdit");
    OffsetGroupSecondEdit = C<TEdit>("OffsetGroupSecondEdit");
    OffsetGroupThirdEdit = C<TEdit>("OffsetGroupThirdEdit");
    OffsetGroupForthEdit = C<TEdit>("OffsetGroupForthEdit");
    OffsetGroupFifthEdit = C<TEdit>("OffsetGroupFifthEdit");
    EnablePriComboBox = C<TComboBox>("EnablePriComboBox");
    PriorityEdit = C<TEdit>("PriorityEdit");
    ReplPriyComboBox = C<TComboBox>("ReplPriyComboBox");
    EnableReplComboBox = C<TComboBox>("EnableReplComboBox");
    ReplDSCPEdit = C<TEdit>("ReplDSCPEdit");
    PermitComboBox = C<TComboBox>("PermitComboBox");
    RowComboBox = C<TComboBox>("RowComboBox");
    cbxGroupFirst = C<TCheckBox>("cbxGroupFirst");
    cbxGroupSecond = C<TCheckBox>("cbxGroupSecond");
    cbxGroupThird = C<TCheckBox>("cbxGroupThird");
    cbxGroupForth = C<TCheckBox>("cbxGroupForth");
    cbxGroupFifth = C<TCheckBox>("cbxGroupFifth");
    cbxEnablePriority = C<TCheckBox>("cbxEnablePriority");
    cbxPriority = C<TCheckBox>("cbxPriority");
    cbxReplace = C<TCheckBox>("cbxReplace");
    cbxEnableReplace = C<TCheckBox>("cbxEnableReplace");
    cbxReplaceDscp = C<TCheckBox>("cbxReplaceDscp");
    cbxPermit = C<TCheckBox>("cbxPermit");
    cbxRow = C<TCheckBox>("cbxRow");
    StatusBar1 = C<TStatusBar>("StatusBar1");

    using F = TUserDefinedInformationRuleForm;
    GetButton->OnClick = TNotifyEvent(this, &F::GetButtonClick);
    EditButton->OnClick = TNotifyEvent(this, &F::EditButtonClick);
    AddButton->OnClick = TNotifyEvent(this, &F::AddButtonClick);
    DeleteButton->OnClick = TNotifyEvent(this, &F::DeleteButtonClick);
    CheckButton->OnClick = TNotifyEvent(this, &F::CheckButtonClick);
    UncheckButton->OnClick = TNotifyEvent(this, &F::UncheckButtonClick);
    ListView1->OnClick = TNotifyEvent(this, &F::ListView1Click);
    ListView1->OnChange = TLVChangeEvent(this, &F::ListView1Change);
    PermitComboBox->OnChange = TNotifyEvent(this, &F::PermitComboBoxChange);
    OnCreate = TNotifyEvent(this, &F::FormCreate);
    OnClose = TCloseEvent(this, &F::FormClose);
    DoCreate();
}

TAclRuleFields TUserDefinedInformationRuleForm::Windows() const
{
    return {
        {oWindow1, OffsetGroupFirstEdit, cbxGroupFirst},   {oWindow2, OffsetGroupSecondEdit, cbxGroupSecond},
        {oWindow3, OffsetGroupThirdEdit, cbxGroupThird},   {oWindow4, OffsetGroupForthEdit, cbxGroupForth},
        {oWindow5, OffsetGroupFifthEdit, cbxGroupFifth},
    };
}

std::vector<TCheckBox*> TUserDefinedInformationRuleForm::FieldBoxes() const
{
    return {cbxGroupFirst, cbxGroupSecond,   cbxGroupThird,  cbxGroupForth, cbxGroupFifth, cbxEnablePriority,
            cbxPriority,   cbxReplace,       cbxEnableReplace, cbxReplaceDscp, cbxPermit,  cbxRow};
}

void TUserDefinedInformationRuleForm::FormCreate(TObject*)
{
    try {
        Request = NewRequest(swProdACLPayloadRuleEntry, MVT_UMV, 2);
        Request->Mode = 0;
        Request->BindListView(ListView1, true);
        Request->AssociateFormat(oProfileID, "%i{n1x255}", ProfileIDEdit);
        Request->AssociateFormat(oAccessID, "%i{n1x255}", AccessIDEdit);
        for (const TAclRuleField& w : Windows())
            Request->AssociateFormat(w.object, "%s{l32}", static_cast<TEdit*>(w.control));
        Request->Associate(oEnablePriority, EnablePriComboBox);
        Request->AssociateFormat(oPriority, "%i{n0x7l1}", PriorityEdit);
        Request->Associate(oReplacePriority, ReplPriyComboBox);
        Request->Associate(oEnableReplaceDscp, EnableReplComboBox);
        Request->AssociateFormat(oRepDscp, "%i{n0x63l2}", ReplDSCPEdit);
        Request->Associate(oPermit, PermitComboBox);
        Request->Associate(oRowStatus, RowComboBox);
        Request->SetMessageControl(StatusBar1);
        for (TEdit* e : {ProfileIDEdit, AccessIDEdit, OffsetGroupFirstEdit, OffsetGroupSecondEdit,
                         OffsetGroupThirdEdit, OffsetGroupForthEdit, OffsetGroupFifthEdit, PriorityEdit, ReplDSCPEdit})
            e->SetText("");
        for (TComboBox* c : {EnablePriComboBox, ReplPriyComboBox, EnableReplComboBox, PermitComboBox})
            c->SetItemIndex(-1);
        RowComboBox->SetItemIndex(kRowCreateAndGo);
        IdleState();
        PermitComboBoxChange(this);
        Request->Get();
        ShowCount();
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
        ShowCount();
    }
}

void TUserDefinedInformationRuleForm::FormClose(TObject*, TCloseAction& Action)
{
    ReleaseRequest(Request);
    Action = caFree;
}

void TUserDefinedInformationRuleForm::IdleState()
{
    EditButton->SetEnabled(false);
    DeleteButton->SetEnabled(false);
    ProfileIDEdit->SetEnabled(true);
    AccessIDEdit->SetEnabled(true);
    AddButton->SetEnabled(true);
}

void TUserDefinedInformationRuleForm::ClearUserRuleFields()
{
    for (TEdit* e : {ProfileIDEdit, AccessIDEdit, OffsetGroupFirstEdit, OffsetGroupSecondEdit, OffsetGroupThirdEdit,
                     OffsetGroupForthEdit, OffsetGroupFifthEdit, PriorityEdit, ReplDSCPEdit})
        e->SetText("");
    if (ListView1->Items()->Count() == 0) StaticText1->SetCaption("0");
    SetBoxes(FieldBoxes(), false);
    // An Add with the row box unticked sends the row status shown: never a "destroy" that
    // Delete or a row left behind.
    RowComboBox->SetItemIndex(kRowCreateAndGo);
}

void TUserDefinedInformationRuleForm::ShowCount() { StaticText1->SetCaption(IntToStr(ListView1->Items()->Count())); }

void TUserDefinedInformationRuleForm::EnablePriorityControls(bool on)
{
    for (TWinControl* c : std::initializer_list<TWinControl*>{
             EnablePriComboBox, PriorityEdit, ReplPriyComboBox, EnableReplComboBox, ReplDSCPEdit, cbxEnablePriority,
             cbxPriority, cbxReplace, cbxEnableReplace, cbxReplaceDscp})
        c->SetEnabled(on);
}

void TUserDefinedInformationRuleForm::PermitComboBoxChange(TObject*)
{
    EnablePriorityControls(PermitComboBox->Text() != "deny");
}

void TUserDefinedInformationRuleForm::Failed(const AnsiString& text)
{
    ForgetSelection(ListView1);
    IdleState();
    ClearUserRuleFields();
    PermitComboBoxChange(this);
    ShowInPanel(StatusBar1, text);
}

void TUserDefinedInformationRuleForm::GetButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        Request->Get();
        IdleState();
        ClearUserRuleFields();
        PermitComboBoxChange(this);
    } catch (...) {
        Failed(CurrentExceptionText());
    }
}

void TUserDefinedInformationRuleForm::ListView1Click(TObject*)
{
    TListItem* row = ListView1->Selected();
    if (!row) {
        IdleState();
        ClearUserRuleFields();
        PermitComboBoxChange(this);
        return;
    }
    ProfileIDEdit->SetText(row->Caption());
    AccessIDEdit->SetText(SelectedRowText(ListView1, oAccessID));
    EditButton->SetEnabled(true);
    DeleteButton->SetEnabled(true);
    ProfileIDEdit->SetEnabled(false);
    AccessIDEdit->SetEnabled(false);
    AddButton->SetEnabled(false);
    EnablePriorityControls(SelectedRowText(ListView1, oPermit).LowerCase() != "deny");
}

void TUserDefinedInformationRuleForm::ListView1Change(TObject*, TListItem*, TItemChange) { ShowCount(); }

void TUserDefinedInformationRuleForm::CheckButtonClick(TObject*) { SetBoxes(FieldBoxes(), true); }

void TUserDefinedInformationRuleForm::UncheckButtonClick(TObject*) { SetBoxes(FieldBoxes(), false); }

// A window counts when it is chosen and holds more than zeros.
int TUserDefinedInformationRuleForm::WindowsInUse() const
{
    int n = 0;
    for (const TAclRuleField& w : Windows()) {
        const AnsiString text = static_cast<TEdit*>(w.control)->Text();
        if (w.box->Checked() && !text.IsEmpty() && text != kZeroWindow) ++n;
    }
    return n;
}

void TUserDefinedInformationRuleForm::WriteRule(bool adding)
{
    try {
        {
            TSavedAccessFlags flags(Request->Request.varList);
            int k = 0;
            for (const TAclRuleField& w : Windows()) {
                const char* range = kWindowTexts[k++];
                if (!w.box->Checked()) {
                    flags.LeaveOut(w.object);
                } else if (!IsPayloadHexText(static_cast<TEdit*>(w.control)->Text())) {
                    RefuseEntry(AnsiString("Packet(s) Offset ") + range + " can not contain invalid character(s).",
                                w.control);
                    return;
                }
            }
            const TAclRuleFields choices = {
                {oEnablePriority, EnablePriComboBox, cbxEnablePriority}, {oPriority, PriorityEdit, cbxPriority},
                {oReplacePriority, ReplPriyComboBox, cbxReplace},
                {oEnableReplaceDscp, EnableReplComboBox, cbxEnableReplace}, {oRepDscp, ReplDSCPEdit, cbxReplaceDscp},
                {oPermit, PermitComboBox, cbxPermit},
            };
            LeaveOutUnchecked(flags, choices);
            if (cbxPermit->Checked() && PermitComboBox->ItemIndex() == kDenyItem)
                for (int i = oEnablePriority; i <= oRepDscp; ++i) flags.LeaveOut(i);
            if (!adding && !cbxRow->Checked()) flags.LeaveOut(oRowStatus);
            WriteChosenObjects(Request);
        }
        GetButtonClick(this);
    } catch (...) {
        Failed(CurrentExceptionText());
    }
}

void TUserDefinedInformationRuleForm::WriteRowStatusOnly()
{
    try {
        {
            TSavedAccessFlags flags(Request->Request.varList);
            for (int i = oWindow1; i < oRowStatus; ++i) flags.LeaveOut(i);
            RowComboBox->SetItemIndex(kRowDestroy);
            WriteChosenObjects(Request);
        }
        GetButtonClick(this);
    } catch (...) {
        Failed(CurrentExceptionText());
    }
}

void TUserDefinedInformationRuleForm::AddButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    if (ProfileIDEdit->Text().IsEmpty()) {
        RefuseEntry("Profile ID must be set.");
        return;
    }
    if (AccessIDEdit->Text().IsEmpty()) {
        RefuseEntry("Access ID must be set.");
        return;
    }
    if (HasListedRow(ListView1, ProfileIDEdit->Text(), AccessIDEdit->Text())) {
        RefuseEntry("There is already a record with the same Profile ID and Access ID. Please modified eithor of them.",
                    ProfileIDEdit);
        return;
    }
    if (cbxRow->Checked() && RowComboBox->ItemIndex() != kRowCreateAndGo) {
        RefuseEntry("Row State must be createAndGo.", RowComboBox);
        return;
    }
    if (WindowsInUse() > 2) {
        RefuseEntry("Packet(s) Offset can not over two groups.", OffsetGroupFirstEdit);
        return;
    }
    WriteRule(true);
}

void TUserDefinedInformationRuleForm::EditButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    if (ProfileIDEdit->Text().IsEmpty()) {
        RefuseEntry("Profile ID must be set.");
        return;
    }
    if (AccessIDEdit->Text().IsEmpty()) {
        RefuseEntry("Access ID must be set.");
        return;
    }
    if (RowComboBox->ItemIndex() == kRowDestroy && cbxRow->Checked()) {
        WriteRowStatusOnly();
        return;
    }
    if (WindowsInUse() > 2) {
        RefuseEntry("Packet(s) Offset can not over two groups.", OffsetGroupFirstEdit);
        return;
    }
    WriteRule(false);
}

void TUserDefinedInformationRuleForm::DeleteButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    WriteRowStatusOnly();
}
