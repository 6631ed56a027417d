#include "forms/routing_security/ipstaticrouteform.h"
#include "forms/routing_security/ipv6staticrouteform.h"
#include "forms/routing_security/routingsecurityforms.h"
#include "mainwindow/featureforms.h"

void RegisterRoutingForms()
{
    RegisterFeatureForm<TIpStaticRouteForm>("IPStaticRoute1", &IpStaticRouteForm);
    RegisterFeatureForm<TIpv6StaticRouteForm>("IPv6StaticRoute1", &Ipv6StaticRouteForm);
}
