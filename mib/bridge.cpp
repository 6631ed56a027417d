// Descriptor tables of the table commands of the "Bridge" menu: 802.1D and spanning tree.
#include "common/qzoptionlist.h"
#include "mib/mibareas.h"
#include "mib/mibshared.h"
#include "snmpvars/uisnmpvar.h"

namespace {

// Information1: "Bridge 802.1d Information"
const UISnmpVar Information1Vars[] = {
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.17.4.2", "Aging Time[10-1000000]", sxInteger, acReadWrite},
    {nullptr},
};

// ConfigurationIdentification1: "MSTP Configuration Identification"
const UISnmpVar ConfigurationIdentification1Vars[] = {
    {"1.3.6.1.4.1.171.12.15.2.1", "MSTP Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.2", "MSTP Revision Level", sxInteger, acReadWrite},
    {nullptr},
};

// InstanceInformation1: "MSTP Instance Control"
const QzOptionEntry kType[] = {{0, "cist"}, {1, "msti"}, {0, nullptr}};
QzOptionList TypeOptions(kType);
const UISnmpVar InstanceInformation1Vars[] = {
    {"1.3.6.1.4.1.171.12.15.2.3.1.1", "MSTP Inst ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.15.2.3.1.2", "Vlan Range [1-64]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.3.1.3", "Vlan Range [65-128]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.3.1.4", "Vlan Range [129-192]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.3.1.5", "Vlan Range [193-256]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.3.1.6", "Vlan Range [257-320]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.3.1.7", "Vlan Range [321-384]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.3.1.8", "Vlan Range [385-448]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.3.1.9", "Vlan Range [449-512]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.3.1.10", "Type", sxInteger, acReadOnly, &TypeOptions},
    {"1.3.6.1.4.1.171.12.15.2.3.1.11", "Status", sxInteger, acReadOnly, &mibEnabled1Disabled2Options},
    {"1.3.6.1.4.1.171.12.15.2.3.1.12", "Priority", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.3.1.13", "Designated Root Bridge", sxOctetStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.14", "External Root Cost", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.15", "Regional Root Bridge", sxOctetStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.16", "Internal Root Cost", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.17", "Designated Bridge", sxOctetStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.18", "Root Port", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.19", "Max Age", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.20", "Forward Delay", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.21", "Last Topology Change", sxTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.22", "Top Changes Count", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.23", "Remain Hops", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.24", "Row Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// PortMSTPInformation1: "Port MSTP Information"
const QzOptionEntry kSwMSTPMstPortStatus[] = {{1, "other"}, {2, "disabled"}, {3, "discarding"},
    {4, "learning"}, {5, "forwarding"}, {6, "broken"}, {7, "no-stp-enabled"}, {8, "err-disabled"},
    {0, nullptr}};
QzOptionList SwMSTPMstPortStatusOptions(kSwMSTPMstPortStatus);
const QzOptionEntry kSwMSTPMstPortRole[] = {{0, "disable"}, {1, "alternate"}, {2, "backup"},
    {3, "root"}, {4, "desinated"}, {5, "master"}, {6, "nonstp"}, {7, "loopback"}, {0, nullptr}};
QzOptionList SwMSTPMstPortRoleOptions(kSwMSTPMstPortRole);
const UISnmpVar PortMSTPInformation1Vars[] = {
    {"1.3.6.1.4.1.171.12.15.2.5.1.1", "swMSTPMstPort", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.15.2.5.1.2", "swMSTPMstPortInsID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.15.2.5.1.3", "swMSTPMstPortDesignatedBridge", sxOctetStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.5.1.4", "swMSTPMstPortInternalPathCost", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.5.1.5", "swMSTPMstPortPriority", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.5.1.6", "swMSTPMstPortStatus", sxInteger, acReadOnly, &SwMSTPMstPortStatusOptions},
    {"1.3.6.1.4.1.171.12.15.2.5.1.7", "swMSTPMstPortRole", sxInteger, acReadOnly, &SwMSTPMstPortRoleOptions},
    {nullptr},
};

// PortTable: "Spanning Tree Port Table"
const QzOptionEntry kStatus[] = {{1, "disabled"}, {2, "blocking"}, {3, "listening"},
    {4, "learning"}, {5, "forwarding"}, {6, "broken"}, {0, nullptr}};
QzOptionList StatusOptions(kStatus);
const UISnmpVar PortTableVars[] = {
    {"1.3.6.1.2.1.17.2.15.1.1", "Port", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.2.15.1.2", "Priority", sxInteger, acReadWrite},
    {"1.3.6.1.2.1.17.2.15.1.3", "Status        ", sxInteger, acReadOnly, &StatusOptions},
    {"1.3.6.1.2.1.17.2.15.1.4", "State  ", sxInteger, acReadWrite, &mibEnabled1Disabled2Options},
    {"1.3.6.1.2.1.17.2.15.1.5", "Path Cost", sxInteger, acReadWrite},
    {"1.3.6.1.2.1.17.2.15.1.6", "Designated Root", sxDisplayStr, acReadOnly},
    {"1.3.6.1.2.1.17.2.15.1.7", "Designated Cost", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.17.2.15.1.8", "Designated Bridge", sxDisplayStr, acReadOnly},
    {"1.3.6.1.2.1.17.2.15.1.9", "Designated Port", sxDisplayStr, acReadOnly},
    {"1.3.6.1.2.1.17.2.15.1.10", "Forward Transitions", sxCounter, acReadOnly},
    {nullptr},
};

}  // namespace

extern const MibCommand kBridgeCommands[] = {
    {"Information1", "Bridge 802.1d Information", Information1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"ConfigurationIdentification1", "MSTP Configuration Identification", ConfigurationIdentification1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"InstanceInformation1", "MSTP Instance Control", InstanceInformation1Vars, MVT_UMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"PortMSTPInformation1", "Port MSTP Information", PortMSTPInformation1Vars, MVT_UMV, 2, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"PortTable", "Spanning Tree Port Table", PortTableVars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {nullptr},
};
