#include "forms/routing_security/aaamethodlist.h"

#include <map>
#include <memory>
#include <vector>

#include "forms/routing_security/aaatablewrite.h"
#include "mainwindow/mainunit.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/sysutils.h"

namespace {

// Items of the type combos and of the row status combo.
constexpr int kServerGroupItem = 4;
constexpr int kCreateAndGoItem = 3;
constexpr int kDestroyItem = 5;
// Columns: 0 the name, 2n+1 the type and 2n+2 the server group of method n, 9 the row status.
constexpr int TypeColumn(int n) { return 2 * n + 1; }
constexpr int ServerColumn(int n) { return 2 * n + 2; }
constexpr int kRowStatusColumn = 9;

const char* const kIneffective =
    "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?";
// The list every switch keeps: the form never deletes it.
const char* const kDefaultList = "default";
const char* const kDefaultNotDeleted = "The method list default cannot be deleted.";

struct TLayout {
    std::vector<TResComponent> components;
    TResForm form;
};

}  // namespace

int MethodCode(const AnsiString& typeText, int position)
{
    return typeText.IsEmpty() || typeText == "other" ? -1 : position;
}

bool MethodsEffective(const int codes[4])
{
    for (int n = 0; n < 4; ++n) {
        if (codes[n] != 5 && codes[n] != 6) continue;
        for (int later = n + 1; later < 4; ++later)
            if (codes[later] >= 0) return false;
    }
    return true;
}

void TrimMethods(int codes[4])
{
    for (int n = 0; n < 4; ++n) {
        if (codes[n] != 5 && codes[n] != 6) continue;
        for (int later = n + 1; later < 4; ++later) codes[later] = -1;
        return;
    }
}

