// The launcher of the host application's module executables.
#include <cstdio>

#include "mainwindow/mainunit.h"
#include "platform/os/process.h"
#include "platform/os/registry.h"
#include "platform/ui/sysutils.h"
#include "snmpvars/qzsnmpsession.h"

namespace {

const char* const kHostKeys[] = {
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\zentra51.exe",
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\zentra5.exe",
};
const char* const kOpenViewKey = "\\SOFTWARE\\Hewlett-Packard\\OpenView";

}  // namespace

TModuleCommand ModuleCommandFor(const TConnectionFields& f, const AnsiString& table)
{
    TModuleCommand cmd;
    int underscore = table.Pos("_");
    if (underscore > 0) cmd.Program = table.SubString(3, underscore - 3);

    // A switch without a value is left out: the started module would read the switch alone
    // as an empty value, and an empty number stops it.
    auto add = [&cmd](const char* sw, const AnsiString& value) {
        if (!value.IsEmpty()) cmd.Arguments.push_back(AnsiString(sw) + value);
    };
    add("/I", f.AgentAddress);
    add("/R", f.ReadCommunity);
    add("/W", f.WriteCommunity);
    cmd.Arguments.push_back(table);

    if ((SettingsFileFound && f.VersionText == "3") || QzSNMPSecurity.version == 3) {
        add("/t", f.AgentPortText);
        // Without a settings file the version came from "/v" alone.
        add("/v", f.VersionText.IsEmpty() ? IntToStr(QzSNMPSecurity.version) : f.VersionText);
        add("/d", f.ContextEngineIdText);
        add("/m", f.SecurityModelText);
        add("/n", f.SecurityNameText);
        if (ContextNameGiven) add("/c", f.ContextNameText);
        if (SecurityLevelGiven) add("/l", f.SecurityLevelText);
        if (AuthProtocolGiven) add("/a", f.AuthProtocolText);
        if (AuthPasswordGiven) add("/A", f.AuthPasswordText);
        if (PrivProtocolGiven) add("/p", f.PrivProtocolText);
        if (PrivPasswordGiven) add("/P", f.PrivPasswordText);
    }
    return cmd;
}

TModuleCommand TMainForm::BuildModuleCommandLine(const AnsiString& tableArgument)
{
    // Is the host (or the OpenView platform) installed? Only reported, never a reason not to
    // start the module.
    TRegistry reg;
    bool host = false;
    for (const char* key : kHostKeys) host = host || reg.OpenKeyReadOnly(key);
    if (!host) {
        if (reg.OpenKeyReadOnly(kOpenViewKey)) {
            std::string path;
            try {
                path = reg.ReadString("OV_PATH");
            } catch (const ERegistryException&) {
                // a value that is no text is no path either
            }
            if (path.empty()) ShowStatus("OpenView : File Path Error!");
        } else {
            ShowStatus("No Path!");
        }
    }
    return ModuleCommandFor(*this, tableArgument);
}

void TMainForm::LaunchMibModule(const AnsiString& tableArgument)
{
    TModuleCommand cmd = BuildModuleCommandLine(tableArgument);
    std::vector<std::string> args;
    for (const AnsiString& a : cmd.Arguments) args.push_back(a.std());
    std::string error;
    if (!StartProgram(cmd.Program.std(), args, &error))
        std::fprintf(stderr, "%s: cannot start module: %s\n", Application->Title().c_str(), error.c_str());
}
