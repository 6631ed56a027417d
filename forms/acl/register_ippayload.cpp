#include "forms/acl/IPMaskInformation.h"
#include "forms/acl/IPRule.h"
#include "forms/acl/aclforms.h"
#include "mainwindow/featureforms.h"

void RegisterAclIpPayloadForms()
{
    RegisterFeatureForm<TIPMaskInformationForm>("IPMaskInformation1");
    RegisterFeatureForm<TIPRuleForm>("IPRule1", &IPRuleForm);
}