const TResForm& MethodListLayout(const TMethodListKind& kind)
{
    static std::map<const TMethodListKind*, std::unique_ptr<TLayout>> layouts;
    std::unique_ptr<TLayout>& made = layouts[&kind];
    if (made) return made->form;
    made = std::make_unique<TLayout>();
    std::vector<TResComponent>& c = made->components;
    static const char* const kLabels[] = {"Label1", "Label2", "Label3", "Label4", "Label5",
                                          "Label6", "Label7", "Label8", "Label9", "Label10"};
    auto label = [&](int column) { return kind.table[column].label; };
    c = {
        // class          name            parent     left top   w    h  align
        {"TStatusBar",    "StatusBar1",   nullptr,     0,   0,   0,  19, alBottom, nullptr, "50"},
        {"TPanel",        "Panel1",       nullptr,     0,   0,  99,   0, alRight, "", nullptr, rfBevelNone},
        {"TStaticText",   "StaticText1",  "Panel1",   14,  12,  70,  20, alNone, "0", nullptr, rfSunken | rfCenter},
        {"TButton",       "GetButton",    "Panel1",   12,  44,  75,  25, alNone, "Refresh"},
        {"TButton",       "EditButton",   "Panel1",   12,  78,  75,  25, alNone, "Edit"},
        {"TButton",       "AddButton",    "Panel1",   12, 112,  75,  25, alNone, "Add"},
        {"TButton",       "DeleteButton", "Panel1",   12, 146,  75,  25, alNone, "Delete"},
        {"TSplitter",     "Splitter1",    nullptr,     0,   0,   4,   0, alRight},
        {"TPanel",        "Panel2",       nullptr,     0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
        {"TPanel",        "Panel3",       "Panel2",    0,   0,   0, 156, alBottom, "", nullptr, rfBevelNone},
        {"TSplitter",     "Splitter2",    "Panel2",    0,   0,   0,   4, alBottom},
        {"TListView",     "ListView1",    "Panel2",    0,   0,   0,   0, alClient},
        {"TLabel",        kLabels[0],     "Panel3",    8,  10, 176,  16, alNone, label(0)},
        {"TEdit",         kind.nameEdit,  "Panel3",  186,   8, 124,  21, alNone},
        {"TLabel",        kLabels[9],     "Panel3",  326,  10, 176,  16, alNone, label(kRowStatusColumn)},
        {"TComboBox",     "RowComboBox",  "Panel3",  504,   8, 124,  21, alNone, nullptr, nullptr, rfDropDownList},
    };
    for (int n = 0; n < 4; ++n) {
        const int top = 38 + 28 * n;
        c.push_back({"TLabel", kLabels[TypeColumn(n)], "Panel3", 8, top + 2, 176, 16, alNone, label(TypeColumn(n))});
        c.push_back({"TComboBox", kind.typeCombos[n], "Panel3", 186, top, 124, 21, alNone, nullptr, nullptr,
                     rfDropDownList});
        c.push_back({"TLabel", kLabels[ServerColumn(n)], "Panel3", 326, top + 2, 176, 16, alNone,
                     label(ServerColumn(n))});
        c.push_back({"TEdit", kind.serverEdits[n], "Panel3", 504, top, 124, 21, alNone});
    }
    c.push_back({nullptr});
    made->form = {kind.resourceName, kind.caption, 740, 480, poScreenCenter, bsSizeable, c.data()};
    return made->form;
}

TAAAMethodListForm::TAAAMethodListForm(TComponent* Owner, const TMethodListKind& kind)
    : TFeatureFormBase(Owner, MethodListLayout(kind)), kind_(kind)
{
    StatusBar1 = C<TStatusBar>("StatusBar1");
    GetButton = C<TButton>("GetButton");
    EditButton = C<TButton>("EditButton");
    AddButton = C<TButton>("AddButton");
    DeleteButton = C<TButton>("DeleteButton");
    StaticText1 = C<TStaticText>("StaticText1");
    ListView1 = C<TListView>("ListView1");
    RowComboBox = C<TComboBox>("RowComboBox");
    NameEditControl = C<TEdit>(kind.nameEdit);
    for (int n = 0; n < 4; ++n) {
        TypeCombo[n] = C<TComboBox>(kind.typeCombos[n]);
        ServerEdit[n] = C<TEdit>(kind.serverEdits[n]);
    }
    GetButton->OnClick = TNotifyEvent(this, &TAAAMethodListForm::GetButtonClick);
    EditButton->OnClick = TNotifyEvent(this, &TAAAMethodListForm::EditButtonClick);
    AddButton->OnClick = TNotifyEvent(this, &TAAAMethodListForm::AddButtonClick);
    DeleteButton->OnClick = TNotifyEvent(this, &TAAAMethodListForm::DeleteButtonClick);
    ListView1->OnChange = TLVChangeEvent(this, &TAAAMethodListForm::ListView1Change);
    ListView1->OnClick = TNotifyEvent(this, &TAAAMethodListForm::ListView1Click);
    OnCreate = TNotifyEvent(this, &TAAAMethodListForm::FormCreate);
    OnClose = TCloseEvent(this, &TAAAMethodListForm::FormClose);
}

void TAAAMethodListForm::FormCreate(TObject*)
{
    try {
        if (kind_.captionWithAddress)
            SetCaption(AnsiString("Login Method List: ") + (MainForm ? MainForm->AgentAddress : AnsiString()));
        Request = NewRequest(kind_.table, MVT_UMV, 1);
        Request->Mode = 0;
        Request->BindListView(ListView1, true);
        Request->AssociateFormat(0, "%s{l15}", NameEditControl);
        for (int n = 0; n < 4; ++n) {
            Request->Associate(TypeColumn(n), TypeCombo[n]);
            Request->AssociateFormat(ServerColumn(n), "%s{l15}", ServerEdit[n]);
        }
        Request->Associate(kRowStatusColumn, RowComboBox);
        Request->SetMessageControl(StatusBar1);
        for (TComboBox* type : TypeCombo) type->SetItemIndex(-1);
        ClearEdits();
        RowComboBox->SetItemIndex(kCreateAndGoItem);
        AddMode();
        Request->Get();
        if (kind_.typeRulesAtCreate) TypeRules();
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
    }
}

void TAAAMethodListForm::FormClose(TObject*, TCloseAction&) { ReleaseRequest(Request); }

// No row is highlighted in add mode: after a refused write the edits no longer show the row,
// and a click on it must fill them again before Edit or Delete can act on it.
void TAAAMethodListForm::AddMode()
{
    ListView1->ClearSelection();
    EditButton->SetEnabled(false);
    DeleteButton->SetEnabled(false);
    NameEditControl->SetEnabled(true);
    AddButton->SetEnabled(true);
}

void TAAAMethodListForm::ClearEdits()
{
    NameEditControl->SetText("");
    for (TEdit* e : ServerEdit) e->SetText("");
    if (ListView1->Items()->Count() == 0) StaticText1->SetCaption("0");
}

void TAAAMethodListForm::TypeRule(int n)
{
    ServerEdit[n]->SetEnabled(TypeCombo[n]->ItemIndex() == kServerGroupItem);
    ServerEdit[n]->SetText("");
}

void TAAAMethodListForm::TypeRules()
{
    for (int n = 0; n < 4; ++n) TypeRule(n);
}

void TAAAMethodListForm::Codes(int codes[4]) const
{
    for (int n = 0; n < 4; ++n) codes[n] = MethodCode(TypeCombo[n]->Text(), TypeCombo[n]->ItemIndex());
}

void TAAAMethodListForm::Focus(TWinControl* control) const
{
    if (control->CanFocus()) control->SetFocus();
}

void TAAAMethodListForm::GetButtonClick(TObject*)
{
    ReadTable(Request, StatusBar1);
    AddMode();
    ClearEdits();
    TypeRules();
}

void TAAAMethodListForm::ListView1Click(TObject*)
{
    TListItem* row = ListView1->Selected();
    if (!row) {
        AddMode();
    } else {
        EditButton->SetEnabled(true);
        DeleteButton->SetEnabled(row->Caption() != kDefaultList);
        NameEditControl->SetEnabled(false);
        AddButton->SetEnabled(false);
    }
    // The server-group names stay as read, so that an Edit writes back the names the switch
    // holds; the other methods have none.
    for (int n = 0; n < 4; ++n) {
        const bool group = TypeCombo[n]->ItemIndex() == kServerGroupItem;
        ServerEdit[n]->SetEnabled(group);
        if (!group || !row) ServerEdit[n]->SetText("");
    }
}

void TAAAMethodListForm::ListView1Change(TObject*, TListItem*, TItemChange)
{
    StaticText1->SetCaption(IntToStr(ListView1->Items()->Count()));
}

bool TAAAMethodListForm::ConfirmMethods(const int codes[4], bool& trim) const
{
    trim = false;
    if (MethodsEffective(codes)) return true;
    if (MessageDlg(kIneffective, mtConfirmation, TMsgDlgButtons() << mbYes << mbNo, 0) == mrYes) return false;
    trim = true;
    return true;
}

bool TAAAMethodListForm::LeaveOutMethods(TSavedAccessFlags& saved) const
{
    int codes[4];
    Codes(codes);
    bool trim = false;
    if (!ConfirmMethods(codes, trim)) return false;
    for (int n = 0; n < 4; ++n) {
        const AnsiString type = TypeCombo[n]->Text();
        if (type.IsEmpty() || type == "other") {
            saved.LeaveOut(TypeColumn(n));
            saved.LeaveOut(ServerColumn(n));
        } else if (TypeCombo[n]->ItemIndex() != kServerGroupItem) {
            saved.LeaveOut(ServerColumn(n));
        }
    }
    if (!trim) return true;
    TrimMethods(codes);
    for (int n = 0; n < 4; ++n) {
        if (codes[n] >= 0) continue;
        saved.LeaveOut(TypeColumn(n));
        saved.LeaveOut(ServerColumn(n));
    }
    return true;
}

void TAAAMethodListForm::WriteAndReload(TSavedAccessFlags& saved, bool typeRulesAfter)
{
    WriteThenRead(Request, saved, StatusBar1);
    AddMode();
    ClearEdits();
    if (typeRulesAfter && kind_.typeRulesAfterWrite) TypeRules();
}

void TAAAMethodListForm::AddButtonClick(TObject*)
{
    const AnsiString name = NameEditControl->Text();
    if (name.IsEmpty()) {
        ShowMessage(kind_.nameMissing);
        Focus(NameEditControl);
        return;
    }
    for (int i = 0; i < ListView1->Items()->Count(); ++i) {
        if (ListView1->Items()->Item(i)->Caption() != name) continue;
        ShowMessage(kind_.nameTaken);
        Focus(NameEditControl);
        return;
    }
    if (RowComboBox->ItemIndex() != kCreateAndGoItem) {
        ShowMessage("Row State must be createAndGo.");
        Focus(RowComboBox);
        return;
    }
    TSavedAccessFlags saved(Request->Request.varList);
    if (!LeaveOutMethods(saved)) return;
    WriteAndReload(saved, true);
}

void TAAAMethodListForm::EditButtonClick(TObject*)
{
    if (NameEditControl->Text().IsEmpty()) {
        ShowMessage(kind_.nameMissing);
        return;
    }
    if (RowComboBox->ItemIndex() == kDestroyItem) {
        // Delete is not offered on the default list; a destroy through Edit is refused alike.
        if (NameEditControl->Text() == kDefaultList) {
            ShowMessage(kDefaultNotDeleted);
            return;
        }
        TSavedAccessFlags saved(Request->Request.varList);
        for (int column = ServerColumn(0); column < kRowStatusColumn; ++column) saved.LeaveOut(column);
        WriteAndReload(saved, false);
        return;
    }
    TSavedAccessFlags saved(Request->Request.varList);
    if (!LeaveOutMethods(saved)) return;
    saved.LeaveOut(kRowStatusColumn);
    WriteAndReload(saved, true);
}

void TAAAMethodListForm::DeleteButtonClick(TObject*)
{
    TSavedAccessFlags saved(Request->Request.varList);
    for (int column = ServerColumn(0); column < kRowStatusColumn; ++column) saved.LeaveOut(column);
    RowComboBox->SetItemIndex(kDestroyItem);
    WriteAndReload(saved, true);
}
