// Descriptor tables of the bridge information, GARP, 802.1X statistics, traffic segmentation
// and LACP forms.
#pragma once

#include "common/qzoptionlist.h"
#include "snmpvars/uisnmpvar.h"

extern QzOptionList equipmentModeOptions;  // enabled (1) / disabled (2) / other (3)

// Equipment capacity and stack mode: single values.
extern const UISnmpVar swEquipmentInfo[];
// The 802.1D extended bridge's device capabilities, and whether traffic classes are enabled:
// single values, one request each.
extern const UISnmpVar dot1dDeviceCapabilities[];
extern const UISnmpVar dot1dTrafficClassesEnabled[];
// Capabilities of every bridge port: key count 1 (the port, carried only in the OID).
extern const UISnmpVar dot1dPortCapabilitiesEntry[];
// The 802.1Q bridge's version, VLAN limits and counts and GVRP state: single values.
extern const UISnmpVar dot1qBase[];
// GARP timers of every bridge port, walked beside the bridge port table: key count 1.
extern const UISnmpVar dot1dPortGarpEntry[];
// 802.1X counters per authenticated MAC address and port: key count 2 (address, port).
extern const UISnmpVar swPaeDiagnosticsEntry[];
extern const UISnmpVar swPaeStatisticsEntry[];
// The ports each port may forward to: key count 1.
extern const UISnmpVar swL2TrafficSegEntry[];
// LACP state of every port: key count 1 (carried only in the OID).
extern const UISnmpVar swLacpPortEntry[];
