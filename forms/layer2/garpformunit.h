// The GARP timers (join, leave and leave-all time, in centiseconds) of every bridge port. Its
// requests are gated by TForm1's two flags, which it shares with the port capability form.
#pragma once

#include "forms/layer2/featureframe.h"
#include "forms/layer2/form1gate.h"

class TGARPForm : public TFeatureFormBase {
public:
    explicit TGARPForm(TComponent* Owner);
    ~TGARPForm() override;

    TStaticText* ST_Count;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TListView* LV_dot1dPortGarpEntry;
    TPanel* Panel5;
    TEdit* GarpJoinTime;
    TEdit* GarpLeaveTime;
    TEdit* GarpLeaveAllTime;
    TMemo* Memo1;

    QzSNMPRequest2Edits* GarpRequest = nullptr;
    TForm1Gate Gate;

    void FormCreate(TObject* Sender);
    void RefreshBtnClick(TObject* Sender);
    void SetBtnClick(TObject* Sender);
    void LV_dot1dPortGarpEntryChange(TObject* Sender, TListItem* Item, TItemChange Change);
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    void ShowCount();
    void Release();
};

extern TGARPForm* GARPForm;
