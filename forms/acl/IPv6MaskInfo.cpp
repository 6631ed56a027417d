#include "forms/acl/IPv6MaskInfo.h"

#include "forms/layer2/textchecks.h"
#include "mib/acl.h"

TIPv6MaskInfoForm* IPv6MaskInfoForm = nullptr;

namespace {

// clang-format off
const TResComponent kComponents[] = {
    // class          name                parent       left top   w    h  align
    {"TPanel",        "Panel1",           nullptr,        0,   0,  99,   0, alRight, "", nullptr, rfBevelNone},
    {"TPanel",        "Panel2",           "Panel1",       0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TStaticText",   "Static",           "Panel2",       8, 150,  83,  20, alNone, "", nullptr, rfHidden},
    {"TButton",       "GetButton",        "Panel2",       8,  12,  83,  25, alNone, "Refresh"},
    {"TButton",       "EditButton",       "Panel2",       8,  44,  83,  25, alNone, "Edit"},
    {"TButton",       "AddButton",        "Panel2",       8,  76,  83,  25, alNone, "Add"},
    {"TButton",       "DeleteButton",     "Panel2",       8, 108,  83,  25, alNone, "Delete"},
    {"TSplitter",     "Splitter1",        nullptr,        0,   0,   4,   0, alRight},
    {"TPanel",        "Panel3",           nullptr,        0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPanel",        "Panel6",           "Panel3",       0,   0,   0, 196, alBottom, "", nullptr, rfBevelNone},
    {"TPanel",        "Panel4",           "Panel3",       0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPanel",        "Panel5",           "Panel4",       0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TListView",     "ListView1",        "Panel5",       0,   0,   0,   0, alClient},
    {"TGroupBox",     "GroupBox1",        "Panel6",       4,   4, 486, 188, alNone, ""},
    {"TRadioButton",  "RadioButton1",     "GroupBox1",   12,  20, 210,  17, alNone, "Mask Class and Flow label"},
    {"TRadioButton",  "RadioButton2",     "GroupBox1",  240,  20, 210,  17, alNone, "Mask IPv6 Address"},
    {"TLabel",        "Label2",           "GroupBox1",   12,  50, 110,  16, alNone, "Mask Class"},
    {"TComboBox",     "cbxMaskClass",     "GroupBox1",  124,  46, 100,  21},
    {"TLabel",        "Label3",           "GroupBox1",   12,  78, 110,  16, alNone, "Mask Flow label"},
    {"TComboBox",     "cbxMaskFlowlabel", "GroupBox1",  124,  74, 100,  21},
    {"TLabel",        "Label4",           "GroupBox1",  240,  50, 120,  16, alNone, "Address Mask State"},
    {"TComboBox",     "cbxMaskState",     "GroupBox1",  366,  46, 112,  21},
    {"TLabel",        "Label5",           "GroupBox1",   12, 106, 110,  16, alNone, "Source Mask"},
    {"TEdit",         "edtSrcMask",       "GroupBox1",  124, 102, 270,  21},
    {"TLabel",        "Label6",           "GroupBox1",   12, 134, 110,  16, alNone, "Destination Mask"},
    {"TEdit",         "edtDstMask",       "GroupBox1",  124, 130, 270,  21},
    {"TStatusBar",    "StatusBar1",       "GroupBox1",    0,   0,   0,  19, alBottom, nullptr, "50"},
    {"TGroupBox",     "GroupBox2",        "Panel6",     480,   4, 160, 188, alNone, ""},
    {"TLabel",        "Label1",           "GroupBox2",   12,  24, 130,  16, alNone, "IPv6 Mask ID"},
    {"TEdit",         "edtMaskID",        "GroupBox2",   12,  42, 130,  21},
    {"TLabel",        "Label7",           "GroupBox2",   12,  76, 130,  16, alNone, "RowStatus"},
    {"TComboBox",     "cbxStatus",        "GroupBox2",   12,  94, 130,  21},
    {nullptr},
};
// clang-format on
const TResForm kLayout = {"IPv6MaskInfoForm", "IPv6 Mask Information", 760, 440, poMainFormCenter, bsSizeable,
                          kComponents};

enum { oMaskID, oClass, oFlowlabel, oState, oSrcMask, oDstMask, oRowStatus };
// Items of the two enable / disable boxes and of the address mask state.
enum { kDisable = 1, kStateOther = 0, kStateDst = 1, kStateSrc = 2 };

}  // namespace

TIPv6MaskInfoForm::TIPv6MaskInfoForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    Static = C<TStaticText>("Static");
    GetButton = C<TButton>("GetButton");
    EditButton = C<TButton>("EditButton");
    AddButton = C<TButton>("AddButton");
    DeleteButton = C<TButton>("DeleteButton");
    ListView1 = C<TListView>("ListView1");
    RadioButton1 = C<TRadioButton>("RadioButton1");
    RadioButton2 = C<TRadioButton>("RadioButton2");
    cbxMaskClass = C<TComboBox>("cbxMaskClass");
    cbxMaskFlowlabel = C<TComboBox>("cbxMaskFlowlabel");
    cbxMaskState = C<TComboBox>("cbxMaskState");
    edtSrcMask = C<TEdit>("edtSrcMask");
    edtDstMask = C<TEdit>("edtDstMask");
    StatusBar1 = C<TStatusBar>("StatusBar1");
    edtMaskID = C<TEdit>("edtMaskID");
    cbxStatus = C<TComboBox>("cbxStatus");

    using F = TIPv6MaskInfoForm;
    GetButton->OnClick = TNotifyEvent(this, &F::GetButtonClick);
    EditButton->OnClick = TNotifyEvent(this, &F::EditButtonClick);
    AddButton->OnClick = TNotifyEvent(this, &F::AddButtonClick);
    DeleteButton->OnClick = TNotifyEvent(this, &F::DeleteButtonClick);
    RadioButton1->OnClick = TNotifyEvent(this, &F::RadioButton1Click);
    RadioButton2->OnClick = TNotifyEvent(this, &F::RadioButton2Click);
    ListView1->OnClick = TNotifyEvent(this, &F::ListView1Click);
    ListView1->OnChange = TLVChangeEvent(this, &F::ListView1Change);
    OnCreate = TNotifyEvent(this, &F::FormCreate);
    OnClose = TCloseEvent(this, &F::FormClose);
    DoCreate();
}

void TIPv6MaskInfoForm::StartItems()
{
    cbxMaskClass->SetItemIndex(kDisable);
    cbxMaskFlowlabel->SetItemIndex(kDisable);
    cbxMaskState->SetItemIndex(kStateOther);
    cbxStatus->SetItemIndex(kRowCreateAndGo);
}

void TIPv6MaskInfoForm::FormCreate(TObject*)
{
    try {
        Request = NewRequest(swACLIpv6MaskEntry, MVT_UMV, 1);
        Request->Mode = 0;
        Request->BindListView(ListView1, true);
        Request->AssociateFormat(oMaskID, "%i{n1x6l1}", edtMaskID);
        Request->Associate(oClass, cbxMaskClass);
        Request->Associate(oFlowlabel, cbxMaskFlowlabel);
        Request->Associate(oState, cbxMaskState);
        Request->AssociateFormat(oSrcMask, "%s{l32}", edtSrcMask);
        Request->AssociateFormat(oDstMask, "%s{l32}", edtDstMask);
        Request->Associate(oRowStatus, cbxStatus);
        Request->SetMessageControl(StatusBar1);
        StartItems();
        Request->Get();
        IdleState();
    } catch (...) {
        StartItems();
        Failed();
    }
}

void TIPv6MaskInfoForm::FormClose(TObject*, TCloseAction& Action)
{
    ReleaseRequest(Request);
    Action = caFree;
}

void TIPv6MaskInfoForm::ClearFields()
{
    edtMaskID->SetText("");
    edtSrcMask->SetText("");
    edtDstMask->SetText("");
    RadioButton1->SetChecked(false);
    RadioButton2->SetChecked(false);
}

void TIPv6MaskInfoForm::IdleState()
{
    EditButton->SetEnabled(false);
    AddButton->SetEnabled(true);
    DeleteButton->SetEnabled(false);
    edtMaskID->SetEnabled(true);
}

void TIPv6MaskInfoForm::RowSelectedState()
{
    EditButton->SetEnabled(true);
    AddButton->SetEnabled(false);
    DeleteButton->SetEnabled(true);
    edtMaskID->SetEnabled(false);
}

void TIPv6MaskInfoForm::Failed()
{
    const AnsiString text = CurrentExceptionText();
    ForgetSelection(ListView1);
    IdleState();
    ClearFields();
    ShowInPanel(StatusBar1, text);
}

// An edit writes in two steps, so the switch may hold part of it: the list is read again.
void TIPv6MaskInfoForm::WriteFailed()
{
    const AnsiString text = CurrentExceptionText();
    try {
        Request->Get();
    } catch (...) {
        // The write's failure is the one to show.
    }
    ForgetSelection(ListView1);
    IdleState();
    ClearFields();
    ShowInPanel(StatusBar1, text);
}

void TIPv6MaskInfoForm::GetButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        Request->Get();
        IdleState();
        ClearFields();
    } catch (...) {
        Failed();
    }
}

