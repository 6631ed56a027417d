#include "forms/layer2/vlancurrenttableformunit.h"

#include "mib/vlanforms.h"
#include "platform/ui/sysutils.h"

TVLanCurrentTableForm* VLanCurrentTableForm = nullptr;

namespace {

const char kBlanks[] = "                ";  // 16 blanks, as designed

const TResComponent kComponents[] = {
    // class            name                        parent        left top   w    h  align
    {"TPanel",          "Panel1",                   nullptr,        0,   0, 122,   0, alRight, "", nullptr, rfBevelNone},
    {"TLabel",          "Label11",                  "Panel1",      33,  12,  56,  16, alNone, "Samples", nullptr, rfCenter},
    {"TStaticText",     "ST_Count2",                "Panel1",      21,  30,  80,  20, alNone, "0", nullptr, rfSunken | rfCenter},
    {"TButton",         "RefreshBtn",               "Panel1",      23,  64,  75,  25, alNone, "Refresh"},
    {"TButton",         "SetBtn",                   "Panel1",      23,  98,  75,  25, alNone, "Set", nullptr, rfHidden},
    {"TPanel",          "Panel2",                   nullptr,        0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TMemo",           "Memo1",                    "Panel2",       0,   0,   0,  44, alBottom, nullptr, nullptr, rfReadOnly | rfScrollBars},
    {"TPanel",          "Panel3",                   "Panel2",       0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPanel",          "Panel5",                   "Panel3",       0,   0,   0, 253, alBottom, "", nullptr, rfBevelNone},
    {"TSplitter",       "Splitter1",                "Panel3",       0,   0,   0,   4, alBottom},
    {"TPanel",          "Panel4",                   "Panel3",       0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TListView",       "LV_dot1qVlanCurrentEntry", "Panel4",       0,   0,   0,   0, alClient},
    {"TGroupBox",       "GroupBox2",                "Panel5",       0,   0,   0,  48, alTop},
    {"TLabel",          "Label1",                   "GroupBox2",   10,  20, 140,  16, alNone, "VLAN Delete Numbers"},
    {"TStaticText",     "VlanNumDeletes",           "GroupBox2",  155,  18, 110,  20, alNone, kBlanks, nullptr, rfSunken},
    {"TLabel",          "Label2",                   "GroupBox2",  290,  20,  75,  16, alNone, "VLAN Index"},
    {"TStaticText",     "StaticText1",              "GroupBox2",  370,  18, 110,  20, alNone, kBlanks, nullptr, rfSunken},
    {"TPageControl",    "PageControl1",             "Panel5",       0,   0,   0,   0, alClient},
    {"TTabSheet",       "TabSheet1",                "PageControl1", 0,   0,   0,   0, alNone, "Egress Port", nullptr, rfActive},
    {"TScrollBox",      "ScrollBox1",               "TabSheet1",    0,   0,   0,   0, alClient},
    {"TTabSheet",       "TabSheet2",                "PageControl1", 0,   0,   0,   0, alNone, "Untagged Port"},
    {"TScrollBox",      "ScrollBox2",               "TabSheet2",    0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"VLanCurrentTableForm", "VLAN Current Table", 704, 519, poMainFormCenter, bsSizeable,
                          kComponents};

}  // namespace

TVLanCurrentTableForm::TVLanCurrentTableForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    ST_Count2 = C<TStaticText>("ST_Count2");
    RefreshBtn = C<TButton>("RefreshBtn");
    SetBtn = C<TButton>("SetBtn");
    Memo1 = C<TMemo>("Memo1");
    LV_dot1qVlanCurrentEntry = C<TListView>("LV_dot1qVlanCurrentEntry");
    VlanNumDeletes = C<TStaticText>("VlanNumDeletes");
    StaticText1 = C<TStaticText>("StaticText1");
    ScrollBox1 = C<TScrollBox>("ScrollBox1");
    ScrollBox2 = C<TScrollBox>("ScrollBox2");

    RefreshBtn->OnClick = TNotifyEvent(this, &TVLanCurrentTableForm::RefreshBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TVLanCurrentTableForm::SetBtnClick);
    LV_dot1qVlanCurrentEntry->OnClick = TNotifyEvent(this, &TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryClick);
    LV_dot1qVlanCurrentEntry->OnChange = TLVChangeEvent(this, &TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryChange);
    OnCreate = TNotifyEvent(this, &TVLanCurrentTableForm::FormCreate);
    OnClose = TCloseEvent(this, &TVLanCurrentTableForm::FormClose);
    DoCreate();
}

void TVLanCurrentTableForm::CreatePortPages()
{
    EgressPage = NewPortPage(ScrollBox1);
    UntaggedPage = NewPortPage(ScrollBox2);
}

void TVLanCurrentTableForm::FormCreate(TObject*)
{
    CreatePortPages();
    const AnsiString ports = PortIndexList(64);

    DeletesRequest = NewRequest(dot1qVlanNumDeletes, SVT_SV, 0);
    DeletesRequest->Associate(0, VlanNumDeletes);
    DeletesRequest->SetMessageControl(Memo1);
    try {
        DeletesRequest->Get();
    } catch (...) {
        DeletesRequest->ShowResult(CurrentExceptionText());
    }

    CurrentRequest = NewRequest(dot1qVlanCurrentEntry, MVT_UMV, 2);
    CurrentRequest->BindListView(LV_dot1qVlanCurrentEntry, true);
    CurrentRequest->Associate(1, StaticText1);
    CurrentRequest->AssociateIndexList(3, ports, EgressPage->PortChecks);
    CurrentRequest->AssociateIndexList(4, ports, UntaggedPage->PortChecks);
    CurrentRequest->SetMessageControl(Memo1);
    try {
        CurrentRequest->Get();
        ShowCount();
    } catch (...) {
        CurrentRequest->ShowResult(CurrentExceptionText());
    }
}

void TVLanCurrentTableForm::ClearCurrentFields()
{
    for (TStackingPortUitForm* page : {EgressPage, UntaggedPage})
        for (int k = 0; k < 64; ++k)
            if (TCheckBox* box = page->PortCheck(k)) box->SetChecked(false);
    StaticText1->SetCaption("");
}

void TVLanCurrentTableForm::ShowCount()
{
    ST_Count2->SetCaption(IntToStr(LV_dot1qVlanCurrentEntry->Items()->Count()));
}

void TVLanCurrentTableForm::RefreshBtnClick(TObject*)
{
    try {
        DeletesRequest->Get();
    } catch (...) {
        DeletesRequest->ShowResult(CurrentExceptionText());
    }
    try {
        CurrentRequest->Get();
        ShowCount();
        ClearCurrentFields();
    } catch (...) {
        CurrentRequest->ShowResult(CurrentExceptionText());
    }
}

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryClick(TObject*)
{
    if (!LV_dot1qVlanCurrentEntry->Selected()) ClearCurrentFields();
}

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryChange(TObject*, TListItem*, TItemChange) { ShowCount(); }

void TVLanCurrentTableForm::SetBtnClick(TObject*)
{
    try {
        CurrentRequest->Set(true, true);
        ShowCount();
    } catch (...) {
        CurrentRequest->ShowResult(CurrentExceptionText());
    }
}

void TVLanCurrentTableForm::FormClose(TObject*, TCloseAction&)
{
    ReleaseRequest(CurrentRequest);
    ReleaseRequest(DeletesRequest);
}
