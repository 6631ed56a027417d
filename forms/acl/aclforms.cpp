#include "forms/acl/aclforms.h"

void RegisterAclForms()
{
    RegisterAclEthernetIpv6Forms();
    RegisterAclIpPayloadForms();
}
