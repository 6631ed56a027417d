#include "snmpvars/uisnmpvar.h"

int CountSnmpVars(const UISnmpVar* table)
{
    int n = 0;
    if (table)
        while (table[n].oid) ++n;
    return n;
}
