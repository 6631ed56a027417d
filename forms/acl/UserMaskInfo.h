// The payload (user-defined) mask entries: the filtered ports and five 16-octet masks over the
// packet offsets 0 to 79, of which one entry may use two.
#pragma once

#include "forms/layer2/featureframe.h"

class TUserMaskInfoForm : public TFeatureFormBase {
public:
    explicit TUserMaskInfoForm(TComponent* Owner);

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void GetButtonClick(TObject* Sender);
    void ListView1Click(TObject* Sender);
    void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
    void AddButtonClick(TObject* Sender);
    void OperButtonClick(TObject* Sender);
    void DeleteButtonClick(TObject* Sender);

    TButton* GetButton;
    TButton* OperButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TStaticText* Static;
    TPanel* StackingPortPanel;
    TListView* ListView1;
    TEdit* Edit1;
    TEdit* Edit3;
    TEdit* Edit4;
    TEdit* Edit5;
    TEdit* Edit6;
    TEdit* Edit7;
    TComboBox* ComboBox1;
    TStatusBar* StatusBar1;
    TStackingPortUitForm* PortPage = nullptr;
    QzSNMPRequest2Edits* Request = nullptr;

private:
    void IdleState();
    void ClearUserMaskFields();
    int GroupsInUse() const;
    bool AnyPortChecked() const;
    // Leaves the empty masks out; false (after its message) for a mask that is no hex text.
    bool ChooseMasks(TSavedAccessFlags& flags);
    void WriteEntry(bool adding);
    void Failed(const AnsiString& text);
};

extern TUserMaskInfoForm* UserMaskInfoForm;
