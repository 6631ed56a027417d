// 802.1P basic configuration: the extended bridge's device capabilities and whether traffic
// classes are enabled (both read only).
#pragma once

#include "forms/layer2/featureframe.h"

class TPBridgeConfigForm : public TFeatureFormBase {
public:
    explicit TPBridgeConfigForm(TComponent* Owner);
    ~TPBridgeConfigForm() override;

    TButton* BT_Get;
    TButton* BT_Set;
    TStaticText* Edit_DeviceCapabilities;
    TComboBox* TrafficClassesState;
    TComboBox* GmrpStatus;
    TMemo* Memo1;

    QzSNMPRequest2Edits* CapabilitiesRequest = nullptr;
    QzSNMPRequest2Edits* TrafficClassesRequest = nullptr;

    void FormCreate(TObject* Sender);
    void BT_GetClick(TObject* Sender);
    void BT_SetClick(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    static void Read(QzSNMPRequest2Edits* request);
};

extern TPBridgeConfigForm* PBridgeConfigForm;
