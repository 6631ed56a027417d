#include "forms/layer2/forwardportsframe.h"

#include "platform/ui/sysutils.h"

namespace {

// Twelve stack units of 64 ports each.
constexpr int kForwardUnits = 12;
constexpr int kForwardBoxes = 64 * kForwardUnits;

}  // namespace

std::vector<TResComponent> TForwardPortsForm::Components(const char* forwardTab, const char* staticTab,
                                                         const char* forbiddenTab)
{
    return {
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
        {"TTabSheet",       "TabSheet1",                        "PageControl1",   0,   0,   0,   0, alNone, forwardTab, nullptr, rfActive},
        {"TScrollBox",      "ScrollBox1",                       "TabSheet1",      0,   0,   0,   0, alClient},
        {"TTabSheet",       "TabSheet2",                        "PageControl1",   0,   0,   0,   0, alNone, staticTab},
        {"TScrollBox",      "ScrollBox2",                       "TabSheet2",      0,   0,   0,   0, alClient},
        {"TTabSheet",       "TabSheet3",                        "PageControl1",   0,   0,   0,   0, alNone, forbiddenTab},
        {"TScrollBox",      "ScrollBox3",                       "TabSheet3",      0,   0,   0,   0, alClient},
        {nullptr},
    };
}

TForwardPortsForm::TForwardPortsForm(TComponent* Owner, const TResForm& layout, const UISnmpVar* table,
                                     bool clearOnRefresh)
    : TFeatureFormBase(Owner, layout), table_(table), clearOnRefresh_(clearOnRefresh)
{
    ST_Count = C<TStaticText>("ST_Count");
    RefreshBtn = C<TButton>("RefreshBtn");
    SetBtn = C<TButton>("SetBtn");
    LV_dot1qForwardUnregisteredEntry = C<TListView>("LV_dot1qForwardUnregisteredEntry");
    ScrollBox1 = C<TScrollBox>("ScrollBox1");
    ScrollBox2 = C<TScrollBox>("ScrollBox2");
    ScrollBox3 = C<TScrollBox>("ScrollBox3");
    Memo1 = C<TMemo>("Memo1");

    RefreshBtn->OnClick = TNotifyEvent(this, &TForwardPortsForm::RefreshBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TForwardPortsForm::SetBtnClick);
    LV_dot1qForwardUnregisteredEntry->OnSelectItem =
        TLVSelectItemEvent(this, &TForwardPortsForm::LV_dot1qForwardUnregisteredEntrySelectItem);
    OnCreate = TNotifyEvent(this, &TForwardPortsForm::FormCreate);
}

void TForwardPortsForm::FormCreate(TObject*)
{
    ForwardPage = NewPortPage(ScrollBox1, kForwardUnits);
    StaticPage = NewPortPage(ScrollBox2, kForwardUnits);
    ForbiddenPage = NewPortPage(ScrollBox3, kForwardUnits);
    const AnsiString ports = PortIndexList(kForwardBoxes);
    ForwardRequest = NewRequest(table_, MVT_FMV, 1);
    ForwardRequest->BindListView(LV_dot1qForwardUnregisteredEntry, true);
    ForwardRequest->AssociateIndexList(1, ports, ForwardPage->PortChecks);
    ForwardRequest->AssociateIndexList(2, ports, StaticPage->PortChecks);
    ForwardRequest->AssociateIndexList(3, ports, ForbiddenPage->PortChecks);
    ForwardRequest->SetMessageControl(Memo1);
    // The rows of an asynchronous read arrive after Get returns: the count follows its end.
    ForwardRequest->OnGetDone = QzSNMPControlsDoneEvent(this, &TForwardPortsForm::ReadDone);
    try {
        ForwardRequest->Get();
    } catch (...) {
        ForwardRequest->ShowResult(CurrentExceptionText());
    }
    ShowSetState();
}

void TForwardPortsForm::ShowCount()
{
    ST_Count->SetCaption(IntToStr(LV_dot1qForwardUnregisteredEntry->Items()->Count()));
}

// A read empties the list without a deselection: no row is selected once it is over.
void TForwardPortsForm::ReadDone(QzSNMPRequest2Controls*, QzSNMPError*)
{
    ShowCount();
    ShowSetState();
}

void TForwardPortsForm::ShowSetState()
{
    if (SetWritesRow()) SetBtn->SetEnabled(LV_dot1qForwardUnregisteredEntry->Selected() != nullptr);
}

void TForwardPortsForm::LV_dot1qForwardUnregisteredEntrySelectItem(TObject*, TListItem*, bool) { ShowSetState(); }

void TForwardPortsForm::RefreshBtnClick(TObject*)
{
    if (ForwardRequest->Busy) return;
    try {
        ForwardRequest->Get();
        ShowCount();
        if (clearOnRefresh_)
            for (TStackingPortUitForm* page : {ForwardPage, StaticPage, ForbiddenPage}) page->ClearChecks();
    } catch (...) {
        ForwardRequest->ShowResult(CurrentExceptionText());
    }
    ShowSetState();
}

void TForwardPortsForm::SetBtnClick(TObject*)
{
    // A write of no row would go to VLAN 0; a second one while the first runs would race it.
    if (ForwardRequest->Busy || (SetWritesRow() && !LV_dot1qForwardUnregisteredEntry->Selected())) return;
    try {
        SetStep();
        ShowCount();
    } catch (...) {
        ForwardRequest->ShowResult(CurrentExceptionText());
    }
}
