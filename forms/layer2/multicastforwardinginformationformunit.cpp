#include "forms/layer2/multicastforwardinginformationformunit.h"

#include "mib/vlanforms.h"
#include "platform/ui/sysutils.h"

TMulticastForwardingInformationForm* MulticastForwardingInformationForm = nullptr;

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
    {"TTabSheet",       "TabSheet1",                        "PageControl1",   0,   0,   0,   0, alNone, "All Forwarded Ports", nullptr, rfActive},
    {"TScrollBox",      "ScrollBox1",                       "TabSheet1",      0,   0,   0,   0, alClient},
    {"TTabSheet",       "TabSheet2",                        "PageControl1",   0,   0,   0,   0, alNone, "All Static Ports"},
    {"TScrollBox",      "ScrollBox2",                       "TabSheet2",      0,   0,   0,   0, alClient},
    {"TTabSheet",       "TabSheet3",                        "PageControl1",   0,   0,   0,   0, alNone, "All Forbiden Ports"},
    {"TScrollBox",      "ScrollBox3",                       "TabSheet3",      0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"MulticastForwardingInformationForm", "MulticastForwardingInformationForm", 696, 514,
                          poScreenCenter, bsSizeable, kComponents};

}  // namespace

TMulticastForwardingInformationForm::TMulticastForwardingInformationForm(TComponent* Owner)
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

    RefreshBtn->OnClick = TNotifyEvent(this, &TMulticastForwardingInformationForm::RefreshBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TMulticastForwardingInformationForm::SetBtnClick);
    OnCreate = TNotifyEvent(this, &TMulticastForwardingInformationForm::FormCreate);
    DoCreate();
}

void TMulticastForwardingInformationForm::CreatePortPages()
{
    AllPage = NewPortPage(ScrollBox1, kForwardUnits);
    StaticPage = NewPortPage(ScrollBox2, kForwardUnits);
    ForbiddenPage = NewPortPage(ScrollBox3, kForwardUnits);
}

void TMulticastForwardingInformationForm::FormCreate(TObject*)
{
    CreatePortPages();
    const AnsiString ports = PortIndexList(kForwardBoxes);
    ForwardRequest = NewRequest(dot1qForwardAllEntry, MVT_FMV, 1);
    ForwardRequest->BindListView(LV_dot1qForwardUnregisteredEntry, true);
    ForwardRequest->AssociateIndexList(1, ports, AllPage->PortChecks);
    ForwardRequest->AssociateIndexList(2, ports, StaticPage->PortChecks);
    ForwardRequest->AssociateIndexList(3, ports, ForbiddenPage->PortChecks);
    ForwardRequest->SetMessageControl(Memo1);
    // The rows of an asynchronous read arrive after Get returns: the count follows its end.
    ForwardRequest->OnGetDone = QzSNMPControlsDoneEvent(this, &TMulticastForwardingInformationForm::ReadDone);
    try {
        ForwardRequest->Get();
    } catch (...) {
        ForwardRequest->ShowResult(CurrentExceptionText());
    }
}

void TMulticastForwardingInformationForm::ShowCount()
{
    ST_Count->SetCaption(IntToStr(LV_dot1qForwardUnregisteredEntry->Items()->Count()));
}

void TMulticastForwardingInformationForm::ReadDone(QzSNMPRequest2Controls*, QzSNMPError*) { ShowCount(); }

void TMulticastForwardingInformationForm::RefreshBtnClick(TObject*)
{
    try {
        ForwardRequest->Get();
        ShowCount();
    } catch (...) {
        ForwardRequest->ShowResult(CurrentExceptionText());
    }
}

void TMulticastForwardingInformationForm::SetBtnClick(TObject*)
{
    try {
        ForwardRequest->Set(true, true);
        ShowCount();
    } catch (...) {
        ForwardRequest->ShowResult(CurrentExceptionText());
    }
}
