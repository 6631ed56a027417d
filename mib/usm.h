// Descriptor tables of the user-based security model MIB. Forms pick the list type and
// key count.
//
// Tables (base OID, records):
//   usmStats                       1.3.6.1.6.3.15.1.1, 6: statistics
//   usmUserEntry                   1.3.6.1.6.3.15.1.2.2.1, 13: users
#pragma once

#include "common/qzoptionlist.h"
#include "mib/mibshared.h"
#include "snmpvars/uisnmpvar.h"

extern QzOptionList usmAuthProtocolOptions;  // authentication protocol, by OID
extern QzOptionList usmPrivProtocolOptions;  // privacy protocol, by OID
inline QzOptionList& usmStorageTypeOptions = mibStorageTypeOptions;  // StorageType
inline QzOptionList& usmRowStatusOptions = mibRowStatusOptions;  // RowStatus

extern const UISnmpVar usmStats[];
extern const UISnmpVar usmUserEntry[];
