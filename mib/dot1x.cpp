// Descriptor tables of the table commands of the "Security Management" menu, first part: 802.1X
// and RADIUS.
#include "common/qzoptionlist.h"
#include "mib/mibareas.h"
#include "mib/mibshared.h"
#include "snmpvars/uisnmpvar.h"

namespace {

// Auth1: "Authentication Mode Setting"
const QzOptionEntry kUserAuthenticationProtocol[] = {{2, "authProtocolLocal"},
    {4, "authProtocolRadiusEap"}, {0, nullptr}};
QzOptionList UserAuthenticationProtocolOptions(kUserAuthenticationProtocol);
const QzOptionEntry kDeviceAuthenticationMode[] = {{1, "portBase"}, {2, "macBase"}, {3, "none"},
    {0, nullptr}};
QzOptionList DeviceAuthenticationModeOptions(kDeviceAuthenticationMode);
const UISnmpVar Auth1Vars[] = {
    {"1.3.6.1.4.1.171.12.3.1.1", "User Authentication Protocol", sxInteger, acReadWrite, &UserAuthenticationProtocolOptions},
    {"1.3.6.1.4.1.171.12.3.1.2", "Device Authentication Mode", sxInteger, acReadWrite, &DeviceAuthenticationModeOptions},
    {nullptr},
};

// Configuration2: "802.1X Configuration"
const UISnmpVar Configuration2Vars[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Authentication Control", sxInteger, acReadWrite, &mibEnabled1Disabled2Options},
    {nullptr},
};

// PAEPortTable1: "802.1X Port Table"
const UISnmpVar PAEPortTable1Vars[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", sxInteger, acNotAccess},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Protocol Version", sxGauge, acReadOnly},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Capabilities", sxBitStr, acReadOnly},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Initialize", sxInteger, acReadWrite, &mibTruthValueOptions},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Reauthenticate", sxInteger, acReadWrite, &mibTruthValueOptions},
    {nullptr},
};

// PortAuthenticationConfiguration1: "802.1X Port Configuration"
const QzOptionEntry kPortControl[] = {{1, "forceUnauthorized"}, {2, "auto"},
    {3, "forceAuthorized"}, {0, nullptr}};
QzOptionList PortControlOptions(kPortControl);
const UISnmpVar PortAuthenticationConfiguration1Vars[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", sxInteger, acNotAccess},
    {"1.0.8802.1.1.1.1.2.1.1.1", "Pae State", sxInteger, acReadOnly, &mibPaeStateOptions},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend State", sxInteger, acReadOnly, &mibBackendStateOptions},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Administrative Controlled Directions", sxInteger, acReadWrite, &mibControlledDirectionsOptions},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operational Controlled Directions", sxInteger, acReadOnly, &mibControlledDirectionsOptions},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Port Status", sxInteger, acReadOnly, &mibAuthPortStatusOptions},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Port Control", sxInteger, acReadWrite, &PortControlOptions},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", sxGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.8", "Tx Period", sxGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.9", "SuppTimeout", sxGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.10", "ServerTimeout", sxGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.11", "MaxReq", sxGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuthenticate Period", sxGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuthenticate Enabled", sxInteger, acReadWrite, &mibTruthValueOptions},
    {"1.0.8802.1.1.1.1.2.1.1.14", "KeyTx Enabled", sxInteger, acReadWrite, &mibTruthValueOptions},
    {nullptr},
};

