// Checks that every descriptor table must pass, whatever its feature.
#pragma once

#include <string>

#include "snmpvars/uisnmpvar.h"

// Empty when the table is sound, else a line per fault: OIDs that are not dotted numbers or
// repeat, missing labels, unknown syntax or access codes, data in the fields that no table
// fills, and option lists that are not case-insensitive, empty, or of the wrong kind (OID
// values for object-identifier columns, integers otherwise).
std::string DescriptorFaults(const UISnmpVar* table);
