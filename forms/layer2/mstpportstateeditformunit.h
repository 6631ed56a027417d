// The edit dialog of the MSTP port state form: the selected port's settings, filled by the
// list form's port request and written through it.
#pragma once

#include "forms/layer2/featureframe.h"

class TMSTPPortStateEditForm : public TFeatureFormBase {
public:
    explicit TMSTPPortStateEditForm(TComponent* Owner);

    TEdit* edtPortIndex;
    TEdit* edtPortNumber;
    TEdit* edtAdminHelloTime;
    TEdit* edtOperHelloTime;
    TComboBox* cbxPortEnable;
    TEdit* edtExtPathCost;
    TComboBox* cbxMigration;
    TComboBox* cbxAdminEdgePort;
    TComboBox* cbxOperEdgePort;
    TComboBox* cbxAdminP2P;
    TComboBox* cbxOperP2P;
    TComboBox* cbxSTPlbd;
    TButton* btnEdit;
    TButton* btnClose;

    void FormActivate(TObject* Sender);
    void btnEditClick(TObject* Sender);
    void btnCloseClick(TObject* Sender);
};

extern TMSTPPortStateEditForm* MSTPPortStateEditForm;
