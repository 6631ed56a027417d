#include "mib/formtables.h"

std::vector<MibFormTable> AllFormTables()
{
    std::vector<MibFormTable> all;
    // One group a line, so that groups are added without touching each other.
    for (auto group : {
             VlanTrunkFormTables,
             VlanFormTables,
             BridgeFormTables,
             VlanBridgeFormTables,
             StpDeviceFormTables,
             DeviceFormTables,
             StpFormTables,
             ConfigSnoopingFormTables,
             AclFormTables,
             RoutingFormTables,
             SecurityFormTables,
         }) {
        std::vector<MibFormTable> tables = group();
        all.insert(all.end(), tables.begin(), tables.end());
    }
    return all;
}
