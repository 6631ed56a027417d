#include "forms/layer2/tpgroupdestinationforwardedformunit.h"

#include "mib/vlanforms.h"
#include "platform/ui/sysutils.h"

TTpGroupDestinationForwardedForm* TpGroupDestinationForwardedForm = nullptr;

namespace {

// Twelve stack units of 64 ports each.
constexpr int kForwardUnits = 12;
constexpr int kForwardBoxes = 64 * kForwardUnits;

const TResComponent kComponents[] = {
    // class            name                    parent          left top   w    h  align
    {"TPanel",          "Panel1",               nullptr,          0,   0,  99,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",         "RefreshBtn",           "Panel1",        12,  16,  75,  25, alNone, "Refresh"},
    {"TPanel",          "Panel2",               nullptr,          0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TMemo",           "Memo1",                "Panel2",         0,   0,   0,  41, alBottom, nullptr, nullptr, rfReadOnly | rfScrollBars},
    {"TListView",       "LV_dot1qTpGroupEntry", "Panel2",         0,   0,   0, 160, alTop},
    {"TPageControl",    "PageControl1",         "Panel2",         0,   0,   0,   0, alClient},
    {"TTabSheet",       "TabSheet1",            "PageControl1",   0,   0,   0,   0, alNone, "Egress Ports", nullptr, rfActive},
    {"TScrollBox",      "ScrollBox1",           "TabSheet1",      0,   0,   0,   0, alClient},
    {"TTabSheet",       "TabSheet2",            "PageControl1",   0,   0,   0,   0, alNone, "GMRP Learn Port"},
    {"TScrollBox",      "ScrollBox2",           "TabSheet2",      0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"TpGroupDestinationForwardedForm", "Tp Group Destination Forwarded", 696, 460,
                          poScreenCenter, bsSizeable, kComponents};

}  // namespace

TTpGroupDestinationForwardedForm::TTpGroupDestinationForwardedForm(TComponent* Owner)
    : TFeatureFormBase(Owner, kLayout)
{
    RefreshBtn = C<TButton>("RefreshBtn");
    LV_dot1qTpGroupEntry = C<TListView>("LV_dot1qTpGroupEntry");
    ScrollBox1 = C<TScrollBox>("ScrollBox1");
    ScrollBox2 = C<TScrollBox>("ScrollBox2");
    Memo1 = C<TMemo>("Memo1");

    RefreshBtn->OnClick = TNotifyEvent(this, &TTpGroupDestinationForwardedForm::RefreshBtnClick);
    OnCreate = TNotifyEvent(this, &TTpGroupDestinationForwardedForm::FormCreate);
    OnClose = TCloseEvent(this, &TTpGroupDestinationForwardedForm::FormClose);
    DoCreate();
}

void TTpGroupDestinationForwardedForm::CreatePortPages()
{
    EgressPage = NewPortPage(ScrollBox1, kForwardUnits);
    LearntPage = NewPortPage(ScrollBox2, kForwardUnits);
}

void TTpGroupDestinationForwardedForm::FormCreate(TObject*)
{
    CreatePortPages();
    const AnsiString ports = PortIndexList(kForwardBoxes);
    ForwardRequest = NewRequest(dot1qTpGroupEntry, MVT_UMV, 2);
    ForwardRequest->BindListView(LV_dot1qTpGroupEntry, true);
    ForwardRequest->AssociateIndexList(2, ports, EgressPage->PortChecks);
    ForwardRequest->AssociateIndexList(3, ports, LearntPage->PortChecks);
    ForwardRequest->SetMessageControl(Memo1);
    try {
        ForwardRequest->Get();
    } catch (...) {
        ForwardRequest->ShowResult(CurrentExceptionText());
    }
}

void TTpGroupDestinationForwardedForm::RefreshBtnClick(TObject*)
{
    try {
        ForwardRequest->Get();
    } catch (...) {
        ForwardRequest->ShowResult(CurrentExceptionText());
    }
}

void TTpGroupDestinationForwardedForm::FormClose(TObject*, TCloseAction&) { ReleaseRequest(ForwardRequest); }
