// The 802.1Q current VLAN table, read-only: the VLANs in operation with their current egress
// and untagged ports, and the agent's count of VLAN deletions.
#pragma once

#include "forms/layer2/featureframe.h"
#include "forms/layer2/stackingportunit.h"

class TVLanCurrentTableForm : public TFeatureFormBase {
public:
    explicit TVLanCurrentTableForm(TComponent* Owner);

    TStaticText* ST_Count2;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TMemo* Memo1;
    TListView* LV_dot1qVlanCurrentEntry;
    TStaticText* VlanNumDeletes;
    TStaticText* StaticText1;
    TScrollBox* ScrollBox1;
    TScrollBox* ScrollBox2;

    TStackingPortUitForm* EgressPage = nullptr;
    TStackingPortUitForm* UntaggedPage = nullptr;
    QzSNMPRequest2Edits* DeletesRequest = nullptr;
    QzSNMPRequest2Edits* CurrentRequest = nullptr;

    void FormCreate(TObject* Sender);
    void RefreshBtnClick(TObject* Sender);
    void SetBtnClick(TObject* Sender);
    void LV_dot1qVlanCurrentEntryClick(TObject* Sender);
    void LV_dot1qVlanCurrentEntryChange(TObject* Sender, TListItem* Item, TItemChange Change);
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    void CreatePortPages();
    void ClearCurrentFields();
    void ShowCount();
};

extern TVLanCurrentTableForm* VLanCurrentTableForm;
