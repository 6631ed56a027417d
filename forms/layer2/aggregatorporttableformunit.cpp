#include "forms/layer2/aggregatorporttableformunit.h"

#include "forms/layer2/textchecks.h"
#include "mainwindow/mainunit.h"
#include "mib/bridgeforms.h"
#include "platform/ui/dialogs.h"

TAggregatorPortTableForm* AggregatorPortTableForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name             parent        left top   w    h  align
    {"TPanel",       "Panel1",        nullptr,         0,   0,  95,   0, alRight, "", nullptr, rfBevelNone},
    {"TLabel",       "Label1",        "Panel1",       10,  12,  75,  16, alNone, "Samples", nullptr, rfCenter},
    {"TStaticText",  "StaticText1",   "Panel1",       10,  30,  75,  20, alNone, "0", nullptr, rfSunken | rfCenter},
    {"TButton",      "GetBtn",        "Panel1",       10,  62,  75,  25, alNone, "Refresh"},
    {"TButton",      "btnEdit",       "Panel1",       10,  94,  75,  25, alNone, "Edit"},
    {"TButton",      "btnClose",      "Panel1",       10, 126,  75,  25, alNone, "Close"},
    {"TMemo",        "Memo1",         nullptr,         0,   0,   0,  60, alBottom, nullptr, nullptr, rfReadOnly},
    {"TSplitter",    "Splitter1",     nullptr,         0,   0,   0,   4, alBottom},
    {"TPanel",       "Panel2",        nullptr,         0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPanel",       "Panel3",        "Panel2",        0,   0,   0, 168, alBottom, "", nullptr, rfBevelNone},
    {"TLabel",       "Label2",        "Panel3",        8,  14, 156,  16, alNone, "Actor Admin Key"},
    {"TEdit",        "edtActorKey",   "Panel3",      166,  12, 110,  21, alNone},
    {"TLabel",       "Label3",        "Panel3",        8,  44, 156,  16, alNone, "Partner Admin System ID"},
    {"TEdit",        "edtPartnerID",  "Panel3",      166,  42, 110,  21, alNone},
    {"TLabel",       "Label4",        "Panel3",        8,  74, 156,  16, alNone, "Partner Admin Key"},
    {"TEdit",        "edtPartnerKey", "Panel3",      166,  72, 110,  21, alNone},
    {"TPageControl", "PageControl1",  "Panel3",      286,   4, 370, 158, alNone},
    {"TTabSheet",    "TabSheet1",     "PageControl1",  0,   0,   0,   0, alNone, "Actor Admin State", nullptr, rfActive},
    {"TTabSheet",    "TabSheet2",     "PageControl1",  0,   0,   0,   0, alNone, "Actor Oper State"},
    {"TTabSheet",    "TabSheet3",     "PageControl1",  0,   0,   0,   0, alNone, "Partner Admin State"},
    {"TTabSheet",    "TabSheet4",     "PageControl1",  0,   0,   0,   0, alNone, "Partner Oper State"},
    {"TCheckBox",    "CheckBox1", "TabSheet1",    8,   8, 160,  17, alNone, "lacpActivity"},
    {"TCheckBox",    "CheckBox2", "TabSheet1",    8,  32, 160,  17, alNone, "lacpTimeout"},
    {"TCheckBox",    "CheckBox3", "TabSheet1",    8,  56, 160,  17, alNone, "aggregation"},
    {"TCheckBox",    "CheckBox4", "TabSheet1",    8,  80, 160,  17, alNone, "synchronisation"},
    {"TCheckBox",    "CheckBox5", "TabSheet1",  178,   8, 160,  17, alNone, "collecting"},
    {"TCheckBox",    "CheckBox6", "TabSheet1",  178,  32, 160,  17, alNone, "distributing"},
    {"TCheckBox",    "CheckBox7", "TabSheet1",  178,  56, 160,  17, alNone, "defaulted"},
    {"TCheckBox",    "CheckBox8", "TabSheet1",  178,  80, 160,  17, alNone, "expired"},
    {"TCheckBox",    "CheckBox9", "TabSheet2",    8,   8, 160,  17, alNone, "lacpActivity"},
    {"TCheckBox",    "CheckBox10", "TabSheet2",    8,  32, 160,  17, alNone, "lacpTimeout"},
    {"TCheckBox",    "CheckBox11", "TabSheet2",    8,  56, 160,  17, alNone, "aggregation"},
    {"TCheckBox",    "CheckBox12", "TabSheet2",    8,  80, 160,  17, alNone, "synchronisation"},
    {"TCheckBox",    "CheckBox13", "TabSheet2",  178,   8, 160,  17, alNone, "collecting"},
    {"TCheckBox",    "CheckBox14", "TabSheet2",  178,  32, 160,  17, alNone, "distributing"},
    {"TCheckBox",    "CheckBox15", "TabSheet2",  178,  56, 160,  17, alNone, "defaulted"},
    {"TCheckBox",    "CheckBox16", "TabSheet2",  178,  80, 160,  17, alNone, "expired"},
    {"TCheckBox",    "CheckBox17", "TabSheet3",    8,   8, 160,  17, alNone, "lacpActivity"},
    {"TCheckBox",    "CheckBox18", "TabSheet3",    8,  32, 160,  17, alNone, "lacpTimeout"},
    {"TCheckBox",    "CheckBox19", "TabSheet3",    8,  56, 160,  17, alNone, "aggregation"},
    {"TCheckBox",    "CheckBox20", "TabSheet3",    8,  80, 160,  17, alNone, "synchronisation"},
    {"TCheckBox",    "CheckBox21", "TabSheet3",  178,   8, 160,  17, alNone, "collecting"},
    {"TCheckBox",    "CheckBox22", "TabSheet3",  178,  32, 160,  17, alNone, "distributing"},
    {"TCheckBox",    "CheckBox23", "TabSheet3",  178,  56, 160,  17, alNone, "defaulted"},
    {"TCheckBox",    "CheckBox24", "TabSheet3",  178,  80, 160,  17, alNone, "expired"},
    {"TCheckBox",    "CheckBox25", "TabSheet4",    8,   8, 160,  17, alNone, "lacpActivity"},
    {"TCheckBox",    "CheckBox26", "TabSheet4",    8,  32, 160,  17, alNone, "lacpTimeout"},
    {"TCheckBox",    "CheckBox27", "TabSheet4",    8,  56, 160,  17, alNone, "aggregation"},
    {"TCheckBox",    "CheckBox28", "TabSheet4",    8,  80, 160,  17, alNone, "synchronisation"},
    {"TCheckBox",    "CheckBox29", "TabSheet4",  178,   8, 160,  17, alNone, "collecting"},
    {"TCheckBox",    "CheckBox30", "TabSheet4",  178,  32, 160,  17, alNone, "distributing"},
    {"TCheckBox",    "CheckBox31", "TabSheet4",  178,  56, 160,  17, alNone, "defaulted"},
    {"TCheckBox",    "CheckBox32", "TabSheet4",  178,  80, 160,  17, alNone, "expired"},
    {"TListView",    "ListView1",     "Panel2",        0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"AggregatorPortTableForm", "Aggregator Port Table", 760, 540, poMainFormCenter, bsSizeable,
                          kComponents};

const char* const kKeyFormat = "%i{n0x65535l5}";
const char* const kStateBits = "0,1,2,3,4,5,6,7";

}  // namespace

