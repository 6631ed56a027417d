// The registry read from a registry export file: sections, values, escapes, encodings,
// created keys, and where the file is found.
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

#include "platform/os/registry.h"
#include "tests/support/testsupport.h"

namespace {

const char* const kFile = R"(Windows Registry Editor Version 5.00

; the host's installation
[HKEY_LOCAL_MACHINE\SOFTWARE\Quenzo\Modules\HelpPath]
"1.3.6.1.4.1.171.10.70.2"="C:\\M\\VRX-6120.hlp"
@="default text"

[HKEY_LOCAL_MACHINE\SOFTWARE\Quenzo\Zentra5.1\ExePath]
"Path"="/opt/zentra/bin/"
"Quoted"="say \"hi\""
"Lone"="a\b"
"Count"=dword:00000010
"Blob"=hex:01,02,\
  03,04
"Expand"=hex(2):2f,00,6f,00,70,00,74,00,00,00

[HKEY_LOCAL_MACHINE\SOFTWARE\Gone]
"x"="y"
[-HKEY_LOCAL_MACHINE\SOFTWARE\Gone]

[HKEY_LOCAL_MACHINE\SOFTWARE\Quenzo\Zentra5.1\ExePath]
"Count"=-
)";

// Sets an environment variable for the life of the object.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : name_(name)
    {
        const char* old = std::getenv(name);
        had_ = old != nullptr;
        if (had_) old_ = old;
        if (value) setenv(name, value, 1);
        else unsetenv(name);
    }
    ~EnvVar()
    {
        if (had_) setenv(name_, old_.c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

}  // namespace

TEST(Registry, ReadsSectionsValuesAndEscapes)
{
    TRegistry reg(RegistryData::FromText(kFile));
    struct Case {
        const char* key;
        const char* name;
        const char* value;
    } cases[] = {
        {"\\SOFTWARE\\Quenzo\\Modules\\HelpPath", "1.3.6.1.4.1.171.10.70.2", "C:\\M\\VRX-6120.hlp"},
        {"\\SOFTWARE\\Quenzo\\Modules\\HelpPath", "", "default text"},
        {"\\software\\QUENZO\\modules\\helppath\\", "1.3.6.1.4.1.171.10.70.2", "C:\\M\\VRX-6120.hlp"},
        {"\\SOFTWARE\\Quenzo\\Zentra5.1\\ExePath", "path", "/opt/zentra/bin/"},
        {"\\SOFTWARE\\Quenzo\\Zentra5.1\\ExePath", "Quoted", "say \"hi\""},
        {"\\SOFTWARE\\Quenzo\\Zentra5.1\\ExePath", "Lone", "a\\b"},
        {"\\SOFTWARE\\Quenzo\\Zentra5.1\\ExePath", "Expand", "/opt"},
        {"\\SOFTWARE\\Quenzo\\Zentra5.1\\ExePath", "Missing", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " " + c.name);
        ASSERT_TRUE(reg.OpenKeyReadOnly(c.key));
        EXPECT_EQ(reg.ReadString(c.name), c.value);
    }
}

TEST(Registry, KeysOpenOnlyWhenPresentOrCreated)
{
    TRegistry reg(RegistryData::FromText(kFile));
    EXPECT_TRUE(reg.OpenKeyReadOnly("\\SOFTWARE\\Quenzo"));  // a key above a section
    EXPECT_TRUE(reg.OpenKeyReadOnly("Zentra5.1\\ExePath"));  // relative to the open key
    EXPECT_EQ(reg.CurrentPath(), "software\\quenzo\\zentra5.1\\exepath");
    EXPECT_FALSE(reg.OpenKeyReadOnly("\\SOFTWARE\\Gone"));    // removed by [-...]
    EXPECT_FALSE(reg.OpenKeyReadOnly("\\SOFTWARE\\Quenzo\\Zentra5"));  // no partial names
    EXPECT_FALSE(reg.OpenKeyReadOnly("\\SOFTWARE\\Hewlett-Packard\\OpenView"));

    // Created in memory for this object only.
    EXPECT_TRUE(reg.OpenKey("\\SOFTWARE\\Hewlett-Packard\\OpenView", true));
    EXPECT_EQ(reg.ReadString("OV_PATH"), "");
    EXPECT_TRUE(reg.OpenKeyReadOnly("\\SOFTWARE\\Hewlett-Packard"));
    TRegistry other(RegistryData::FromText(kFile));
    EXPECT_FALSE(other.OpenKeyReadOnly("\\SOFTWARE\\Hewlett-Packard\\OpenView"));

    reg.CloseKey();
    EXPECT_EQ(reg.ReadString("Path"), "");
}

TEST(Registry, OnlyTextsReadAsStrings)
{
    TRegistry reg(RegistryData::FromText(kFile));
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\SOFTWARE\\Quenzo\\Zentra5.1\\ExePath"));
    EXPECT_FALSE(reg.ValueExists("Count"));  // removed by "Count"=-
    EXPECT_TRUE(reg.ValueExists("Blob"));
    try {
        reg.ReadString("Blob");
        ADD_FAILURE() << "no exception";
    } catch (const ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'Blob'");
    }
    // The value after the continued line is still read.
    EXPECT_EQ(reg.ReadString("Expand"), "/opt");
}

TEST(Registry, ReadsTheEditorsUtf16Files)
{
    std::string text = "\xFF\xFE";
    for (char c : std::string("REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quenzo\\Zentra5.1\\MibFile]\r\n"
                              "\"Path\"=\"/srv/conf/\"\r\n")) {
        text += c;
        text += '\0';
    }
    TempDir dir;
    dir.Write("r.reg", text);
    TRegistry reg(RegistryData::FromFile(dir.File("r.reg")));
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\SOFTWARE\\Quenzo\\Zentra5.1\\MibFile"));
    EXPECT_EQ(reg.ReadString("Path"), "/srv/conf/");
}

TEST(Registry, FileLocation)
{
    TempDir dir;
    {
        EnvVar own("VRX6120_REGISTRY", nullptr), config("XDG_CONFIG_HOME", nullptr), home("HOME", "/home/op");
        EXPECT_EQ(RegistryFileName(), "/home/op/.config/vrx6120/registry.reg");
    }
    {
        EnvVar own("VRX6120_REGISTRY", ""), config("XDG_CONFIG_HOME", "/cfg"), home("HOME", "/home/op");
        EXPECT_EQ(RegistryFileName(), "/cfg/vrx6120/registry.reg");
    }
    {
        // A relative XDG_CONFIG_HOME is to be ignored.
        EnvVar own("VRX6120_REGISTRY", nullptr), config("XDG_CONFIG_HOME", "cfg"), home("HOME", "/home/op");
        EXPECT_EQ(RegistryFileName(), "/home/op/.config/vrx6120/registry.reg");
    }
    {
        EnvVar config("XDG_CONFIG_HOME", dir.Path().c_str());
        EnvVar own("VRX6120_REGISTRY", dir.File("mine.reg").c_str());
        EXPECT_EQ(RegistryFileName(), dir.File("mine.reg"));
        dir.Write("mine.reg", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Mine]\n\"v\"=\"1\"\n");
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKeyReadOnly("\\SOFTWARE\\Mine"));
        EXPECT_EQ(reg.ReadString("v"), "1");
        // The file read once serves the next registry objects, until it changes.
        dir.Write("mine.reg", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Mine]\n\"v\"=\"22\"\n");
        TRegistry next;
        ASSERT_TRUE(next.OpenKeyReadOnly("\\SOFTWARE\\Mine"));
        EXPECT_EQ(next.ReadString("v"), "22");
    }
    {
        // No file: an empty registry.
        EnvVar own("VRX6120_REGISTRY", dir.File("none.reg").c_str());
        TRegistry reg;
        EXPECT_FALSE(reg.OpenKeyReadOnly("\\SOFTWARE"));
    }
}

TEST(Registry, AFileThatCannotBeReadIsNamed)
{
    TempDir dir;
    // A folder where the file should be; the start reports it instead of failing in the
    // stream library's words.
    EnvVar own("VRX6120_REGISTRY", dir.Path().c_str());
    try {
        TRegistry reg;
        ADD_FAILURE() << "no exception";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot read the registry file '" + dir.Path() + "': Is a directory");
    }
}

TEST(Registry, LongBinaryValuesOverManyLines)
{
    // A binary value of some megabytes, as exports of other software carry, between texts.
    std::string text = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Big]\n\"Before\"=\"b\"\n\"Blob\"=hex:";
    for (int line = 0; line < 40000; ++line) text += "00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,\\\n  ";
    text += "ff\n\"After\"=\"a\"\n";
    TRegistry reg(RegistryData::FromText(text));
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\SOFTWARE\\Big"));
    EXPECT_TRUE(reg.ValueExists("Blob"));
    EXPECT_EQ(reg.ReadString("Before"), "b");
    EXPECT_EQ(reg.ReadString("After"), "a");
}
