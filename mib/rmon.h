// Descriptor tables of the "RMON" menu that other code reads by name.
#pragma once

#include "snmpvars/uisnmpvar.h"

// "RMON Control" (component RMONSetting1): the RMON state scalar. The main window's RMON
// state request reads it too.
extern const UISnmpVar RMONSetting1Vars[];
