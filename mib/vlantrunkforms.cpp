#include "mib/formtables.h"

std::vector<MibFormTable> VlanTrunkFormTables() { return {}; }
