// The IPv6 multicast groups learned by MLD snooping, read-only: per VLAN and group address
// the group's MAC address, member ports and report count.
#pragma once

#include "forms/layer2/featureframe.h"
#include "forms/layer2/stackingportunit.h"

class TMLD_SnoopingGroupForm : public TFeatureFormBase {
public:
    explicit TMLD_SnoopingGroupForm(TComponent* Owner);

    TListView* ListView1;
    TStaticText* stVID;
    TEdit* edtIPAddress;
    TEdit* edtMAC;
    TEdit* edtCount;
    TPanel* StackingPortPanel;
    TButton* btnGet;
    TStatusBar* StatusBar1;

    TStackingPortUitForm* PortPage = nullptr;
    QzSNMPRequest2Edits* Request = nullptr;

    void FormCreate(TObject* Sender);
    void btnGetClick(TObject* Sender);
    void ListView1Click(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    void ResetDetails();
};

extern TMLD_SnoopingGroupForm* MLD_SnoopingGroupForm;
