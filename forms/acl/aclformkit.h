// What the access-list forms share: the row-status items, a refused entry (message box, then
// the focus), the duplicate search over the listed rows, the field check boxes of the rule
// forms, the priority objects a rule leaves out, and the write of the chosen objects.
#pragma once

#include <vector>

#include "forms/layer2/featureframe.h"

class TCheckBox;
class TComboBox;
class TListView;
class TWinControl;

// Item indexes of a row-status combo box.
enum { kRowCreateAndGo = 3, kRowDestroy = 5 };

// Moves the focus to the control when it can take it.
void FocusWhenPossible(TWinControl* control);
// A failed check: its message box, then the focus (when given and possible). Returns false.
bool RefuseEntry(const AnsiString& message, TWinControl* focus = nullptr);
// True when the control shows no text: an edit's text, a combo box's chosen label.
bool ShowsNoText(TWinControl* control);

// A listed row with that caption (the first index), and with that first sub-item (the second).
// Numbers compare as numbers: "001" names row 1, as it does on the wire.
bool HasListedRow(TListView* lv, const AnsiString& caption);
bool HasListedRow(TListView* lv, const AnsiString& caption, const AnsiString& firstSubItem);
// The text of object `object`'s column in the selected row (object 0 is the caption).
AnsiString SelectedRowText(TListView* lv, int object);

// One field of a rule: its object, the control that shows it, the check box that chooses it.
struct TAclRuleField {
    int object;
    TWinControl* control;
    TCheckBox* box;
};
using TAclRuleFields = std::vector<TAclRuleField>;

// The first checked field whose control shows no text, or null.
const TAclRuleField* FirstEmptyCheckedField(const TAclRuleFields& fields);
// Leaves out the object of every unchecked field.
void LeaveOutUnchecked(TSavedAccessFlags& flags, const TAclRuleFields& fields);
// Checks or unchecks boxes; with onlyFocusable, boxes that cannot take the focus keep their state.
void SetBoxes(const std::vector<TCheckBox*>& boxes, bool checked, bool onlyFocusable = false);
void SetBoxesIfFocusable(const std::vector<TCheckBox*>& boxes, bool checked);

// Whether a rule's priority and replace-priority objects stay out of a write: with a selected
// row whose enable-priority column has text, when the enable field is chosen as "disabled" or,
// unchosen, the row reads "disabled"; with no row selected, unless the enable field is chosen
// as "enabled".
bool PriorityObjectsLeftOut(TListView* lv, int enableObject, TCheckBox* enableBox, TComboBox* enableCombo);

// The priority switch of the rule forms: "enabled" enables the priority controls, "disabled"
// (and, with otherTextDisables, any other text) disables them; the two check boxes are
// unchecked either way.
void ApplyPrioritySwitch(TComboBox* enableCombo, TCheckBox* priorityBox, TWinControl* priority,
                         TCheckBox* replaceBox, TWinControl* replace, bool otherTextDisables);

// Back to add mode after a failed write: no row stays highlighted that the controls no longer
// show, so the next write goes only where the operator points again.
void ForgetSelection(TListView* lv);

// False while the request reads or writes (or is gone): a click that reaches the form then
// starts nothing.
bool RequestIdle(const QzSNMPRequest2Controls* request);

// One synchronous write of the values not left out, without the layer's re-read.
void WriteChosenObjects(QzSNMPRequest2Edits* request);
