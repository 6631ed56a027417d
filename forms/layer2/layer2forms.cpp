#include "forms/layer2/layer2forms.h"

void RegisterLayer2Forms()
{
    RegisterVlanTrunkForms();
    RegisterVlanForms();
    RegisterBridgeForms();
    RegisterStpForms();
    RegisterDeviceForms();
    RegisterConfigSnoopingForms();
}
