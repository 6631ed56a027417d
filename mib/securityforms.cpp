#include "mib/formtables.h"

std::vector<MibFormTable> SecurityFormTables() { return {}; }
