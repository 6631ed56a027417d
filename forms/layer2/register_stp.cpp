#include "forms/layer2/layer2forms.h"

#include "forms/layer2/layer2controlunit.h"
#include "forms/layer2/mstpportstateformunit.h"
#include "forms/layer2/spanningtreealgorithmunit.h"
#include "forms/layer2/stpinfo.h"
#include "mainwindow/featureforms.h"

void RegisterStpForms()
{
    RegisterFeatureForm<TSpanningTreeAlgorithmForm>("SpanningTreeAlgorithm1", &SpanningTreeAlgorithmForm);
    RegisterFeatureForm<TLayer2ControlForm>("DeviceControl1", &Layer2ControlForm);
    RegisterFeatureForm<TSTP_Info>("Information2", &STP_Info);
    RegisterFeatureForm<TMSTPPortStateForm>("PortStateInformation1", &MSTPPortStateForm);
}
