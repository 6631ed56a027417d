#include "forms/layer2/layer2forms.h"

void RegisterLayer2Forms()
{
    RegisterVlanTrunkForms();
    RegisterVlanBridgeForms();
    RegisterStpDeviceForms();
    RegisterConfigSnoopingForms();
}
