#include "mib/formtables.h"

std::vector<MibFormTable> AllFormTables()
{
    std::vector<MibFormTable> all;
    for (auto group : {VlanTrunkFormTables, VlanBridgeFormTables, StpDeviceFormTables, StpFormTables, ConfigSnoopingFormTables,
                       AclFormTables, RoutingFormTables, SecurityFormTables}) {
        std::vector<MibFormTable> tables = group();
        all.insert(all.end(), tables.begin(), tables.end());
    }
    return all;
}
