// Descriptor tables of the current VLAN, VLAN port, multicast forwarding and static filtering
// forms, with their option lists.
#pragma once

#include "common/qzoptionlist.h"
#include "snmpvars/uisnmpvar.h"

extern QzOptionList vlanCurrentStatusOptions;    // other (1) / permanent (2) / dynamicGvrp (3)
extern QzOptionList vlanFrameTypesOptions;       // admitAll (1) / admitOnlyVLANTagged (2)
extern QzOptionList staticFilterStatusOptions;   // other (1) ... deleteOnTimeout (5)

// dot1qVlanNumDeletes, a single value.
extern const UISnmpVar dot1qVlanNumDeletes[];
// dot1qVlanCurrentEntry: key count 2 (time mark, VLAN ID).
extern const UISnmpVar dot1qVlanCurrentEntry[];
// The bridge port number beside dot1qPortVlanEntry: key count 1.
extern const UISnmpVar dot1qPortVlanEntry[];
// Multicast forwarding: group destinations (key count 2: VLAN, group address), forward-all
// and forward-unregistered (key count 1: VLAN).
extern const UISnmpVar dot1qTpGroupEntry[];
extern const UISnmpVar dot1qForwardAllEntry[];
extern const UISnmpVar dot1qForwardUnregisteredEntry[];
// Static filtering: key count 3 (VLAN, MAC address, receive port).
extern const UISnmpVar dot1qStaticUnicastEntry[];
extern const UISnmpVar dot1qStaticMulticastEntry[];
