// Descriptor tables of the spanning-tree forms (bridge settings, state, MSTP ports) and the
// layer-2 device control form, with their option lists.
#pragma once

#include "common/qzoptionlist.h"
#include "snmpvars/uisnmpvar.h"

extern QzOptionList stpVersionOptions;         // stp (0), rstp (1), mstp (2)
extern QzOptionList stpDisabledEnabledOptions;  // disabled (2), enabled (3)
extern QzOptionList stpEnabledDisabledOptions;  // enabled (1), disabled (2)
extern QzOptionList stpTrueFalseOptions;        // true (1), false (2)
extern QzOptionList stpP2POptions;              // true (0), false (1), auto (2)
extern QzOptionList l2CleanCounterOptions;      // normal (1), active (2)

// The bridge-wide spanning-tree settings: single values.
extern const UISnmpVar swSTPCtrl[];
// The same without the hello time, as MSTP writes them: single values.
extern const UISnmpVar swMSTPCtrl[];
// The spanning-tree state: a single value.
extern const UISnmpVar swL2DevCtrlStpState[];
// The spanning-tree version alone: a single value.
extern const UISnmpVar swMSTPStpVersion[];
// The MSTP ports (with the port number of the MSTP instance table): key count 1 (the port).
extern const UISnmpVar swMSTPPortEntry[];
// The layer-2 device controls, and the web and telnet TCP ports: single values.
extern const UISnmpVar swL2DevCtrl[];
extern const UISnmpVar swL2DevCtrlWebTcpPort[];
extern const UISnmpVar swL2DevCtrlTelnetTcpPort[];