TAggregatorPortTableForm::TAggregatorPortTableForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    ListView1 = C<TListView>("ListView1");
    PageControl1 = C<TPageControl>("PageControl1");
    TabSheet1 = C<TTabSheet>("TabSheet1");
    TabSheet2 = C<TTabSheet>("TabSheet2");
    TabSheet3 = C<TTabSheet>("TabSheet3");
    TabSheet4 = C<TTabSheet>("TabSheet4");
    for (int k = 0; k < 32; ++k) CheckBoxes[k] = C<TCheckBox>(("CheckBox" + std::to_string(k + 1)).c_str());
    edtActorKey = C<TEdit>("edtActorKey");
    edtPartnerID = C<TEdit>("edtPartnerID");
    edtPartnerKey = C<TEdit>("edtPartnerKey");
    Memo1 = C<TMemo>("Memo1");
    StaticText1 = C<TStaticText>("StaticText1");
    GetBtn = C<TButton>("GetBtn");
    btnEdit = C<TButton>("btnEdit");
    btnClose = C<TButton>("btnClose");
    // The operational states are bound to nothing: their tabs stay hidden.
    TabSheet2->SetTabVisible(false);
    TabSheet4->SetTabVisible(false);
    GetBtn->OnClick = TNotifyEvent(this, &TAggregatorPortTableForm::GetBtnClick);
    btnEdit->OnClick = TNotifyEvent(this, &TAggregatorPortTableForm::btnEditClick);
    btnClose->OnClick = TNotifyEvent(this, &TAggregatorPortTableForm::btnCloseClick);
    ListView1->OnClick = TNotifyEvent(this, &TAggregatorPortTableForm::ListView1Click);
    ListView1->OnChange = TLVChangeEvent(this, &TAggregatorPortTableForm::ListView1Change);
    OnCreate = TNotifyEvent(this, &TAggregatorPortTableForm::FormCreate);
    OnClose = TCloseEvent(this, &TAggregatorPortTableForm::FormClose);
    DoCreate();
}

