#include "forms/acl/aclforms.h"

#include "mainwindow/featureforms.h"

void RegisterAclIpPayloadForms() {}
