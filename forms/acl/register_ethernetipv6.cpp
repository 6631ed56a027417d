#include "forms/acl/EthernetInformationRule.h"
#include "forms/acl/EthernetMaskInformation.h"
#include "forms/acl/IPv6MaskInfo.h"
#include "forms/acl/Ipv6Rule.h"
#include "forms/acl/aclforms.h"
#include "mainwindow/featureforms.h"

void RegisterAclEthernetIpv6Forms()
{
    RegisterFeatureForm<TEthernetMaskInformationForm>("EthernetMask1");
    RegisterFeatureForm<TEthernetInformationRuleForm>("RuleOfEthernetInformation1", &EthernetInformationRuleForm);
    RegisterFeatureForm<TIPv6MaskInfoForm>("IPv6MaskInformation1", &IPv6MaskInfoForm);
    RegisterFeatureForm<TIpv6RuleForm>("IPv6Rule1", &Ipv6RuleForm);
}
