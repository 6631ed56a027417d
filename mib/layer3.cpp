// Descriptor tables of the table commands of the "Layer 3 Management" menu: device control, IP
// interfaces and routes, BOOTP, DNS and ARP.
#include "common/qzoptionlist.h"
#include "mib/mibareas.h"
#include "mib/mibshared.h"
#include "snmpvars/uisnmpvar.h"

namespace {

// DeviceCtrl1: "Device Control"
const UISnmpVar DeviceCtrl1Vars[] = {
    {"1.3.6.1.4.1.171.11.55.2.3.1.1.1", "RIP State", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.11.55.2.3.1.1.3", "DVMRP State", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.11.55.2.3.1.1.4", "PIM-DM State", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.11.55.2.3.1.1.2", "OSPF State", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.11.55.2.3.2.4", "Arp Aging Time", sxInteger, acReadWrite},
    {nullptr},
};

// MD5Table1: "Md5 Information Table"
const UISnmpVar MD5Table1Vars[] = {
    {"1.3.6.1.4.1.171.11.55.2.3.4.1.1", "Key Id", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.55.2.3.4.1.2", "Key", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.4.1.3", "Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// IPControlTable1: "IP Control Table"
const QzOptionEntry kMode[] = {{2, "manual"}, {3, "bootp"}, {4, "dhcp"}, {0, nullptr}};
QzOptionList ModeOptions(kMode);
const QzOptionEntry kOperationalState[] = {{2, "up"}, {3, "down"}, {0, nullptr}};
QzOptionList OperationalStateOptions(kOperationalState);
const UISnmpVar IPControlTable1Vars[] = {
    {"1.3.6.1.4.1.171.11.55.2.3.2.1.1.1.1", "Ip Address", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.55.2.3.2.1.1.1.2", "If Index", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.55.2.3.2.1.1.1.3", "Interface Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.2.1.1.1.4", "Subnet Mask", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.2.1.1.1.5", "Vlan Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.2.1.1.1.6", "Mode", sxInteger, acReadWrite, &ModeOptions},
    {"1.3.6.1.4.1.171.11.55.2.3.2.1.1.1.7", "Secondary", sxInteger, acReadWrite, &mibTruthValueOptions},
    {"1.3.6.1.4.1.171.11.55.2.3.2.1.1.1.8", "State", sxInteger, acReadWrite, &mibRowStatusOptions},
    {"1.3.6.1.4.1.171.11.55.2.3.2.1.1.1.9", "Operational State", sxInteger, acReadOnly, &OperationalStateOptions},
    {nullptr},
};

// IPForwardingTable1: "IP Forwarding Table"
const QzOptionEntry kType[] = {{2, "static"}, {3, "dynamic"}, {0, nullptr}};
QzOptionList TypeOptions(kType);
const UISnmpVar IPForwardingTable1Vars[] = {
    {"1.3.6.1.4.1.171.11.55.2.3.2.2.1.1.1", "IpAddress", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.55.2.3.2.2.1.1.2", "Subnet Mask", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.11.55.2.3.2.2.1.1.3", "Port Number", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.55.2.3.2.2.1.1.4", "Type", sxInteger, acReadOnly, &TypeOptions},
    {nullptr},
};

// IPStaticRoutingtable1: "IP Static Routing Table"
const QzOptionEntry kBakeupState[] = {{1, "primary"}, {2, "backup"}, {0, nullptr}};
QzOptionList BakeupStateOptions(kBakeupState);
const UISnmpVar IPStaticRoutingtable1Vars[] = {
    {"1.3.6.1.4.1.171.11.55.2.3.2.5.1.1", "Destination", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.11.55.2.3.2.5.1.2", "Mask", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.11.55.2.3.2.5.1.3", "Bakeup State", sxInteger, acReadWrite, &BakeupStateOptions},
    {"1.3.6.1.4.1.171.11.55.2.3.2.5.1.4", "Next Hop", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.2.5.1.5", "Metric", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.2.5.1.6", "Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// BOOTPBasicConfiguration1: "BOOTP Basic Configuration"
const UISnmpVar BOOTPBasicConfiguration1Vars[] = {
    {"1.3.6.1.4.1.171.11.55.2.3.3.1.1", "Bootp State", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.11.55.2.3.3.1.2", "Bootp Hop Count", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.3.1.3", "Bootp Time Threshold", sxInteger, acReadWrite},
    {nullptr},
};

// DNSBasicConfiguration1: "DNS Basic Configuration"
const UISnmpVar DNSBasicConfiguration1Vars[] = {
    {"1.3.6.1.4.1.171.11.55.2.3.3.2.1", "DNS State", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.11.55.2.3.3.2.2", "DNS Primary Server", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.3.2.3", "DNS Secondary Server", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.3.2.4", "DNS Cache State", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.11.55.2.3.3.2.5", "DNS Static Table State", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {nullptr},
};

// DNSCtrlTable1: "DNS Ctrl Table"
const QzOptionEntry kState[] = {{2, "invalid"}, {3, "valid"}, {0, nullptr}};
QzOptionList StateOptions(kState);
const UISnmpVar DNSCtrlTable1Vars[] = {
    {"1.3.6.1.4.1.171.11.55.2.3.3.2.6.1.1", "Domain Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.4.1.171.11.55.2.3.3.2.6.1.2", "IP Address", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.55.2.3.3.2.6.1.3", "State", sxInteger, acReadWrite, &StateOptions},
    {nullptr},
};

// ARPAgingTime1: "ARP Aging Time"
const UISnmpVar ARPAgingTime1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.3.2.4", "swL3IpArpAgingTime", sxInteger, acReadWrite},
    {nullptr},
};

}  // namespace

extern const MibCommand kLayer3Commands[] = {
    {"DeviceCtrl1", "Device Control", DeviceCtrl1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"MD5Table1", "Md5 Information Table", MD5Table1Vars, MVT_UMV, 1, mpListView,
     {2, "createAndGo"}, {2, "destroy"}, nullptr},
    {"IPControlTable1", "IP Control Table", IPControlTable1Vars, MVT_UMV, 1, mpListView,
     {7, "createAndGo"}, {7, "destroy"}, nullptr},
    {"IPForwardingTable1", "IP Forwarding Table", IPForwardingTable1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"IPStaticRoutingtable1", "IP Static Routing Table", IPStaticRoutingtable1Vars, MVT_FMV, 3, mpListView,
     {5, "createAndGo"}, {5, "destroy"}, nullptr},
    {"BOOTPBasicConfiguration1", "BOOTP Basic Configuration", BOOTPBasicConfiguration1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"DNSBasicConfiguration1", "DNS Basic Configuration", DNSBasicConfiguration1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"DNSCtrlTable1", "DNS Ctrl Table", DNSCtrlTable1Vars, MVT_FMV, 2, mpListView,
     {2, "valid"}, {2, "invalid"}, nullptr},
    {"ARPAgingTime1", "ARP Aging Time", ARPAgingTime1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {nullptr},
};
