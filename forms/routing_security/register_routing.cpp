#include "forms/routing_security/arpipv6controlform.h"
#include "forms/routing_security/bootctrltableform.h"
#include "forms/routing_security/ipmacbindblockedform.h"
#include "forms/routing_security/ipmacbindingform.h"
#include "forms/routing_security/ipstaticrouteform.h"
#include "forms/routing_security/ipv6staticrouteform.h"
#include "forms/routing_security/routeredistributform.h"
#include "forms/routing_security/routingsecurityforms.h"
#include "mainwindow/featureforms.h"

void RegisterRoutingForms()
{
    RegisterFeatureForm<TIpStaticRouteForm>("IPStaticRoute1", &IpStaticRouteForm);
    RegisterFeatureForm<TIpv6StaticRouteForm>("IPv6StaticRoute1", &Ipv6StaticRouteForm);
    RegisterFeatureForm<TARPIPV6ControlForm>("ARPControlIPv61", &ARPIPV6ControlForm);
    RegisterFeatureForm<TIPMACBindingForm>("BindingTable1", &IPMACBindingForm);
    RegisterFeatureForm<TIpMacBindBlockedForm>("BindingBlockedTable1", &IpMacBindBlockedForm);
    RegisterFeatureForm<TRouteRedistributForm>("RouteRedistributionTable1", &RouteRedistributForm);
    RegisterFeatureForm<TBOOTCtrlTableForm>("BOOTPCtrlTable1", &BOOTCtrlTableForm);
}
