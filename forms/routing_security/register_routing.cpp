#include "forms/routing_security/routingsecurityforms.h"

#include "mainwindow/featureforms.h"

void RegisterRoutingForms() {}
