// Descriptor tables of the access-control-list MIBs: the common ACL subtree
// (1.3.6.1.4.1.171.12.9: masks, rules, CPU interface filtering) and the product subtree
// (1.3.6.1.4.1.171.11.5, tables named swProdACL...). Forms pick the list type and key count.
//
// Tables (base OID, records):
//   swACLEthernetEntry             1.3.6.1.4.1.171.12.9.2.1.1, 8: Ethernet mask profiles
//   swACLIpEntry                   1.3.6.1.4.1.171.12.9.2.2.1, 16: IP mask profiles
//   swACLEtherRuleEntry            1.3.6.1.4.1.171.12.9.3.1.1, 14: Ethernet rules
//   swACLIpRuleEntry               1.3.6.1.4.1.171.12.9.3.2.1, 22: IP rules
//   swProdACLPayloadEntry          1.3.6.1.4.1.171.11.5.1.3.1, 8: payload (user-defined) mask profiles
//   swProdACLPayloadRuleEntry      1.3.6.1.4.1.171.11.5.2.3.1, 14: payload (user-defined) rules
//   swProdACLEtherRuleEntry        1.3.6.1.4.1.171.11.5.2.1.1, 13: Ethernet rules
//   swProdACLIpRuleEntry           1.3.6.1.4.1.171.11.5.2.2.1, 20: IP rules
//   swProdACLEthernetEntry         1.3.6.1.4.1.171.11.5.1.1.1, 9: Ethernet mask profiles with permit
//   swProdACLIpEntry               1.3.6.1.4.1.171.11.5.1.2.1, 18: IP mask profiles with permit
//   swACLIpv6MaskEntry             1.3.6.1.4.1.171.12.9.2.4.1, 7: IPv6 mask profiles
//   swACLIpv6RuleEntry             1.3.6.1.4.1.171.12.9.3.4.1, 13: IPv6 rules
//   swACLCpuFilterCtrl             1.3.6.1.4.1.171.12.9.1, 1: CPU interface filtering state (scalar)
//   swCpuAclEthernetEntry          1.3.6.1.4.1.171.12.9.4.1.1, 8: CPU filter Ethernet mask profiles
//   swCpuAclEtherRuleEntry         1.3.6.1.4.1.171.12.9.5.1.1, 10: CPU filter Ethernet rules
//   swCpuAclIpEntry                1.3.6.1.4.1.171.12.9.4.2.1, 19: CPU filter IP mask profiles
//   swCpuAclIpRuleEntry            1.3.6.1.4.1.171.12.9.5.2.1, 17: CPU filter IP rules
//   swCpuAclPktContMaskEntry       1.3.6.1.4.1.171.12.9.4.3.1, 7: CPU filter packet content masks
//   swCpuAclPktContRuleEntry       1.3.6.1.4.1.171.12.9.5.3.1, 10: CPU filter packet content rules
#pragma once

#include "common/qzoptionlist.h"
#include "mib/mibshared.h"
#include "snmpvars/uisnmpvar.h"

inline QzOptionList& aclEnabledDisabledOptions = mibEnabled1Disabled2Options;  // enabled (1) / disabled (2)
extern QzOptionList aclMacMaskStateOptions;  // MAC address mask state
inline QzOptionList& aclRowStatusOptions = mibRowStatusOptions;  // RowStatus
extern QzOptionList aclIpMaskStateOptions;  // IP address mask state
inline QzOptionList& aclProtocolTypeOptions = mibProtocolTypeOptions;  // protocol type
inline QzOptionList& aclPortMaskOptions = mibPortMaskOptions;  // TCP / UDP port mask
inline QzOptionList& aclEnableDisableOptions = mibEnable1Disable2Options;  // enable (1) / disable (2)
inline QzOptionList& aclPermitOptions = mibPermitOptions;  // deny (1) / permit (2)
extern QzOptionList aclIcmpOptionOptions;  // ICMP option
extern QzOptionList aclIpv6MaskStateOptions;  // IPv6 address mask state

extern const UISnmpVar swACLEthernetEntry[];
extern const UISnmpVar swACLIpEntry[];
extern const UISnmpVar swACLEtherRuleEntry[];
extern const UISnmpVar swACLIpRuleEntry[];
extern const UISnmpVar swProdACLPayloadEntry[];
extern const UISnmpVar swProdACLPayloadRuleEntry[];
extern const UISnmpVar swProdACLEtherRuleEntry[];
extern const UISnmpVar swProdACLIpRuleEntry[];
extern const UISnmpVar swProdACLEthernetEntry[];
extern const UISnmpVar swProdACLIpEntry[];
extern const UISnmpVar swACLIpv6MaskEntry[];
extern const UISnmpVar swACLIpv6RuleEntry[];
extern const UISnmpVar swACLCpuFilterCtrl[];
extern const UISnmpVar swCpuAclEthernetEntry[];
extern const UISnmpVar swCpuAclEtherRuleEntry[];
extern const UISnmpVar swCpuAclIpEntry[];
extern const UISnmpVar swCpuAclIpRuleEntry[];
extern const UISnmpVar swCpuAclPktContMaskEntry[];
extern const UISnmpVar swCpuAclPktContRuleEntry[];
