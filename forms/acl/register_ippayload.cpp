#include "forms/acl/IPMaskInformation.h"
#include "forms/acl/IPRule.h"
#include "forms/acl/UserDefinedInformationRule.h"
#include "forms/acl/UserMaskInfo.h"
#include "forms/acl/aclforms.h"
#include "mainwindow/featureforms.h"

void RegisterAclIpPayloadForms()
{
    RegisterFeatureForm<TIPMaskInformationForm>("IPMaskInformation1");
    RegisterFeatureForm<TIPRuleForm>("IPRule1", &IPRuleForm);
    RegisterFeatureForm<TUserMaskInfoForm>("PayloadMaskInformation1", &UserMaskInfoForm);
    RegisterFeatureForm<TUserDefinedInformationRuleForm>("PayloadRule1");
}
