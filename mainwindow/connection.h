// The connection settings of the module: read from the command line and the device settings
// file into the main window's text fields and the SNMP layer's globals (QzSNMPDevice,
// QzSNMPScope, QzSNMPSecurity), which every request copies when it is made.
//
// Command line: one switch per parameter, its value the rest of the parameter after the
// switch's two characters, which may stand anywhere in it: "/I" address, "/R" and "/W"
// communities, "/v" version, and only for SNMPv3 "/t" port, "/c" context name, "/d" context
// engine ID, "/m" security model, "/l" security level, "/n" security name, "/A" and "/P"
// passwords, "/a" and "/p" protocols. "/I" only sets the address; every other parameter
// first re-reads the device settings file "<settings directory><address>.cfg" (section
// "Program Information") and then applies its own switch.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/ui/ansistring.h"

// Each cleared when the command line is parsed and only ever set afterwards; the launcher
// passes the matching optional switches on only when set.
extern bool SettingsFileFound;
extern bool ContextNameGiven;
extern bool SecurityLevelGiven;
extern bool AuthProtocolGiven;
extern bool AuthPasswordGiven;
extern bool PrivProtocolGiven;
extern bool PrivPasswordGiven;

// The main window's connection fields: text forms of what the globals hold.
struct TConnectionFields {
    AnsiString NextFormCaption;
    AnsiString AgentAddress;
    AnsiString ReadCommunity;
    AnsiString WriteCommunity;
    AnsiString AgentPortText;
    AnsiString VersionText;
    AnsiString SecurityNameText;
    AnsiString AuthPasswordText;
    AnsiString PrivPasswordText;
    AnsiString AuthProtocolText;
    AnsiString PrivProtocolText;
    AnsiString ContextEngineIdText;
    AnsiString SecurityLevelText;
    AnsiString ContextNameText;
    AnsiString SecurityModelText;
};

void ClearConnectionFlags();

// "<settingsDir><address>.cfg"; settingsDir may lack its final separator.
AnsiString DeviceSettingsFileName(const AnsiString& settingsDir, const AnsiString& address);

// Reads the device settings file of fields.AgentAddress, when it exists, into the fields and
// globals, and sets SettingsFileFound. Security level and protocols count from 0 in the file
// and from 1 in the SNMP layer. EConvertError for a number that does not convert or is out of
// range, naming the bad text, the key and the file.
void ReadDeviceSettings(TConnectionFields& fields, const AnsiString& settingsDir);

// Applies one command-line parameter. EConvertError for a bad number, naming the bad text.
void ApplyParameter(TConnectionFields& fields, const AnsiString& param, const AnsiString& settingsDir);

// Number conversions of the switches and the file: the class library's integer text;
// EConvertError "'<text>' is not a valid integer value", or for a port outside 0..65535 or a
// version outside 0..255 "'<text>' is not a valid port number (0 to 65535)" /
// "'<text>' is not a valid SNMP version (0 to 255)". Nothing wraps.
uint16_t PortValue(const AnsiString& text);
uint8_t VersionValue(const AnsiString& text);
