// Descriptor tables of the table commands of the "Layer 2 Management" menu: multicast filter,
// ports, trunking, port security, QoS and 802.3ad.
#include "common/qzoptionlist.h"
#include "mib/mibareas.h"
#include "mib/mibshared.h"
#include "snmpvars/uisnmpvar.h"

namespace {

// MulticastFilter1: "Multicast filter Table"
const QzOptionEntry kSwL2MultiFilterMode[] = {{1, "forward-all-groups"},
    {2, "forward-unregistered-groups"}, {3, "filter-unregistered-groups"}, {0, nullptr}};
QzOptionList SwL2MultiFilterModeOptions(kSwL2MultiFilterMode);
const UISnmpVar MulticastFilter1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.2.1.1.1", "swL2MultiFilterVid", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.70.2.2.2.1.1.2", "swL2MultiFilterMode", sxInteger, acReadWrite, &SwL2MultiFilterModeOptions},
    {nullptr},
};

// JumboFrameCtrl1: "Jumbo Frame Control"
const UISnmpVar JumboFrameCtrl1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.3.3", "swL2PortCtrlJumboFrame", sxInteger, acReadWrite, &mibOtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.3.4", "swL2PortCtrlJumboFrameMaxSize", sxInteger, acReadOnly},
    {nullptr},
};

// PortInformation1: "Port Information Table"
const QzOptionEntry kSwL2PortInfoType[] = {{0, "portType-none"}, {2, "portType-100Base-T"},
    {3, "portType-100Base-X"}, {4, "portType-1000Base-T"}, {5, "portType-1000Base-X"},
    {6, "portType-10GBase-R"}, {7, "portType-10GBase-CX4"}, {8, "portType-SIO"},
    {9, "portType-module-empty"}, {10, "portType-user-last"}, {0, nullptr}};
QzOptionList SwL2PortInfoTypeOptions(kSwL2PortInfoType);
const QzOptionEntry kSwL2PortInfoLinkStatus[] = {{1, "other"}, {2, "link-pass"}, {3, "link-fail"},
    {0, nullptr}};
QzOptionList SwL2PortInfoLinkStatusOptions(kSwL2PortInfoLinkStatus);
const QzOptionEntry kSwL2PortInfoNwayStatus[] = {{0, "link-down"}, {1, "full-10Mbps-8023x"},
    {2, "full-10Mbps-none"}, {3, "half-10Mbps-backp"}, {4, "half-10Mbps-none"},
    {5, "full-100Mbps-8023x"}, {6, "full-100Mbps-none"}, {7, "half-100Mbps-backp"},
    {8, "half-100Mbps-none"}, {9, "full-1Gigabps-8023x"}, {10, "full-1Gigabps-none"},
    {11, "half-1Gigabps-backp"}, {12, "half-1Gigabps-none"}, {13, "full-10Gigabps-8023x"},
    {14, "full-10Gigabps-none"}, {15, "half-10Gigabps-8023x"}, {16, "half-10Gigabps-none"},
    {17, "empty"}, {18, "err-disabled"}, {0, nullptr}};
QzOptionList SwL2PortInfoNwayStatusOptions(kSwL2PortInfoNwayStatus);
const QzOptionEntry kSwL2PortInfoErrDisReason[] = {{1, "err-none"}, {2, "storm-control"},
    {3, "lbd-control"}, {0, nullptr}};
QzOptionList SwL2PortInfoErrDisReasonOptions(kSwL2PortInfoErrDisReason);
const UISnmpVar PortInformation1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.3.1.1.1", "swL2PortInfoPortIndex", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.70.2.2.3.1.1.2", "swL2PortInfoMediumType", sxInteger, acNotAccess, &mibMediumTypeOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.3.1.1.3", "swL2PortInfoUnitID", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.70.2.2.3.1.1.4", "swL2PortInfoType", sxInteger, acReadOnly, &SwL2PortInfoTypeOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.3.1.1.5", "swL2PortInfoLinkStatus", sxInteger, acReadOnly, &SwL2PortInfoLinkStatusOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.3.1.1.6", "swL2PortInfoNwayStatus", sxInteger, acReadOnly, &SwL2PortInfoNwayStatusOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.3.1.1.7", "swL2PortInfoErrDisReason", sxInteger, acReadOnly, &SwL2PortInfoErrDisReasonOptions},
    {nullptr},
};

