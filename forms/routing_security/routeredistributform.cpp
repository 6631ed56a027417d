#include "forms/routing_security/routeredistributform.h"

#include "mib/routingforms.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/sysutils.h"

TRouteRedistributForm* RouteRedistributForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class          name            parent       left top   w    h  align
    {"TPanel",        "Panel1",       nullptr,        0,   0, 110,   0, alRight, "", nullptr, rfBevelNone},
    {"TBitBtn",       "RefreshBtn",   "Panel1",      12,  12,  85,  25, alNone, "Refresh"},
    {"TBitBtn",       "EditBtn",      "Panel1",      12,  46,  85,  25, alNone, "Set"},
    {"TBitBtn",       "AddBtn",       "Panel1",      12,  80,  85,  25, alNone, "Add"},
    {"TBitBtn",       "DeleteBtn",    "Panel1",      12, 114,  85,  25, alNone, "Delete"},
    {"TBitBtn",       "CloseBtn",     "Panel1",      12, 148,  85,  25, alNone, "Close"},
    {"TPanel",        "Panel2",       nullptr,        0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TMemo",         "Memo1",        "Panel2",       0,   0,   0,  70, alBottom, nullptr, nullptr, rfReadOnly | rfScrollBars},
    {"TScrollBox",    "ScrollBox1",   "Panel2",       0,   0,   0, 190, alBottom},
    {"TListView",     "ListView1",    "Panel2",       0,   0,   0,   0, alClient},
    {"TGroupBox",     "GroupBox1",    "ScrollBox1",   8,   4, 250, 176, alNone, ""},
    {"TLabel",        "Label1",       "GroupBox1",   10,  22, 124,  16, alNone, "Source Protocol"},
    {"TComboBox",     "ComboBox1",    "GroupBox1",  136,  20, 106,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TLabel",        "Label2",       "GroupBox1",   10,  52, 124,  16, alNone, "Destination Protocol"},
    {"TComboBox",     "ComboBox2",    "GroupBox1",  136,  50, 106,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TLabel",        "Label3",       "GroupBox1",   10,  82, 124,  16, alNone, "Metric"},
    {"TEdit",         "Edit1",        "GroupBox1",  136,  80, 106,  21, alNone, nullptr, nullptr, 0, 8},
    {"TLabel",        "Label5",       "GroupBox1",  136, 106, 106,  16, alNone, "[0..16777214]"},
    {"TComboBox",     "StComboBox",   "GroupBox1",  136, 130, 106,  21, alNone, nullptr, nullptr, rfDropDownList | rfHidden},
    {"TGroupBox",     "GroupBox2",    "ScrollBox1", 266,   4, 260, 176, alNone, "Type"},
    {"TRadioButton",  "RadioButton1", "GroupBox2",   12,  22, 110,  20, alNone, "other"},
    {"TRadioButton",  "RadioButton2", "GroupBox2",   12,  52, 110,  20, alNone, "all"},
    {"TRadioButton",  "RadioButton3", "GroupBox2",   12,  82, 110,  20, alNone, "type-1"},
    {"TRadioButton",  "RadioButton4", "GroupBox2",   12, 112, 110,  20, alNone, "type-2"},
    {"TRadioButton",  "RadioButton5", "GroupBox2",   12, 142, 110,  20, alNone, "internal"},
    {"TRadioButton",  "RadioButton6", "GroupBox2",  134,  22, 110,  20, alNone, "external"},
    {"TRadioButton",  "RadioButton7", "GroupBox2",  134,  52, 110,  20, alNone, "inter+E1"},
    {"TRadioButton",  "RadioButton8", "GroupBox2",  134,  82, 110,  20, alNone, "inter+E2"},
    {"TRadioButton",  "RadioButton9", "GroupBox2",  134, 112, 110,  20, alNone, "extType1"},
    {"TRadioButton",  "RadioButton10", "GroupBox2", 134, 142, 110,  20, alNone, "extType2"},
    {"TComboBox",     "ComboBox3",    "GroupBox2",  134, 170, 110,  21, alNone, nullptr, nullptr, rfDropDownList | rfHidden},
    {nullptr},
};
const TResForm kLayout = {"RouteRedistributForm", "RouteRedistributForm", 660, 520, poMainFormCenter, bsSizeable,
                          kComponents};

constexpr int kCreateAndGoItem = 3;
constexpr int kDestroyItem = 5;
constexpr int kTypeColumn = 2;

}  // namespace

TRouteRedistributForm::TRouteRedistributForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    RefreshBtn = C<TBitBtn>("RefreshBtn");
    EditBtn = C<TBitBtn>("EditBtn");
    AddBtn = C<TBitBtn>("AddBtn");
    DeleteBtn = C<TBitBtn>("DeleteBtn");
    CloseBtn = C<TBitBtn>("CloseBtn");
    Memo1 = C<TMemo>("Memo1");
    ListView1 = C<TListView>("ListView1");
    ComboBox1 = C<TComboBox>("ComboBox1");
    ComboBox2 = C<TComboBox>("ComboBox2");
    Edit1 = C<TEdit>("Edit1");
    Label5 = C<TLabel>("Label5");
    StComboBox = C<TComboBox>("StComboBox");
    ComboBox3 = C<TComboBox>("ComboBox3");
    for (int n = 1; n <= 10; ++n) {
        RadioButtons[n - 1] = C<TRadioButton>(("RadioButton" + std::to_string(n)).c_str());
        RadioButtons[n - 1]->OnClick = TNotifyEvent(this, &TRouteRedistributForm::RadioButton1Click);
    }

    RefreshBtn->OnClick = TNotifyEvent(this, &TRouteRedistributForm::RefreshBtnClick);
    EditBtn->OnClick = TNotifyEvent(this, &TRouteRedistributForm::EditBtnClick);
    AddBtn->OnClick = TNotifyEvent(this, &TRouteRedistributForm::AddBtnClick);
    DeleteBtn->OnClick = TNotifyEvent(this, &TRouteRedistributForm::DeleteBtnClick);
    CloseBtn->OnClick = TNotifyEvent(this, &TRouteRedistributForm::CloseBtnClick);
    ListView1->OnClick = TNotifyEvent(this, &TRouteRedistributForm::ListView1Click);
    ComboBox1->OnChange = TNotifyEvent(this, &TRouteRedistributForm::ComboBox1Change);
    ComboBox2->OnChange = TNotifyEvent(this, &TRouteRedistributForm::ComboBox1Change);
    OnCreate = TNotifyEvent(this, &TRouteRedistributForm::FormCreate);
    OnClose = TCloseEvent(this, &TRouteRedistributForm::FormClose);
    DoCreate();
}

