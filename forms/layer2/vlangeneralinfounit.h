// 802.1Q basic configuration: the bridge's VLAN version, limits and counts, and its GVRP
// state, which can be set.
#pragma once

#include "forms/layer2/featureframe.h"

class TVLanGeneralInfoForm : public TFeatureFormBase {
public:
    explicit TVLanGeneralInfoForm(TComponent* Owner);
    ~TVLanGeneralInfoForm() override;

    TButton* RefreshBtn;
    TButton* SetBtn;
    TStaticText* VlanVersionNumber;
    TStaticText* MaxVlanId;
    TStaticText* MaxSupportedVlans;
    TStaticText* CurrentNumOfVlans;
    TComboBox* GvrpStatus;
    TMemo* Memo1;

    QzSNMPRequest2Edits* GeneralRequest = nullptr;

    void FormCreate(TObject* Sender);
    void RefreshBtnClick(TObject* Sender);
    void SetBtnClick(TObject* Sender);

private:
    void SetDone(QzSNMPRequest2Controls* Sender, QzSNMPError* Result);
};

extern TVLanGeneralInfoForm* VLanGeneralInfoForm;
