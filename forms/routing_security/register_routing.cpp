#include "forms/routing_security/ipstaticrouteform.h"
#include "forms/routing_security/routingsecurityforms.h"
#include "mainwindow/featureforms.h"

void RegisterRoutingForms()
{
    RegisterFeatureForm<TIpStaticRouteForm>("IPStaticRoute1", &IpStaticRouteForm);
}
