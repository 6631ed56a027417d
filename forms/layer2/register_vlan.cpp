#include "forms/layer2/layer2forms.h"

#include "mainwindow/featureforms.h"

void RegisterVlanForms() {}
