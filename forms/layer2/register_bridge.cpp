#include "forms/layer2/layer2forms.h"

#include "forms/layer2/aggregatorporttableformunit.h"
#include "forms/layer2/diagnosticsinformationformunit.h"
#include "forms/layer2/equipmentbasicinfoformunit.h"
#include "forms/layer2/garpformunit.h"
#include "forms/layer2/macstatistictableformunit.h"
#include "forms/layer2/pbridgeconfigformunit.h"
#include "forms/layer2/portcapabilities8021dformunit.h"
#include "forms/layer2/trafficforwardunit1.h"
#include "forms/layer2/vlangeneralinfounit.h"
#include "mainwindow/featureforms.h"

void RegisterBridgeForms()
{
    RegisterFeatureForm<TEquipmentBasicInfoForm>("Test1", &EquipmentBasicInfoForm);
    RegisterFeatureForm<TPBridgeConfigForm>("BasicConfigure2", &PBridgeConfigForm);
    RegisterFeatureForm<TPortCapabilities8021dForm>("PortCapbility1", &PortCapabilities8021dForm);
    RegisterFeatureForm<TVLanGeneralInfoForm>("BasicConfigure", &VLanGeneralInfoForm);
    RegisterFeatureForm<TGARPForm>("GVRP1", &GARPForm);
    RegisterFeatureForm<TDiagnosticsInformationForm>("DiagnosticsInformation1", &DiagnosticsInformationForm);
    RegisterFeatureForm<TMacStatisticTableForm>("StatisticTable1", &MacStatisticTableForm);
    RegisterFeatureForm<TTrafficSegmentationForm>("TrafficSegmentationTable1");
    RegisterFeatureForm<TAggregatorPortTableForm>("AggreatorPortTable1", &AggregatorPortTableForm);
}
