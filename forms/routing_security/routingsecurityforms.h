// Registration of the routing, AAA and security forms with their menu items.
#pragma once

void RegisterRoutingSecurityForms();

void RegisterRoutingForms();   // static routes, IPv6 neighbours, IP-MAC binding, redistribution, BOOTP relay
void RegisterSecurityForms();  // AAA method lists, servers, server control, SSL, port-security deletion
