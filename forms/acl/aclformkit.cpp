#include "forms/acl/aclformkit.h"

#include "platform/ui/comctrls.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/stdctrls.h"

void FocusWhenPossible(TWinControl* control)
{
    if (control && control->CanFocus()) control->SetFocus();
}

bool RefuseEntry(const AnsiString& message, TWinControl* focus)
{
    ShowMessage(message);
    FocusWhenPossible(focus);
    return false;
}

bool ShowsNoText(TWinControl* control)
{
    if (auto* edit = dynamic_cast<TEdit*>(control)) return edit->Text().IsEmpty();
    if (auto* combo = dynamic_cast<TComboBox*>(control)) return combo->Text().IsEmpty();
    return false;
}

namespace {

bool SameKey(const AnsiString& listed, const AnsiString& typed)
{
    const int a = listed.ToIntDef(-1);
    const int b = typed.ToIntDef(-1);
    if (a >= 0 && b >= 0) return a == b;
    return listed == typed;
}

}  // namespace

bool HasListedRow(TListView* lv, const AnsiString& caption)
{
    for (int i = 0; i < lv->Items()->Count(); ++i)
        if (SameKey(lv->Items()->Item(i)->Caption(), caption)) return true;
    return false;
}

bool HasListedRow(TListView* lv, const AnsiString& caption, const AnsiString& firstSubItem)
{
    for (int i = 0; i < lv->Items()->Count(); ++i) {
        TListItem* row = lv->Items()->Item(i);
        if (SameKey(row->Caption(), caption) && row->SubItems()->Count() > 0 &&
            SameKey(row->SubItems()->Strings(0), firstSubItem))
            return true;
    }
    return false;
}

AnsiString SelectedRowText(TListView* lv, int object)
{
    TListItem* row = lv->Selected();
    if (!row) return AnsiString();
    if (object == 0) return row->Caption();
    return object - 1 < row->SubItems()->Count() ? row->SubItems()->Strings(object - 1) : AnsiString();
}

const TAclRuleField* FirstEmptyCheckedField(const TAclRuleFields& fields)
{
    for (const TAclRuleField& f : fields)
        if (f.box && f.box->Checked() && ShowsNoText(f.control)) return &f;
    return nullptr;
}

void LeaveOutUnchecked(TSavedAccessFlags& flags, const TAclRuleFields& fields)
{
    for (const TAclRuleField& f : fields)
        if (f.box && !f.box->Checked()) flags.LeaveOut(f.object);
}

void SetBoxes(const std::vector<TCheckBox*>& boxes, bool checked, bool onlyFocusable)
{
    for (TCheckBox* box : boxes)
        if (!onlyFocusable || box->CanFocus()) box->SetChecked(checked);
}

void SetBoxesIfFocusable(const std::vector<TCheckBox*>& boxes, bool checked) { SetBoxes(boxes, checked, true); }

bool PriorityObjectsLeftOut(TListView* lv, int enableObject, TCheckBox* enableBox, TComboBox* enableCombo)
{
    const bool chosenDisabled = enableBox->Checked() && enableCombo->Text() == "disabled";
    if (lv->Selected()) {
        const AnsiString column = SelectedRowText(lv, enableObject);
        if (column.IsEmpty()) return false;
        return chosenDisabled || (!enableBox->Checked() && column == "disabled");
    }
    return !enableBox->Checked() || chosenDisabled;
}

void ApplyPrioritySwitch(TComboBox* enableCombo, TCheckBox* priorityBox, TWinControl* priority,
                         TCheckBox* replaceBox, TWinControl* replace, bool otherTextDisables)
{
    const AnsiString text = enableCombo->Text();
    if (text != "enabled" && text != "disabled" && !otherTextDisables) return;
    const bool on = text == "enabled";
    for (TWinControl* c : {static_cast<TWinControl*>(priorityBox), priority, static_cast<TWinControl*>(replaceBox), replace})
        c->SetEnabled(on);
    priorityBox->SetChecked(false);
    replaceBox->SetChecked(false);
}

void ForgetSelection(TListView* lv)
{
    if (lv->Selected()) lv->ClearSelection();
}

bool RequestIdle(const QzSNMPRequest2Controls* request) { return request && !request->Busy; }

void WriteChosenObjects(QzSNMPRequest2Edits* request) { request->Set(false, true); }
