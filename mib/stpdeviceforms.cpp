#include "mib/formtables.h"

std::vector<MibFormTable> StpDeviceFormTables() { return {}; }
