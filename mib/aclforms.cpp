#include "mib/formtables.h"

std::vector<MibFormTable> AclFormTables() { return {}; }
