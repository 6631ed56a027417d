// Descriptor tables of the table commands of the "Layer 2 Management" menu: CPU interface
// filtering.
#include "common/qzoptionlist.h"
#include "mib/mibareas.h"
#include "mib/mibshared.h"
#include "snmpvars/uisnmpvar.h"

namespace {

// CPUFilterControl1: "CPU Filtering Control"
const UISnmpVar CPUFilterControl1Vars[] = {
    {"1.3.6.1.4.1.171.12.9.1.1", "CPU Interface Filtering State", sxInteger, acReadWrite, &mibEnabled1Disabled2Options},
    {nullptr},
};

// EthernetMaskCPUFilter1: "Ethernet Mask (CPU Filter)"
const QzOptionEntry kSwCpuAclEthernetMacAddrMaskState[] = {{1, "other"}, {2, "dst-mac-addr"},
    {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {0, nullptr}};
QzOptionList SwCpuAclEthernetMacAddrMaskStateOptions(kSwCpuAclEthernetMacAddrMaskState);
const UISnmpVar EthernetMaskCPUFilter1Vars[] = {
    {"1.3.6.1.4.1.171.12.9.4.1.1.1", "swCpuAclEthernetProfileID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.4.1.1.2", "swCpuAclEthernetUsevlan", sxInteger, acReadWrite, &mibEnabled1Disabled2Options},
    {"1.3.6.1.4.1.171.12.9.4.1.1.3", "swCpuAclEthernetMacAddrMaskState", sxInteger, acReadWrite, &SwCpuAclEthernetMacAddrMaskStateOptions},
    {"1.3.6.1.4.1.171.12.9.4.1.1.4", "swCpuAclEthernetSrcMacAddrMask", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.1.1.5", "swCpuAclEthernetDstMacAddrMask", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.1.1.6", "swCpuAclEthernetUse8021p", sxInteger, acReadWrite, &mibEnabled1Disabled2Options},
    {"1.3.6.1.4.1.171.12.9.4.1.1.7", "swCpuAclEthernetUseEthernetType", sxInteger, acReadWrite, &mibEnabled1Disabled2Options},
    {"1.3.6.1.4.1.171.12.9.4.1.1.8", "swCpuAclEthernetRowStatus", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};
const MibVarFormat kEthernetMaskCPUFilter1Formats[] = {{0, "%i{n1x5l1}"}, {3, "%s{l12}"},
    {4, "%s{l12}"}, {0, nullptr}};

// EthernetRuleCPUFilter1: "Ethernet Rule (CPU Filter)"
const UISnmpVar EthernetRuleCPUFilter1Vars[] = {
    {"1.3.6.1.4.1.171.12.9.5.1.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.1.1.2", "Access ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.1.1.3", "Vlan", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.1.1.4", "Rule Source Mac Address", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.1.1.5", "Rule Destination MacAddress", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.1.1.6", "8021P", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.1.1.7", "Ethernet Type", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.1.1.8", "Permit", sxInteger, acReadWrite, &mibPermitOptions},
    {"1.3.6.1.4.1.171.12.9.5.1.1.9", "Port", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.1.1.11", "Row Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};
const MibVarFormat kEthernetRuleCPUFilter1Formats[] = {{0, "%i{n1x5l1}"}, {1, "%i{n1x100l3}"},
    {3, "%s{l12}"}, {4, "%s{l12}"}, {6, "%s{l4}"}, {0, nullptr}};

// IPMaskCPUFilter1: "IP Mask (CPU Filter)"
const QzOptionEntry kIPAddressMaskState[] = {{1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"},
    {4, "dst-src-ip-addr"}, {0, nullptr}};
QzOptionList IPAddressMaskStateOptions(kIPAddressMaskState);
const QzOptionEntry kICMPOption[] = {{1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"},
    {0, nullptr}};
QzOptionList ICMPOptionOptions(kICMPOption);
const UISnmpVar IPMaskCPUFilter1Vars[] = {
    {"1.3.6.1.4.1.171.12.9.4.2.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.4.2.1.2", "Use Vlan", sxInteger, acReadWrite, &mibEnabled1Disabled2Options},
    {"1.3.6.1.4.1.171.12.9.4.2.1.3", "IP Address Mask State", sxInteger, acReadWrite, &IPAddressMaskStateOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.4", "IP Address Mask Source", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.5", "IP Address Mask Destination", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.6", "Use DSCP", sxInteger, acReadWrite, &mibEnabled1Disabled2Options},
    {"1.3.6.1.4.1.171.12.9.4.2.1.7", "Use Protocol Type", sxInteger, acReadWrite, &mibProtocolTypeOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.8", "ICMP Option", sxInteger, acReadWrite, &ICMPOptionOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.9", "IGMP Option", sxInteger, acReadWrite, &mibEnable1Disable2Options},
    {"1.3.6.1.4.1.171.12.9.4.2.1.10", "TCP Option", sxInteger, acReadWrite, &mibPortMaskOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.11", "UDP Option", sxInteger, acReadWrite, &mibPortMaskOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.12", "TCP or UDP Srouce Port Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.13", "TCP or UDP Destination Port Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.14", "TCP Flag Bit", sxInteger, acReadWrite, &mibEnable1Disable2Options},
    {"1.3.6.1.4.1.171.12.9.4.2.1.15", "TCP Flag Bit Mask", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.16", "Protocol ID Option", sxInteger, acReadWrite, &mibEnable1Disable2Options},
    {"1.3.6.1.4.1.171.12.9.4.2.1.17", "swCpuAclIpProtoID", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.18", "Protocol ID Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.19", "Row Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};
const MibVarFormat kIPMaskCPUFilter1Formats[] = {{0, "%i{n1x5l1}"}, {3, "%s{l16}"}, {4, "%s{l16}"},
    {11, "%s{l4}"}, {12, "%s{l4}"}, {14, "%i{n0x63l2}"}, {16, "%i{n0x255l3}"}, {17, "%s{l8}"},
    {0, nullptr}};

// IPRuleCPUFilter1: "IP Rule (CPU Filter)"
const UISnmpVar IPRuleCPUFilter1Vars[] = {
    {"1.3.6.1.4.1.171.12.9.5.2.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.2.1.2", "Access ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.2.1.3", "Vlan", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.4", "Source IP Address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.5", "Destination IP address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.6", "DSCP", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.7", "Protocol", sxInteger, acReadOnly, &mibProtocolTypeOptions},
    {"1.3.6.1.4.1.171.12.9.5.2.1.8", "Type", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.9", "Code", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.10", "Source Port", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.11", "Destination Port", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.12", "Flag Bits", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.13", "Protocol ID", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.14", "User Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.15", "Permit", sxInteger, acReadWrite, &mibPermitOptions},
    {"1.3.6.1.4.1.171.12.9.5.2.1.16", "Port", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.18", "Row Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};
const MibVarFormat kIPRuleCPUFilter1Formats[] = {{0, "%i{n1x5l1}"}, {1, "%i{n1x100l3}"},
    {3, "%s{l16}"}, {4, "%s{l16}"}, {5, "%i{n0x63l2}"}, {7, "%i{n0x255l3}"}, {8, "%i{n0x255l3}"},
    {9, "%i{n0x65535l5}"}, {10, "%i{n0x65535l5}"}, {11, "%i{n0x63l2}"}, {12, "%i{n0x255l3}"},
    {13, "%s{l8}"}, {0, nullptr}};

// PacketContentMaskCPUFilter1: "Packet Content Mask (CPU Filter)"
const UISnmpVar PacketContentMaskCPUFilter1Vars[] = {
    {"1.3.6.1.4.1.171.12.9.4.3.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.4.3.1.2", "Packet Content Offset Mask[1-15]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.3.1.3", "Packet Content Offset Mask[16-31]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.3.1.4", "Packet Content Offset Mask[32-47]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.3.1.5", "Packet Content Offset Mask[48-63]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.3.1.6", "Packet Content Offset Mask[64-79]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.3.1.7", "Row Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};
const MibVarFormat kPacketContentMaskCPUFilter1Formats[] = {{0, "%i{n1x5l1}"}, {1, "%s{l32}"},
    {2, "%s{l32}"}, {3, "%s{l32}"}, {4, "%s{l32}"}, {5, "%s{l32}"}, {0, nullptr}};

// PacketContentRuleCPUFilter1: "Packet Content Rule (CPU Filter)"
const UISnmpVar PacketContentRuleCPUFilter1Vars[] = {
    {"1.3.6.1.4.1.171.12.9.5.3.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.3.1.2", "Access ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.3.1.3", "Payload Offset [1-15]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.3.1.4", "Payload Offset [16-31]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.3.1.5", "Payload Offset [32-47]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.3.1.6", "Payload Offset [48-63]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.3.1.7", "Payload Offset [64-79]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.3.1.8", "Permit", sxInteger, acReadWrite, &mibPermitOptions},
    {"1.3.6.1.4.1.171.12.9.5.3.1.9", "Port", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.3.1.11", "Row Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};
const MibVarFormat kPacketContentRuleCPUFilter1Formats[] = {{0, "%i{n1x5l1}"}, {1, "%i{n1x100l3}"},
    {2, "%s{l32}"}, {3, "%s{l32}"}, {4, "%s{l32}"}, {5, "%s{l32}"}, {6, "%s{l32}"}, {0, nullptr}};

}  // namespace

extern const MibCommand kCpuFilterCommands[] = {
    {"CPUFilterControl1", "CPU Filtering Control", CPUFilterControl1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"EthernetMaskCPUFilter1", "Ethernet Mask (CPU Filter)", EthernetMaskCPUFilter1Vars, MVT_UMV, 1, mpListView,
     {7, "createAndGo"}, {7, "destroy"}, kEthernetMaskCPUFilter1Formats},
    {"EthernetRuleCPUFilter1", "Ethernet Rule (CPU Filter)", EthernetRuleCPUFilter1Vars, MVT_UMV, 2, mpListView,
     {9, "createAndGo"}, {9, "destroy"}, kEthernetRuleCPUFilter1Formats},
    {"IPMaskCPUFilter1", "IP Mask (CPU Filter)", IPMaskCPUFilter1Vars, MVT_UMV, 1, mpListView,
     {18, "createAndGo"}, {18, "destroy"}, kIPMaskCPUFilter1Formats},
    {"IPRuleCPUFilter1", "IP Rule (CPU Filter)", IPRuleCPUFilter1Vars, MVT_UMV, 2, mpListView,
     {16, "createAndGo"}, {16, "destroy"}, kIPRuleCPUFilter1Formats},
    {"PacketContentMaskCPUFilter1", "Packet Content Mask (CPU Filter)", PacketContentMaskCPUFilter1Vars, MVT_UMV, 1, mpListView,
     {6, "createAndGo"}, {6, "destroy"}, kPacketContentMaskCPUFilter1Formats},
    {"PacketContentRuleCPUFilter1", "Packet Content Rule (CPU Filter)", PacketContentRuleCPUFilter1Vars, MVT_UMV, 2, mpListView,
     {9, "createAndGo"}, {9, "destroy"}, kPacketContentRuleCPUFilter1Formats},
    {nullptr},
};
