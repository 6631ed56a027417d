// The 802.1Q forward-unregistered table, read-only here: per VLAN the ports that forward
// unregistered multicast frames, and the static and forbidden ones; port pages of twelve
// stack units.
#pragma once

#include "forms/layer2/featureframe.h"
#include "forms/layer2/stackingportunit.h"

class TForwardUnregisteredInformationForm : public TFeatureFormBase {
public:
    explicit TForwardUnregisteredInformationForm(TComponent* Owner);

    TStaticText* ST_Count;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TListView* LV_dot1qForwardUnregisteredEntry;
    TScrollBox* ScrollBox1;
    TScrollBox* ScrollBox2;
    TScrollBox* ScrollBox3;
    TMemo* Memo1;

    TStackingPortUitForm* UnregisteredPage = nullptr;
    TStackingPortUitForm* StaticPage = nullptr;
    TStackingPortUitForm* ForbiddenPage = nullptr;
    QzSNMPRequest2Edits* ForwardRequest = nullptr;

    void FormCreate(TObject* Sender);
    void RefreshBtnClick(TObject* Sender);
    void SetBtnClick(TObject* Sender);

private:
    void CreatePortPages();
    void ClearForwardChecks();
    void ShowCount();
    void ReadDone(QzSNMPRequest2Controls* Sender, QzSNMPError* Result);
};

extern TForwardUnregisteredInformationForm* ForwardUnregisteredInformationForm;
