// Equipment basic information: the equipment capacity (a fixed text) and the stack mode.
#pragma once

#include "forms/layer2/featureframe.h"

class TEquipmentBasicInfoForm : public TFeatureFormBase {
public:
    explicit TEquipmentBasicInfoForm(TComponent* Owner);
    ~TEquipmentBasicInfoForm() override;

    TBitBtn* BitBtn1;
    TEdit* Edit1;
    TComboBox* cbxStackMode;
    TMemo* Memo1;

    QzSNMPRequest2Edits* EquipmentRequest = nullptr;

    void FormCreate(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
};

extern TEquipmentBasicInfoForm* EquipmentBasicInfoForm;
