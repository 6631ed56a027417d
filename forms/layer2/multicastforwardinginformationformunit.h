// The 802.1Q forward-all table: per VLAN the ports that forward all multicast frames, and the
// static and forbidden ones, which the form writes; port pages of twelve stack units.
#pragma once

#include "forms/layer2/forwardportsframe.h"

class TMulticastForwardingInformationForm : public TForwardPortsForm {
public:
    explicit TMulticastForwardingInformationForm(TComponent* Owner);

    TStackingPortUitForm*& AllPage{ForwardPage};

protected:
    void SetStep() override;
    bool SetWritesRow() const override { return true; }
};

extern TMulticastForwardingInformationForm* MulticastForwardingInformationForm;
