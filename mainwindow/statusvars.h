// Descriptor tables of the main window's status requests. The RMON state is read with the
// "RMON Control" table, RMONSetting1Vars (mib/rmon.h).
#pragma once

#include "snmpvars/uisnmpvar.h"

// "STP Version": 0 "stp", 1 "rstp", 2 "mstp".
extern const UISnmpVar StpVersionVars[];
// "System Authentication Control" (802.1X): 1 "enabled", 2 "disabled".
extern const UISnmpVar Dot1xStateVars[];
