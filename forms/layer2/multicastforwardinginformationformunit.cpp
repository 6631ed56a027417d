#include "forms/layer2/multicastforwardinginformationformunit.h"

#include "mib/vlanforms.h"

TMulticastForwardingInformationForm* MulticastForwardingInformationForm = nullptr;

namespace {

const std::vector<TResComponent> kComponents =
    TForwardPortsForm::Components("All Forwarded Ports", "All Static Ports", "All Forbiden Ports");
const TResForm kLayout = {"MulticastForwardingInformationForm", "MulticastForwardingInformationForm", 696, 514,
                          poScreenCenter, bsSizeable, kComponents.data()};

}  // namespace

TMulticastForwardingInformationForm::TMulticastForwardingInformationForm(TComponent* Owner)
    : TForwardPortsForm(Owner, kLayout, dot1qForwardAllEntry, false)
{
    DoCreate();
}

void TMulticastForwardingInformationForm::SetStep() { ForwardRequest->Set(true, true); }
