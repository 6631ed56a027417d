#include "forms/layer2/layer2forms.h"

#include "forms/layer2/dot3controlformunit.h"
#include "forms/layer2/dot3pauseformunit.h"
#include "forms/layer2/igmprouterportsunit.h"
#include "forms/layer2/mld_snoopinggroupunit.h"
#include "forms/layer2/mld_snoopingrouterportsunit.h"
#include "forms/layer2/summertime.h"
#include "mainwindow/featureforms.h"

void RegisterConfigSnoopingForms()
{
    RegisterFeatureForm<Tdot3ControlForm>("dot3ControlTable1", &dot3ControlForm);
    RegisterFeatureForm<Tdot3PauseForm>("dot3PauseTable1", &dot3PauseForm);
    RegisterFeatureForm<TIGMPRouterPortsForm>("IGMPRouterPorts1", &IGMPRouterPortsForm);
    RegisterFeatureForm<TMLD_SnoopingGroupForm>("GroupInformation2", &MLD_SnoopingGroupForm);
    RegisterFeatureForm<TMLD_SnoopingRouterPortsForm>("RouterPorts1", &MLD_SnoopingRouterPortsForm);
    RegisterFeatureForm<TSummerTimeForm>("SummerTime1");
}
