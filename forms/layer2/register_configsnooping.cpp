#include "forms/layer2/layer2forms.h"

#include "forms/layer2/igmprouterportsunit.h"
#include "forms/layer2/mld_snoopinggroupunit.h"
#include "forms/layer2/mld_snoopingrouterportsunit.h"
#include "mainwindow/featureforms.h"

void RegisterConfigSnoopingForms()
{
    RegisterFeatureForm<TIGMPRouterPortsForm>("IGMPRouterPorts1", &IGMPRouterPortsForm);
    RegisterFeatureForm<TMLD_SnoopingGroupForm>("GroupInformation2", &MLD_SnoopingGroupForm);
    RegisterFeatureForm<TMLD_SnoopingRouterPortsForm>("RouterPorts1", &MLD_SnoopingRouterPortsForm);
}
