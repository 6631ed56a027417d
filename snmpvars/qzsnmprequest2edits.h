// QzSNMPRequest2Edits: a request bound to a list view (one row per table row, one column per
// variable) and to controls associated with variables or byte ranges of them: labels, static
// texts, check boxes (a value, an enumeration or the bits of a bit map), combo boxes and radio
// groups (an enumeration) and edits (a value spread over one edit per format conversion).
//
//   auto* r = new QzSNMPRequest2Edits(form);
//   r->Request.varList = QzSNMPVarList(table, MVT_FMV, 1);   // first: associations use indexes
//   r->BindListView(listView, true);
//   r->Associate(2, comboBox);                                 // variable 2's option list
//   r->AssociateFormat(1, "%u{n0x255}%u{n0x255}%u{n0x255}%u{n0x255}", e0, e1, e2, e3);
//   r->AssociateIndexList(3, "0,1,2,3", cb0, cb1, cb2, cb3);  // bits of a port list
//   r->Get();          // rows into the list view; selecting one fills the controls
//   r->Set(true, true); // the selected row and the controls back into the values, then sent
//
// Before a write, PrepareSet rebuilds every value from the selected row and the controls; a
// writable variable that neither gave is left out of the write.
// The row goes out at the index it was read under while its keys are as shown, even when the
// shown key is not the whole index.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/comctrls.h"
#include "snmpvars/qzsnmprequest2controls.h"

class QzEditConstraint;
class QzOptionList;
class TCheckBox;
class TComboBox;
class TControl;
class TCustomEdit;
class TEdit;
class TLabel;
class TListItem;
class TListView;
class TRadioGroup;
class TStaticText;
class TTimer;
class TWinControl;

// One association: variable varIndex (or the part of it at offset, read with syntax) shown by
// count controls.
struct _EditAssociation_s {
    int varIndex = 0;
    int offset = 0;   // 0 with the variable's own syntax: the whole value
    int syntax = 0;
    QzOptionList* options = nullptr;  // the caller's; null: see OptionsInForce
    int count = 0;
    std::vector<int> bitIndexes;      // a bit map: control k shows bit bitIndexes[k]
    std::vector<TControl*> controls;
    std::vector<TNotifyEvent> savedHandlers;  // OnChange of a combo box, OnClick of a check box or radio group
    std::vector<QPointer<QWidget>> alive;     // cleared when a control is destroyed
};

class QzSNMPRequest2Edits : public QzSNMPRequest2Controls {
public:
    explicit QzSNMPRequest2Edits(TForm* owner);
    // Gives the list view and every control its own handlers back.
    ~QzSNMPRequest2Edits() override;

    // Report style, read-only, row select; takes over OnSelectItem (the list view's handler
    // still runs first). enableOnSelect: after a table read the associated controls are
    // disabled until a row is selected.
    void BindListView(TListView* listView, bool enableOnSelect = true);
    TListView* ListView() const { return BoundListView(); }

    // The whole value of variable i. Combo boxes become drop-down lists and, like radio
    // groups, take the labels of the variable's option list (-520 without one).
    void Associate(int i, TLabel* label);
    void Associate(int i, TStaticText* text);
    void Associate(int i, TCheckBox* box);
    void Associate(int i, TComboBox* box);
    void Associate(int i, TRadioGroup* group, int unused = 1);
    // The part of variable i at a byte offset, read with the given syntax and option list.
    void AssociatePart(int i, int offset, int syntax, QzOptionList* options, TComboBox* box);
    // Variable i spread over one edit per conversion ("%i", "%u", "%s", "%h", "%f", "%n") of
    // the format; each edit gets its conversion's input rules. Too few edits raise -522.
    template <class... More>
    void AssociateFormat(int i, const AnsiString& format, TEdit* first, More*... more)
    {
        AssociateFormatList(i, 0, -1, nullptr, format, {first, more...});
    }
    template <class... More>
    void AssociateFormatPart(int i, int offset, int syntax, QzOptionList* options, const AnsiString& format,
                             TEdit* first, More*... more)
    {
        AssociateFormatList(i, offset, syntax, options, format, {first, more...});
    }
    // syntax -1: the variable's own (the whole value).
    void AssociateFormatList(int i, int offset, int syntax, QzOptionList* options, const AnsiString& format,
                             const std::vector<TEdit*>& edits);
    // A bit map: check box k shows bit number k of the comma-separated list (bit 0 is the most
    // significant bit of the first byte).
    template <class... More>
    void AssociateIndexList(int i, const AnsiString& indexList, TCheckBox* first, More*... more)
    {
        AssociateIndexBoxes(i, indexList, {first, more...});
    }
    void AssociateIndexList(int i, const AnsiString& indexList, TList* controls);
    void AssociateIndexBoxes(int i, const AnsiString& indexList, const std::vector<TCheckBox*>& boxes);
    // Removes every association of variable i; its controls get their own handlers back.
    void RemoveAssociation(int i);

