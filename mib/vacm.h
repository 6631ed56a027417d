// Descriptor tables of the view-based access control model MIB. Forms pick the list type
// and key count.
//
// Tables (base OID, records):
//   vacmContextEntry               1.3.6.1.6.3.16.1.1.1, 1: context names
//   vacmSecurityToGroupEntry       1.3.6.1.6.3.16.1.2.1, 5: security-to-group mapping
//   vacmAccessEntry                1.3.6.1.6.3.16.1.2.1, 10: access rights under their group name
//   vacmViewTreeFamilyEntry        1.3.6.1.6.3.16.1.5.2.1, 6: view tree families
//   vacmMIBViews                   1.3.6.1.6.3.16.1.5, 1: view spin lock (scalar)
#pragma once

#include "common/qzoptionlist.h"
#include "mib/mibshared.h"
#include "snmpvars/uisnmpvar.h"

inline QzOptionList& vacmStorageTypeOptions = mibStorageTypeOptions;  // StorageType
inline QzOptionList& vacmRowStatusOptions = mibRowStatusOptions;  // RowStatus
inline QzOptionList& vacmSecurityLevelOptions = mibSecurityLevelOptions;  // SNMP security level
extern QzOptionList vacmContextMatchOptions;  // exact (1) / prefix (2)
inline QzOptionList& vacmViewTypeOptions = mibIncludedExcludedOptions;  // included (1) / excluded (2)

extern const UISnmpVar vacmContextEntry[];
extern const UISnmpVar vacmSecurityToGroupEntry[];
extern const UISnmpVar vacmAccessEntry[];
extern const UISnmpVar vacmViewTreeFamilyEntry[];
extern const UISnmpVar vacmMIBViews[];
