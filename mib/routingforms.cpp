#include "mib/formtables.h"

std::vector<MibFormTable> RoutingFormTables() { return {}; }
