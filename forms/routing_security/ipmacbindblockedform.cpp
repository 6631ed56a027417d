#include "forms/routing_security/ipmacbindblockedform.h"

#include "mib/routingforms.h"

TIpMacBindBlockedForm* IpMacBindBlockedForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name         parent    left top   w    h  align
    {"TPanel",       "Panel2",    nullptr,    0,   0, 110,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",      "btnGet",    "Panel2",  12,  12,  85,  25, alNone, "Refresh"},
    {"TButton",      "btnDelete", "Panel2",  12,  46,  85,  25, alNone, "Delete"},
    {"TButton",      "btnClose",  "Panel2",  12,  80,  85,  25, alNone, "Close"},
    {"TComboBox",    "ComboType", "Panel2",  12, 114,  85,  21, alNone, nullptr, nullptr, rfDropDownList | rfHidden},
    {"TMemo",        "Memo1",     nullptr,    0,   0,   0,  80, alBottom, nullptr, nullptr, rfReadOnly | rfScrollBars},
    {"TPanel",       "Panel4",    nullptr,    0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TListView",    "ListView1", "Panel4",   0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"IpMacBindBlockedForm", "IP-MAC Binding Blocked Table", 760, 380, poMainFormCenter,
                          bsSizeable, kComponents};

constexpr int kDeleteItem = 1;

}  // namespace

TIpMacBindBlockedForm::TIpMacBindBlockedForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    btnGet = C<TButton>("btnGet");
    btnDelete = C<TButton>("btnDelete");
    btnClose = C<TButton>("btnClose");
    ComboType = C<TComboBox>("ComboType");
    ListView1 = C<TListView>("ListView1");
    Memo1 = C<TMemo>("Memo1");

    btnGet->OnClick = TNotifyEvent(this, &TIpMacBindBlockedForm::btnGetClick);
    btnDelete->OnClick = TNotifyEvent(this, &TIpMacBindBlockedForm::btnDeleteClick);
    btnClose->OnClick = TNotifyEvent(this, &TIpMacBindBlockedForm::btnCloseClick);
    ListView1->OnClick = TNotifyEvent(this, &TIpMacBindBlockedForm::ListView1Click);
    OnCreate = TNotifyEvent(this, &TIpMacBindBlockedForm::FormCreate);
    OnClose = TCloseEvent(this, &TIpMacBindBlockedForm::FormClose);
    DoCreate();
}

void TIpMacBindBlockedForm::FormCreate(TObject*)
{
    try {
        Request = NewRequest(swIpMacBindingBlockedEntry, MVT_UMV, 2);
        Request->BindListView(ListView1, true);
        Request->Associate(4, ComboType);
        Request->SetMessageControl(Memo1);
        Request->Mode = 0;
        Request->Get();
        btnDelete->SetEnabled(false);
    } catch (...) {
        if (Request) Request->ShowResult(CurrentExceptionText());
    }
}

void TIpMacBindBlockedForm::FormClose(TObject*, TCloseAction&) { ReleaseRequest(Request); }

void TIpMacBindBlockedForm::btnCloseClick(TObject*) { Close(); }

// A read empties the list: no row stays selected for Delete.
void TIpMacBindBlockedForm::btnGetClick(TObject*)
{
    if (!Request || Request->Busy) return;
    btnDelete->SetEnabled(false);
    try {
        Request->Get();
    } catch (...) {
        Request->ShowResult(CurrentExceptionText());
    }
}

void TIpMacBindBlockedForm::ListView1Click(TObject*) { btnDelete->SetEnabled(ListView1->Selected() != nullptr); }

void TIpMacBindBlockedForm::btnDeleteClick(TObject*)
{
    if (!Request || Request->Busy || !ListView1->Selected()) return;
    try {
        ComboType->SetItemIndex(kDeleteItem);
        Request->Set(true, true);
    } catch (...) {
        Request->ShowResult(CurrentExceptionText());
    }
    btnDelete->SetEnabled(ListView1->Selected() != nullptr);
}
