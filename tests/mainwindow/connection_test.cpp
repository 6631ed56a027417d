// The command line and the device settings file: switches, their order against the file,
// SNMPv3-only switches, and the numbers that are refused.
#include <functional>
#include <gtest/gtest.h>
#include <map>

#include "mainwindow/connection.h"
#include "platform/ui/sysutils.h"
#include "snmpvars/qzsnmpsession.h"
#include "tests/support/testsupport.h"

namespace {

// The defaults the SNMP layer's start-up sets.
void ResetConnection()
{
    QzSNMPDevice = QzSNMPDeviceRec{"127.0.0.1", 161};
    QzSNMPScope = QzSNMPScopeRec{};
    QzSNMPSecurity = QzSNMPSecurityRec{};
    QzSNMPSecurity.readCommunity = "ravlin";
    QzSNMPSecurity.writeCommunity = "mostrel";
    QzSNMPSecurity.securityModel = 1;
    QzSNMPSecurity.securityLevel = 1;
    QzSNMPSecurity.authProtocol = 1;
    QzSNMPSecurity.privProtocol = 1;
    ClearConnectionFlags();
}

const char* Flag(bool b) { return b ? "true" : "false"; }

// Everything the parsing leaves behind, by name.
std::map<std::string, std::string> State(const TConnectionFields& f)
{
    return {
        {"address", QzSNMPDevice.address.std()},
        {"port", std::to_string(QzSNMPDevice.port)},
        {"version", std::to_string(QzSNMPSecurity.version)},
        {"read", QzSNMPSecurity.readCommunity.std()},
        {"write", QzSNMPSecurity.writeCommunity.std()},
        {"model", std::to_string(QzSNMPSecurity.securityModel)},
        {"level", std::to_string(QzSNMPSecurity.securityLevel)},
        {"name", QzSNMPSecurity.securityName.std()},
        {"auth", std::to_string(QzSNMPSecurity.authProtocol)},
        {"priv", std::to_string(QzSNMPSecurity.privProtocol)},
        {"authPass", QzSNMPSecurity.authPassword.std()},
        {"privPass", QzSNMPSecurity.privPassword.std()},
        {"context", QzSNMPScope.contextName.std()},
        {"engine", QzSNMPScope.contextEngineID.std()},
        {"AgentAddress", f.AgentAddress.std()},
        {"ReadCommunity", f.ReadCommunity.std()},
        {"WriteCommunity", f.WriteCommunity.std()},
        {"AgentPortText", f.AgentPortText.std()},
        {"VersionText", f.VersionText.std()},
        {"SecurityNameText", f.SecurityNameText.std()},
        {"SecurityLevelText", f.SecurityLevelText.std()},
        {"SecurityModelText", f.SecurityModelText.std()},
        {"AuthProtocolText", f.AuthProtocolText.std()},
        {"PrivProtocolText", f.PrivProtocolText.std()},
        {"AuthPasswordText", f.AuthPasswordText.std()},
        {"PrivPasswordText", f.PrivPasswordText.std()},
        {"ContextNameText", f.ContextNameText.std()},
        {"ContextEngineIdText", f.ContextEngineIdText.std()},
        {"SettingsFileFound", Flag(SettingsFileFound)},
        {"ContextNameGiven", Flag(ContextNameGiven)},
        {"SecurityLevelGiven", Flag(SecurityLevelGiven)},
        {"AuthProtocolGiven", Flag(AuthProtocolGiven)},
        {"AuthPasswordGiven", Flag(AuthPasswordGiven)},
        {"PrivProtocolGiven", Flag(PrivProtocolGiven)},
        {"PrivPasswordGiven", Flag(PrivPasswordGiven)},
    };
}

// A settings file of the host for a version-1 switch, with every key.
std::string SettingsFile(std::map<std::string, std::string> changes = {})
{
    std::map<std::string, std::string> keys = {
        {"AgentPort", "1161"}, {"Version", "0"}, {"ContextName", ""}, {"ContextEngineID", ""},
        {"SecurityModel", "3"}, {"SecurityLevel", "0"}, {"SecurityName", "fileuser"},
        {"AuthProtocol", "0"}, {"PrivProtocol", "0"}, {"AuthPassword", ""}, {"PrivPassword", ""},
    };
    std::string text = "[Program Information]\r\n";
    for (auto& [k, v] : changes) {
        if (v == "<none>") keys.erase(k);
        else keys[k] = v;
    }
    for (auto& [k, v] : keys) text += k + "=" + v + "\r\n";
    return text;
}

struct Case {
    const char* name;
    const char* file;  // name of the settings file in the directory, or null
    std::string contents;
    std::vector<std::string> params;
    std::map<std::string, std::string> expect;
};

class ConnectionTest : public ::testing::Test {
protected:
    void SetUp() override { ResetConnection(); }
    void Check(const Case& c)
    {
        SCOPED_TRACE(c.name);
        ResetConnection();
        fields = TConnectionFields{};
        TempDir dir;
        if (c.file) dir.Write(c.file, c.contents);
        for (const std::string& p : c.params) ApplyParameter(fields, p, dir.Path() + "/");
        auto state = State(fields);
        for (auto& [key, value] : c.expect) {
            ASSERT_TRUE(state.count(key)) << key;
            EXPECT_EQ(state[key], value) << key;
        }
    }
    TConnectionFields fields;
};

}  // namespace

