// 802.1X MAC-based authentication: the EAPOL frame statistics of every supplicant.
#pragma once

#include "forms/layer2/dot1xstatisticsform.h"

class TMacStatisticTableForm : public TDot1xStatisticsForm {
public:
    explicit TMacStatisticTableForm(TComponent* Owner);
};

extern TMacStatisticTableForm* MacStatisticTableForm;
