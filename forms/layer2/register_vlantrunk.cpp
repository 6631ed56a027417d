#include "forms/layer2/layer2forms.h"

#include "forms/layer2/porttrunk.h"
#include "forms/layer2/vlanstaticformunit.h"
#include "mainwindow/featureforms.h"

void RegisterVlanTrunkForms()
{
    RegisterFeatureForm<TVlanStaticForm>("StaticForm1", &VlanStaticForm);
    RegisterFeatureForm<TPortTrunkForm>("PortTrunk2");
}
