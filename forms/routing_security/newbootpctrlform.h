// The dialog that adds a BOOTP relay server to an interface through the list form's request.
#pragma once

#include "forms/layer2/featureframe.h"

class TBOOTCtrlTableForm;

class TNewBootpCtrlForm : public TFeatureFormBase {
public:
    // Owner: the list form, whose list view, state combo box, request and memo the dialog uses.
    explicit TNewBootpCtrlForm(TComponent* Owner);

    TBitBtn* DeleteBtn;  // captioned "Set"
    TBitBtn* BitBtn1;
    TEdit* Edit1;
    TEdit* Edit2;

    void FormCreate(TObject* Sender);
    void FormActivate(TObject* Sender);
    void DeleteBtnClick(TObject* Sender);
    void BitBtn1Click(TObject* Sender);

private:
    TBOOTCtrlTableForm* ListForm() const;
    bool activated_ = false;
};

extern TNewBootpCtrlForm* NewBootpCtrlForm;