TEST_F(ConnectionTest, SwitchesWithoutASettingsFile)
{
    const Case cases[] = {
        {"address and communities", nullptr, "", {"/I10.1.1.1", "/Rpub", "/Wpriv"},
         {{"address", "10.1.1.1"}, {"AgentAddress", "10.1.1.1"}, {"read", "pub"}, {"ReadCommunity", "pub"},
          {"write", "priv"}, {"WriteCommunity", "priv"}, {"version", "0"}, {"port", "161"},
          {"SettingsFileFound", "false"}}},
        {"switch anywhere in the parameter", nullptr, "", {"xx/Rabc"}, {{"read", "abc"}}},
        {"the address switch is tested first", nullptr, "", {"/Rfoo/Ibar"},
         {{"address", "bar"}, {"read", "ravlin"}}},
        {"read community before write", nullptr, "", {"/Wxx/Ryy"}, {{"read", "yy"}, {"write", "mostrel"}}},
        {"an empty community", nullptr, "", {"/R"}, {{"read", ""}, {"ReadCommunity", ""}}},
        {"case matters", nullptr, "", {"/r1", "/i2"}, {{"read", "ravlin"}, {"address", "127.0.0.1"}}},
        {"version 3 switches", nullptr, "", {"/I10.1.1.1", "/v3", "/nuser", "/a2"},
         {{"version", "3"}, {"name", "user"}, {"SecurityNameText", "user"}, {"auth", "2"},
          {"AuthProtocolText", "2"}, {"AuthProtocolGiven", "true"}, {"VersionText", ""}}},
        {"version 3 switches are ignored at version 1", nullptr, "", {"/v0", "/t2000", "/nuser", "/a2"},
         {{"port", "161"}, {"name", ""}, {"auth", "1"}, {"AuthProtocolGiven", "false"}}},
        {"every version 3 switch", nullptr, "",
         {"/v3", "/t2000", "/cctx", "/dengine", "/m3", "/l3", "/nuser", "/Aauthpass", "/Pprivpass", "/a3", "/p2"},
         {{"port", "2000"}, {"AgentPortText", "2000"}, {"context", "ctx"}, {"ContextNameText", "ctx"},
          {"ContextNameGiven", "true"}, {"engine", "engine"}, {"ContextEngineIdText", "engine"},
          {"model", "3"}, {"SecurityModelText", "3"}, {"level", "3"}, {"SecurityLevelText", "3"},
          {"SecurityLevelGiven", "true"}, {"authPass", "authpass"}, {"AuthPasswordText", "authpass"},
          {"AuthPasswordGiven", "true"}, {"privPass", "privpass"}, {"PrivPasswordText", "privpass"},
          {"PrivPasswordGiven", "true"}, {"auth", "3"}, {"priv", "2"}, {"PrivProtocolGiven", "true"}}},
        {"level, protocols and passwords of nothing are not given", nullptr, "",
         {"/v3", "/l0", "/a0", "/p0", "/A", "/P", "/c"},
         {{"level", "0"}, {"SecurityLevelGiven", "false"}, {"SecurityLevelText", ""},
          {"auth", "0"}, {"AuthProtocolGiven", "false"}, {"AuthProtocolText", ""},
          {"priv", "0"}, {"PrivProtocolGiven", "false"}, {"PrivProtocolText", ""},
          {"AuthPasswordGiven", "false"}, {"PrivPasswordGiven", "false"}, {"ContextNameGiven", "false"}}},
        {"a given flag survives a later zero", nullptr, "", {"/v3", "/a2", "/a0"},
         {{"auth", "0"}, {"AuthProtocolGiven", "true"}, {"AuthProtocolText", "2"}}},
        {"a value with blanks stays whole", nullptr, "", {"/Rmy community"}, {{"read", "my community"}}},
        {"the highest port", nullptr, "", {"/v3", "/t65535"}, {{"port", "65535"}, {"AgentPortText", "65535"}}},
        {"the module's hex numbers", nullptr, "", {"/v3", "/t$10", "/m0x2"}, {{"port", "16"}, {"model", "2"}}},
    };
    for (const Case& c : cases) Check(c);
}

