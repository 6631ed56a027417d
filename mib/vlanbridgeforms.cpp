#include "mib/formtables.h"

std::vector<MibFormTable> VlanBridgeFormTables() { return {}; }
