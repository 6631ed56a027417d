#include "forms/layer2/layer2forms.h"

#include "forms/layer2/multiconfigcontrolformunit.h"
#include "forms/layer2/packetstormcontrolformunit.h"
#include "forms/layer2/portmirror.h"
#include "forms/layer2/probebasicinformationformunit.h"
#include "forms/layer2/safeguardctrlformunit.h"
#include "mainwindow/featureforms.h"

void RegisterDeviceForms()
{
    RegisterFeatureForm<TPortMirrorForm>("PortMirrorTable1");
    RegisterFeatureForm<TPacketStormControlForm>("PacketStormControl1", &PacketStormControlForm);
    RegisterFeatureForm<TSafeguardCtrlForm>("ProtectControl1", &SafeguardCtrlForm);
    RegisterFeatureForm<TProbeBasicInformationForm>("ProbeBasicInformation1", &ProbeBasicInformationForm);
    RegisterFeatureForm<TMultipleConfigControlForm>("MultipleConfigControl1", &MultipleConfigControlForm);
}