TEST_F(ConnectionTest, SettingsFileAgainstTheSwitches)
{
    const Case cases[] = {
        {"the file is read before every parameter but /I", "10.1.1.1.cfg", SettingsFile(),
         {"/I10.1.1.1", "/Rpub"},
         {{"SettingsFileFound", "true"}, {"port", "1161"}, {"AgentPortText", "1161"}, {"version", "0"},
          {"VersionText", "0"}, {"model", "3"}, {"SecurityModelText", "3"}, {"name", "fileuser"},
          {"level", "1"}, {"SecurityLevelGiven", "false"}, {"read", "pub"}}},
        {"only /I: no file read", "10.1.1.1.cfg", SettingsFile(), {"/I10.1.1.1"},
         {{"SettingsFileFound", "false"}, {"port", "161"}, {"name", ""}}},
        {"/v3 is undone by the next parameter's file read", "10.1.1.1.cfg", SettingsFile({{"Version", "1"}}),
         {"/I10.1.1.1", "/v3", "/nuser"},
         {{"version", "1"}, {"VersionText", "1"}, {"name", "fileuser"}}},
        {"/v as the last parameter stays", "10.1.1.1.cfg", SettingsFile({{"Version", "1"}}),
         {"/I10.1.1.1", "/nuser", "/v3"},
         {{"version", "3"}, {"VersionText", "1"}, {"name", "fileuser"}}},
        {"a version-3 file: a switch survives only as the last parameter", "10.1.1.1.cfg",
         SettingsFile({{"Version", "3"}}), {"/I10.1.1.1", "/t2000", "/nuser"},
         {{"port", "1161"}, {"name", "user"}}},
        {"a version-3 file: the last switch wins", "10.1.1.1.cfg", SettingsFile({{"Version", "3"}}),
         {"/I10.1.1.1", "/nuser", "/t2000"}, {{"port", "2000"}, {"AgentPortText", "2000"}, {"name", "fileuser"}}},
        {"communities, given flags and what the file leaves empty survive the re-reads", "10.1.1.1.cfg",
         SettingsFile({{"Version", "3"}}), {"/I10.1.1.1", "/Rpub", "/Wpriv", "/a2", "/Asecret12", "/nuser"},
         {{"read", "pub"}, {"write", "priv"}, {"AuthProtocolGiven", "true"}, {"AuthPasswordGiven", "true"},
          {"auth", "2"}, {"authPass", "secret12"}, {"AuthPasswordText", "secret12"}, {"name", "user"}}},
        {"level and protocols count from 0 in the file", "10.1.1.1.cfg",
         SettingsFile({{"Version", "3"}, {"SecurityLevel", "2"}, {"AuthProtocol", "1"}, {"PrivProtocol", "1"},
                       {"AuthPassword", "authpass"}, {"PrivPassword", "privpass"}, {"ContextName", "ctx"},
                       {"ContextEngineID", "800000"}}),
         {"/I10.1.1.1", "/Rpub"},
         {{"level", "3"}, {"SecurityLevelText", "3"}, {"SecurityLevelGiven", "true"}, {"auth", "2"},
          {"AuthProtocolText", "2"}, {"AuthProtocolGiven", "true"}, {"priv", "2"}, {"PrivProtocolText", "2"},
          {"PrivProtocolGiven", "true"}, {"authPass", "authpass"}, {"AuthPasswordGiven", "true"},
          {"privPass", "privpass"}, {"PrivPasswordGiven", "true"}, {"context", "ctx"},
          {"ContextNameGiven", "true"}, {"engine", "800000"}, {"ContextEngineIdText", "800000"}}},
        {"a level of 0 leaves the default", "10.1.1.1.cfg", SettingsFile({{"SecurityLevel", "0"}}),
         {"/I10.1.1.1", "/Rpub"}, {{"level", "1"}, {"SecurityLevelGiven", "false"}, {"SecurityLevelText", ""}}},
        {"before /I the file named by the empty address", ".cfg", SettingsFile({{"AgentPort", "999"}}),
         {"/Rpub", "/I10.1.1.1"},
         {{"port", "999"}, {"address", "10.1.1.1"}, {"read", "pub"}}},
        {"another switch's file is not read", "10.9.9.9.cfg", SettingsFile(), {"/I10.1.1.1", "/Rpub"},
         {{"port", "161"}, {"SettingsFileFound", "false"}}},
    };
    for (const Case& c : cases) Check(c);
}

