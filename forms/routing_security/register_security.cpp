#include "forms/routing_security/aaasrvctrlform.h"
#include "forms/routing_security/enablemethodform.h"
#include "forms/routing_security/loginmethodlistform.h"
#include "forms/routing_security/prtsecdelctrlform.h"
#include "forms/routing_security/routingsecurityforms.h"
#include "forms/routing_security/serverinformationform.h"
#include "forms/routing_security/sslmanagementform.h"
#include "mainwindow/featureforms.h"

void RegisterSecurityForms()
{
    RegisterFeatureForm<TLoginMethodListForm>("LoginMethodControl1", &LoginMethodListForm);
    RegisterFeatureForm<TEnableMethodForm>("EnableMethodControl1", &EnableMethodForm);
    RegisterFeatureForm<TServerInformationForm>("ServerInformation1", &ServerInformationForm);
    RegisterFeatureForm<TAAASrvCtrlForm>("ServerControl1", &AAASrvCtrlForm);
    RegisterFeatureForm<TSSLManagementForm>("SSLManagement1", &SSLManagementForm);
    RegisterFeatureForm<TPrtSecDelCtrlForm>("PortSercurityDelete1", &PrtSecDelCtrlForm);
}