// PortAuthStatistics1: "Port Statistics"
const UISnmpVar PortAuthStatistics1Vars[] = {
    {"1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames Rx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames Tx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames Rx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames Rx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Resp/Ip Frames Rx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames Rx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Req/Id FramesTx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.8", "EAPOL Response Frames Tx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL FramesRx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAPOL Length Error Frames Rx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", sxGauge, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOLF rame Source", sxMacAddress, acReadOnly},
    {nullptr},
};

// Diagnostics1: "Port Diagnostics"
const UISnmpVar Diagnostics1Vars[] = {
    {"1.0.8802.1.1.1.1.2.3.1.1", "EntersConnecting", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.2", "EapLogoffsWhileConnecting", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.3", "EntersAuthenticating", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.4", "AuthSuccessWhileAuthenticating", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.5", "AuthTimeoutsWhileAuthenticating", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.6", "AuthFailWhileAuthenticating", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.7", "AuthReauthsWhileAuthenticating", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.8", "AuthEapStartsWhileAuthenticating", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.9", "AuthEapLogoffWhileAuthenticating", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.10", "AuthReauthsWhileAuthenticated", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.11", "AuthEapStartsWhileAuthenticated", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.12", "AuthEapLogoffWhileAuthenticated", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.13", "BackendResponses", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.14", "BackendAccessChallenges", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.15", "BackendOtherRequestsToSupplicant", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.16", "BackendNonNakResponsesFromSupplicant", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.17", "BackendAuthSuccesses", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.18", "BackendAuthFails", sxCounter, acReadOnly},
    {nullptr},
};

// PortSessionStatistics1: "Port Session Statistics"
const UISnmpVar PortSessionStatistics1Vars[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", sxInteger, acNotAccess},
    {"1.0.8802.1.1.1.1.2.4.1.1", "dot1xAuthSessionOctetsRx", sxCounter64, acReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.2", "dot1xAuthSessionOctetsTx", sxCounter64, acReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.3", "dot1xAuthSessionFramesRx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.4", "dot1xAuthSessionFramesTx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.5", "dot1xAuthSessionId", sxDisplayStr, acReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.6", "dot1xAuthSessionAuthenticMethod", sxInteger, acReadOnly, &mibAuthenticMethodOptions},
    {"1.0.8802.1.1.1.1.2.4.1.7", "dot1xAuthSessionTime", sxTimeTicks, acReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.8", "dot1xAuthSessionTerminateCause", sxInteger, acReadOnly, &mibTerminateCauseOptions},
    {"1.0.8802.1.1.1.1.2.4.1.9", "dot1xAuthSessionUserName", sxDisplayStr, acReadOnly},
    {nullptr},
};

// StateTable1: "State Table"
const UISnmpVar StateTable1Vars[] = {
    {"1.3.6.1.4.1.171.12.3.6.1.1.1", "swPaeMacAddr", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.1.1.2", "swPaePortNumber", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.1.1.3", "swAuthPaeState", sxInteger, acReadOnly, &mibPaeStateOptions},
    {"1.3.6.1.4.1.171.12.3.6.1.1.4", "swAuthBackendAuthState", sxInteger, acReadOnly, &mibBackendStateOptions},
    {"1.3.6.1.4.1.171.12.3.6.1.1.5", "swAuthAuthControlledPortStatus", sxInteger, acReadOnly, &mibAuthPortStatusOptions},
    {nullptr},
};

// SessionInformation1: "Session Information "
const UISnmpVar SessionInformation1Vars[] = {
    {"1.3.6.1.4.1.171.12.3.6.1.1.1", "swPaeMacAddr", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.1.1.2", "swPaePortNumber", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.3.6.4.1.1", "swAuthSessionOctetsRx", sxCounter64, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.4.1.2", "swAuthSessionOctetsTx", sxCounter64, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.4.1.3", "swAuthSessionFramesRx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.4.1.4", "swAuthSessionFramesTx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.4.1.5", "swAuthSessionId", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.4.1.6", "swAuthSessionAuthenticMethod", sxInteger, acReadOnly, &mibAuthenticMethodOptions},
    {"1.3.6.1.4.1.171.12.3.6.4.1.7", "swAuthSessionTime", sxTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.4.1.8", "swAuthSessionTerminateCause", sxInteger, acReadOnly, &mibTerminateCauseOptions},
    {"1.3.6.1.4.1.171.12.3.6.4.1.9", "swAuthSessionUserName", sxDisplayStr, acReadOnly},
    {nullptr},
};

// RadiusServerTabl1: "Radius Server Table"
const QzOptionEntry kServerIndex[] = {{1, "RadiusServerIndex-1"}, {2, "RadiusServerIndex-2"},
    {3, "RadiusServerIndex-3"}, {0, nullptr}};
QzOptionList ServerIndexOptions(kServerIndex);
const UISnmpVar RadiusServerTabl1Vars[] = {
    {"1.3.6.1.4.1.171.12.3.2.4.1.1", "Server Index", sxInteger, acNotAccess, &ServerIndexOptions},
    {"1.3.6.1.4.1.171.12.3.2.4.1.2", "Server IP", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.3.2.4.1.3", "Server Key", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.3.2.4.1.4", "Auth Port Number", sxGauge, acReadWrite},
    {"1.3.6.1.4.1.171.12.3.2.4.1.5", "Acct Port Number", sxGauge, acReadWrite},
    {"1.3.6.1.4.1.171.12.3.2.4.1.6", "Server Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// AuthenticationServer1: "Authentication Information"
const UISnmpVar AuthenticationServer1Vars[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.1", "Unknown Address Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.2", "Authentication Client Identifier", sxDisplayStr, acReadOnly},
    {nullptr},
};

// AuthenticationServerTable1: "Radius Authentication Table"
const UISnmpVar AuthenticationServerTable1Vars[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.2", "Address", sxIpAddress, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.3", "Authentication Port Number", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.4", "Round Trip Time", sxTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.5", "Access-Requests Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.6", "Access-Retransmissions Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.7", "Access-Accepts Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.8", "Access-Rejects Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.9", "Access-Challenges Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.10", "Malformed Access Responses Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.11", "Bad Authenticators Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.12", "Pending Requests Packets", sxGauge, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.13", "Timeout Numbers", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.14", "Unknown Types Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.15", "Packets Dropped", sxCounter, acReadOnly},
    {nullptr},
};

// AccountingServerInformation1: "Accounting Basic Information"
const UISnmpVar AccountingServerInformation1Vars[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.1", "Unknown Address Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.2", "Accouting Client Identifier", sxDisplayStr, acReadOnly},
    {nullptr},
};

// AccountingServerTable1: "Accounting Server Table"
const UISnmpVar AccountingServerTable1Vars[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.2", "Address", sxIpAddress, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.3", "Accouting Port Number", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.4", "Round Trip Time", sxTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.5", "Requests Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.6", "Retransmissions Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.7", "Responses Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.8", "Malformed Responses Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.9", "Bad Authenticators Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.10", "Pending Requests Packets", sxGauge, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.11", "Timeout Numbers", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.12", "Unknown Types Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.13", "Packets Dropped", sxCounter, acReadOnly},
    {nullptr},
};

}  // namespace

extern const MibCommand kDot1xCommands[] = {
    {"Auth1", "Authentication Mode Setting", Auth1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"Configuration2", "802.1X Configuration", Configuration2Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"PAEPortTable1", "802.1X Port Table", PAEPortTable1Vars, MVT_UMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"PortAuthenticationConfiguration1", "802.1X Port Configuration", PortAuthenticationConfiguration1Vars, MVT_UMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"PortAuthStatistics1", "Port Statistics", PortAuthStatistics1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"Diagnostics1", "Port Diagnostics", Diagnostics1Vars, MVT_UMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"PortSessionStatistics1", "Port Session Statistics", PortSessionStatistics1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"StateTable1", "State Table", StateTable1Vars, MVT_FMV, 2, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"SessionInformation1", "Session Information ", SessionInformation1Vars, MVT_FMV, 2, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"RadiusServerTabl1", "Radius Server Table", RadiusServerTabl1Vars, MVT_UMV, 1, mpListView,
     {5, "createAndGo"}, {5, "destroy"}, nullptr},
    {"AuthenticationServer1", "Authentication Information", AuthenticationServer1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"AuthenticationServerTable1", "Radius Authentication Table", AuthenticationServerTable1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"AccountingServerInformation1", "Accounting Basic Information", AccountingServerInformation1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"AccountingServerTable1", "Accounting Server Table", AccountingServerTable1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {nullptr},
};
