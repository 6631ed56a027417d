// Port mirroring: the target port that receives a copy of the traffic of the ingress and
// egress source ports, and the mirroring state. The target port is checked against the
// source ports and against the members of the enabled trunks before it is written.
#pragma once

#include "forms/layer2/featureframe.h"
#include "forms/layer2/porttrunk.h"
#include "forms/layer2/stackingportunit.h"

class TPortMirrorForm : public TFeatureFormBase {
public:
    explicit TPortMirrorForm(TComponent* Owner);
    ~TPortMirrorForm() override;

    TGroupBox* IngressPortGB;
    TGroupBox* EgressPortGB;
    TPanel* StackingPortPanel;
    TEdit* PortEdit;
    TEdit* UnitEdit;
    TEdit* ET_TargetPort;
    TCheckBox* CK_Status;
    TButton* BT_Refresh;
    TButton* BT_Set;
    TButton* btnRemove;
    TButton* btnSetstatus;
    TListView* LV_PortTrunk;
    TEdit* ED_MasterPort;
    TStatusBar* StatusBar1;

    TStackingPortUitForm* IngressPage = nullptr;
    TStackingPortUitForm* EgressPage = nullptr;
    TStackingPortUitForm* TrunkPage = nullptr;  // hidden: the members of the trunk row selected
    QzSNMPRequest2Edits* MirrorRequest = nullptr;
    QzSNMPRequest2Edits* TrunkRequest = nullptr;
    TTrunkUnitRecord* Units = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void BT_RefreshClick(TObject* Sender);
    void BT_SetClick(TObject* Sender);
    void ET_TargetPortChange(TObject* Sender);
    void UnitEditKeyPress(TObject* Sender, char& Key);
    void PortEditKeyPress(TObject* Sender, char& Key);

private:
    void FreeUnits();
    int PortCount(int unit) const;
    // Selects each trunk row in turn; true when the target port is a member of an enabled one.
    bool IsTrunkMember(int target);
    void Refuse(const char* message);
};
