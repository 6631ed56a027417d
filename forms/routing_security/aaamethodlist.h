// What the login and enable method-list forms share: one list of method lists, the selected
// list in edits (a name, four methods of a type and, for a server group, the group's name, and
// the row status), and Add, Edit and Delete of lists. The two forms differ in their table,
// their component names, their texts and where they apply the type rules.
#pragma once

#include "forms/layer2/featureframe.h"

// One form's differences.
struct TMethodListKind {
    const char* resourceName;
    const char* caption;  // the resource caption
    const UISnmpVar* table;
    const char* nameEdit;
    const char* typeCombos[4];
    const char* serverEdits[4];
    const char* nameMissing;  // Add and Edit with an empty name
    const char* nameTaken;    // Add with the name of a listed row
    bool captionWithAddress;  // the caption becomes "Login Method List: " and the agent address
    bool typeRulesAtCreate;
    bool typeRulesAfterWrite;  // after Add, Edit (not a destroy) and Delete
};

// The method code of a type combo: its position, or -1 for an unset method (no type, or
// "other").
int MethodCode(const AnsiString& typeText, int position);
// False when a set method follows one whose code is 5 or 6 (the local and none methods).
bool MethodsEffective(const int codes[4]);
// Every method after the first local or none method becomes unset.
void TrimMethods(int codes[4]);

class TAAAMethodListForm : public TFeatureFormBase {
public:
    TAAAMethodListForm(TComponent* Owner, const TMethodListKind& kind);

    TStatusBar* StatusBar1;
    TButton* GetButton;
    TButton* EditButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TStaticText* StaticText1;
    TListView* ListView1;
    TComboBox* RowComboBox;
    QzSNMPRequest2Edits* Request = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void GetButtonClick(TObject* Sender);
    void EditButtonClick(TObject* Sender);
    void AddButtonClick(TObject* Sender);
    void DeleteButtonClick(TObject* Sender);
    void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
    void ListView1Click(TObject* Sender);

protected:
    // The change handler of type combo n (0 to 3).
    void TypeRule(int n);
    TEdit* NameEditControl;
    TComboBox* TypeCombo[4];
    TEdit* ServerEdit[4];

private:
    void AddMode();
    void ClearEdits();
    void TypeRules();
    void Codes(int codes[4]) const;
    // Asks about methods after a local or none method; false when the operator wants to change
    // them. trim: the operator chose to write without them.
    bool ConfirmMethods(const int codes[4], bool& trim) const;
    // Asks about methods after local or none, then leaves out the columns that the methods do
    // not use (and, when the operator chose to write without them, those methods); false when
    // the operator wants to change the methods.
    bool LeaveOutMethods(TSavedAccessFlags& saved) const;
    // Set with the flags the caller marked, then the flags back and the list read again; the
    // form returns to add mode however it ended.
    void WriteAndReload(TSavedAccessFlags& saved, bool typeRulesAfter);
    void Focus(TWinControl* control) const;

    const TMethodListKind& kind_;
};

// The layout of a method-list form with its component names, built once per kind.
const TResForm& MethodListLayout(const TMethodListKind& kind);
