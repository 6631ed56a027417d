// Table commands of the "SNMP V3" menu: engine, target, USM, VACM, notification and
// community tables, on the descriptor tables of their MIBs (mib/snmptarget.h, mib/usm.h,
// mib/vacm.h).
#include "mib/mibareas.h"
#include "mib/snmptarget.h"
#include "mib/usm.h"
#include "mib/vacm.h"

namespace {

// CommunityTargetAddressTable: "Target Address Table"
const MibVarFormat kCommunityTargetAddressTableFormats[] = {{4, "%i{n0x255l3}"}, {0, nullptr}};

}  // namespace

extern const MibCommand kSnmpV3Commands[] = {
    {"snmpEngine1", "SNMP Engine", snmpEngine, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"MessageProcessingandDispatching1", "Message Processingand Dispatching", snmpMPDStats, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"GeneralInformation1", "General Information", snmpTargetObjects, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"CommunityTargetAddressTable", "Target Address Table", snmpTargetAddrEntry, MVT_UMV, 1, mpListView,
     {8, "createAndGo"}, {8, "destroy"}, kCommunityTargetAddressTableFormats},
    {"TargetParameters1", "Target Parameters", snmpTargetParamsEntry, MVT_UMV, 1, mpListView,
     {6, "createAndGo"}, {6, "destroy"}, nullptr},
    {"Statistics2", "Statistics", usmStats, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"UserTable1", "User Table", usmUserEntry, MVT_UMV, 2, mpListView,
     {12, "createAndGo"}, {12, "destroy"}, nullptr},
    {"SecurityTable1", "Security Group Table", vacmSecurityToGroupEntry, MVT_UMV, 2, mpListView,
     {4, "createAndGo"}, {4, "destroy"}, nullptr},
    {"AccessTable1", "Access Table", vacmAccessEntry, MVT_UMV, 4, mpListView,
     {9, "createAndGo"}, {9, "destroy"}, nullptr},
    {"ViewTable1", "View MIB Tree Family Table", vacmViewTreeFamilyEntry, MVT_UMV, 2, mpListView,
     {5, "createAndGo"}, {5, "destroy"}, nullptr},
    {"NotifyTable1", "Notify Table", snmpNotifyEntry, MVT_UMV, 1, mpListView,
     {4, "createAndGo"}, {4, "destroy"}, nullptr},
    {"NotifyFilterProfileTale1", "Notify Filter Profile Table", snmpNotifyFilterProfileEntry, MVT_UMV, 1, mpListView,
     {3, "createAndGo"}, {3, "destroy"}, nullptr},
    {"NotifyFilterEntryTable1", "Notify Filter Table", snmpNotifyFilterEntry, MVT_UMV, 2, mpListView,
     {5, "createAndGo"}, {5, "destroy"}, nullptr},
    {"CommunityStringTable1", "SNMP Community Table", snmpCommunityEntry, MVT_UMV, 1, mpListView,
     {7, "createAndGo"}, {7, "destroy"}, nullptr},
    {"TargetAddressTable1", "Target Address Table", snmpTargetAddrExtEntry, MVT_UMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {nullptr},
};
