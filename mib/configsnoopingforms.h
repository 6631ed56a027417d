// Descriptor tables of the summer-time, 802.3 MAC-control and pause, IGMP and MLD router-port
// and MLD snooping group forms, with their option lists.
#pragma once

#include "common/qzoptionlist.h"
#include "snmpvars/uisnmpvar.h"

extern QzOptionList summerTimeStatusOptions;  // disable (0), repeating (1), annual (2)
extern QzOptionList summerTimeMonthOptions;   // "Jan" (1) ... "Dec" (12)
extern QzOptionList summerTimeWeekdayOptions; // "Sun" (1) ... "Sat" (7)
extern QzOptionList summerTimeWeekOptions;    // "1st" ... "4th", "last" (255)
extern QzOptionList dot3PauseModeOptions;     // disabled, enabledXmit, enabledRcv, enabledXmitAndRcv

// The summer-time scalars.
extern const UISnmpVar swSummerTimeEntry[];
// dot3 control table (index, supported functions) and its per-port counter.
extern const UISnmpVar dot3ControlEntry[];
extern const UISnmpVar dot3ControlCounter[];
// dot3 pause table (index, admin and oper mode) and its per-port counters.
extern const UISnmpVar dot3PauseEntry[];
extern const UISnmpVar dot3PauseCounters[];
// Router ports per VLAN: key count 1.
extern const UISnmpVar swL2IGMPRouterPortsEntry[];
extern const UISnmpVar swMldSnpRouterPortsEntry[];
// MLD snooping groups: VLAN and IPv6 group address, key count 2.
extern const UISnmpVar swMldSnoopingGroupInfoEntry[];
