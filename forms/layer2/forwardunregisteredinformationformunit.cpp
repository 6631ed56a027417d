#include "forms/layer2/forwardunregisteredinformationformunit.h"

#include "mib/vlanforms.h"

TForwardUnregisteredInformationForm* ForwardUnregisteredInformationForm = nullptr;

namespace {

const std::vector<TResComponent> kComponents = TForwardPortsForm::Components(
    "Unregistered Ports", "Unregisteried Static Ports", "Unregistered Forbidden Ports");
const TResForm kLayout = {"ForwardUnregisteredInformationForm", "Forward Unregistered Information", 696, 480,
                          poScreenCenter, bsSizeable, kComponents.data()};

}  // namespace

// Refresh clears the pages after its read.
TForwardUnregisteredInformationForm::TForwardUnregisteredInformationForm(TComponent* Owner)
    : TForwardPortsForm(Owner, kLayout, dot1qForwardUnregisteredEntry, true)
{
    DoCreate();
}

// Reads the table again, like Refresh, without clearing the pages: nothing is written here.
void TForwardUnregisteredInformationForm::SetStep() { ForwardRequest->Get(); }
