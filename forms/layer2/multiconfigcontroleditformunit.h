// The edit dialog of the multiple-configuration form: applies an action to the configuration
// of the row selected in the list, through the list form's request.
#pragma once

#include "forms/layer2/featureframe.h"

class TMultiConfigControlEditForm : public TFeatureFormBase {
public:
    explicit TMultiConfigControlEditForm(TComponent* Owner);

    TComboBox* cbxCtrlID;
    TComboBox* cbxCfgAction;
    TButton* btnSet;
    TButton* btnClose;

    void FormCreate(TObject* Sender);
    void btnSetClick(TObject* Sender);
    void btnCloseClick(TObject* Sender);
};

extern TMultiConfigControlEditForm* MultiConfigControlEditForm;
