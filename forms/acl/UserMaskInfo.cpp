#include "forms/acl/UserMaskInfo.h"

#include "forms/acl/aclformkit.h"
#include "forms/layer2/stackingportunit.h"
#include "forms/layer2/textchecks.h"
#include "mainwindow/mainunit.h"
#include "mib/acl.h"

TUserMaskInfoForm* UserMaskInfoForm = nullptr;

namespace {

// clang-format off
const TResComponent kComponents[] = {
    // class          name                 parent        left top   w    h  align
    {"TStatusBar",    "StatusBar1",        nullptr,         0,   0,   0,  19, alBottom, nullptr, "50"},
    {"TPanel",        "Panel1",            nullptr,         0,   0,  99,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",       "GetButton",         "Panel1",        8,  12,  83,  25, alNone, "Refresh"},
    {"TButton",       "OperButton",        "Panel1",        8,  44,  83,  25, alNone, "Edit"},
    {"TButton",       "AddButton",         "Panel1",        8,  76,  83,  25, alNone, "Add"},
    {"TButton",       "DeleteButton",      "Panel1",        8, 108,  83,  25, alNone, "Delete"},
    {"TStaticText",   "Static",            "Panel1",        8, 148,  83,  20, alNone, "0", nullptr, rfHidden | rfSunken | rfCenter},
    {"TSplitter",     "Splitter1",         nullptr,         0,   0,   4,   0, alRight},
    {"TPanel",        "Panel2",            nullptr,         0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPanel",        "StackingPortPanel", "Panel2",        0,   0,   0,  72, alBottom, "", nullptr, rfBevelNone},
    {"TSplitter",     "Splitter2",         "Panel2",        0,   0,   0,   4, alBottom},
    {"TPanel",        "Panel4",            "Panel2",        0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPanel",        "Panel6",            "Panel4",        0,   0,   0, 118, alBottom, "", nullptr, rfBevelNone},
    {"TPanel",        "Panel5",            "Panel4",        0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TListView",     "ListView1",         "Panel5",        0,   0,   0,   0, alClient},
    {"TLabel",        "Label1",            "Panel6",       10,  12, 160,  16, alNone, "Mask Entry ID"},
    {"TEdit",         "Edit1",             "Panel6",      172,   8, 240,  21},
    {"TLabel",        "Label2",            "Panel6",       10,  38, 160,  16, alNone, "Filtered Port(s) [0 to 15]"},
    {"TEdit",         "Edit5",             "Panel6",      172,  34, 240,  21},
    {"TLabel",        "Label3",            "Panel6",       10,  64, 160,  16, alNone, "Filtered Port(s) [16 to 31]"},
    {"TEdit",         "Edit3",             "Panel6",      172,  60, 240,  21},
    {"TLabel",        "Label4",            "Panel6",       10,  90, 160,  16, alNone, "Filtered Port(s) [32 to 47]"},
    {"TEdit",         "Edit4",             "Panel6",      172,  86, 240,  21},
    {"TLabel",        "Label5",            "Panel6",      430,  12, 160,  16, alNone, "Filtered Port(s) [48 to 63]"},
    {"TEdit",         "Edit6",             "Panel6",      592,   8, 240,  21},
    {"TLabel",        "Label6",            "Panel6",      430,  38, 160,  16, alNone, "Filtered Port(s) [64 to 79]"},
    {"TEdit",         "Edit7",             "Panel6",      592,  34, 240,  21},
    {"TLabel",        "Label7",            "Panel6",      430,  64, 160,  16, alNone, "Mask Row Status"},
    {"TComboBox",     "ComboBox1",         "Panel6",      592,  60, 240,  21},
    {nullptr},
};
// clang-format on
const TResForm kLayout = {"UserMaskInfoForm", "User Defined Mask Information", 960, 480, poMainFormCenter,
                          bsSizeable, kComponents};

enum { oEntryID, oPorts, oMask1, oMask2, oMask3, oMask4, oMask5, oRowStatus };

const char* const kZeroMask = "00000000000000000000000000000000";

}  // namespace

TUserMaskInfoForm::TUserMaskInfoForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    GetButton = C<TButton>("GetButton");
    OperButton = C<TButton>("OperButton");
    AddButton = C<TButton>("AddButton");
    DeleteButton = C<TButton>("DeleteButton");
    Static = C<TStaticText>("Static");
    StackingPortPanel = C<TPanel>("StackingPortPanel");
    ListView1 = C<TListView>("ListView1");
    Edit1 = C<TEdit>("Edit1");
    Edit3 = C<TEdit>("Edit3");
    Edit4 = C<TEdit>("Edit4");
    Edit5 = C<TEdit>("Edit5");
    Edit6 = C<TEdit>("Edit6");
    Edit7 = C<TEdit>("Edit7");
    ComboBox1 = C<TComboBox>("ComboBox1");
    StatusBar1 = C<TStatusBar>("StatusBar1");

    using F = TUserMaskInfoForm;
    GetButton->OnClick = TNotifyEvent(this, &F::GetButtonClick);
    OperButton->OnClick = TNotifyEvent(this, &F::OperButtonClick);
    AddButton->OnClick = TNotifyEvent(this, &F::AddButtonClick);
    DeleteButton->OnClick = TNotifyEvent(this, &F::DeleteButtonClick);
    ListView1->OnClick = TNotifyEvent(this, &F::ListView1Click);
    ListView1->OnChange = TLVChangeEvent(this, &F::ListView1Change);
    OnCreate = TNotifyEvent(this, &F::FormCreate);
    OnClose = TCloseEvent(this, &F::FormClose);
    DoCreate();
}

void TUserMaskInfoForm::FormCreate(TObject*)
{
    try {
        PortPage = NewPortPage(StackingPortPanel);
        SetCaption("User Defined Mask Information :" + (MainForm ? MainForm->AgentAddress : AnsiString()));
        const AnsiString ports = PortIndexList(64);
        Request = NewRequest(swProdACLPayloadEntry, MVT_UMV, 1);
        Request->Mode = 0;
        Request->BindListView(ListView1, true);
        Request->AssociateFormat(oEntryID, "%i{n1x255l3}", Edit1);
        Request->AssociateIndexList(oPorts, ports, PortPage->PortChecks);
        Request->AssociateFormat(oMask1, "%s{l32}", Edit5);
        Request->AssociateFormat(oMask2, "%s{l32}", Edit3);
        Request->AssociateFormat(oMask3, "%s{l32}", Edit4);
        Request->AssociateFormat(oMask4, "%s{l32}", Edit6);
        Request->AssociateFormat(oMask5, "%s{l32}", Edit7);
        Request->Associate(oRowStatus, ComboBox1);
        Request->SetMessageControl(StatusBar1);
        for (TEdit* e : {Edit1, Edit5, Edit3, Edit4, Edit6, Edit7}) e->SetText("");
        ComboBox1->SetItemIndex(kRowCreateAndGo);
        IdleState();
        Request->Get();
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
    }
}

void TUserMaskInfoForm::FormClose(TObject*, TCloseAction& Action)
{
    ReleaseRequest(Request);
    Action = caFree;
}

void TUserMaskInfoForm::IdleState()
{
    OperButton->SetEnabled(false);
    DeleteButton->SetEnabled(false);
    Edit1->SetEnabled(true);
    AddButton->SetEnabled(true);
}

void TUserMaskInfoForm::ClearUserMaskFields()
{
    for (TEdit* e : {Edit1, Edit3, Edit4, Edit5, Edit6, Edit7}) e->SetText("");
    if (PortPage) PortPage->ClearChecks();
    if (ListView1->Items()->Count() == 0) Static->SetCaption("0");
}

void TUserMaskInfoForm::Failed(const AnsiString& text)
{
    ForgetSelection(ListView1);
    IdleState();
    ClearUserMaskFields();
    ShowInPanel(StatusBar1, text);
}

void TUserMaskInfoForm::GetButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        Request->Get();
        IdleState();
        ClearUserMaskFields();
    } catch (...) {
        Failed(CurrentExceptionText());
    }
}

void TUserMaskInfoForm::ListView1Click(TObject*)
{
    if (!ListView1->Selected()) {
        IdleState();
        ClearUserMaskFields();  // add mode shows no values of the row let go
        return;
    }
    OperButton->SetEnabled(true);
    DeleteButton->SetEnabled(true);
    Edit1->SetEnabled(false);
    AddButton->SetEnabled(false);
}

void TUserMaskInfoForm::ListView1Change(TObject*, TListItem*, TItemChange)
{
    Static->SetCaption(IntToStr(ListView1->Items()->Count()));
}

int TUserMaskInfoForm::GroupsInUse() const
{
    int n = 0;
    for (TEdit* e : {Edit5, Edit3, Edit4, Edit6, Edit7})
        if (!e->Text().IsEmpty() && e->Text() != kZeroMask) ++n;
    return n;
}

bool TUserMaskInfoForm::AnyPortChecked() const
{
    for (int k = 0; k < PortPage->PortChecks->Count(); ++k)
        if (PortPage->PortCheck(k)->Checked()) return true;
    return false;
}

bool TUserMaskInfoForm::ChooseMasks(TSavedAccessFlags& flags)
{
    const struct {
        TEdit* edit;
        int object;
        const char* range;
    } groups[] = {
        {Edit5, oMask1, "[0 to 15]"}, {Edit3, oMask2, "[16 to 31]"}, {Edit4, oMask3, "[32 to 47]"},
        {Edit6, oMask4, "[48 to 63]"}, {Edit7, oMask5, "[64 to 79]"},
    };
    for (const auto& g : groups) {
        if (g.edit->Text().IsEmpty()) flags.LeaveOut(g.object);
        else if (!IsPayloadHexText(g.edit->Text()))
            return RefuseEntry(AnsiString("Filtered Port(s) ") + g.range + " can not contain invalid character(s).",
                               g.edit);
    }
    return true;
}

// An add leaves the port list out when no port is ticked; an edit always sends it.
void TUserMaskInfoForm::WriteEntry(bool adding)
{
    try {
        {
            TSavedAccessFlags flags(Request->Request.varList);
            if (!ChooseMasks(flags)) return;
            if (adding && !AnyPortChecked()) flags.LeaveOut(oPorts);
            WriteChosenObjects(Request);
        }
        Request->Get();
        IdleState();
        ClearUserMaskFields();
    } catch (...) {
        Failed(CurrentExceptionText());
    }
}

void TUserMaskInfoForm::AddButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    if (Edit1->Text().IsEmpty()) {
        RefuseEntry("Payload Entry ID must be set.", Edit1);
        return;
    }
    if (HasListedRow(ListView1, Edit1->Text())) {
        RefuseEntry("Payload Entry ID must be different.", Edit1);
        return;
    }
    if (ComboBox1->ItemIndex() != kRowCreateAndGo) {
        RefuseEntry("Row State must be createAndGo.", ComboBox1);
        return;
    }
    if (GroupsInUse() > 2) {
        RefuseEntry("Filtered Ports can not over two groups.", Edit5);
        return;
    }
    WriteEntry(true);
}

// The row status shown is sent as it is: "destroy" deletes the entry.
void TUserMaskInfoForm::OperButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    if (Edit1->Text().IsEmpty()) {
        RefuseEntry("Payload Entry ID must be set.");
        return;
    }
    if (ComboBox1->ItemIndex() != kRowDestroy && GroupsInUse() > 2) {
        RefuseEntry("Filtered Ports can not over two groups.", Edit5);
        return;
    }
    WriteEntry(false);
}

void TUserMaskInfoForm::DeleteButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        {
            TSavedAccessFlags flags(Request->Request.varList);
            for (int i = oPorts; i < oRowStatus; ++i) flags.LeaveOut(i);
            ComboBox1->SetItemIndex(kRowDestroy);
            WriteChosenObjects(Request);
        }
        Request->Get();
        IdleState();
        ClearUserMaskFields();
    } catch (...) {
        const AnsiString text = CurrentExceptionText();
        try {
            Request->Get();
        } catch (...) {
            // The delete's failure is the one to show.
        }
        Failed(text);
    }
}
