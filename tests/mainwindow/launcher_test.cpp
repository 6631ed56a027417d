// The module launcher: the argument lists for SNMPv1 and SNMPv3, the installation check,
// and a real start of a stand-in module found on PATH.
#include <fstream>
#include <sys/stat.h>

#include "tests/mainwindow/mainformfixture.h"

namespace {

std::vector<std::string> Strings(const std::vector<AnsiString>& v)
{
    std::vector<std::string> out;
    for (const AnsiString& s : v) out.push_back(s.std());
    return out;
}

std::vector<std::string> Lines(const std::string& file)
{
    std::ifstream f(file);
    std::vector<std::string> out;
    std::string line;
    while (std::getline(f, line)) out.push_back(line);
    return out;
}

const char* const kV3File =
    "[Program Information]\nAgentPort=1161\nVersion=3\nContextName=ctx\nContextEngineID=80001F8880\n"
    "SecurityModel=3\nSecurityLevel=2\nSecurityName=op\nAuthProtocol=1\nPrivProtocol=1\n"
    "AuthPassword=authpass1\nPrivPassword=privpass1\n";

}  // namespace

TEST_F(MainFormTest, ModuleArguments)
{
    struct Case {
        const char* name;
        const char* settings;  // 10.1.1.1.cfg, or null
        std::vector<std::string> params;
        const char* table;
        std::string program;
        std::vector<std::string> args;
    } cases[] = {
        {"version 1", nullptr, {"/I10.1.1.1", "/Rpub", "/Wpriv"}, "/TMIB_Info", "MIB",
         {"/I10.1.1.1", "/Rpub", "/Wpriv", "/TMIB_Info"}},
        {"the module name ends at the first underscore", nullptr, {"/I10.1.1.1", "/Rpub", "/Wpriv"},
         "/TIFMib_LastChange_Table", "IFMib", {"/I10.1.1.1", "/Rpub", "/Wpriv", "/TIFMib_LastChange_Table"}},
        {"a value with a blank stays one argument", nullptr, {"/I10.1.1.1", "/Rmy community", "/Wpriv"},
         "/TRmon_History", "Rmon", {"/I10.1.1.1", "/Rmy community", "/Wpriv", "/TRmon_History"}},
        {"an empty community is left out", nullptr, {"/I10.1.1.1", "/R", "/Wpriv"}, "/TMIB_Info", "MIB",
         {"/I10.1.1.1", "/Wpriv", "/TMIB_Info"}},
        {"no underscore: no module", nullptr, {"/I10.1.1.1", "/Rpub", "/Wpriv"}, "/TMIB", "",
         {"/I10.1.1.1", "/Rpub", "/Wpriv", "/TMIB"}},
        {"version 3 by switches, no settings file", nullptr,
         {"/I10.1.1.1", "/Rpub", "/Wpriv", "/v3", "/nop", "/l3", "/a2", "/Aauthpass1", "/p2", "/Pprivpass1"},
         "/TMIB_Info", "MIB",
         {"/I10.1.1.1", "/Rpub", "/Wpriv", "/TMIB_Info", "/v3", "/nop", "/l3", "/a2", "/Aauthpass1", "/p2",
          "/Pprivpass1"}},
        {"version 3 from the settings file", kV3File, {"/I10.1.1.1", "/Rpub", "/Wpriv"}, "/TBridge_Port", "Bridge",
         {"/I10.1.1.1", "/Rpub", "/Wpriv", "/TBridge_Port", "/t1161", "/v3", "/d80001F8880", "/m3", "/nop",
          "/cctx", "/l3", "/a2", "/Aauthpass1", "/p2", "/Pprivpass1"}},
        {"a protocol of 0 is not passed on", nullptr, {"/I10.1.1.1", "/v3", "/a0", "/p0", "/l0"}, "/TMIB_Info",
         "MIB", {"/I10.1.1.1", "/TMIB_Info", "/v3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::remove(dir.File("10.1.1.1.cfg").c_str());
        if (c.settings) dir.Write("10.1.1.1.cfg", c.settings);
        Make(c.params);
        TModuleCommand cmd = form->BuildModuleCommandLine(c.table);
        EXPECT_EQ(cmd.Program, c.program);
        EXPECT_EQ(Strings(cmd.Arguments), c.args);
    }
}

TEST_F(MainFormTest, InstallationCheckOnlyReports)
{
    const std::string apps = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
    const std::string ov = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Hewlett-Packard\\OpenView]\r\n";
    struct Case {
        const char* name;
        std::string registry;
        const char* status;
    } cases[] = {
        {"nothing installed", "", "No Path!"},
        {"host 5.1", apps + "zentra51.exe]\r\n@=\"/opt/zentra/zentra51\"\r\n", ""},
        {"host 5", apps + "zentra5.exe]\r\n", ""},
        {"OpenView with its path", ov + "\"OV_PATH\"=\"/opt/ov\"\r\n", ""},
        {"OpenView without its path", ov + "\"OV_PATH\"=\"\"\r\n", "OpenView : File Path Error!"},
        {"OpenView with no value", ov, "OpenView : File Path Error!"},
        {"OpenView path of another type", ov + "\"OV_PATH\"=dword:00000001\r\n", "OpenView : File Path Error!"},
    };
    Make({"/I10.1.1.1", "/Rpub", "/Wpriv"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Registry(c.registry);
        form->ShowStatus("");
        TModuleCommand cmd = form->BuildModuleCommandLine("/TMIB_Info");
        EXPECT_EQ(Status(), c.status);
        EXPECT_EQ(cmd.Program, "MIB");  // the check never stops the launch
    }
}

TEST_F(MainFormTest, LaunchStartsTheModuleFoundOnPath)
{
    // Stand-in modules that write their arguments, one a line, into a file of their name.
    mkdir(dir.File("bin").c_str(), 0755);
    for (const char* module : {"MIB", "Rmon"}) {
        std::string script = dir.File(std::string("bin/") + module);
        std::string out = dir.File(std::string(module) + ".args");
        dir.Write(std::string("bin/") + module,
                  "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + out + ".tmp'\nmv '" + out +
                      ".tmp' '" + out + "'\n");
        chmod(script.c_str(), 0755);
    }
    std::string path = dir.File("bin") + ":" + (getenv("PATH") ? getenv("PATH") : "/usr/bin:/bin");
    setenv("PATH", path.c_str(), 1);

    Make({"/I10.1.1.1", "/Rmy community", "/Wpriv"});
    form->LaunchMibModule("/TMIB_Info");
    ASSERT_TRUE(WaitFor([&] { return access(dir.File("MIB.args").c_str(), F_OK) == 0; }));
    EXPECT_EQ(Lines(dir.File("MIB.args")),
              (std::vector<std::string>{"/I10.1.1.1", "/Rmy community", "/Wpriv", "/TMIB_Info"}));

    dir.Write("10.1.1.1.cfg", kV3File);
    Make({"/I10.1.1.1", "/Rpub", "/Wpriv"});
    form->LaunchMibModule("/TRmon_Statistics");
    ASSERT_TRUE(WaitFor([&] { return access(dir.File("Rmon.args").c_str(), F_OK) == 0; }));
    EXPECT_EQ(Lines(dir.File("Rmon.args")),
              (std::vector<std::string>{"/I10.1.1.1", "/Rpub", "/Wpriv", "/TRmon_Statistics", "/t1161", "/v3",
                                        "/d80001F8880", "/m3", "/nop", "/cctx", "/l3", "/a2", "/Aauthpass1", "/p2",
                                        "/Pprivpass1"}));

    // A module that is not there: nothing happens beyond a line on standard error.
    form->LaunchMibModule("/TNoSuchModule_Table");
    form->LaunchMibModule("/TNoModule");
    EXPECT_TRUE(boxes.Boxes().empty());
}
