// Descriptor tables of the table commands of the "VLAN" menu: 802.1p priorities, high-capacity
// ports and 802.1Q forwarding.
#include "mib/vlan.h"

#include "common/qzoptionlist.h"
#include "mib/mibareas.h"
#include "mib/mibshared.h"
#include "snmpvars/uisnmpvar.h"

namespace {

// DefaultUserPrioritiesofEachPort1: "Default User Priorities of Each Port"
const UISnmpVar DefaultUserPrioritiesofEachPort1Vars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "DefaultUserPriority", sxInteger, acReadWrite},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "PortNumTrafficClasses", sxInteger, acReadOnly},
    {nullptr},
};

// RegeneratedUserPriorities1: "Regenerated User Priorities"
const UISnmpVar RegeneratedUserPriorities1Vars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "UserPriority", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "RegeneratedUserPriority", sxInteger, acReadWrite},
    {nullptr},
};

// UserPrioritiesToTrafficClass1: "User Priorities To Traffic Class"
const UISnmpVar UserPrioritiesToTrafficClass1Vars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "TrafficClassPriority", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "MappedTrafficClass", sxInteger, acReadWrite},
    {nullptr},
};

// PortOutboundAccessPriorities1: "Port Outbound Access Priorities"
const UISnmpVar PortOutboundAccessPriorities1Vars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "RegeneratedUserPriority", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "PortOutboundAccessPriority", sxInteger, acReadOnly},
    {nullptr},
};

// PortTable2: "High Capacity Port Table"
const UISnmpVar PortTable2Vars[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", " Port Index", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.17.4.5.1.1", "HCPortInFrames", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.17.4.5.1.2", "HCPortOutFrames", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.17.4.5.1.3", "HCPortInDiscards", sxInteger, acReadOnly},
    {nullptr},
};

// PortOverFlow1: "High Capacity Port Overflow Table"
const UISnmpVar PortOverFlow1Vars[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", " Port Index", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.17.4.6.1.1", "dot1dTpPortInOverflowFrames", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.17.4.6.1.2", "dot1dTpPortOutOverflowFrames", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.17.4.6.1.3", "dot1dTpPortInOverflowDiscards", sxCounter, acReadOnly},
    {nullptr},
};

// UnicastForwardingInformation1: "Unicast Forwarding Information"
const QzOptionEntry kStatus[] = {{1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"},
    {5, "mgmt"}, {0, nullptr}};
QzOptionList StatusOptions(kStatus);
const UISnmpVar UnicastForwardingInformation1Vars[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Fdb Id", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FdbMacAddress", sxMacAddress, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "PortNumber", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", sxInteger, acReadOnly, &StatusOptions},
    {nullptr},
};

// Databaseinformation1: "Filtering Database"
const UISnmpVar Databaseinformation1Vars[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "dot1qFdbId", sxGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.1.1.2", "dot1qFdbDynamicCount", sxCounter, acReadOnly},
    {nullptr},
};

}  // namespace

// FilteringInformation1: "Filtering information"
extern const UISnmpVar FilteringInformation1Vars[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", sxGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.3.1.1", "GroupAddress", sxMacAddress, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.3.1.2", "EgressPorts", sxOctetStr, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.3.1.3", "GMRPLearntPorts", sxOctetStr, acReadOnly},
    {nullptr},
};

extern const MibCommand kVlanCommands[] = {
    {"DefaultUserPrioritiesofEachPort1", "Default User Priorities of Each Port", DefaultUserPrioritiesofEachPort1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"RegeneratedUserPriorities1", "Regenerated User Priorities", RegeneratedUserPriorities1Vars, MVT_FMV, 2, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"UserPrioritiesToTrafficClass1", "User Priorities To Traffic Class", UserPrioritiesToTrafficClass1Vars, MVT_FMV, 2, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"PortOutboundAccessPriorities1", "Port Outbound Access Priorities", PortOutboundAccessPriorities1Vars, MVT_FMV, 2, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"PortTable2", "High Capacity Port Table", PortTable2Vars, MVT_FMV, 0, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"PortOverFlow1", "High Capacity Port Overflow Table", PortOverFlow1Vars, MVT_FMV, 0, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"UnicastForwardingInformation1", "Unicast Forwarding Information", UnicastForwardingInformation1Vars, MVT_FMV, 2, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"Databaseinformation1", "Filtering Database", Databaseinformation1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"FilteringInformation1", "Filtering information", FilteringInformation1Vars, MVT_FMV, 2, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {nullptr},
};
