// The 802.1Q forward-all table: per VLAN the ports that forward all multicast frames, and the
// static and forbidden ones, which the form writes; port pages of twelve stack units.
#pragma once

#include "forms/layer2/featureframe.h"
#include "forms/layer2/stackingportunit.h"

class TMulticastForwardingInformationForm : public TFeatureFormBase {
public:
    explicit TMulticastForwardingInformationForm(TComponent* Owner);

    TStaticText* ST_Count;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TListView* LV_dot1qForwardUnregisteredEntry;
    TScrollBox* ScrollBox1;
    TScrollBox* ScrollBox2;
    TScrollBox* ScrollBox3;
    TMemo* Memo1;

    TStackingPortUitForm* AllPage = nullptr;
    TStackingPortUitForm* StaticPage = nullptr;
    TStackingPortUitForm* ForbiddenPage = nullptr;
    QzSNMPRequest2Edits* ForwardRequest = nullptr;

    void FormCreate(TObject* Sender);
    void RefreshBtnClick(TObject* Sender);
    void SetBtnClick(TObject* Sender);

private:
    void CreatePortPages();
    void ShowCount();
    void ReadDone(QzSNMPRequest2Controls* Sender, QzSNMPError* Result);
};

extern TMulticastForwardingInformationForm* MulticastForwardingInformationForm;
