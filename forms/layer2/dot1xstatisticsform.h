// The frame the two 802.1X statistics forms share: one read-only list of per-supplicant
// counters (one row per authenticated MAC address and port), read synchronously.
#pragma once

#include "forms/layer2/featureframe.h"

class TDot1xStatisticsForm : public TFeatureFormBase {
public:
    // The layout's components are those of Dot1xStatisticsComponents().
    TDot1xStatisticsForm(TComponent* Owner, const TResForm& layout, const UISnmpVar* table);
    ~TDot1xStatisticsForm() override;

    TButton* Button1;
    TListView* ListView1;
    TMemo* Memo1;

    QzSNMPRequest2Edits* StatisticsRequest = nullptr;

    void FormCreate(TObject* Sender);
    void Button1Click(TObject* Sender);

private:
    const UISnmpVar* table_;
};

// Refresh on the right, the list above the memo.
const TResComponent* Dot1xStatisticsComponents();
