// The 802.1Q static VLAN table: create a VLAN with its name and its egress, forbidden and
// untagged ports, change one, or destroy one; and the agent's next free local VLAN index.
#pragma once

#include "forms/layer2/featureframe.h"
#include "forms/layer2/stackingportunit.h"

class TVlanStaticForm : public TFeatureFormBase {
public:
    explicit TVlanStaticForm(TComponent* Owner);

    TStaticText* ST_Count2;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TButton* AddBtn;
    TButton* DeleteBtn;
    TMemo* Memo1;
    TListView* LV_dot1qVlanStaticEntry;
    TEdit* ED_VLANID;
    TComboBox* Status;
    TEdit* ED_VLANName;
    TStaticText* NextFreeLocalVlanIndex;
    TScrollBox* ScrollBox1;
    TScrollBox* ScrollBox2;
    TScrollBox* ScrollBox3;

    TStackingPortUitForm* EgressPage = nullptr;
    TStackingPortUitForm* ForbiddenPage = nullptr;
    TStackingPortUitForm* UntaggedPage = nullptr;
    QzSNMPRequest2Edits* StaticRequest = nullptr;
    QzSNMPRequest2Edits* NextFreeRequest = nullptr;

    void FormCreate(TObject* Sender);
    void RefreshBtnClick(TObject* Sender);
    void SetBtnClick(TObject* Sender);
    void AddBtnClick(TObject* Sender);
    void DeleteBtnClick(TObject* Sender);
    void LV_dot1qVlanStaticEntryClick(TObject* Sender);
    void LV_dot1qVlanStaticEntrySelectItem(TObject* Sender, TListItem* Item, bool Selected);
    void LV_dot1qVlanStaticEntryChange(TObject* Sender, TListItem* Item, TItemChange Change);
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    void CreatePortPages();
    void ResetEditFields();
    void ShowCount();
    void EditState(bool rowSelected);
    // Set with the row status item; the failure goes to the request's result line.
    void SendRow();
    // The outcome of a write: the fields are emptied once the switch took it.
    void WriteDone(QzSNMPRequest2Controls* Sender, QzSNMPError* Result);
    bool deleting_ = false;        // a Delete is on its way
    int statusBeforeDelete_ = -1;  // the status it replaced with Destroy
};

extern TVlanStaticForm* VlanStaticForm;
