// The bridge-wide spanning-tree settings: version, times, hops, hold count, BPDU forwarding and
// loop-back detection. Under MSTP the settings go through their MSTP group, without the hello
// time; a version change while the spanning tree runs shows a timed progress dialog.
#pragma once

#include "forms/layer2/featureframe.h"

class TSTP_Info : public TFeatureFormBase {
public:
    explicit TSTP_Info(TComponent* Owner);

    TComboBox* Combo_STPVersion;
    TEdit* ET_AgingTime;
    TEdit* ET_HelloTime;
    TEdit* ET_ForwardDelay;
    TEdit* ET_Priority;
    TEdit* ED_TxHoldCount;
    TComboBox* Combo_BPDU;
    TComboBox* Combo_LBD;
    TEdit* ET_LBDRecover;
    TLabel* lbMSTPState;
    TListView* ListView1;
    TButton* BT_Get;
    TButton* BT_Set;
    TStatusBar* StatusBar1;

    QzSNMPRequest2Edits* STPRequest = nullptr;
    QzSNMPRequest2Edits* MSTPRequest = nullptr;
    QzSNMPRequest2Edits* StateRequest = nullptr;

    void FormCreate(TObject* Sender);
    void BT_GetClick(TObject* Sender);
    void BT_SetClick(TObject* Sender);
    void Combo_STPVersionChange(TObject* Sender);

private:
    // The main window's version text ("stp", "rstp", "mstp").
    AnsiString MainVersion() const;
    void HelloTimeEditable(bool editable, const AnsiString& text);
    void Refuse(const AnsiString& text);
};

extern TSTP_Info* STP_Info;