TEST_F(ConnectionTest, BadNumbersAreRefusedWithTheirText)
{
    struct ErrorCase {
        const char* name;
        std::string contents;  // of 10.1.1.1.cfg; empty: no file
        std::vector<std::string> params;
        std::string message;   // "<file>" stands for the settings file's name
    } cases[] = {
        {"version switch", "", {"/vx"}, "'x' is not a valid integer value"},
        {"empty version switch", "", {"/v"}, "'' is not a valid integer value"},
        {"version out of range", "", {"/v259"}, "'259' is not a valid SNMP version (0 to 255)"},
        {"port out of range", "", {"/v3", "/t70000"}, "'70000' is not a valid port number (0 to 65535)"},
        {"negative port", "", {"/v3", "/t-1"}, "'-1' is not a valid port number (0 to 65535)"},
        {"port", "", {"/v3", "/t16x"}, "'16x' is not a valid integer value"},
        {"model", "", {"/v3", "/mthree"}, "'three' is not a valid integer value"},
        {"level", "", {"/v3", "/l"}, "'' is not a valid integer value"},
        {"auth protocol", "", {"/v3", "/aMD5"}, "'MD5' is not a valid integer value"},
        {"priv protocol", "", {"/v3", "/pDES"}, "'DES' is not a valid integer value"},
        {"beyond 32 bits", "", {"/v3", "/m4294967296"}, "'4294967296' is not a valid integer value"},
        {"file port out of range", SettingsFile({{"AgentPort", "70000"}}), {"/I10.1.1.1", "/Rx"},
         "'70000' is not a valid port number (0 to 65535) (\"AgentPort\" in <file>)"},
        {"file port empty", SettingsFile({{"AgentPort", ""}}), {"/I10.1.1.1", "/Rx"},
         "'' is not a valid integer value (\"AgentPort\" in <file>)"},
        {"file version", SettingsFile({{"Version", "v2"}}), {"/I10.1.1.1", "/Rx"},
         "'v2' is not a valid integer value (\"Version\" in <file>)"},
        {"file model missing", SettingsFile({{"SecurityModel", "<none>"}}), {"/I10.1.1.1", "/Rx"},
         "'' is not a valid integer value (\"SecurityModel\" in <file>)"},
        {"file level", SettingsFile({{"SecurityLevel", "high"}}), {"/I10.1.1.1", "/Rx"},
         "'high' is not a valid integer value (\"SecurityLevel\" in <file>)"},
        {"file auth protocol missing", SettingsFile({{"AuthProtocol", "<none>"}}), {"/I10.1.1.1", "/Rx"},
         "'' is not a valid integer value (\"AuthProtocol\" in <file>)"},
        {"file priv protocol", SettingsFile({{"PrivProtocol", "des"}}), {"/I10.1.1.1", "/Rx"},
         "'des' is not a valid integer value (\"PrivProtocol\" in <file>)"},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.name);
        ResetConnection();
        fields = TConnectionFields{};
        TempDir d;
        if (!c.contents.empty()) d.Write("10.1.1.1.cfg", c.contents);
        std::string message = c.message;
        size_t at = message.find("<file>");
        if (at != std::string::npos) message.replace(at, 6, d.File("10.1.1.1.cfg"));
        try {
            for (const std::string& p : c.params) ApplyParameter(fields, p, d.Path());
            ADD_FAILURE() << "no exception";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message, message);
        }
        // Nothing wrapped around to another port.
        if (message.find("port number") != std::string::npos) {
            EXPECT_EQ(QzSNMPDevice.port, 161);
        }
    }
}

TEST(DeviceSettingsFileName, DirectoryAddressAndExtension)
{
    EXPECT_EQ(DeviceSettingsFileName("", "10.1.1.1"), "10.1.1.1.cfg");
    EXPECT_EQ(DeviceSettingsFileName("/h/bin/../Conf/MBF/", "10.1.1.1"), "/h/bin/../Conf/MBF/10.1.1.1.cfg");
    EXPECT_EQ(DeviceSettingsFileName("/conf", "10.1.1.1"), "/conf/10.1.1.1.cfg");
    EXPECT_EQ(DeviceSettingsFileName("/conf/", ""), "/conf/.cfg");
}
