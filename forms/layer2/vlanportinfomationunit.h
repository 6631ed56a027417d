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
    // No row: nothing shown that a row does not have.
    void EmptyFields();
    // The re-read after a write: the written port is selected again once its rows are in.
    void ReadDone(QzSNMPRequest2Controls* Sender, QzSNMPError* Result);
    void WriteDone(QzSNMPRequest2Controls* Sender, QzSNMPError* Result);
    void SelectWrittenPort();
    AnsiString writtenPort_;
    bool reselect_ = false;
};

extern TVLanPortInfomationForm* VLanPortInfomationForm;
