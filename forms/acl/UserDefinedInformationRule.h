// The payload access-list rules: up to two 16-octet packet windows to match, permit or deny,
// and for a permitting rule the priority and DSCP to set. A check box per field chooses what a
// write sends.
#pragma once

#include "forms/acl/aclformkit.h"

class TUserDefinedInformationRuleForm : public TFeatureFormBase {
public:
    explicit TUserDefinedInformationRuleForm(TComponent* Owner);

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void GetButtonClick(TObject* Sender);
    void ListView1Click(TObject* Sender);
    void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
    void PermitComboBoxChange(TObject* Sender);
    void CheckButtonClick(TObject* Sender);
    void UncheckButtonClick(TObject* Sender);
    void AddButtonClick(TObject* Sender);
    void EditButtonClick(TObject* Sender);
    void DeleteButtonClick(TObject* Sender);

    TButton* GetButton;
    TButton* EditButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TButton* CheckButton;
    TButton* UncheckButton;
    TStaticText* StaticText1;
    TListView* ListView1;
    TEdit* ProfileIDEdit;
    TEdit* AccessIDEdit;
    TEdit* OffsetGroupFirstEdit;
    TEdit* OffsetGroupSecondEdit;
    TEdit* OffsetGroupThirdEdit;
    TEdit* OffsetGroupForthEdit;
    TEdit* OffsetGroupFifthEdit;
    TComboBox* EnablePriComboBox;
    TEdit* PriorityEdit;
    TComboBox* ReplPriyComboBox;
    TComboBox* EnableReplComboBox;
    TEdit* ReplDSCPEdit;
    TComboBox* PermitComboBox;
    TComboBox* RowComboBox;
    TCheckBox* cbxGroupFirst;
    TCheckBox* cbxGroupSecond;
    TCheckBox* cbxGroupThird;
    TCheckBox* cbxGroupForth;
    TCheckBox* cbxGroupFifth;
    TCheckBox* cbxEnablePriority;
    TCheckBox* cbxPriority;
    TCheckBox* cbxReplace;
    TCheckBox* cbxEnableReplace;
    TCheckBox* cbxReplaceDscp;
    TCheckBox* cbxPermit;
    TCheckBox* cbxRow;
    TStatusBar* StatusBar1;
    QzSNMPRequest2Edits* Request = nullptr;

private:
    TAclRuleFields Windows() const;
    std::vector<TCheckBox*> FieldBoxes() const;
    void IdleState();
    void ClearUserRuleFields();
    void ShowCount();
    void EnablePriorityControls(bool on);
    int WindowsInUse() const;
    void WriteRule(bool adding);
    void WriteRowStatusOnly();
    void Failed(const AnsiString& text);
};