void TIPv6MaskInfoForm::EnableKinds(bool classKind, bool addressKind)
{
    cbxMaskClass->SetEnabled(classKind);
    cbxMaskFlowlabel->SetEnabled(classKind);
    cbxMaskState->SetEnabled(addressKind);
    edtSrcMask->SetEnabled(addressKind);
    edtDstMask->SetEnabled(addressKind);
}

void TIPv6MaskInfoForm::RadioButton1Click(TObject*)
{
    if (!RadioButton1->Checked()) return;
    EnableKinds(true, false);
    cbxMaskState->SetItemIndex(kStateOther);
}

void TIPv6MaskInfoForm::RadioButton2Click(TObject*)
{
    if (!RadioButton2->Checked()) return;
    EnableKinds(false, true);
    cbxMaskClass->SetItemIndex(kDisable);
    cbxMaskFlowlabel->SetItemIndex(kDisable);
}

void TIPv6MaskInfoForm::ListView1Click(TObject*)
{
    if (!ListView1->Selected()) {
        IdleState();
        ClearFields();
        return;
    }
    const AnsiString state = SelectedRowText(ListView1, oState);
    if (SelectedRowText(ListView1, oClass) == "enable" || SelectedRowText(ListView1, oFlowlabel) == "enable") {
        RadioButton1->SetChecked(true);
        RadioButton1Click(RadioButton1);
    } else if (state == "dst-ipv6-addr" || state == "src-ipv6-addr" || state == "dst-src-ipv6-addr") {
        RadioButton2->SetChecked(true);
        RadioButton2Click(RadioButton2);
    } else {
        RadioButton1->SetChecked(false);
        RadioButton2->SetChecked(false);
        EnableKinds(true, true);
    }
    RowSelectedState();
}

