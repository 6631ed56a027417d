// The descriptor tables of the hand-made feature forms, for code that walks them all (the
// agent-data check). Each group of forms lists its own tables in its own unit.
#pragma once

#include <vector>

#include "snmpvars/uisnmpvar.h"

struct MibFormTable {
    const char* name;         // the form class and table, e.g. "TVlanStaticForm static VLANs"
    const UISnmpVar* table;   // ended by a null OID
    unsigned char listType;   // QzListType
    int keyCount;
};

std::vector<MibFormTable> VlanTrunkFormTables();       // mib/vlantrunkforms.cpp
std::vector<MibFormTable> VlanBridgeFormTables();      // mib/vlanbridgeforms.cpp
std::vector<MibFormTable> VlanFormTables();            // mib/vlanforms.cpp
std::vector<MibFormTable> BridgeFormTables();          // mib/bridgeforms.cpp
std::vector<MibFormTable> StpDeviceFormTables();       // mib/stpdeviceforms.cpp
std::vector<MibFormTable> DeviceFormTables();          // mib/deviceforms.cpp
std::vector<MibFormTable> StpFormTables();             // mib/stpforms.cpp
std::vector<MibFormTable> ConfigSnoopingFormTables();  // mib/configsnoopingforms.cpp
std::vector<MibFormTable> AclFormTables();             // mib/aclforms.cpp
std::vector<MibFormTable> RoutingFormTables();         // mib/routingforms.cpp
std::vector<MibFormTable> SecurityFormTables();        // mib/securityforms.cpp

// Every group's tables.
std::vector<MibFormTable> AllFormTables();
