// The Ethernet access-list rules: what a frame must carry, what happens to it and on which
// ports, with one check box per field choosing what a write sends.
#pragma once

#include "forms/acl/aclformkit.h"

class TEthernetInformationRuleForm : public TFeatureFormBase {
public:
    explicit TEthernetInformationRuleForm(TComponent* Owner);

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void GetButtonClick(TObject* Sender);
    void ListView1Click(TObject* Sender);
    void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
    void EnablePriorityComboBoxChange(TObject* Sender);
    void PermitComboBoxChange(TObject* Sender);
    void AddCheckButtonClick(TObject* Sender);
    void CleanCheButtonClick(TObject* Sender);
    void EditButtonClick(TObject* Sender);
    void AddButtonClick(TObject* Sender);
    void DeleteButtonClick(TObject* Sender);

    TButton* GetButton;
    TButton* EditButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TButton* AddCheckButton;
    TButton* CleanCheButton;
    TStaticText* StaticText1;
    TListView* ListView1;
    TEdit* MaskIDEdit;
    TEdit* AccessEdit;
    TEdit* VlanRuleEdit;
    TEdit* SourceMACEdit;
    TEdit* DestMACEdit;
    TEdit* IEEE8021pEdit;
    TEdit* EthTypeEdit;
    TComboBox* EnablePriorityComboBox;
    TEdit* PriorityEdit;
    TComboBox* ReplacePriorityComboBox;
    TComboBox* PermitComboBox;
    TEdit* RxRateEdit;
    TComboBox* RowComboBox;
    TCheckBox* cbxVlan;
    TCheckBox* cbxSource;
    TCheckBox* cbxDestination;
    TCheckBox* cbxIEEE802dot1P;
    TCheckBox* cbxEtherType;
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
    std::vector<TCheckBox*> FieldBoxes() const;
    void ClearFields();
    void IdleState();
    void ShowCount();
    void PrioritySwitch();
    bool EntryPasses();
    void ChooseObjects(TSavedAccessFlags& flags);
    void Write(TSavedAccessFlags& flags);
    void Failed();
};

extern TEthernetInformationRuleForm* EthernetInformationRuleForm;
