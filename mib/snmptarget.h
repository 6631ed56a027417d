// Descriptor tables of the SNMP engine, message processing, target, notification and
// community MIBs. Forms pick the list type and key count.
//
// Tables (base OID, records):
//   snmpEngine                     1.3.6.1.6.3.10.2.1, 4: engine scalars
//   snmpMPDStats                   1.3.6.1.6.3.11.2.1, 3: message processing statistics
//   snmpTargetObjects              1.3.6.1.6.3.12.1, 3: target spin lock and context counters
//   snmpTargetAddrEntry            1.3.6.1.6.3.12.1.2.1, 9: target addresses
//   snmpTargetParamsEntry          1.3.6.1.6.3.12.1.3.1, 7: target parameters
//   snmpCommunityEntry             1.3.6.1.6.3.18.1.1.1, 8: communities
//   snmpTargetAddrExtEntry         1.3.6.1.6.3.12.1.2.1, 3: mask and MMS of target addresses
//   snmpNotifyEntry                1.3.6.1.6.3.13.1.1.1, 5: notifications
//   snmpNotifyFilterProfileEntry   1.3.6.1.6.3.12.1.3.1, 4: filter profile of target parameters
//   snmpNotifyFilterEntry          1.3.6.1.6.3.13.1.2.1, 6: notify filters under their profile name
#pragma once

#include "common/qzoptionlist.h"
#include "mib/mibshared.h"
#include "snmpvars/uisnmpvar.h"

inline QzOptionList& snmpTargetStorageTypeOptions = mibStorageTypeOptions;  // StorageType
inline QzOptionList& snmpTargetRowStatusOptions = mibRowStatusOptions;  // RowStatus
inline QzOptionList& snmpTargetSecurityLevelOptions = mibSecurityLevelOptions;  // SNMP security level
extern QzOptionList snmpNotifyTypeOptions;  // trap (1) / inform (2)
inline QzOptionList& snmpNotifyFilterTypeOptions = mibIncludedExcludedOptions;  // included (1) / excluded (2)

extern const UISnmpVar snmpEngine[];
extern const UISnmpVar snmpMPDStats[];
extern const UISnmpVar snmpTargetObjects[];
extern const UISnmpVar snmpTargetAddrEntry[];
extern const UISnmpVar snmpTargetParamsEntry[];
extern const UISnmpVar snmpCommunityEntry[];
extern const UISnmpVar snmpTargetAddrExtEntry[];
extern const UISnmpVar snmpNotifyEntry[];
extern const UISnmpVar snmpNotifyFilterProfileEntry[];
extern const UISnmpVar snmpNotifyFilterEntry[];
