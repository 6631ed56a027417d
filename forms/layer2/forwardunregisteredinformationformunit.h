// The 802.1Q forward-unregistered table, read-only here: per VLAN the ports that forward
// unregistered multicast frames, and the static and forbidden ones; port pages of twelve
// stack units.
#pragma once

#include "forms/layer2/forwardportsframe.h"

class TForwardUnregisteredInformationForm : public TForwardPortsForm {
public:
    explicit TForwardUnregisteredInformationForm(TComponent* Owner);

    TStackingPortUitForm*& UnregisteredPage{ForwardPage};

protected:
    void SetStep() override;
};

extern TForwardUnregisteredInformationForm* ForwardUnregisteredInformationForm;
