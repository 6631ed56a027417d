// How the library's own error numbers and SNMPv3 reports read in the layer's status codes.
// (Kept free of net-snmp headers so that the tables can be tested alone.)
#pragma once

#include "platform/snmp/oid.h"

// The status for one of net-snmp's SNMPERR_* numbers (0 gives SNMP_CLASS_SUCCESS).
int StatusFromNetSnmpError(int snmpErr);

// The status for a report PDU whose first binding names oid (a usmStats, snmpMPDStats or
// context counter); SNMP_CLASS_ERROR for a report of anything else.
int StatusFromReport(const Oid& oid);
