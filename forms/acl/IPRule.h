// The IP access-list rules: what an IPv4 packet must carry, what happens to it and on which
// ports. A check box per field chooses what a write sends; the protocol decides which of the
// protocol's own fields can go at all.
#pragma once

#include "forms/acl/aclformkit.h"

class TIPRuleForm : public TFeatureFormBase {
public:
    explicit TIPRuleForm(TComponent* Owner);

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void GetButtonClick(TObject* Sender);
    void ListView1Click(TObject* Sender);
    void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
    void PriorityComboBoxChange(TObject* Sender);
    void PermitComboBoxChange(TObject* Sender);
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
    TEdit* IPRuleEdit;
    TEdit* AccessIDEdit;
    TEdit* SourceIPEdit;
    TEdit* DestIPEdit;
    TEdit* DSCPEdit;
    TComboBox* ProtocolComboBox;
    TComboBox* RuleIcmpComboBox;
    TComboBox* RuleIgmpComboBox;
    TEdit* SourcePortEdit;
    TEdit* DestPortEdit;
    TEdit* FlagEdit;
    TEdit* ProtocolIDEdit;
    TEdit* UserMaskEdit;
    TComboBox* PriorityComboBox;
    TEdit* PriorityEdit;
    TComboBox* ReplaceComboBox;
    TComboBox* EnableReplComboBox;
    TEdit* DSCPValueEdit;
    TComboBox* PermitComboBox;
    TEdit* RxRateEdit;
    TComboBox* RowComboBox;
    TCheckBox* cbxSourceIP;
    TCheckBox* cbxDestIP;
    TCheckBox* cbxDscp;
    TCheckBox* cbxProtocol;
    TCheckBox* cbxRuleIcmp;
    TCheckBox* cbxRuleIgmp;
    TCheckBox* cbxSourcePort;
    TCheckBox* cbxDestPort;
    TCheckBox* cbxFBs;
    TCheckBox* cbxProtocolID;
    TCheckBox* cbxUserMask;
    TCheckBox* cbxEnablePriority;
    TCheckBox* cbxPriority;
    TCheckBox* cbxReplacePriority;
    TCheckBox* cbxEnableReplaceDscp;
    TCheckBox* cbxValue;
    TCheckBox* cbxPermit;
    TCheckBox* cbxRxRate;
    TCheckBox* cbxRow;
    TPanel* StackingPortPanel;
    TStatusBar* StatusBar1;
    TStackingPortUitForm* PortPage = nullptr;
    QzSNMPRequest2Edits* Request = nullptr;

private:
    TAclRuleFields Fields() const;
    void IdleState();
    void AddMode();
    void ClearIpRuleFields();
    void ShowCount();
    void CheckFieldBoxes(bool checked);
    bool ValidateIpRuleEntry();
    bool ProtocolCarriesTickedFields();
    void ApplyRuleProtocolFields(TSavedAccessFlags& flags);
    void ChooseObjects(TSavedAccessFlags& flags);
    void LeaveOutAllButRowStatus(TSavedAccessFlags& flags);
    void WriteRule(bool destroyOnly);
    void Failed(const AnsiString& text);
};

extern TIPRuleForm* IPRuleForm;
