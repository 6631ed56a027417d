// The 802.1Q static multicast filtering entries: for a VLAN and group MAC address, the egress
// ports. Adds an entry, changes the egress ports of the selected one, or deletes one.
#pragma once

#include "forms/layer2/featureframe.h"
#include "forms/layer2/stackingportunit.h"

class TMulticastFilterInformationForm : public TFeatureFormBase {
public:
    explicit TMulticastFilterInformationForm(TComponent* Owner);

    TStaticText* ST_Count;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TButton* btnDelete;
    TButton* btnAdd;
    TListView* LV_dot1qStaticMulticastEntry;
    TEdit* ED_MulticastVID;
    TEdit* ED_MACAddress;
    TComboBox* Status;
    TScrollBox* ScrollBox1;
    TTabSheet* TabSheet2;
    TMemo* Memo1;

    TStackingPortUitForm* PortPage = nullptr;
    QzSNMPRequest2Edits* FilterRequest = nullptr;

    void FormCreate(TObject* Sender);
    void RefreshBtnClick(TObject* Sender);
    void SetBtnClick(TObject* Sender);
    void btnAddClick(TObject* Sender);
    void btnDeleteClick(TObject* Sender);
    void LV_dot1qStaticMulticastEntrySelectItem(TObject* Sender, TListItem* Item, bool Selected);
    void LV_dot1qStaticMulticastEntryChange(TObject* Sender, TListItem* Item, TItemChange Change);
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    void CreatePortPages();
    void ResetMulticastFields();
    void NoRowSelected();
    void ShowCount();
    void EditState(bool rowSelected);
};

extern TMulticastFilterInformationForm* MulticastFilterInformationForm;
