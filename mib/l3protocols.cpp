// Descriptor tables of the table commands of the "Layer 3 Management" menu: OSPF, VRRP and IGMP.
#include "common/qzoptionlist.h"
#include "mib/mibareas.h"
#include "mib/mibshared.h"
#include "snmpvars/uisnmpvar.h"

namespace {

// InterfaceTable1: "OSPF Interface Table"
const QzOptionEntry kType[] = {{1, "broadcast"}, {2, "nbma"}, {3, "pointToPoint"},
    {5, "pointToMultipoint"}, {0, nullptr}};
QzOptionList TypeOptions(kType);
const QzOptionEntry kState[] = {{1, "down"}, {2, "loopback"}, {3, "waiting"}, {4, "pointToPoint"},
    {5, "designatedRouter"}, {6, "backupDesignatedRouter"}, {7, "otherDesignatedRouter"},
    {0, nullptr}};
QzOptionList StateOptions(kState);
const QzOptionEntry kMulticastForwarding[] = {{1, "blocked"}, {2, "multicast"}, {3, "unicast"},
    {0, nullptr}};
QzOptionList MulticastForwardingOptions(kMulticastForwarding);
const UISnmpVar InterfaceTable1Vars[] = {
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.1", "Interfcase Ip Address", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.2", "Address Less Interface", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.3", "AreaId", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.4", "Type", sxInteger, acReadWrite, &TypeOptions},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.5", "Admin Stat", sxInteger, acReadWrite, &mibEnabled1Disabled2Options},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.6", "Router Priority", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.7", "Transit Delay", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.8", "Retransmissions Interval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.9", "Hello Interval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.10", "Router Dead Interval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.11", "Poll Interval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.12", "State", sxInteger, acReadOnly, &StateOptions},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.13", "Designated Router", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.14", "Backup Designated Router", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.15", "Events", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.16", "Multicast Forwarding", sxInteger, acReadWrite, &MulticastForwardingOptions},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.17", "Demand", sxInteger, acReadWrite, &mibTruthValueOptions},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.18", "Auth Type", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.19", "Auth Key", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.20", "Auth Key ID", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.8.1.21", "Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// InterfaceInfo1: "Virtual Interface Table"
const QzOptionEntry kStateOfInterfaceInfo1[] = {{1, "down"}, {2, "pointToPoint"}, {0, nullptr}};
QzOptionList StateOfInterfaceInfo1Options(kStateOfInterfaceInfo1);
const UISnmpVar InterfaceInfo1Vars[] = {
    {"1.3.6.1.4.1.171.11.55.2.3.7.1.1", "Area ID", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.55.2.3.7.1.2", "Neighbor Route ID", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.55.2.3.7.1.3", "Transmit Delay", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.7.1.4", "Retransmit Interval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.7.1.5", "Hello Interval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.7.1.6", "Router Dead Interval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.7.1.7", "State", sxInteger, acReadOnly, &StateOfInterfaceInfo1Options},
    {"1.3.6.1.4.1.171.11.55.2.3.7.1.8", "Number of Events", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.11.55.2.3.7.1.9", "Authentication Type", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.7.1.10", "Authentication Key", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.7.1.11", "MD5 Key ID", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.7.1.12", "Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// HostTable1: "Host Table"
const UISnmpVar HostTable1Vars[] = {
    {"1.3.6.1.4.1.171.11.55.2.3.6.1.1", "IpAddress", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.11.55.2.3.6.1.2", "Tye Of Service", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.55.2.3.6.1.3", "Metric", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.6.1.4", "AreaID", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.6.1.5", "Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// VRRPControl1: "VRRP Control"
const UISnmpVar VRRPControl1Vars[] = {
    {"1.3.6.1.2.1.68.1.1", "vrrpNodeVersion", sxInteger, acReadOnly},
    {nullptr},
};

// VRRPOperation1: "VRRP Operations"
const QzOptionEntry kVirtualRouterState[] = {{1, "initialize"}, {2, "backup"}, {3, "master"},
    {0, nullptr}};
QzOptionList VirtualRouterStateOptions(kVirtualRouterState);
const QzOptionEntry kAdministrateState[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
QzOptionList AdministrateStateOptions(kAdministrateState);
const QzOptionEntry kAuthenticationType[] = {{1, "noAuthentication"}, {2, "simpleTextPassword"},
    {3, "ipAuthenticationHeader"}, {0, nullptr}};
QzOptionList AuthenticationTypeOptions(kAuthenticationType);
const QzOptionEntry kOperateProtocol[] = {{1, "ip"}, {2, "bridge"}, {3, "decnet"}, {4, "other"},
    {0, nullptr}};
QzOptionList OperateProtocolOptions(kOperateProtocol);
const UISnmpVar VRRPOperation1Vars[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.68.1.3.1.1", "VRID", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.68.1.3.1.2", "Virtual MAC Address", sxMacAddress, acReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.3", "Virtual Router State", sxInteger, acReadOnly, &VirtualRouterStateOptions},
    {"1.3.6.1.2.1.68.1.3.1.4", "Administrate State", sxInteger, acReadWrite, &AdministrateStateOptions},
    {"1.3.6.1.2.1.68.1.3.1.5", "Virtual Router Priority [0..255]", sxInteger, acReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.6", "IP Address Count", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.7", "Master IP Address", sxIpAddress, acReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.8", "Primary IP Address", sxIpAddress, acReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.9", "Authentication Type", sxInteger, acReadWrite, &AuthenticationTypeOptions},
    {"1.3.6.1.2.1.68.1.3.1.10", "Authentication Key", sxDisplayStr, acReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.11", "Advertisement Interval [1..255]", sxInteger, acReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.12", "Preempt Mode", sxInteger, acReadWrite, &mibTruthValueOptions},
    {"1.3.6.1.2.1.68.1.3.1.13", "Virtual Router UpTime", sxTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.14", "Operate Protocol", sxInteger, acReadWrite, &OperateProtocolOptions},
    {"1.3.6.1.2.1.68.1.3.1.15", "Row Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// VirtualRouteAddress1: "Virtual Route Address Table"
const UISnmpVar VirtualRouteAddress1Vars[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.68.1.3.1.1", "vrrpOperVrId", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.68.1.4.1.1", "vrrpAssoIpAddr", sxIpAddress, acNotAccess},
    {"1.3.6.1.2.1.68.1.4.1.2", "vrrpAssoIpAddrRowStatus", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// VRRPErrorStatistics1: "VRRP Error Statistics Table"
const UISnmpVar VRRPErrorStatistics1Vars[] = {
    {"1.3.6.1.2.1.68.2.1", "vrrpRouterChecksumErrors", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.2", "vrrpRouterVersionErrors", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.3", "vrrpRouterVrIdErrors", sxCounter, acReadOnly},
    {nullptr},
};

// VirtualRouteStatistics1: "Virtual Router Statistics Table"
const UISnmpVar VirtualRouteStatistics1Vars[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.68.1.3.1.1", "VRID", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.68.2.4.1.1", "Become Master Time", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.2", "Advertisement Received", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.3", "Advertisement Interval Errors", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.4", "Authentication Failures", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.5", "IP TTL Errors", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.6", "Priority Zero Packets Received", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.7", "Priority Zero Packets Sent", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.8", "Invalid Type Packets Received", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.9", "Address List Errors", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.10", "Invalid Authentication Type", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.11", "Authentication Type Mismatch", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.12", "Packet Length Errors", sxCounter, acReadOnly},
    {nullptr},
};

// InterfaceTable2: "IGMP Interface Table"
const UISnmpVar InterfaceTable2Vars[] = {
    {"1.3.6.1.2.1.85.1.1.1.1", "Interface Index", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.85.1.1.1.2", "Query Interval", sxGauge, acReadWrite},
    {"1.3.6.1.2.1.85.1.1.1.3", "Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {"1.3.6.1.2.1.85.1.1.1.4", "Version", sxGauge, acReadWrite},
    {"1.3.6.1.2.1.85.1.1.1.5", "Querier", sxIpAddress, acReadOnly},
    {"1.3.6.1.2.1.85.1.1.1.6", "Max Response Time", sxGauge, acReadWrite},
    {"1.3.6.1.2.1.85.1.1.1.7", "Querier Up Time", sxTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.85.1.1.1.8", "Querier Expiry Time", sxTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.85.1.1.1.9", "Version1 Querier Timer", sxTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.85.1.1.1.10", "Wrong Version Queries", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.85.1.1.1.11", "Joins", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.85.1.1.1.12", "Proxy If Index", sxInteger, acReadWrite},
    {"1.3.6.1.2.1.85.1.1.1.13", "Groups", sxGauge, acReadOnly},
    {"1.3.6.1.2.1.85.1.1.1.14", "Robustness", sxGauge, acReadWrite},
    {"1.3.6.1.2.1.85.1.1.1.15", "Last Member Query Interval", sxGauge, acReadWrite},
    {nullptr},
};

// CacheTable1: "IGMP Cache Table"
const UISnmpVar CacheTable1Vars[] = {
    {"1.3.6.1.2.1.85.1.2.1.1", "Address", sxIpAddress, acNotAccess},
    {"1.3.6.1.2.1.85.1.2.1.2", "IfIndex", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.85.1.2.1.3", "Self", sxInteger, acReadOnly, &mibTruthValueOptions},
    {"1.3.6.1.2.1.85.1.2.1.4", "Last Reporter", sxIpAddress, acReadOnly},
    {"1.3.6.1.2.1.85.1.2.1.5", "Up Time", sxTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.85.1.2.1.6", "Expiry Time", sxTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.85.1.2.1.7", "Status", sxInteger, acReadOnly, &mibRowStatusOptions},
    {"1.3.6.1.2.1.85.1.2.1.8", "Version1 Host Timer", sxTimeTicks, acReadOnly},
    {nullptr},
};

}  // namespace

extern const MibCommand kL3ProtocolCommands[] = {
    {"InterfaceTable1", "OSPF Interface Table", InterfaceTable1Vars, MVT_UMV, 2, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"InterfaceInfo1", "Virtual Interface Table", InterfaceInfo1Vars, MVT_UMV, 2, mpListView,
     {11, "createAndGo"}, {11, "destroy"}, nullptr},
    {"HostTable1", "Host Table", HostTable1Vars, MVT_UMV, 2, mpListView,
     {4, "createAndGo"}, {4, "destroy"}, nullptr},
    {"VRRPControl1", "VRRP Control", VRRPControl1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"VRRPOperation1", "VRRP Operations", VRRPOperation1Vars, MVT_UMV, 2, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"VirtualRouteAddress1", "Virtual Route Address Table", VirtualRouteAddress1Vars, MVT_FMV, 3, mpListView,
     {3, "createAndGo"}, {3, "destroy"}, nullptr},
    {"VRRPErrorStatistics1", "VRRP Error Statistics Table", VRRPErrorStatistics1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"VirtualRouteStatistics1", "Virtual Router Statistics Table", VirtualRouteStatistics1Vars, MVT_FMV, 2, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"InterfaceTable2", "IGMP Interface Table", InterfaceTable2Vars, MVT_UMV, 1, mpListView,
     {2, "createAndGo"}, {2, "destroy"}, nullptr},
    {"CacheTable1", "IGMP Cache Table", CacheTable1Vars, MVT_FMV, 2, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {nullptr},
};
