#include "mib/acl.h"
#include "mib/formtables.h"

std::vector<MibFormTable> AclFormTables()
{
    return {
        {"TEthernetMaskInformationForm Ethernet mask profiles", swACLEthernetEntry, MVT_UMV, 1},
        {"TEthernetInformationRuleForm Ethernet rules", swACLEtherRuleEntry, MVT_UMV, 2},
        {"TIPv6MaskInfoForm IPv6 mask profiles", swACLIpv6MaskEntry, MVT_UMV, 1},
        {"TIpv6RuleForm IPv6 rules", swACLIpv6RuleEntry, MVT_UMV, 2},
        {"TIPMaskInformationForm IP mask profiles", swACLIpEntry, MVT_UMV, 1},
        {"TIPRuleForm IP rules", swACLIpRuleEntry, MVT_UMV, 2},
        {"TUserMaskInfoForm payload masks", swProdACLPayloadEntry, MVT_UMV, 1},
        {"TUserDefinedInformationRuleForm payload rules", swProdACLPayloadRuleEntry, MVT_UMV, 2},
    };
}
