// The learnt multicast group destinations (802.1Q dot1qTpGroupTable), read-only: the egress
// and GMRP-learnt ports per VLAN and group address, on port pages of twelve stack units.
#pragma once

#include "forms/layer2/featureframe.h"
#include "forms/layer2/stackingportunit.h"

class TTpGroupDestinationForwardedForm : public TFeatureFormBase {
public:
    explicit TTpGroupDestinationForwardedForm(TComponent* Owner);

    TButton* RefreshBtn;
    TListView* LV_dot1qTpGroupEntry;
    TScrollBox* ScrollBox1;
    TScrollBox* ScrollBox2;
    TMemo* Memo1;

    TStackingPortUitForm* EgressPage = nullptr;
    TStackingPortUitForm* LearntPage = nullptr;
    QzSNMPRequest2Edits* ForwardRequest = nullptr;

    void FormCreate(TObject* Sender);
    void RefreshBtnClick(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    void CreatePortPages();
};

extern TTpGroupDestinationForwardedForm* TpGroupDestinationForwardedForm;