// PortControl1: "Port Control Table"
const QzOptionEntry kSwL2PortCtrlNwayState[] = {{1, "other"}, {2, "nway-enabled"},
    {3, "nway-disabled-10Mbps-Half"}, {4, "nway-disabled-10Mbps-Full"},
    {5, "nway-disabled-100Mbps-Half"}, {6, "nway-disabled-100Mbps-Full"},
    {8, "nway-disabled-1Gigabps-Full"}, {9, "nway-disabled-1Gigabps-Full-master"},
    {10, "nway-disabled-1Gigabps-Full-slave"}, {0, nullptr}};
QzOptionList SwL2PortCtrlNwayStateOptions(kSwL2PortCtrlNwayState);
const UISnmpVar PortControl1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.3.2.1.1", "swL2PortCtrlPortIndex", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.70.2.2.3.2.1.2", "swL2PortCtrlMediumType", sxInteger, acNotAccess, &mibMediumTypeOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.3.2.1.3", "swL2PortCtrlUnitIndex", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.70.2.2.3.2.1.4", "swL2PortCtrlAdminState", sxInteger, acReadWrite, &mibOtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.3.2.1.5", "swL2PortCtrlNwayState", sxInteger, acReadWrite, &SwL2PortCtrlNwayStateOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.3.2.1.6", "swL2PortCtrlFlowCtrlState", sxInteger, acReadWrite, &mibOtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.3.2.1.7", "swL2PortCtrlLockState", sxInteger, acReadWrite, &mibOtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.3.2.1.8", "swL2PortCtrlMACNotifyState", sxInteger, acReadWrite, &mibOtherDisabledEnabledOptions},
    {nullptr},
};

// TrunkBasicInformation1: "Trunk Information"
const QzOptionEntry kTrunkAlgorithm[] = {{2, "mac-source"}, {3, "mac-destination"},
    {4, "mac-source-dest"}, {5, "ip-source"}, {6, "ip-destination"}, {7, "ip-source-dest"},
    {0, nullptr}};
QzOptionList TrunkAlgorithmOptions(kTrunkAlgorithm);
const UISnmpVar TrunkBasicInformation1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.9.1", "Trunk Max Supported Entries", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.70.2.2.9.2", "Trunk Current Entries Number", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.70.2.2.9.4", "Trunk Algorithm", sxInteger, acReadWrite, &TrunkAlgorithmOptions},
    {nullptr},
};

// LACPPortTable1: "LACP Port Table"
const QzOptionEntry kSwL2TrunkLACPPortState[] = {{1, "active"}, {2, "passive"}, {0, nullptr}};
QzOptionList SwL2TrunkLACPPortStateOptions(kSwL2TrunkLACPPortState);
const UISnmpVar LACPPortTable1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.9.5.1.1", "swL2TrunkLACPPortIndex", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.70.2.2.9.5.1.2", "swL2TrunkLACPPortState", sxInteger, acReadWrite, &SwL2TrunkLACPPortStateOptions},
    {nullptr},
};

// PortSecurityTable1: "Port Security Table"
const QzOptionEntry kSecurityMode[] = {{2, "permanent"}, {3, "deleteOnTimeout"},
    {4, "deleteOnReset"}, {0, nullptr}};
QzOptionList SecurityModeOptions(kSecurityMode);
const UISnmpVar PortSecurityTable1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.7.1.1.1", "Port Index", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.70.2.2.7.1.1.2", "Max Learn Address", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.7.1.1.3", "Security Mode", sxInteger, acReadWrite, &SecurityModeOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.7.1.1.4", "Admin State", sxInteger, acReadWrite, &mibEnable2Disable3Options},
    {nullptr},
};

// QOSControl1: "QOS Scheduling Mechanism Control"
const QzOptionEntry kSwL2QOSSchedulingMechanismCtrl[] = {{1, "strict"}, {3, "weightfair"},
    {0, nullptr}};
