// Descriptor tables of the "VLAN" menu that other code reads by name.
#pragma once

#include "snmpvars/uisnmpvar.h"

// "Filtering information" (component FilteringInformation1): the dot1qTpGroupTable columns
// under their VLAN index. The Tp Group Destination Forwarded form reads it too.
extern const UISnmpVar FilteringInformation1Vars[];
