// Adds a server host to an AAA server group or removes it from one: one action row written at
// the group name, the server's address and its protocol.
#pragma once

#include "forms/layer2/featureframe.h"

class TAAASrvCtrlForm : public TFeatureFormBase {
public:
    explicit TAAASrvCtrlForm(TComponent* Owner);

    TStatusBar* stbResult;
    TEdit* edtSrvGrpName;
    TEdit* edtSrvIP;
    TComboBox* cbxAuthPtcl;
    TComboBox* cbxOper;
    TListView* lvOper;
    TButton* btnSet;
    TButton* btnClose;
    QzSNMPRequest2Edits* Request = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void btnSetClick(TObject* Sender);
    void btnCloseClick(TObject* Sender);
};

extern TAAASrvCtrlForm* AAASrvCtrlForm;
