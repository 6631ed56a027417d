#include "forms/acl/EthernetMaskInformation.h"
#include "forms/acl/aclforms.h"
#include "mainwindow/featureforms.h"

void RegisterAclEthernetIpv6Forms()
{
    RegisterFeatureForm<TEthernetMaskInformationForm>("EthernetMask1");
}
