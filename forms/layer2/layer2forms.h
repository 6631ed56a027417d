// Registration of the layer-2 and device forms with their menu items (called once at start,
// before the main window builds its menu). One function per group of forms, each in its own
// unit, so that groups are added without touching each other.
#pragma once

void RegisterLayer2Forms();

void RegisterVlanTrunkForms();      // static VLANs, port trunks
void RegisterVlanBridgeForms();     // current VLANs, VLAN ports, forwarding, filtering, bridge, GARP, 802.1X, segmentation, LACP
void RegisterStpDeviceForms();      // spanning tree, MSTP, device control, mirroring, storm control, safeguard, RMON probe
void RegisterConfigSnoopingForms(); // summer time, 802.3, multiple configurations, IGMP and MLD snooping
