#include "forms/acl/IPMaskInformation.h"
#include "forms/acl/aclforms.h"
#include "mainwindow/featureforms.h"

void RegisterAclIpPayloadForms()
{
    RegisterFeatureForm<TIPMaskInformationForm>("IPMaskInformation1");
}
