// Program entry: the main window, then the gate form, then the message loop until the main
// window closes.
#include <QApplication>

#include "forms/acl/aclforms.h"
#include "forms/layer2/layer2forms.h"
#include "forms/routing_security/routingsecurityforms.h"
#include "mainwindow/mainunit.h"
#include "mainwindow/unit1.h"
#include "platform/os/program.h"
#include "platform/ui/sysutils.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // What is left after the window system took its own options.
    SetProgramArguments(argc, argv);
    RegisterApplicationCleanup();
    try {
        // The hand-made forms enable their menu items: registered before the main window
        // builds its menu.
        RegisterLayer2Forms();
        RegisterAclForms();
        RegisterRoutingSecurityForms();
        Application->CreateForm(MainForm);
        Application->CreateForm(Form1);
        Application->Run();
    } catch (...) {
        // A bad number on the command line or in the settings file, or no SNMP session.
        Application->HandleException();
        return 1;
    }
    return 0;
}
