#include "forms/layer2/layer2forms.h"

#include "forms/layer2/packetstormcontrolformunit.h"
#include "forms/layer2/safeguardctrlformunit.h"
#include "mainwindow/featureforms.h"

void RegisterDeviceForms()
{
    RegisterFeatureForm<TPacketStormControlForm>("PacketStormControl1", &PacketStormControlForm);
    RegisterFeatureForm<TSafeguardCtrlForm>("ProtectControl1", &SafeguardCtrlForm);
}
