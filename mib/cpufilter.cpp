// Table commands of the "Layer 2 Management" menu: CPU interface filtering, on the
// descriptor tables of the access-list MIB (mib/acl.h).
#include "mib/acl.h"
#include "mib/mibareas.h"

namespace {

// EthernetMaskCPUFilter1: "Ethernet Mask (CPU Filter)"
const MibVarFormat kEthernetMaskCPUFilter1Formats[] = {{0, "%i{n1x5l1}"}, {3, "%s{l12}"},
    {4, "%s{l12}"}, {0, nullptr}};

// EthernetRuleCPUFilter1: "Ethernet Rule (CPU Filter)"
const MibVarFormat kEthernetRuleCPUFilter1Formats[] = {{0, "%i{n1x5l1}"}, {1, "%i{n1x100l3}"},
    {3, "%s{l12}"}, {4, "%s{l12}"}, {6, "%s{l4}"}, {0, nullptr}};

// IPMaskCPUFilter1: "IP Mask (CPU Filter)"
const MibVarFormat kIPMaskCPUFilter1Formats[] = {{0, "%i{n1x5l1}"}, {3, "%s{l16}"}, {4, "%s{l16}"},
    {11, "%s{l4}"}, {12, "%s{l4}"}, {14, "%i{n0x63l2}"}, {16, "%i{n0x255l3}"}, {17, "%s{l8}"},
    {0, nullptr}};

// IPRuleCPUFilter1: "IP Rule (CPU Filter)"
const MibVarFormat kIPRuleCPUFilter1Formats[] = {{0, "%i{n1x5l1}"}, {1, "%i{n1x100l3}"},
    {3, "%s{l16}"}, {4, "%s{l16}"}, {5, "%i{n0x63l2}"}, {7, "%i{n0x255l3}"}, {8, "%i{n0x255l3}"},
    {9, "%i{n0x65535l5}"}, {10, "%i{n0x65535l5}"}, {11, "%i{n0x63l2}"}, {12, "%i{n0x255l3}"},
    {13, "%s{l8}"}, {0, nullptr}};

// PacketContentMaskCPUFilter1: "Packet Content Mask (CPU Filter)"
const MibVarFormat kPacketContentMaskCPUFilter1Formats[] = {{0, "%i{n1x5l1}"}, {1, "%s{l32}"},
    {2, "%s{l32}"}, {3, "%s{l32}"}, {4, "%s{l32}"}, {5, "%s{l32}"}, {0, nullptr}};

// PacketContentRuleCPUFilter1: "Packet Content Rule (CPU Filter)"
const MibVarFormat kPacketContentRuleCPUFilter1Formats[] = {{0, "%i{n1x5l1}"}, {1, "%i{n1x100l3}"},
    {2, "%s{l32}"}, {3, "%s{l32}"}, {4, "%s{l32}"}, {5, "%s{l32}"}, {6, "%s{l32}"}, {0, nullptr}};

}  // namespace

extern const MibCommand kCpuFilterCommands[] = {
    {"CPUFilterControl1", "CPU Filtering Control", swACLCpuFilterCtrl, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"EthernetMaskCPUFilter1", "Ethernet Mask (CPU Filter)", swCpuAclEthernetEntry, MVT_UMV, 1, mpListView,
     {7, "createAndGo"}, {7, "destroy"}, kEthernetMaskCPUFilter1Formats},
    {"EthernetRuleCPUFilter1", "Ethernet Rule (CPU Filter)", swCpuAclEtherRuleEntry, MVT_UMV, 2, mpListView,
     {9, "createAndGo"}, {9, "destroy"}, kEthernetRuleCPUFilter1Formats},
    {"IPMaskCPUFilter1", "IP Mask (CPU Filter)", swCpuAclIpEntry, MVT_UMV, 1, mpListView,
     {18, "createAndGo"}, {18, "destroy"}, kIPMaskCPUFilter1Formats},
    {"IPRuleCPUFilter1", "IP Rule (CPU Filter)", swCpuAclIpRuleEntry, MVT_UMV, 2, mpListView,
     {16, "createAndGo"}, {16, "destroy"}, kIPRuleCPUFilter1Formats},
    {"PacketContentMaskCPUFilter1", "Packet Content Mask (CPU Filter)", swCpuAclPktContMaskEntry, MVT_UMV, 1, mpListView,
     {6, "createAndGo"}, {6, "destroy"}, kPacketContentMaskCPUFilter1Formats},
    {"PacketContentRuleCPUFilter1", "Packet Content Rule (CPU Filter)", swCpuAclPktContRuleEntry, MVT_UMV, 2, mpListView,
     {9, "createAndGo"}, {9, "destroy"}, kPacketContentRuleCPUFilter1Formats},
    {nullptr},
};
