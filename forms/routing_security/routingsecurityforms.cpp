#include "forms/routing_security/routingsecurityforms.h"

void RegisterRoutingSecurityForms()
{
    RegisterRoutingForms();
    RegisterSecurityForms();
}
