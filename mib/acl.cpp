// Access control lists: descriptor tables and their option lists.
#include "mib/acl.h"

namespace {

const QzOptionEntry kAclMacMaskState[] = {{1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"},
    {4, "dst-src-mac-addr"}, {0, nullptr}};
const QzOptionEntry kAclIpMaskState[] = {{1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"},
    {4, "dst-src-ip-addr"}, {0, nullptr}};
const QzOptionEntry kAclIcmpOption[] = {{1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"},
    {0, nullptr}};
const QzOptionEntry kAclIpv6MaskState[] = {{1, "other"}, {2, "dst-ipv6-addr"},
    {3, "src-ipv6-addr"}, {0, nullptr}};

}  // namespace

QzOptionList aclMacMaskStateOptions(kAclMacMaskState);
QzOptionList aclIpMaskStateOptions(kAclIpMaskState);
QzOptionList aclIcmpOptionOptions(kAclIcmpOption);
QzOptionList aclIpv6MaskStateOptions(kAclIpv6MaskState);

extern const UISnmpVar swACLEthernetEntry[] = {
    {"1.3.6.1.4.1.171.12.9.2.1.1.1", "Ethernet Mask ID ", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.2.1.1.2", "Use Vlan", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.2.1.1.3", "Mac Address Mask State", sxInteger, acReadWrite, &aclMacMaskStateOptions},
    {"1.3.6.1.4.1.171.12.9.2.1.1.4", "Mac Address Mask Sourcc", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.1.1.5", "Mac Address Mask Destination", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.1.1.6", "Use 8021p", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.2.1.1.7", "Use Ethernet Type", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.2.1.1.8", "Row Status", sxInteger, acReadWrite, &aclRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swACLIpEntry[] = {
    {"1.3.6.1.4.1.171.12.9.2.2.1.1", "swACLIpProfileID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.2.2.1.3", "swACLIpIpAddrMaskState", sxInteger, acReadWrite, &aclIpMaskStateOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.4", "swACLIpSrcIpAddrMask", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.2.1.5", "swACLIpDstIpAddrMask", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.2.1.6", "swACLIpUseDSCP", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.7", "swACLIpUseProtoType", sxInteger, acReadWrite, &aclProtocolTypeOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.10", "swACLIpTcpOption", sxInteger, acReadWrite, &aclPortMaskOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.11", "swACLIpUdpOption", sxInteger, acReadWrite, &aclPortMaskOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.12", "swACLIpTCPorUDPSrcPortMask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.2.1.13", "swACLIpTCPorUDPDstPortMask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.2.1.14", "swACLIpTCPFlagBit", sxInteger, acReadWrite, &aclEnableDisableOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.15", "swACLIpTCPFlagBitMask", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.2.1.16", "swACLIpProtoIDOption", sxInteger, acReadWrite, &aclEnableDisableOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.17", "swACLIpProtoID", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.2.1.18", "swACLIpProtoIDMask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.2.1.19", "swACLIpRowStatus", sxInteger, acReadWrite, &aclRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swACLEtherRuleEntry[] = {
    {"1.3.6.1.4.1.171.12.9.3.1.1.1", "Mask ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.3.1.1.2", "Access ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.3.1.1.3", "Rule Vlan", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.1.1.4", "Rule Source Mac Address", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.1.1.5", "Rule Destination MacAddress", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.1.1.6", "Rule 8021P", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.1.1.7", "Rule Ethernet Type", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.1.1.8", "Rule Enable Priority", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.1.1.9", "Rule Priority", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.1.1.10", "Rule Replace Priority", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.1.1.13", "Permit Rule", sxInteger, acReadWrite, &aclPermitOptions},
    {"1.3.6.1.4.1.171.12.9.3.1.1.14", "Rule Port", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.1.1.15", "Rule RxRate", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.1.1.17", "RowStatus", sxInteger, acReadWrite, &aclRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swACLIpRuleEntry[] = {
    {"1.3.6.1.4.1.171.12.9.3.2.1.1", "swACLIpRuleProfileID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.3.2.1.2", "swACLIpRuleAccessID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.3.2.1.4", "swACLIpRuleSrcIpaddress", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.5", "swACLIpRuleDstIpaddress", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.6", "swACLIpRuleDscp", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.7", "swACLIpRuleProtocol", sxInteger, acReadOnly, &aclProtocolTypeOptions},
    {"1.3.6.1.4.1.171.12.9.3.2.1.8", "swACLIpRuleIcmp", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.2.1.9", "swACLIpRuleIgmp", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.2.1.10", "swACLIpRuleSrcPort", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.11", "swACLIpRuleDstPort", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.12", "swACLIpRuleFlagBits", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.13", "swACLIpRuleProtoID", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.14", "swACLIpRuleUserMask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.15", "swACLIpRuleEnablePriority", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.2.1.16", "swACLIpRulePriority", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.17", "swACLIpRuleReplacePriority", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.2.1.18", "swACLIpRuleEnableReplaceDscp", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.2.1.19", "swACLIpRuleRepDscp", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.20", "swACLIpRulePermit", sxInteger, acReadWrite, &aclPermitOptions},
    {"1.3.6.1.4.1.171.12.9.3.2.1.21", "swACLIpRulePort", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.22", "swACLIpRuleRxRate", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.24", "swACLIpRuleRowStatus", sxInteger, acReadWrite, &aclRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swProdACLPayloadEntry[] = {
    {"1.3.6.1.4.1.171.11.5.1.3.1.1", "Mask Entry ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.5.1.3.1.2", "Filtered Port(s)", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.1.3.1.3", "Filtered Port(s) [0 to 15]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.1.3.1.4", "Filtered Port(s) [16 to 31]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.1.3.1.5", "Filtered Port(s) [32 to 47]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.1.3.1.6", "Filtered Port(s) [48 to 63]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.1.3.1.7", "Filtered Port(s) [64 to 79]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.1.3.1.8", "Mask Row Status", sxInteger, acReadWrite, &aclRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swProdACLPayloadRuleEntry[] = {
    {"1.3.6.1.4.1.171.11.5.2.3.1.1", "swACLPayloadRuleProfileID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.5.2.3.1.2", "swACLPayloadRuleAccessID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.5.2.3.1.4", "swACLPayloadRuleOffSet0to15", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.3.1.5", "swACLPayloadRuleOffSet16to31", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.3.1.6", "swACLPayloadRuleOffSet32to47", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.3.1.7", "swACLPayloadRuleOffSet48to63", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.3.1.8", "swACLPayloadRuleOffSet64to79", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.3.1.9", "swACLPayloadRuleEnablePriority", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.5.2.3.1.10", "swACLPayloadRulePriority", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.3.1.11", "swACLPayloadRuleReplacePriority", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.5.2.3.1.12", "swACLPayloadRuleEnableReplaceDscp", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.5.2.3.1.13", "swACLPayloadRuleRepDscp", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.3.1.14", "swACLPayloadRulePermit", sxInteger, acReadWrite, &aclPermitOptions},
    {"1.3.6.1.4.1.171.11.5.2.3.1.15", "swACLPayloadRuleRowStatus", sxInteger, acReadWrite, &aclRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swProdACLEtherRuleEntry[] = {
    {"1.3.6.1.4.1.171.11.5.2.1.1.1", "Mask ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.5.2.1.1.2", "Access ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.5.2.1.1.3", "Rule Vlan", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.1.1.4", "Rule Source Mac Address", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.1.1.5", "Rule Destination MacAddress", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.1.1.6", "Rule 8021P", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.1.1.7", "Rule Ethernet Type", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.1.1.8", "Rule Enable Priority", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.5.2.1.1.9", "Rule Priority", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.1.1.10", "Rule Replace Priority", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.5.2.1.1.11", "Enable ReplaceDscp", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.5.2.1.1.12", "Rule Replace DSCP Rule", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.1.1.13", "RowStatus", sxInteger, acReadWrite, &aclRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swProdACLIpRuleEntry[] = {
    {"1.3.6.1.4.1.171.11.5.2.2.1.1", "IP Rule ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.5.2.2.1.2", "IP Rule Access ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.5.2.2.1.3", "Apply Vlan", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.2.1.4", "Sourcr IP Address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.2.1.5", "Destination IP address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.2.1.6", "Dscp", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.2.1.7", "Rule Protocol", sxInteger, acReadOnly, &aclProtocolTypeOptions},
    {"1.3.6.1.4.1.171.11.5.2.2.1.8", "Rule Type", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.2.1.9", "Rule Code", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.2.1.10", "Source Port", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.2.1.11", "Destination Port", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.2.1.12", "Flag Bits", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.2.1.13", "Protocol ID", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.2.1.14", "User Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.2.1.15", "Enable Priority", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.5.2.2.1.16", "Priority", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.2.1.17", "Replace Priority", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.5.2.2.1.18", "Enable Replace Dscp", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.5.2.2.1.19", "Replace DSCP", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.2.2.1.20", "RowStatus", sxInteger, acReadWrite, &aclRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swProdACLEthernetEntry[] = {
    {"1.3.6.1.4.1.171.11.5.1.1.1.1", "Ethernet Mask ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.5.1.1.1.2", "Use Vlan", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.5.1.1.1.3", "Mac Address Mask State", sxInteger, acReadWrite, &aclMacMaskStateOptions},
    {"1.3.6.1.4.1.171.11.5.1.1.1.4", "Mac Address Mask Sourcc", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.1.1.1.5", "Mac Address Mask Destination", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.1.1.1.6", "Use 8021p", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.5.1.1.1.7", "Use Ethernet Type", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.5.1.1.1.8", "Permit", sxInteger, acReadWrite, &aclPermitOptions},
    {"1.3.6.1.4.1.171.11.5.1.1.1.9", "Row Status", sxInteger, acReadWrite, &aclRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swProdACLIpEntry[] = {
    {"1.3.6.1.4.1.171.11.5.1.2.1.1", "swACLIpProfileID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.5.1.2.1.2", "swACLIpUsevlan", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.5.1.2.1.3", "swACLIpIpAddrMaskState", sxInteger, acReadWrite, &aclIpMaskStateOptions},
    {"1.3.6.1.4.1.171.11.5.1.2.1.4", "swACLIpSrcIpAddrMask", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.1.2.1.5", "swACLIpDstIpAddrMask", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.1.2.1.6", "swACLIpUseDSCP", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.5.1.2.1.7", "swACLIpUseProtoType", sxInteger, acReadWrite, &aclProtocolTypeOptions},
    {"1.3.6.1.4.1.171.11.5.1.2.1.8", "swACLIpIcmpOption", sxInteger, acReadWrite, &aclIcmpOptionOptions},
    {"1.3.6.1.4.1.171.11.5.1.2.1.9", "swACLIpIgmpOption", sxInteger, acReadWrite, &aclEnableDisableOptions},
    {"1.3.6.1.4.1.171.11.5.1.2.1.10", "swACLIpTcpOption", sxInteger, acReadWrite, &aclPortMaskOptions},
    {"1.3.6.1.4.1.171.11.5.1.2.1.11", "swACLIpUdpOption", sxInteger, acReadWrite, &aclPortMaskOptions},
    {"1.3.6.1.4.1.171.11.5.1.2.1.12", "swACLIpTCPorUDPSrcPortMask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.1.2.1.13", "swACLIpTCPorUDPDstPortMask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.1.2.1.14", "swACLIpTCPFlagBit", sxInteger, acReadWrite, &aclEnableDisableOptions},
    {"1.3.6.1.4.1.171.11.5.1.2.1.15", "swACLIpProtoIDOption", sxInteger, acReadWrite, &aclEnableDisableOptions},
    {"1.3.6.1.4.1.171.11.5.1.2.1.16", "swACLIpProtoIDMask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.5.1.2.1.17", "swACLIpPermit", sxInteger, acReadWrite, &aclPermitOptions},
    {"1.3.6.1.4.1.171.11.5.1.2.1.18", "swACLIpRowStatus", sxInteger, acReadWrite, &aclRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swACLIpv6MaskEntry[] = {
    {"1.3.6.1.4.1.171.12.9.2.4.1.1", "swACLIpv6MaskProfileID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.2.4.1.2", "swACLIpv6MaskClass", sxInteger, acReadWrite, &aclEnableDisableOptions},
    {"1.3.6.1.4.1.171.12.9.2.4.1.3", "swACLIpv6MaskFlowlabel", sxInteger, acReadWrite, &aclEnableDisableOptions},
    {"1.3.6.1.4.1.171.12.9.2.4.1.4", "swACLIpv6IpAddrMaskState", sxInteger, acReadWrite, &aclIpv6MaskStateOptions},
    {"1.3.6.1.4.1.171.12.9.2.4.1.5", "swACLIpv6MaskSrcIpv6Mask", sxIpv6Address, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.4.1.6", "swACLIpv6MaskDstIpv6Mask", sxIpv6Address, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.4.1.7", "swACLIpv6MaskRowStatus", sxInteger, acReadWrite, &aclRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swACLIpv6RuleEntry[] = {
    {"1.3.6.1.4.1.171.12.9.3.4.1.1", "swACLIpv6RuleProfileID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.3.4.1.2", "swACLIpv6RuleAccessID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.3.4.1.3", "swACLIpv6RuleClass", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.4.1.4", "swACLIpv6RuleFlowlabel", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.4.1.5", "swACLIpv6RuleSrcIpv6Addr", sxIpv6Address, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.4.1.6", "swACLIpv6RuleDstIpv6Addr", sxIpv6Address, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.4.1.7", "swACLIpv6RuleEnablePriority", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.4.1.8", "swACLIpv6RulePriority", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.4.1.9", "swACLIpv6RuleReplacePriority", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.4.1.10", "swACLIpv6RulePermit", sxInteger, acReadWrite, &aclPermitOptions},
    {"1.3.6.1.4.1.171.12.9.3.4.1.11", "swACLIpv6RulePort", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.4.1.12", "swACLIpv6RuleRxRate", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.4.1.14", "swACLIpv6RuleRowStatus", sxInteger, acReadWrite, &aclRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swACLCpuFilterCtrl[] = {
    {"1.3.6.1.4.1.171.12.9.1.1", "CPU Interface Filtering State", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {nullptr},
};

extern const UISnmpVar swCpuAclEthernetEntry[] = {
    {"1.3.6.1.4.1.171.12.9.4.1.1.1", "swCpuAclEthernetProfileID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.4.1.1.2", "swCpuAclEthernetUsevlan", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.4.1.1.3", "swCpuAclEthernetMacAddrMaskState", sxInteger, acReadWrite, &aclMacMaskStateOptions},
    {"1.3.6.1.4.1.171.12.9.4.1.1.4", "swCpuAclEthernetSrcMacAddrMask", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.1.1.5", "swCpuAclEthernetDstMacAddrMask", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.1.1.6", "swCpuAclEthernetUse8021p", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.4.1.1.7", "swCpuAclEthernetUseEthernetType", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.4.1.1.8", "swCpuAclEthernetRowStatus", sxInteger, acReadWrite, &aclRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swCpuAclEtherRuleEntry[] = {
    {"1.3.6.1.4.1.171.12.9.5.1.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.1.1.2", "Access ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.1.1.3", "Vlan", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.1.1.4", "Rule Source Mac Address", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.1.1.5", "Rule Destination MacAddress", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.1.1.6", "8021P", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.1.1.7", "Ethernet Type", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.1.1.8", "Permit", sxInteger, acReadWrite, &aclPermitOptions},
    {"1.3.6.1.4.1.171.12.9.5.1.1.9", "Port", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.1.1.11", "Row Status", sxInteger, acReadWrite, &aclRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swCpuAclIpEntry[] = {
    {"1.3.6.1.4.1.171.12.9.4.2.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.4.2.1.2", "Use Vlan", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.3", "IP Address Mask State", sxInteger, acReadWrite, &aclIpMaskStateOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.4", "IP Address Mask Source", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.5", "IP Address Mask Destination", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.6", "Use DSCP", sxInteger, acReadWrite, &aclEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.7", "Use Protocol Type", sxInteger, acReadWrite, &aclProtocolTypeOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.8", "ICMP Option", sxInteger, acReadWrite, &aclIcmpOptionOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.9", "IGMP Option", sxInteger, acReadWrite, &aclEnableDisableOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.10", "TCP Option", sxInteger, acReadWrite, &aclPortMaskOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.11", "UDP Option", sxInteger, acReadWrite, &aclPortMaskOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.12", "TCP or UDP Srouce Port Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.13", "TCP or UDP Destination Port Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.14", "TCP Flag Bit", sxInteger, acReadWrite, &aclEnableDisableOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.15", "TCP Flag Bit Mask", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.16", "Protocol ID Option", sxInteger, acReadWrite, &aclEnableDisableOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.17", "swCpuAclIpProtoID", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.18", "Protocol ID Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.19", "Row Status", sxInteger, acReadWrite, &aclRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swCpuAclIpRuleEntry[] = {
    {"1.3.6.1.4.1.171.12.9.5.2.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.2.1.2", "Access ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.2.1.3", "Vlan", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.4", "Source IP Address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.5", "Destination IP address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.6", "DSCP", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.7", "Protocol", sxInteger, acReadOnly, &aclProtocolTypeOptions},
    {"1.3.6.1.4.1.171.12.9.5.2.1.8", "Type", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.9", "Code", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.10", "Source Port", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.11", "Destination Port", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.12", "Flag Bits", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.13", "Protocol ID", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.14", "User Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.15", "Permit", sxInteger, acReadWrite, &aclPermitOptions},
    {"1.3.6.1.4.1.171.12.9.5.2.1.16", "Port", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.18", "Row Status", sxInteger, acReadWrite, &aclRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swCpuAclPktContMaskEntry[] = {
    {"1.3.6.1.4.1.171.12.9.4.3.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.4.3.1.2", "Packet Content Offset Mask[1-15]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.3.1.3", "Packet Content Offset Mask[16-31]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.3.1.4", "Packet Content Offset Mask[32-47]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.3.1.5", "Packet Content Offset Mask[48-63]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.3.1.6", "Packet Content Offset Mask[64-79]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.3.1.7", "Row Status", sxInteger, acReadWrite, &aclRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swCpuAclPktContRuleEntry[] = {
    {"1.3.6.1.4.1.171.12.9.5.3.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.3.1.2", "Access ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.3.1.3", "Payload Offset [1-15]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.3.1.4", "Payload Offset [16-31]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.3.1.5", "Payload Offset [32-47]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.3.1.6", "Payload Offset [48-63]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.3.1.7", "Payload Offset [64-79]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.3.1.8", "Permit", sxInteger, acReadWrite, &aclPermitOptions},
    {"1.3.6.1.4.1.171.12.9.5.3.1.9", "Port", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.3.1.11", "Row Status", sxInteger, acReadWrite, &aclRowStatusOptions},
    {nullptr},
};
