// The 802.1Q static unicast filtering entries: for a VLAN and unicast MAC address, the ports
// that frames to that address may go to. Adds a permanent entry or deletes one.
#pragma once

#include "forms/layer2/featureframe.h"
#include "forms/layer2/stackingportunit.h"

class TUnicastFilterInformationForm : public TFeatureFormBase {
public:
    explicit TUnicastFilterInformationForm(TComponent* Owner);

    TStaticText* ST_Count;
    TButton* RefreshBtn;
    TButton* SetBtn;  // captioned "Add"
    TButton* DeleteBtn;
    TListView* LV_dot1qStaticUnicastEntry;
    TEdit* ED_UnicastVID;
    TEdit* UnicastAddress;
    TComboBox* UStatus;
    TGroupBox* GroupBox1;
    TMemo* Memo1;

    TStackingPortUitForm* PortPage = nullptr;
    QzSNMPRequest2Edits* FilterRequest = nullptr;

    void FormCreate(TObject* Sender);
    void RefreshBtnClick(TObject* Sender);
    void SetBtnClick(TObject* Sender);
    void DeleteBtnClick(TObject* Sender);
    void LV_dot1qStaticUnicastEntrySelectItem(TObject* Sender, TListItem* Item, bool Selected);
    void LV_dot1qStaticUnicastEntryChange(TObject* Sender, TListItem* Item, TItemChange Change);
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    void CreatePortPages();
    void ResetUnicastFields();
    void ShowCount();
};

extern TUnicastFilterInformationForm* UnicastFilterInformationForm;

