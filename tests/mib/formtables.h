// Descriptor tables that the simulated switch's data must serve, beyond the catalog of table
// commands: those of the hand-made forms.
#pragma once

#include <vector>

#include "snmpvars/uisnmpvar.h"

struct ServedTable {
    const char* name;        // for messages: the form and its table
    const UISnmpVar* table;  // ended by a null OID
    int listType;            // QzListType: SVT_SV reads <oid>.0, the others walk
};

// The hand-made forms' tables (formtables.cpp). A form adds its tables there and links its
// library to mib_walk_tests.
const std::vector<ServedTable>& HandMadeFormTables();
