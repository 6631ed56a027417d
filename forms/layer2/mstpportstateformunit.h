// The per-port spanning-tree settings and states of the switch; the edit dialog writes the
// settings of the selected port through this form's port request.
#pragma once

#include "forms/layer2/featureframe.h"

class TMSTPPortStateForm : public TFeatureFormBase {
public:
    explicit TMSTPPortStateForm(TComponent* Owner);
    ~TMSTPPortStateForm() override;

    TListView* lvMSTPPortState;
    TMemo* memMsg;
    TLabel* lblSTPVersion;
    TButton* btnRefresh;
    TButton* btnEdit;
    TButton* btnClose;

    QzSNMPRequest2Edits* VersionRequest = nullptr;
    QzSNMPRequest2Edits* PortRequest = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void btnRefreshClick(TObject* Sender);
    void btnEditClick(TObject* Sender);
    void btnCloseClick(TObject* Sender);
    void lvMSTPPortStateSelectItem(TObject* Sender, TListItem* Item, bool Selected);

private:
    void ReadVersion();
};

extern TMSTPPortStateForm* MSTPPortStateForm;
