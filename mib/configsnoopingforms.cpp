#include "mib/formtables.h"

std::vector<MibFormTable> ConfigSnoopingFormTables() { return {}; }
