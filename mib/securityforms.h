// Descriptor tables of the AAA, SSL and port-security forms, with their option lists.
#pragma once

#include "common/qzoptionlist.h"
#include "snmpvars/uisnmpvar.h"

// Method types of a method list; the combo-box positions follow the list, with the gap at
// 6/7 where the login lists have "local" and the enable lists "local-enable".
extern QzOptionList aacLoginMethodTypeOptions;
extern QzOptionList aacEnableMethodTypeOptions;
extern QzOptionList aacServerAuthProtocolOptions;  // tacacs (1) ... radius (4)
extern QzOptionList aacCtrlServerRowStateOptions;  // add (1) / delete (2)
extern QzOptionList portSecurityDelActivityOptions;  // none (1) / start (2)

// Login and enable method lists: key count 1 (the list name).
extern const UISnmpVar swAACLoginMethodListEntry[];
extern const UISnmpVar swAACEnableMethodListEntry[];
// Authentication server hosts: key count 2 (address, protocol).
extern const UISnmpVar swAACServerInfoEntry[];
// Server-group membership actions: key count 3 (group name, address, protocol).
extern const UISnmpVar swAACCtrlServerEntry[];
// SSL state, cipher suites and cache time-out: single values.
extern const UISnmpVar swSSLCtrl[];
// Deleting one learned port-security address: single values.
extern const UISnmpVar swL2PortSecurityDelCtrl[];