void TIPv6MaskInfoForm::ListView1Change(TObject*, TListItem*, TItemChange)
{
    Static->SetCaption(IntToStr(ListView1->Items()->Count()));
}

bool TIPv6MaskInfoForm::MaskPasses(TEdit* edit, const char* nullMessage)
{
    if (edit->Text().IsEmpty()) return RefuseEntry(nullMessage, edit);
    if (!IsIpv6HexText(edit->Text())) return RefuseEntry("Invalid Ipv6 Address value", edit);
    return true;
}

bool TIPv6MaskInfoForm::EntryPasses()
{
    if (edtMaskID->Text().IsEmpty()) return RefuseEntry("IPv6 Mask ID must be set.", edtMaskID);
    if (RadioButton1->Checked()) {
        if (cbxMaskClass->ItemIndex() < 0) return RefuseEntry("Please choose Class.", cbxMaskClass);
        if (cbxMaskFlowlabel->ItemIndex() < 0) return RefuseEntry("Please choose Flow Label.", cbxMaskFlowlabel);
    }
    if (!RadioButton2->Checked()) return true;
    switch (cbxMaskState->ItemIndex()) {
    case -1: return RefuseEntry("Please choose IPv6 Address Mask State.", cbxMaskState);
    case kStateDst: return MaskPasses(edtDstMask, "IPv6 Destination Address Mask should not be null.");
    case kStateSrc: return MaskPasses(edtSrcMask, "IPv6 Source Address Mask should not be null.");
    default: return true;
    }
}