TAggregatorPortTableForm::~TAggregatorPortTableForm() { ReleaseRequest(LacpRequest); }

void TAggregatorPortTableForm::FormCreate(TObject*)
{
    try {
        LacpRequest = NewRequest(swLacpPortEntry, MVT_FMV, 1);
        LacpRequest->BindListView(ListView1, true);
        LacpRequest->AssociateFormat(3, kKeyFormat, edtActorKey);
        LacpRequest->AssociateFormat(7, "%s{l12}", edtPartnerID);
        LacpRequest->AssociateFormat(9, kKeyFormat, edtPartnerKey);
        LacpRequest->AssociateIndexList(19, kStateBits, CheckBoxes[0], CheckBoxes[1], CheckBoxes[2], CheckBoxes[3],
                                        CheckBoxes[4], CheckBoxes[5], CheckBoxes[6], CheckBoxes[7]);
        LacpRequest->AssociateIndexList(21, kStateBits, CheckBoxes[16], CheckBoxes[17], CheckBoxes[18], CheckBoxes[19],
                                        CheckBoxes[20], CheckBoxes[21], CheckBoxes[22], CheckBoxes[23]);
        LacpRequest->SetMessageControl(Memo1);
        LacpRequest->OnGetDone = QzSNMPControlsDoneEvent(this, &TAggregatorPortTableForm::GetDone);
        btnEdit->SetEnabled(false);
        LacpRequest->Get();
        ClearControls();
    } catch (...) {
        ClearControls();
        ShowInMemo(Memo1, CurrentExceptionText());
    }
    SetCaption("Aggregator Port Table:" + (MainForm ? MainForm->AgentAddress : AnsiString()));
}

// The binding leaves its controls disabled after a read until a row is selected: the form
// selects the first port itself, so that its values show after every read.
void TAggregatorPortTableForm::GetDone(QzSNMPRequest2Controls*, QzSNMPError*)
{
    Ready = true;
    for (TCheckBox* box : CheckBoxes)
        if (box->Visible()) box->SetEnabled(true);
    for (TEdit* edit : {edtActorKey, edtPartnerID, edtPartnerKey}) edit->SetEnabled(true);
    if (ListView1->Items()->Count() > 0) ListView1->SetSelected(ListView1->Items()->Item(0));
}

void TAggregatorPortTableForm::ClearControls()
{
    for (TCheckBox* box : CheckBoxes)
        if (box->Visible()) box->SetChecked(false);
    for (TEdit* edit : {edtActorKey, edtPartnerID, edtPartnerKey}) edit->SetText("");
}

void TAggregatorPortTableForm::Failed(const AnsiString& text)
{
    Ready = true;
    btnEdit->SetEnabled(false);
    ClearControls();
    ShowInMemo(Memo1, text);
}

void TAggregatorPortTableForm::Refresh()
{
    LacpRequest->Request.enabled = 1;
    if (!Ready) return;
    Ready = false;
    btnEdit->SetEnabled(false);
    LacpRequest->Get();
    ClearControls();
}

void TAggregatorPortTableForm::GetBtnClick(TObject*)
{
    if (!LacpRequest) return;
    try {
        Refresh();
    } catch (...) {
        Failed(CurrentExceptionText());
    }
}

void TAggregatorPortTableForm::btnEditClick(TObject*)
{
    if (!LacpRequest) return;
    LacpRequest->Request.enabled = 1;
    if (!Ready) return;
    switch (CheckMacText(edtPartnerID->Text())) {
    case htOk:
        break;
    case htBadLength:
        if (!edtPartnerID->Text().IsEmpty()) {
            ShowMessage("Invalid Macaddress");
            return;
        }
        [[fallthrough]];
    case htBadDigit:
        ShowMessage("Invalid Macaddrss");
        return;
    }
    try {
        LacpRequest->Set(false, true);
        Refresh();
    } catch (...) {
        Failed(CurrentExceptionText());
    }
}

void TAggregatorPortTableForm::btnCloseClick(TObject*) { Close(); }

void TAggregatorPortTableForm::ListView1Click(TObject*)
{
    if (!ListView1->Selected()) {
        btnEdit->SetEnabled(false);
        ClearControls();
        return;
    }
    btnEdit->SetEnabled(Ready);
}

void TAggregatorPortTableForm::ListView1Change(TObject*, TListItem*, TItemChange)
{
    StaticText1->SetCaption(IntToStr(ListView1->Items()->Count()));
}

void TAggregatorPortTableForm::FormClose(TObject*, TCloseAction& Action)
{
    ReleaseRequest(LacpRequest);
    Action = caFree;
}
