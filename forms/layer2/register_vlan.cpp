#include "forms/layer2/layer2forms.h"

#include "forms/layer2/forwardunregisteredinformationformunit.h"
#include "forms/layer2/multicastfilterinformationformunit.h"
#include "forms/layer2/multicastforwardinginformationformunit.h"
#include "forms/layer2/tpgroupdestinationforwardedformunit.h"
#include "forms/layer2/unicastfilterinformationformunit.h"
#include "forms/layer2/vlancurrenttableformunit.h"
#include "forms/layer2/vlanportinfomationunit.h"
#include "mainwindow/featureforms.h"

void RegisterVlanForms()
{
    RegisterFeatureForm<TVLanCurrentTableForm>("CurrentForm1", &VLanCurrentTableForm);
    RegisterFeatureForm<TVLanPortInfomationForm>("PortsInfo1", &VLanPortInfomationForm);
    RegisterFeatureForm<TTpGroupDestinationForwardedForm>("TpGroupDestinationForwarded1",
                                                          &TpGroupDestinationForwardedForm);
    RegisterFeatureForm<TMulticastForwardingInformationForm>("MulticastForwardingInformation1",
                                                             &MulticastForwardingInformationForm);
    RegisterFeatureForm<TForwardUnregisteredInformationForm>("ForwardUnregisteredInformation1",
                                                             &ForwardUnregisteredInformationForm);
    RegisterFeatureForm<TUnicastFilterInformationForm>("UnicastInformation1", &UnicastFilterInformationForm);
    RegisterFeatureForm<TMulticastFilterInformationForm>("MulticastInformation1", &MulticastFilterInformationForm);
}
