#include "mainwindow/connection.h"

#include <climits>

#include "common/qzini.h"
#include "platform/ui/sysutils.h"
#include "snmpvars/qzsnmpsession.h"

bool SettingsFileFound = false;
bool ContextNameGiven = false;
bool SecurityLevelGiven = false;
bool AuthProtocolGiven = false;
bool AuthPasswordGiven = false;
bool PrivProtocolGiven = false;
bool PrivPasswordGiven = false;

namespace {

const char* const kSection = "Program Information";

// A number within [low, high]; out of range is refused, never wrapped.
long long Ranged(const AnsiString& text, long long low, long long high, const char* what)
{
    long long v = StrToInt(text);
    if (v < low || v > high)
        throw EConvertError(AnsiString::Format("'%s' is not a valid %s (%lld to %lld)", text.c_str(), what, low, high));
    return v;
}

// A 0-based code of the file as the SNMP layer's 1-based one.
int PlusOne(const AnsiString& text)
{
    int v = StrToInt(text);
    if (v == INT_MAX) throw EConvertError("'" + text + "' is not a valid integer value");
    return v + 1;
}

// The value of the switch `sw` when the parameter holds it: the rest after its first place.
bool Switch(const AnsiString& param, const char* sw, AnsiString& value)
{
    int at = param.Pos(sw);
    if (at == 0) return false;
    value = param.SubString(at + 2, param.Length());
    return true;
}

void ApplySettings(TConnectionFields& f, const QzIni& ini)
{
    // Each key in turn, so that a bad number names its key.
    auto read = [&](const char* key) { return ini.ReadString(kSection, key, ""); };
    auto convert = [&](const char* key, auto apply) {
        try {
            apply(read(key));
        } catch (const EConvertError& e) {
            throw EConvertError(e.Message + " (\"" + key + "\" in " + ini.FileName() + ")");
        }
    };

    convert("AgentPort", [&](const AnsiString& v) {
        QzSNMPDevice.port = PortValue(v);
        f.AgentPortText = IntToStr(QzSNMPDevice.port);
    });
    f.VersionText = read("Version");
    convert("Version", [&](const AnsiString& v) { QzSNMPSecurity.version = VersionValue(v); });
    AnsiString contextName = read("ContextName");
    if (!contextName.IsEmpty()) {
        QzSNMPScope.contextName = contextName;
        f.ContextNameText = contextName;
        ContextNameGiven = true;
    }
    QzSNMPScope.contextEngineID = read("ContextEngineID");
    f.ContextEngineIdText = QzSNMPScope.contextEngineID;
    convert("SecurityModel", [&](const AnsiString& v) {
        QzSNMPSecurity.securityModel = StrToInt(v);
        f.SecurityModelText = IntToStr(QzSNMPSecurity.securityModel);
    });
    convert("SecurityLevel", [&](const AnsiString& v) {
        if (v == "0") return;
        QzSNMPSecurity.securityLevel = PlusOne(v);
        f.SecurityLevelText = IntToStr(QzSNMPSecurity.securityLevel);
        SecurityLevelGiven = true;
    });
    QzSNMPSecurity.securityName = read("SecurityName");
    f.SecurityNameText = QzSNMPSecurity.securityName;
    convert("AuthProtocol", [&](const AnsiString& v) {
        if (v == "0") return;
        QzSNMPSecurity.authProtocol = PlusOne(v);
        f.AuthProtocolText = IntToStr(QzSNMPSecurity.authProtocol);
        AuthProtocolGiven = true;
    });
    convert("PrivProtocol", [&](const AnsiString& v) {
        if (v == "0") return;
        QzSNMPSecurity.privProtocol = PlusOne(v);
        f.PrivProtocolText = IntToStr(QzSNMPSecurity.privProtocol);
        PrivProtocolGiven = true;
    });
    AnsiString authPassword = read("AuthPassword");
    if (!authPassword.IsEmpty()) {
        QzSNMPSecurity.authPassword = authPassword;
        f.AuthPasswordText = authPassword;
        AuthPasswordGiven = true;
    }
    AnsiString privPassword = read("PrivPassword");
    if (!privPassword.IsEmpty()) {
        QzSNMPSecurity.privPassword = privPassword;
        f.PrivPasswordText = privPassword;
        PrivPasswordGiven = true;
    }
}

// The switches that only an SNMPv3 connection takes.
void ApplyVersion3Switch(TConnectionFields& f, const AnsiString& s)
{
    AnsiString v;
    if (Switch(s, "/t", v)) {
        QzSNMPDevice.port = PortValue(v);
        f.AgentPortText = IntToStr(QzSNMPDevice.port);
    } else if (Switch(s, "/c", v)) {
        QzSNMPScope.contextName = v;
        if (!v.IsEmpty()) {
            f.ContextNameText = v;
            ContextNameGiven = true;
        }
    } else if (Switch(s, "/d", v)) {
        QzSNMPScope.contextEngineID = v;
        f.ContextEngineIdText = v;
    } else if (Switch(s, "/m", v)) {
        QzSNMPSecurity.securityModel = StrToInt(v);
        f.SecurityModelText = IntToStr(QzSNMPSecurity.securityModel);
    } else if (Switch(s, "/l", v)) {
        QzSNMPSecurity.securityLevel = StrToInt(v);
        if (QzSNMPSecurity.securityLevel != 0) {
            SecurityLevelGiven = true;
            f.SecurityLevelText = IntToStr(QzSNMPSecurity.securityLevel);
        }
    } else if (Switch(s, "/n", v)) {
        QzSNMPSecurity.securityName = v;
        f.SecurityNameText = v;
    } else if (Switch(s, "/A", v)) {
        QzSNMPSecurity.authPassword = v;
        if (!v.IsEmpty()) {
            AuthPasswordGiven = true;
            f.AuthPasswordText = v;
        }
    } else if (Switch(s, "/P", v)) {
        QzSNMPSecurity.privPassword = v;
        if (!v.IsEmpty()) {
            f.PrivPasswordText = v;
            PrivPasswordGiven = true;
        }
    } else if (Switch(s, "/a", v)) {
        // A protocol of 0 given on the command line is no protocol given: the launcher must
        // not pass it on.
        QzSNMPSecurity.authProtocol = StrToInt(v);
        if (QzSNMPSecurity.authProtocol != 0) {
            f.AuthProtocolText = IntToStr(QzSNMPSecurity.authProtocol);
            AuthProtocolGiven = true;
        }
    } else if (Switch(s, "/p", v)) {
        QzSNMPSecurity.privProtocol = StrToInt(v);
        if (QzSNMPSecurity.privProtocol != 0) {
            f.PrivProtocolText = IntToStr(QzSNMPSecurity.privProtocol);
            PrivProtocolGiven = true;
        }
    }
}

}  // namespace

