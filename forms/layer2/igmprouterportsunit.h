// IGMP snooping router ports per VLAN: static (written), dynamic (learned, read-only) and
// forbidden ports on three port pages; messages in a memo.
#pragma once

#include "forms/layer2/routerportsframe.h"

class TIGMPRouterPortsForm : public TRouterPortsFormBase {
public:
    explicit TIGMPRouterPortsForm(TComponent* Owner);
};

extern TIGMPRouterPortsForm* IGMPRouterPortsForm;
