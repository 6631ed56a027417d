// Descriptor tables of the static VLAN and port trunk forms.
#pragma once

#include "common/qzoptionlist.h"
#include "snmpvars/uisnmpvar.h"

extern QzOptionList vlanStaticRowStatusOptions;  // "Active" ... "Destroy", capitalised
extern QzOptionList vlanNextFreeOptions;         // independent (1) / shared (2)
extern QzOptionList trunkTypeOptions;            // static (2) / lacp (3)
extern QzOptionList trunkStateOptions;           // enable, disable, createAndGo, createAndWait, destroy

// dot1qVlanStaticEntry behind the VLAN index of the current table: key count 1.
extern const UISnmpVar dot1qVlanStaticEntry[];
// dot1qNextFreeLocalVlanIndex, a single value.
extern const UISnmpVar dot1qNextFreeLocalVlanIndex[];
// The trunk table: key count 1.
extern const UISnmpVar swL2TrunkCtrlEntry[];