    int AssociationCount() const { return static_cast<int>(associations_.size()); }
    const _EditAssociation_s& Association(int k) const { return *associations_[static_cast<size_t>(k)]; }
    QzEditConstraint* Constraint() const { return constraint_; }
    void SetConstraintOwner(TWinControl* owner);

    // Values into the associated controls, and back (i < 0: every variable).
    void ValuesToControls(int i);
    void ControlsToValues(int i);

    // Every value from the selected row and the controls; what neither gives stays empty and
    // is left out of the next write.
    void PrepareSet() override;

    bool enableOnSelect = true;

protected:
    void BeforeGet() override;
    void OnRowReceived() override;
    void AfterGet() override;
    void OnGetError(QzSNMPError* result) override;
    bool ValueMissing(int i) const override;
    virtual void ListViewSelectItem(TObject* Sender, TListItem* item, bool selected);

    // The list view while it exists.
    TListView* BoundListView() const { return listViewAlive_ ? listView_ : nullptr; }
    void BuildColumns();
    // False when the list view's change handler deleted this binding.
    bool ValuesToRow();
    // Copies the selected row into the values; marks the variables it gave.
    void RowToValues(std::vector<bool>* given = nullptr);

private:
    void ControlEvent(TObject* Sender);
    void Take(_EditAssociation_s& r, int k);
    void GiveBack(_EditAssociation_s& r, int k);
    bool HeldElsewhere(const _EditAssociation_s* except, TControl* control) const;
    void AssociateOne(int i, int offset, int syntax, QzOptionList* options, TControl* control);
    void Append(std::unique_ptr<_EditAssociation_s> r);
    QzSNMPVarItem& Var(int i) const;
    QzOptionList* OptionsInForce(const _EditAssociation_s& r) const;
    void SetControlsEnabled(bool enabled);
    void ControlsToValuesOf(int i, std::vector<bool>* given);
    // Value transfer of one association.
    void WriteControls(_EditAssociation_s& r);
    // The part that the controls give; false when they show no value ("(NULL)").
    bool ReadControls(_EditAssociation_s& r, QzOptionList* opts, std::string& part);
    // A value split over several edits, by the syntax of the association.
    void WriteEdits(const std::vector<TCustomEdit*>& edits, int syntax, const AnsiString& text,
                    const std::string& octets);
    AnsiString ReadEdits(const std::vector<TCustomEdit*>& edits, int syntax);

    TLVSelectItemEvent savedOnSelectItem_;
    TListView* listView_ = nullptr;
    QPointer<QWidget> listViewAlive_;
    std::vector<std::unique_ptr<_EditAssociation_s>> associations_;
    QzEditConstraint* constraint_;
    std::vector<int> rowVars_;  // the variable of each list-view column, as the rows were filled
    std::vector<bool> given_;   // per variable, from the last PrepareSet; empty: no such record
    // Painting of the list view while a walk fills it.
    void HoldPaint(TListView* lv);
    void ReleasePaint();
    void PaintCheck(TObject* Sender);
    bool paintHeld_ = false;
    QElapsedTimer heldSince_;
    TTimer* paintCheck_ = nullptr;
    int rowsSinceCheck_ = 0;
};
