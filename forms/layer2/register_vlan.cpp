#include "forms/layer2/layer2forms.h"

#include "forms/layer2/vlancurrenttableformunit.h"
#include "forms/layer2/vlanportinfomationunit.h"
#include "mainwindow/featureforms.h"

void RegisterVlanForms()
{
    RegisterFeatureForm<TVLanCurrentTableForm>("CurrentForm1", &VLanCurrentTableForm);
    RegisterFeatureForm<TVLanPortInfomationForm>("PortsInfo1", &VLanPortInfomationForm);
}
