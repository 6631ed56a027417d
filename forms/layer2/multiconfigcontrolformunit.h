// The switch's two stored configurations with the last action taken on each; the edit dialog
// makes one active, deletes it, or makes it the one the switch boots with.
#pragma once

#include "forms/layer2/featureframe.h"

class TMultiConfigControlEditForm;

class TMultipleConfigControlForm : public TFeatureFormBase {
public:
    explicit TMultipleConfigControlForm(TComponent* Owner);

    TListView* ListView1;
    TMemo* Memo1;
    TButton* btnEdit;
    TButton* btnGet;
    TButton* btnClose;

    QzSNMPRequest2Edits* Request = nullptr;

    void FormCreate(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void btnGetClick(TObject* Sender);
    void btnEditClick(TObject* Sender);
    void btnCloseClick(TObject* Sender);
    void ListView1Click(TObject* Sender);
};

extern TMultipleConfigControlForm* MultipleConfigControlForm;
