// The 802.1Q VLAN settings of every bridge port (port VLAN ID, acceptable frame types,
// ingress filtering, GVRP state and counters), and a write of the four settings of one port.
#pragma once

#include "forms/layer2/featureframe.h"

class TVLanPortInfomationForm : public TFeatureFormBase {
public:
    explicit TVLanPortInfomationForm(TComponent* Owner);

    TStaticText* ST_Count;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TListView* LV_dot1qPortVlanEntry;
    TEdit* PortVLanID;
    TComboBox* AcceptableFrameTypes;
    TComboBox* IngressFiltering;
    TComboBox* GvrpStatus;
    TMemo* Memo1;

    QzSNMPRequest2Edits* PortVlanRequest = nullptr;

    void FormCreate(TObject* Sender);
    void RefreshBtnClick(TObject* Sender);
    void SetBtnClick(TObject* Sender);
    void LV_dot1qPortVlanEntryChange(TObject* Sender, TListItem* Item, TItemChange Change);
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    void ShowCount();
};

extern TVLanPortInfomationForm* VLanPortInfomationForm;
