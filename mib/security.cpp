// Descriptor tables of the table commands of the "Security Management" menu, second part: TACACS+,
// SSH, SSL, safeguard engine and IP-MAC binding.
#include "common/qzoptionlist.h"
#include "mib/mibareas.h"
#include "mib/mibshared.h"
#include "snmpvars/uisnmpvar.h"

namespace {

// TACACSControl1: "TACACS+ Control"
const UISnmpVar TACACSControl1Vars[] = {
    {"1.3.6.1.4.1.171.12.5.1.1", "swAACAuthenAdminState", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {nullptr},
};

// TACACSInformation1: "TACACS+ Information Table"
const UISnmpVar TACACSInformation1Vars[] = {
    {"1.3.6.1.4.1.171.12.5.2.1", "AAC Max Method List", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.2.2", "AAC Max Enable Method List", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.2.3", "AAC Max ServerGroup", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.2.4", "AAC Max Server", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.8.1", "AAC Response Timeout[1..255]", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.8.2", "AAC Attempt[1..255]", sxInteger, acReadWrite},
    {nullptr},
};

// LoginInformation1: "Login Information"
const UISnmpVar LoginInformation1Vars[] = {
    {"1.3.6.1.4.1.171.12.5.7.1.1", "AP Console LoginMethod", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.7.2.1", "AP Console EnableMethod", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.7.1.2", "AP Telnet LoginMethod", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.7.2.2", "AP Telnet EnableMethod", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.7.1.3", "AP SSH LoginMethod", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.7.2.3", "AP SSH EnableMethod", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.7.1.4", "AP Http LoginMethod", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.7.2.4", "AP Http EnableMethod", sxDisplayStr, acReadWrite},
    {nullptr},
};

// ServerGroup1: "Server Group Table"
const UISnmpVar ServerGroup1Vars[] = {
    {"1.3.6.1.4.1.171.12.5.9.1.1", "swAACServerGroupName", sxDisplayStr, acNotAccess},
    {"1.3.6.1.4.1.171.12.5.9.1.2", "swAACServerGroupIPAddr1", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.9.1.3", "swAACServerGroupAuthProtocol1", sxInteger, acReadOnly, &mibAacServerProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.9.1.4", "swAACServerGroupIPAddr2", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.9.1.5", "swAACServerGroupAuthProtocol2", sxInteger, acReadOnly, &mibAacServerProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.9.1.6", "swAACServerGroupIPAddr3", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.9.1.7", "swAACServerGroupAuthProtocol3", sxInteger, acReadOnly, &mibAacServerProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.9.1.8", "swAACServerGroupIPAddr4", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.9.1.9", "swAACServerGroupAuthProtocol4", sxInteger, acReadOnly, &mibAacServerProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.9.1.10", "swAACServerGroupIPAddr5", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.9.1.11", "swAACServerGroupAuthProtocol5", sxInteger, acReadOnly, &mibAacServerProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.9.1.12", "swAACServerGroupIPAddr6", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.9.1.13", "swAACServerGroupAuthProtocol6", sxInteger, acReadOnly, &mibAacServerProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.9.1.14", "swAACServerGroupIPAddr7", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.9.1.15", "swAACServerGroupAuthProtocol7", sxInteger, acReadOnly, &mibAacServerProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.9.1.16", "swAACServerGroupIPAddr8", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.9.1.17", "swAACServerGroupAuthProtocol8", sxInteger, acReadOnly, &mibAacServerProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.9.1.18", "swAACServerGroupRowStatus", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// SSHManagement1: "SSH Management Table"
const QzOptionEntry kSSHSessionKeyRekeying[] = {{0, "never"}, {10, "ten-min"}, {30, "thirty-min"},
    {60, "sixty-min"}, {0, nullptr}};
QzOptionList SSHSessionKeyRekeyingOptions(kSSHSessionKeyRekeying);
const UISnmpVar SSHManagement1Vars[] = {
    {"1.3.6.1.4.1.171.12.6.1.1", "SSH Version", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.6.1.2", "SSH Administration", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.6.1.3", "SSH Max Authentication Fail Attempts", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.6.1.4", "SSH Session Key Rekeying", sxInteger, acReadWrite, &SSHSessionKeyRekeyingOptions},
    {"1.3.6.1.4.1.171.12.6.1.5", "swSSHMaxSession", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.6.1.6", "swSSHConnectionTimeout", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.6.1.7", "swSSHListenedPort", sxInteger, acReadOnly},
    {nullptr},
};

// DiffieHellmanAlgorithm1: "Diffie Hellman Algorithm Control"
const UISnmpVar DiffieHellmanAlgorithm1Vars[] = {
    {"1.3.6.1.4.1.171.12.6.3.4", "SSH Key Expand Administration", sxInteger, acReadOnly, &mibDisabled2Enabled3Options},
    {nullptr},
};

// EncryptionAlgorithm1: "Encryption Algorithm Control"
const UISnmpVar EncryptionAlgorithm1Vars[] = {
    {"1.3.6.1.4.1.171.12.6.3.1.1", "3DES state", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.6.3.1.2", "Blowfish state", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.6.3.1.3", "AES128 state", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.6.3.1.4", "AES192 state", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.6.3.1.5", "AES256 state", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.6.3.1.6", "Arcfour state", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.6.3.1.7", "Cast128 state", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.6.3.1.8", "Twofish128 state", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.6.3.1.9", "Twofish192 state", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.6.3.1.10", "Twofish256 state", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.6.3.3.1", "SHA state", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.6.3.3.2", "MD5 state", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.6.3.5.1", "RSA state", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.6.3.5.2", "DSA state", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {nullptr},
};

// AuthenticationMethod1: "Authentication Method Control"
const UISnmpVar AuthenticationMethod1Vars[] = {
    {"1.3.6.1.4.1.171.12.6.3.2.1", "Password Authentication Administration", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.6.3.2.2", "Public Key Authentication Administration", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.6.3.2.3", "Host Key Authentication Administration", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {nullptr},
};

// HMACAlgorithm1: "HMAC Algorithm Control"
const UISnmpVar HMACAlgorithm1Vars[] = {
    {"1.3.6.1.4.1.171.12.6.3.3.1", "HMAC-SHA1 Administration", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.6.3.3.2", "HMAC-MD5 Administration", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {nullptr},
};

// PublicKeyAlgorithm1: "Public Key Algorithm Control"
const UISnmpVar PublicKeyAlgorithm1Vars[] = {
    {"1.3.6.1.4.1.171.12.6.3.5.1", "RSA state", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.6.3.5.2", "DSA state", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {nullptr},
};

// SSLCertificateLevel1: "SSL Certificate File"
const QzOptionEntry kCertificateFileCtrl[] = {{1, "other"}, {2, "inactive"}, {3, "start"},
    {4, "delete"}, {0, nullptr}};
QzOptionList CertificateFileCtrlOptions(kCertificateFileCtrl);
const QzOptionEntry kCertificateFileShowSatus[] = {{1, "none"}, {2, "rsa"}, {3, "dsa"},
    {0, nullptr}};
QzOptionList CertificateFileShowSatusOptions(kCertificateFileShowSatus);
const UISnmpVar SSLCertificateLevel1Vars[] = {
    {"1.3.6.1.4.1.171.12.7.2.1", "Certificate File IP Address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.7.2.2", "Certificate File Path", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.7.2.3", "Certificate Key File Path", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.7.2.4", "Certificate File Ctrl", sxInteger, acReadWrite, &CertificateFileCtrlOptions},
    {"1.3.6.1.4.1.171.12.7.2.5", "Certificate File Show Satus", sxInteger, acReadOnly, &CertificateFileShowSatusOptions},
    {nullptr},
};

// GlobalManagement1: "Safeguard Global Management"
const UISnmpVar GlobalManagement1Vars[] = {
    {"1.3.6.1.4.1.171.12.19.1.1", "swSafeGuardAdminState", sxInteger, acReadWrite, &mibOtherDisabledEnabledOptions},
    {nullptr},
};

// ArpStormControl1: "ARP Storm Control"
const UISnmpVar ArpStormControl1Vars[] = {
    {"1.3.6.1.4.1.171.12.19.3.1", "swArpStormThreshold", sxInteger, acReadWrite},
    {nullptr},
};

// PortInformation3: "IP-MAC Binding Port Table"
const UISnmpVar PortInformation3Vars[] = {
    {"1.3.6.1.4.1.171.12.23.3.2.1.1", "swIpMacBindingPortIndex", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.23.3.2.1.2", "swIpMacBindingPortState", sxInteger, acReadWrite, &mibEnable2Disable3Options},
    {nullptr},
};

}  // namespace

extern const MibCommand kSecurityCommands[] = {
    {"TACACSControl1", "TACACS+ Control", TACACSControl1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"TACACSInformation1", "TACACS+ Information Table", TACACSInformation1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"LoginInformation1", "Login Information", LoginInformation1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"ServerGroup1", "Server Group Table", ServerGroup1Vars, MVT_FMV, 1, mpListView,
     {17, "createAndGo"}, {17, "destroy"}, nullptr},
    {"SSHManagement1", "SSH Management Table", SSHManagement1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"DiffieHellmanAlgorithm1", "Diffie Hellman Algorithm Control", DiffieHellmanAlgorithm1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"EncryptionAlgorithm1", "Encryption Algorithm Control", EncryptionAlgorithm1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"AuthenticationMethod1", "Authentication Method Control", AuthenticationMethod1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"HMACAlgorithm1", "HMAC Algorithm Control", HMACAlgorithm1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"PublicKeyAlgorithm1", "Public Key Algorithm Control", PublicKeyAlgorithm1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"SSLCertificateLevel1", "SSL Certificate File", SSLCertificateLevel1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"GlobalManagement1", "Safeguard Global Management", GlobalManagement1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"ArpStormControl1", "ARP Storm Control", ArpStormControl1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"PortInformation3", "IP-MAC Binding Port Table", PortInformation3Vars, MVT_UMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {nullptr},
};
