// The 802.1D capabilities of every bridge port. Its walk is gated by TForm1's no-get flag,
// which it shares with the GARP form.
#pragma once

#include "forms/layer2/featureframe.h"
#include "forms/layer2/form1gate.h"

class TPortCapabilities8021dForm : public TFeatureFormBase {
public:
    explicit TPortCapabilities8021dForm(TComponent* Owner);
    ~TPortCapabilities8021dForm() override;

    TStaticText* ST_Count;
    TButton* RefreshBtn;
    TListView* LV_dot1dPortCapabilitiesEntry;
    TMemo* Memo1;

    QzSNMPRequest2Edits* PortCapabilityRequest = nullptr;
    TForm1Gate Gate;

    void FormCreate(TObject* Sender);
    void RefreshBtnClick(TObject* Sender);
    void LV_dot1dPortCapabilitiesEntryChanging(TObject* Sender, TListItem* Item, TItemChange Change, bool& AllowChange);
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    void LV_Change(TObject* Sender, TListItem* Item, TItemChange Change);
    void ShowCount();
    void Read();
    void Release();
};

extern TPortCapabilities8021dForm* PortCapabilities8021dForm;
