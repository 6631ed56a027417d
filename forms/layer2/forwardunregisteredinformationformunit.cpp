#include "forms/layer2/forwardunregisteredinformationformunit.h"

#include "mib/vlanforms.h"
#include "platform/ui/sysutils.h"

TForwardUnregisteredInformationForm* ForwardUnregisteredInformationForm = nullptr;

namespace {

// Twelve stack units of 64 ports each.
constexpr int kForwardUnits = 12;
constexpr int kForwardBoxes = 64 * kForwardUnits;

const TResComponent kComponents[] = {
    // class            name                                parent          left top   w    h  align
    {"TPanel",          "Panel1",                           nullptr,          0,   0,  99,   0, alRight, "", nullptr, rfBevelNone},
    {"TLabel",          "Label1",                           "Panel1",        22,  12,  56,  16, alNone, "Samples", nullptr, rfCenter},
    {"TStaticText",     "ST_Count",                         "Panel1",        14,  30,  70,  20, alNone, "0", nullptr, rfSunken | rfCenter},
    {"TButton",         "RefreshBtn",                       "Panel1",        12,  64,  75,  25, alNone, "Refresh"},
    {"TButton",         "SetBtn",                           "Panel1",        12,  98,  75,  25, alNone, "Set"},
    {"TPanel",          "Panel2",                           nullptr,          0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TMemo",           "Memo1",                            "Panel2",         0,   0,   0,  41, alBottom, nullptr, nullptr, rfReadOnly | rfScrollBars},
    {"TListView",       "LV_dot1qForwardUnregisteredEntry", "Panel2",         0,   0,   0, 160, alTop},
    {"TPageControl",    "PageControl1",                     "Panel2",         0,   0,   0,   0, alClient},
    {"TTabSheet",       "TabSheet1",                        "PageControl1",   0,   0,   0,   0, alNone, "Unregistered Ports", nullptr, rfActive},
    {"TScrollBox",      "ScrollBox1",                       "TabSheet1",      0,   0,   0,   0, alClient},
    {"TTabSheet",       "TabSheet2",                        "PageControl1",   0,   0,   0,   0, alNone, "Unregisteried Static Ports"},
    {"TScrollBox",      "ScrollBox2",                       "TabSheet2",      0,   0,   0,   0, alClient},
    {"TTabSheet",       "TabSheet3",                        "PageControl1",   0,   0,   0,   0, alNone, "Unregistered Forbidden Ports"},
    {"TScrollBox",      "ScrollBox3",                       "TabSheet3",      0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"ForwardUnregisteredInformationForm", "Forward Unregistered Information", 696, 480,
                          poScreenCenter, bsSizeable, kComponents};

}  // namespace

TForwardUnregisteredInformationForm::TForwardUnregisteredInformationForm(TComponent* Owner)
    : TFeatureFormBase(Owner, kLayout)
{
    ST_Count = C<TStaticText>("ST_Count");
    RefreshBtn = C<TButton>("RefreshBtn");
    SetBtn = C<TButton>("SetBtn");
    LV_dot1qForwardUnregisteredEntry = C<TListView>("LV_dot1qForwardUnregisteredEntry");
    ScrollBox1 = C<TScrollBox>("ScrollBox1");
    ScrollBox2 = C<TScrollBox>("ScrollBox2");
    ScrollBox3 = C<TScrollBox>("ScrollBox3");
    Memo1 = C<TMemo>("Memo1");

    RefreshBtn->OnClick = TNotifyEvent(this, &TForwardUnregisteredInformationForm::RefreshBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TForwardUnregisteredInformationForm::SetBtnClick);
    OnCreate = TNotifyEvent(this, &TForwardUnregisteredInformationForm::FormCreate);
    DoCreate();
}

void TForwardUnregisteredInformationForm::CreatePortPages()
{
    UnregisteredPage = NewPortPage(ScrollBox1, kForwardUnits);
    StaticPage = NewPortPage(ScrollBox2, kForwardUnits);
    ForbiddenPage = NewPortPage(ScrollBox3, kForwardUnits);
}

void TForwardUnregisteredInformationForm::FormCreate(TObject*)
{
    CreatePortPages();
    const AnsiString ports = PortIndexList(kForwardBoxes);
    ForwardRequest = NewRequest(dot1qForwardUnregisteredEntry, MVT_FMV, 1);
    ForwardRequest->BindListView(LV_dot1qForwardUnregisteredEntry, true);
    ForwardRequest->AssociateIndexList(1, ports, UnregisteredPage->PortChecks);
    ForwardRequest->AssociateIndexList(2, ports, StaticPage->PortChecks);
    ForwardRequest->AssociateIndexList(3, ports, ForbiddenPage->PortChecks);
    ForwardRequest->SetMessageControl(Memo1);
    // The rows of an asynchronous read arrive after Get returns: the count follows its end.
    ForwardRequest->OnGetDone = QzSNMPControlsDoneEvent(this, &TForwardUnregisteredInformationForm::ReadDone);
    try {
        ForwardRequest->Get();
    } catch (...) {
        ForwardRequest->ShowResult(CurrentExceptionText());
    }
}

void TForwardUnregisteredInformationForm::ClearForwardChecks()
{
    for (TStackingPortUitForm* page : {UnregisteredPage, StaticPage, ForbiddenPage}) page->ClearChecks();
}

void TForwardUnregisteredInformationForm::ShowCount()
{
    ST_Count->SetCaption(IntToStr(LV_dot1qForwardUnregisteredEntry->Items()->Count()));
}

void TForwardUnregisteredInformationForm::ReadDone(QzSNMPRequest2Controls*, QzSNMPError*) { ShowCount(); }

void TForwardUnregisteredInformationForm::RefreshBtnClick(TObject*)
{
    try {
        ForwardRequest->Get();
        ShowCount();
        ClearForwardChecks();
    } catch (...) {
        ForwardRequest->ShowResult(CurrentExceptionText());
    }
}

// Reads the table again, like Refresh, without clearing the pages: nothing is written here.
void TForwardUnregisteredInformationForm::SetBtnClick(TObject*)
{
    try {
        ForwardRequest->Get();
        ShowCount();
    } catch (...) {
        ForwardRequest->ShowResult(CurrentExceptionText());
    }
}
