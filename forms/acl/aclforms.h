// Registration of the access-control-list forms with their menu items.
#pragma once

void RegisterAclForms();

void RegisterAclEthernetIpv6Forms();  // Ethernet mask and rule, IPv6 mask and rule
void RegisterAclIpPayloadForms();     // IP mask and rule, payload mask and rule
