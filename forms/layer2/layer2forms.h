// Registration of the layer-2 and device forms with their menu items (called once at start,
// before the main window builds its menu). One function per group of forms, each in its own
// unit, so that groups are added without touching each other.
#pragma once

void RegisterLayer2Forms();

void RegisterVlanTrunkForms();      // static VLANs, port trunks
void RegisterVlanForms();           // current VLANs, VLAN ports, multicast forwarding, static filtering
void RegisterBridgeForms();         // bridge information, GARP, 802.1X statistics, segmentation, LACP
void RegisterStpForms();            // spanning-tree bridge and state, MSTP ports, layer-2 device control
void RegisterDeviceForms();         // mirroring, storm control, safeguard, RMON probe, multiple configurations
void RegisterConfigSnoopingForms(); // summer time, 802.3, IGMP and MLD router ports, MLD snooping groups
