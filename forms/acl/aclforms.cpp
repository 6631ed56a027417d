#include "forms/acl/aclforms.h"

#include "forms/acl/EthernetMaskInformation.h"
#include "mainwindow/featureforms.h"

void RegisterAclForms()
{
    RegisterFeatureForm<TEthernetMaskInformationForm>("EthernetMask1");
}
