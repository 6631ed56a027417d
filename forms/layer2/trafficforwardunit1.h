// Traffic segmentation: for every port, the ports it may forward traffic to; changes the set
// of one port. A form-level ready flag guards Refresh and Set, and Stop ends a running read.
#pragma once

#include "forms/layer2/featureframe.h"
#include "forms/layer2/stackingportunit.h"

class TTrafficSegmentationForm : public TFeatureFormBase {
public:
    explicit TTrafficSegmentationForm(TComponent* Owner);
    ~TTrafficSegmentationForm() override;

    TListView* LV_TrafficForward;
    TStaticText* StaticText1;
    TStaticText* ST_Port;
    TPanel* Panel4;
    TEdit* Combo_Unit;
    TEdit* Combo_Port;
    TButton* BT_Get;
    TButton* BT_Set;
    TButton* StopBtn;
    TStatusBar* StatusBar1;

    TStackingPortUitForm* PortPage = nullptr;
    QzSNMPRequest2Edits* TrafficRequest = nullptr;
    // False from creation until the first read ends, and while a Refresh read runs.
    bool Ready = false;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void BT_GetClick(TObject* Sender);
    void BT_SetClick(TObject* Sender);
    void StopBtnClick(TObject* Sender);
    void LV_TrafficForwardClick(TObject* Sender);
    void LV_TrafficForwardChange(TObject* Sender, TListItem* Item, TItemChange Change);
    void GetDone(QzSNMPRequest2Controls* Sender, QzSNMPError* Result);

private:
    // Port page unchecked, unit and port emptied, Set disabled.
    void ClearPort();
    // A read stopped by Stop may still be on its way: it ends before another exchange starts,
    // so that two walks never fill the list. False when it cannot be waited for here.
    bool EarlierReadEnded();
};