QzOptionList SwL2QOSSchedulingMechanismCtrlOptions(kSwL2QOSSchedulingMechanismCtrl);
const UISnmpVar QOSControl1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.6.5", "swL2QOSSchedulingMechanismCtrl", sxInteger, acReadWrite, &SwL2QOSSchedulingMechanismCtrlOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.6.6", "swL2QOSHolPreventionCtrl", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {nullptr},
};

// BandwidthControlTable1: "Bandwidth Control Table"
const UISnmpVar BandwidthControlTable1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.6.1.1.1", "Port Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.70.2.2.6.1.1.2", "Receive Rate", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.6.1.1.3", "Transmit Rate", sxInteger, acReadWrite},
    {nullptr},
};

// SchedulingTable1: "Scheduling Table1"
const QzOptionEntry kSwL2QOSSchedulingMechanism[] = {{1, "strict"}, {2, "roundrobin"},
    {3, "weightfair"}, {0, nullptr}};
QzOptionList SwL2QOSSchedulingMechanismOptions(kSwL2QOSSchedulingMechanism);
const UISnmpVar SchedulingTable1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.6.2.1.1", "swL2QOSSchedulingClassIndex", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.70.2.2.6.2.1.2", "swL2QOSSchedulingMaxPkts", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.6.2.1.3", "swL2QOSSchedulingMechanism", sxInteger, acReadOnly, &SwL2QOSSchedulingMechanismOptions},
    {nullptr},
};

// N8021pUserPriorityTable1: "8021p User Priority Table"
const UISnmpVar N8021pUserPriorityTable1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.6.3.1.1", "User Priority Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.70.2.2.6.3.1.2", "8021p User Priority Class", sxInteger, acReadWrite},
    {nullptr},
};

// N8021pDefaultPriorityTable1: "8021p Default Priority Table"
const UISnmpVar N8021pDefaultPriorityTable1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.6.4.1.1", "Priority Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.70.2.2.6.4.1.2", "8021p Default Priority", sxInteger, acReadWrite},
    {nullptr},
};

// AggregatorTable1: "Aggregator Table"
const UISnmpVar AggregatorTable1Vars[] = {
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.2", "MACAddress", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.3", "Actor System Priority", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.4", "Actor System ID", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.5", "Aggregate Or Individual", sxInteger, acReadOnly, &mibTruthValueOptions},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.6", "Actor Admin value Key", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.7", "Actor Operational Value Key", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.8", "Partner System ID", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.9", "Partner System Priority", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.10", "Partner Operational Value Key", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.11", "Collector Max Delay", sxInteger, acReadOnly},
    {nullptr},
};

// AggregatorPortList1: "Aggregator Port List Table"
const UISnmpVar AggregatorPortList1Vars[] = {
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.1", "dot3adAggIndex", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.4.1.1.2.1.1", "dot3adAggPortListPorts", sxBitStr, acReadOnly},
    {nullptr},
};

}  // namespace

extern const MibCommand kLayer2Commands[] = {
    {"MulticastFilter1", "Multicast filter Table", MulticastFilter1Vars, MVT_UMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"JumboFrameCtrl1", "Jumbo Frame Control", JumboFrameCtrl1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"PortInformation1", "Port Information Table", PortInformation1Vars, MVT_FMV, 2, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"PortControl1", "Port Control Table", PortControl1Vars, MVT_FMV, 2, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"TrunkBasicInformation1", "Trunk Information", TrunkBasicInformation1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"LACPPortTable1", "LACP Port Table", LACPPortTable1Vars, MVT_UMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"PortSecurityTable1", "Port Security Table", PortSecurityTable1Vars, MVT_UMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"QOSControl1", "QOS Scheduling Mechanism Control", QOSControl1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"BandwidthControlTable1", "Bandwidth Control Table", BandwidthControlTable1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"SchedulingTable1", "Scheduling Table1", SchedulingTable1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"N8021pUserPriorityTable1", "8021p User Priority Table", N8021pUserPriorityTable1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"N8021pDefaultPriorityTable1", "8021p Default Priority Table", N8021pDefaultPriorityTable1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"AggregatorTable1", "Aggregator Table", AggregatorTable1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"AggregatorPortList1", "Aggregator Port List Table", AggregatorPortList1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {nullptr},
};
