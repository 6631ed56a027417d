// Descriptor tables of the routing forms (static routes, IPv6 neighbours, IP-MAC binding, route
// redistribution, BOOTP relay), with their option lists.
#pragma once

#include "common/qzoptionlist.h"
#include "snmpvars/uisnmpvar.h"

extern QzOptionList l3RouteBkupStateOptions;     // primary (1) / backup (2)
extern QzOptionList l3InvalidValidOptions;       // invalid (2) / valid (3)
extern QzOptionList l3RedistSrcProtocolOptions;  // rip (2) ... local (5)
extern QzOptionList l3RedistDstProtocolOptions;  // rip (2) / ospf (3)
extern QzOptionList l3RedistTypeOptions;         // all (2) ... extType2 (10)
extern QzOptionList l3ArpIpv6TypeOptions;        // other (1) ... static (4)
extern QzOptionList ipMacBlockedTypeOptions;     // blockByAddrBind (2) / delete (3)

// IPv4 static routes: key count 3 (destination, mask, backup state).
extern const UISnmpVar swL3IpStaticRouteEntry[];
// IPv6 static routes: key count 3 (destination, mask, next hop).
extern const UISnmpVar swL3Ipv6StaticRouteEntry[];
// Route redistribution: key count 2 (source and destination protocol).
extern const UISnmpVar swL3RouteRedistriEntry[];
// BOOTP relay servers: key count 2 (interface name, server address).
extern const UISnmpVar swL3BootpRelayServerEntry[];
// IPv6 neighbours: key count 2 (interface index, address).
extern const UISnmpVar swL3ArpCtrlIpv6Entry[];
// IP-MAC bindings: key count 1 (address); blocked hosts: key count 2 (VLAN ID, MAC).
extern const UISnmpVar swIpMacBindingEntry[];
extern const UISnmpVar swIpMacBindingBlockedEntry[];
