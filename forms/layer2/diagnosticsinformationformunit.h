// 802.1X MAC-based authentication: the authenticator diagnostics counters of every supplicant.
#pragma once

#include "forms/layer2/dot1xstatisticsform.h"

class TDiagnosticsInformationForm : public TDot1xStatisticsForm {
public:
    explicit TDiagnosticsInformationForm(TComponent* Owner);
};

extern TDiagnosticsInformationForm* DiagnosticsInformationForm;