// Every handler that talks to the device shows what it catches as a line of Memo1.
void TRouteRedistributForm::FormCreate(TObject*)
{
    SetCaption("Route Redistribution Table");
    try {
        Request = NewRequest(swL3RouteRedistriEntry, MVT_UMV, 2);
        Request->BindListView(ListView1, true);
        Request->Associate(0, ComboBox1);
        Request->Associate(1, ComboBox2);
        Request->Associate(2, ComboBox3);
        Request->AssociateFormat(3, "%i", Edit1);
        Request->Associate(4, StComboBox);
        Request->SetMessageControl(Memo1);
        Request->Get();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
    EnableRowButtons(false);
}

// Set and Delete write the selected row (Set with its own hidden status): without one they
// are not offered.
void TRouteRedistributForm::EnableRowButtons(bool enabled)
{
    EditBtn->SetEnabled(enabled);
    DeleteBtn->SetEnabled(enabled);
}

void TRouteRedistributForm::FormClose(TObject*, TCloseAction&) { ReleaseRequest(Request); }

void TRouteRedistributForm::CloseBtnClick(TObject*) { Close(); }

// While a read or write is under way the buttons start nothing: a second one would walk into
// the same list. A read empties the list, so no row stays selected for Delete.
void TRouteRedistributForm::RefreshBtnClick(TObject*)
{
    if (!Request || Request->Busy) return;
    EnableRowButtons(false);
    try {
        Request->Get();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
}

void TRouteRedistributForm::ListView1Click(TObject*)
{
    TListItem* row = ListView1->Selected();
    EnableRowButtons(row != nullptr);
    if (!row) return;
    const AnsiString type = row->SubItems()->Count() >= kTypeColumn ? row->SubItems()->Strings(kTypeColumn - 1) : "";
    for (TRadioButton* b : RadioButtons)
        if (b->Caption() == type) b->SetChecked(true);
    ComboBox1Change(ComboBox1);
}

void TRouteRedistributForm::OfferTypes(std::initializer_list<int> enabled)
{
    for (int n = 1; n <= 10; ++n) {
        bool on = false;
        for (int e : enabled) on = on || e == n;
        RadioButtons[n - 1]->SetEnabled(on);
    }
}

void TRouteRedistributForm::ComboBox1Change(TObject*)
{
    const AnsiString dst = ComboBox2->Text(), src = ComboBox1->Text();
    if (dst == "rip" && src == "ospf") {
        Label5->SetCaption("[0..16]");
        OfferTypes({1, 2, 5, 6, 7, 8, 9, 10});
    } else if (dst == "rip" && (src == "static" || src == "local")) {
        Label5->SetCaption("[0..16]");
        OfferTypes({2});
    } else if (dst == "ospf") {
        Label5->SetCaption("[0..16777214]");
        OfferTypes({3, 4});
    }
}

void TRouteRedistributForm::RadioButton1Click(TObject* Sender)
{
    for (int n = 1; n <= 10; ++n) {
        TRadioButton* b = RadioButtons[n - 1];
        if (b == Sender && b->Checked()) ComboBox3->SetItemIndex(n - 2);
    }
}

void TRouteRedistributForm::Write(bool add)
{
    if (!Request || Request->Busy) return;
    try {
        if (Edit1->Text().IsEmpty()) {
            if (Edit1->CanFocus()) Edit1->SetFocus();
            return;
        }
        const int metric = StrToInt(Edit1->Text());
        const AnsiString dst = ComboBox2->Text();
        const char* bound = nullptr;
        if (dst == "rip" && (metric < 0 || metric > 16)) bound = "Metric out of Bound [0..16]";
        if (dst == "ospf" && (metric < 0 || metric > 16777214)) bound = "Metric out of Bound [0..16777214]";
        if (bound) {
            ShowMessage(bound);
            if (Edit1->CanFocus()) Edit1->SetFocus();
            return;
        }
        if (!add && !ListView1->Selected()) return;
        const int status = StComboBox->ItemIndex();
        if (add) StComboBox->SetItemIndex(kCreateAndGoItem);
        Request->Set(true, true);
        // The hidden status is the selected row's again, should the switch refuse this one.
        StComboBox->SetItemIndex(status);
        EnableRowButtons(false);
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
}

void TRouteRedistributForm::EditBtnClick(TObject*) { Write(false); }

void TRouteRedistributForm::AddBtnClick(TObject*) { Write(true); }

// Only a selected row is deleted: without one the combo boxes hold whatever was chosen last.
void TRouteRedistributForm::DeleteBtnClick(TObject*)
{
    TListItem* row = ListView1->Selected();
    if (!row || !Request || Request->Busy) return;
    // The protocol boxes can be changed while a row is selected; Delete removes that row,
    // and the boxes show it again.
    ComboBox1->SetItemIndex(ComboBox1->Items()->IndexOf(row->Caption()));
    const AnsiString dst = row->SubItems()->Count() > 0 ? row->SubItems()->Strings(0) : AnsiString();
    ComboBox2->SetItemIndex(ComboBox2->Items()->IndexOf(dst));
    ComboBox1Change(ComboBox1);
    const int status = StComboBox->ItemIndex();
    try {
        StComboBox->SetItemIndex(kDestroyItem);
        Request->Set(true, true);
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
    StComboBox->SetItemIndex(status);
    EnableRowButtons(false);
}
