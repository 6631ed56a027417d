#include "forms/acl/EthernetInformationRule.h"
#include "forms/acl/EthernetMaskInformation.h"
#include "forms/acl/aclforms.h"
#include "mainwindow/featureforms.h"

void RegisterAclEthernetIpv6Forms()
{
    RegisterFeatureForm<TEthernetMaskInformationForm>("EthernetMask1");
    RegisterFeatureForm<TEthernetInformationRuleForm>("RuleOfEthernetInformation1", &EthernetInformationRuleForm);
}
