// The IPv6 access-list rules: traffic class, flow label or one IPv6 address to match, what
// happens to the packet and on which ports. An address goes in a write of its own.
#pragma once

#include "forms/acl/aclformkit.h"

class TIpv6RuleForm : public TFeatureFormBase {
public:
    explicit TIpv6RuleForm(TComponent* Owner);

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void GetButtonClick(TObject* Sender);
    void ListView1Click(TObject* Sender);
    void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
    void PriorityComboBoxChange(TObject* Sender);
    void CheckButtonClick(TObject* Sender);
    void UncheckButtonClick(TObject* Sender);
    void EditButtonClick(TObject* Sender);
    void AddButtonClick(TObject* Sender);
    void DeleteButtonClick(TObject* Sender);

    TButton* GetButton;
    TButton* EditButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TButton* CheckButton;
    TButton* UncheckButton;
    TStaticText* StaticText1;
    TListView* ListView1;
    TEdit* edtRuleID;
    TEdit* edtRuleAccessID;
    TEdit* edtRuleClass;
    TEdit* edtRuleFlowlabel;
    TEdit* edtRuleSrcIpv6addr;
    TEdit* edtRuleDstIpv6addr;
    TComboBox* PriorityComboBox;
    TEdit* PriorityEdit;
    TComboBox* ReplaceComboBox;
    TComboBox* PermitComboBox;
    TEdit* RxRateEdit;
    TComboBox* RowComboBox;
    TCheckBox* cbxRuleClass;
    TCheckBox* cbxRuleFlowlabel;
    TCheckBox* cbxRuleSrcIpv6addr;
    TCheckBox* cbxRuleDstIpv6addr;
    TCheckBox* cbxEnablePriority;
    TCheckBox* cbxPriority;
    TCheckBox* cbxReplacePriority;
    TCheckBox* cbxPermit;
    TCheckBox* cbxRxRate;
    TCheckBox* cbxRow;
    TPanel* StackingPortPanel;
    TStatusBar* StatusBar1;
    TStackingPortUitForm* PortPage = nullptr;
    QzSNMPRequest2Edits* Request = nullptr;

private:
    TAclRuleFields Fields() const;
    void ClearFields();
    void IdleState();
    void ShowCount();
    void PrioritySwitch();
    void CheckFieldBoxes(bool checked);
    bool EntryPasses();
    void ChooseObjects(TSavedAccessFlags& flags);
    void WriteAddress(TSavedAccessFlags& chosen, int object);
    void WriteWithoutAddresses(TSavedAccessFlags& chosen);
    void WriteRule(bool adding);
    void Failed(const AnsiString& text);
};

extern TIpv6RuleForm* Ipv6RuleForm;