void TIPv6MaskInfoForm::ChooseObjects(TSavedAccessFlags& flags, bool adding)
{
    if (!RadioButton1->Checked()) {
        flags.LeaveOut(oClass);
        flags.LeaveOut(oFlowlabel);
    }
    if (!RadioButton2->Checked())
        for (int i : {oState, oSrcMask, oDstMask}) flags.LeaveOut(i);
    switch (cbxMaskState->ItemIndex()) {
    case kStateOther:
        flags.LeaveOut(oSrcMask);
        flags.LeaveOut(oDstMask);
        break;
    case kStateDst: flags.LeaveOut(oSrcMask); break;
    case kStateSrc: flags.LeaveOut(oDstMask); break;
    default: break;
    }
    if (!adding) flags.LeaveOut(oRowStatus);
}

void TIPv6MaskInfoForm::AddButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        if (!EntryPasses()) return;
        if (HasListedRow(ListView1, edtMaskID->Text())) {
            RefuseEntry("There is already a record with the same IPv6 Mask ID. Please modify it.", edtMaskID);
            return;
        }
        if (cbxStatus->ItemIndex() != kRowCreateAndGo) {
            RefuseEntry("Row Status must be createAndGo.", cbxStatus);
            return;
        }
        {
            TSavedAccessFlags flags(Request->Request.varList);
            ChooseObjects(flags, true);
            WriteChosenObjects(Request);
        }
        GetButtonClick(this);
    } catch (...) {
        WriteFailed();
    }
}

void TIPv6MaskInfoForm::EditButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    if (cbxStatus->ItemIndex() == kRowCreateAndGo) {
        AddButtonClick(this);
        return;
    }
    if (cbxStatus->ItemIndex() == kRowDestroy) {
        DeleteButtonClick(this);
        return;
    }
    try {
        if (!EntryPasses()) return;
        {
            TSavedAccessFlags flags(Request->Request.varList);
            // First out of the other kind of matching, then the chosen kind's objects.
            if (RadioButton1->Checked()) {
                for (int i : {oClass, oFlowlabel, oSrcMask, oDstMask}) flags.LeaveOut(i);
                cbxMaskState->SetItemIndex(kStateOther);
                WriteChosenObjects(Request);
                flags.Restore();
            }
            if (RadioButton2->Checked()) {
                for (int i : {oState, oSrcMask, oDstMask}) flags.LeaveOut(i);
                cbxMaskClass->SetItemIndex(kDisable);
                cbxMaskFlowlabel->SetItemIndex(kDisable);
                WriteChosenObjects(Request);
                flags.Restore();
            }
            ChooseObjects(flags, false);
            WriteChosenObjects(Request);
        }
        GetButtonClick(this);
    } catch (...) {
        WriteFailed();
    }
}

void TIPv6MaskInfoForm::DeleteButtonClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        {
            TSavedAccessFlags flags(Request->Request.varList);
            for (int i = oClass; i < oRowStatus; ++i) flags.LeaveOut(i);
            cbxStatus->SetItemIndex(kRowDestroy);
            WriteChosenObjects(Request);
        }
        GetButtonClick(this);
    } catch (...) {
        WriteFailed();
    }
}
