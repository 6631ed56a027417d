// MLD snooping router ports per VLAN: static (written), dynamic (learned, read-only) and
// forbidden ports on three port pages; messages in the status bar.
#pragma once

#include "forms/layer2/routerportsframe.h"

class TMLD_SnoopingRouterPortsForm : public TRouterPortsFormBase {
public:
    explicit TMLD_SnoopingRouterPortsForm(TComponent* Owner);
};

extern TMLD_SnoopingRouterPortsForm* MLD_SnoopingRouterPortsForm;