void ClearConnectionFlags()
{
    SettingsFileFound = false;
    ContextNameGiven = false;
    SecurityLevelGiven = false;
    AuthProtocolGiven = false;
    AuthPasswordGiven = false;
    PrivProtocolGiven = false;
    PrivPasswordGiven = false;
}

uint16_t PortValue(const AnsiString& text)
{
    return static_cast<uint16_t>(Ranged(text, 0, 65535, "port number"));
}

uint8_t VersionValue(const AnsiString& text)
{
    return static_cast<uint8_t>(Ranged(text, 0, 255, "SNMP version"));
}

AnsiString DeviceSettingsFileName(const AnsiString& settingsDir, const AnsiString& address)
{
    return JoinPath(settingsDir, address + ".cfg");
}

void ReadDeviceSettings(TConnectionFields& fields, const AnsiString& settingsDir)
{
    AnsiString file = DeviceSettingsFileName(settingsDir, fields.AgentAddress);
    SettingsFileFound = FileExists(file);
    if (SettingsFileFound) ApplySettings(fields, QzIni(file));
}

void ApplyParameter(TConnectionFields& f, const AnsiString& s, const AnsiString& settingsDir)
{
    AnsiString v;
    if (Switch(s, "/I", v)) {
        f.AgentAddress = v;
        QzSNMPDevice.address = v;
        return;
    }
    ReadDeviceSettings(f, settingsDir);
    if (Switch(s, "/R", v)) {
        QzSNMPSecurity.readCommunity = v;
        f.ReadCommunity = v;
    } else if (Switch(s, "/W", v)) {
        QzSNMPSecurity.writeCommunity = v;
        f.WriteCommunity = v;
    } else if (Switch(s, "/v", v)) {
        QzSNMPSecurity.version = VersionValue(v);
    } else if (f.VersionText == "3" || QzSNMPSecurity.version == 3) {
        ApplyVersion3Switch(f, s);
    }
}
